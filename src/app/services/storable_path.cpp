#include "app/services/storable_path.h"

#include <windows.h>

#include "base/text.h"

namespace pelorin::runtime {

std::optional<std::wstring> StorablePath(const std::wstring& path) {
    if (FitsGbk(path)) return path;
    DWORD n = ::GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return std::nullopt;
    std::wstring shortPath(n, L'\0');
    n = ::GetShortPathNameW(path.c_str(), shortPath.data(), n);
    shortPath.resize(n);
    if (n == 0 || !FitsGbk(shortPath)) return std::nullopt;
    return shortPath;
}

}  // namespace pelorin::runtime
