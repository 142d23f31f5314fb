#include "test_support.h"

#include <shellapi.h>

#include <atomic>
#include <fstream>

namespace pelorin::test {

void PumpMessages(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (::GetTickCount64() >= deadline) return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

namespace {

void DeleteTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(full);
            } else {
                ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(full.c_str());
            }
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
    }
    ::SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(dir.c_str());
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    for (;;) {
        path_ = std::wstring(base) + L"pelorin-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::to_wstring(counter++);
        if (::CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
    // GetTempPath ends with a backslash; Path() must not.
    if (!path_.empty() && path_.back() == L'\\') path_.pop_back();
}

TempDir::~TempDir() { DeleteTree(path_); }

Bytes ReadAll(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return {};
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::wstring& path, const Bytes& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteAll(const std::wstring& path, std::string_view bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

namespace {

std::wstring CaptureOf(const wchar_t* variable) {
    wchar_t unixPath[1024];
    DWORD n = ::GetEnvironmentVariableW(variable, unixPath, 1024);
    if (n == 0 || n >= 1024) return {};
    // Wine maps the Unix root to drive Z:.
    std::wstring path = L"Z:" + std::wstring(unixPath, n);
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

std::vector<std::int16_t> SamplesOf(const std::wstring& path) {
    Bytes bytes = ReadAll(path);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return samples;
}

void Truncate(const std::wstring& path) {
    // Truncate in place: the sound device may hold the file open for appending.
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    ::SetEndOfFile(h);
    ::CloseHandle(h);
}

}  // namespace

std::wstring CapturePath() { return CaptureOf(L"PELORIN_AUDIO_CAPTURE"); }
std::vector<std::int16_t> ReadCapture() { return SamplesOf(CapturePath()); }
void ResetCapture() { Truncate(CapturePath()); }

std::wstring CableCapturePath() { return CaptureOf(L"PELORIN_AUDIO_CAPTURE_CABLE"); }
std::vector<std::int16_t> ReadCableCapture() { return SamplesOf(CableCapturePath()); }
void ResetCableCapture() { Truncate(CableCapturePath()); }

}  // namespace pelorin::test
