#include "app/services/file_io.h"

#include "base/handle.h"

namespace pelorin::runtime {

Bytes ReadFile(const std::wstring& path) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > 0x7FFFFFFF) return {};
    Bytes bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!::ReadFile(file.Get(), bytes.data() + done, want, &got, nullptr) || got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

bool WriteFile(const std::wstring& path, std::string_view bytes) {
    // A read-only file is not replaced (the platform's rename would refuse it
    // on Windows; some emulations allow it).
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::wstring temp = path + L".new-" + std::to_wstring(::GetCurrentProcessId());
    {
        UniqueFile file(
            ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            DWORD put = 0;
            DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
            ok = ::WriteFile(file.Get(), bytes.data() + done, want, &put, nullptr) && put == want;
            done += put;
        }
        ok = ok && ::FlushFileBuffers(file.Get());
        if (!ok) {
            file.Reset();
            ::DeleteFileW(temp.c_str());
            return false;
        }
    }
    if (!::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

bool WriteFile(const std::wstring& path, const Bytes& bytes) {
    return WriteFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void DeleteFile(const std::wstring& path) { ::DeleteFileW(path.c_str()); }

std::wstring ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace pelorin::runtime
