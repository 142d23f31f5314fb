#pragma once
// The data files hold paths as GBK text. A path with characters GBK cannot
// hold (an emoji, a script outside it) would come back corrupted after a
// restart, so such a path is stored in its short 8.3 form when the file
// system has one.

#include <optional>
#include <string>

namespace pelorin::runtime {

// `path` itself when GBK holds it, else its short form when that fits GBK,
// else nothing (the path cannot be stored faithfully).
std::optional<std::wstring> StorablePath(const std::wstring& path);

inline constexpr const wchar_t* kUnstorablePathMessage =
    L"文件路径中含有无法保存的字符，请将文件改名或移到其他文件夹后再试。";

}  // namespace pelorin::runtime
