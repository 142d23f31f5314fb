#include "app/services/data_file.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "app/services/file_io.h"
#include "base/handle.h"

namespace pelorin::runtime {
namespace {

bool SameBytes(const std::wstring& path, std::string_view bytes) {
    const Bytes held = ReadFile(path);
    return held.size() == bytes.size() &&
           std::equal(held.begin(), held.end(), bytes.begin(),
                      [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct FindTraits {
    using type = HANDLE;
    static constexpr HandleKind kind = HandleKind::Kernel;
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::FindClose(h); }
};

// The numbers of the numbered backups of `file` there are, ascending.
std::vector<int> NumberedBackups(const std::wstring& file) {
    const size_t slash = file.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : file.substr(0, slash + 1);
    const std::wstring name = file.substr(folder.size());
    std::vector<int> numbers;
    WIN32_FIND_DATAW found{};
    UniqueHandle<FindTraits> find(::FindFirstFileW((file + L".*.bak").c_str(), &found));
    if (!find) return numbers;
    do {
        // "<name>.<digits>.bak", nothing else.
        const std::wstring candidate = found.cFileName;
        if (candidate.size() <= name.size() + 5 || _wcsnicmp(candidate.c_str(), name.c_str(), name.size()) != 0 ||
            candidate[name.size()] != L'.' || _wcsicmp(candidate.c_str() + candidate.size() - 4, L".bak") != 0)
            continue;
        const std::wstring middle = candidate.substr(name.size() + 1, candidate.size() - name.size() - 5);
        if (middle.empty() || middle.size() > 6 || !std::all_of(middle.begin(), middle.end(), ::iswdigit)) continue;
        if (const int n = std::stoi(middle); n > 0) numbers.push_back(n);
    } while (::FindNextFileW(find.Get(), &found));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

std::wstring BackupPath(const std::wstring& file, int number) {
    return number == 0 ? file + L".bak" : file + L"." + std::to_wstring(number) + L".bak";
}

bool KeepBackup(const std::wstring& file, std::string_view bytes) {
    std::vector<int> numbers = NumberedBackups(file);
    if (SameBytes(BackupPath(file, 0), bytes) && Exists(BackupPath(file, 0))) return true;
    for (int n : numbers)
        if (SameBytes(BackupPath(file, n), bytes)) return true;
    if (!Exists(BackupPath(file, 0))) return WriteFile(BackupPath(file, 0), bytes);

    const int next = numbers.empty() ? 1 : numbers.back() + 1;
    if (!WriteFile(BackupPath(file, next), bytes)) return false;
    numbers.push_back(next);
    for (size_t i = 0; i + kNumberedBackupsKept < numbers.size(); ++i) DeleteFile(BackupPath(file, numbers[i]));
    return true;
}

bool ReplaceDataFile(const std::wstring& file, std::string_view previous, bool previousIsOwnForm,
                     std::string_view bytes) {
    if (!previousIsOwnForm && previous != bytes && !KeepBackup(file, previous)) return false;
    return WriteFile(file, bytes);
}

}  // namespace pelorin::runtime
