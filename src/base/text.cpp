#include "base/text.h"

#include <windows.h>

namespace pelorin {
namespace {

std::wstring Widen(unsigned codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string Narrow(unsigned codePage, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty()) return {};
    // CP_UTF8 rejects the default-char arguments.
    BOOL* flag = codePage == CP_UTF8 ? nullptr : usedDefault;
    int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, flag);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, flag);
    return out;
}

}  // namespace

std::wstring FromGbk(std::string_view gbk) { return Widen(kGbkCodePage, gbk); }

std::wstring FromGbk(const Bytes& gbk) {
    return FromGbk(std::string_view(reinterpret_cast<const char*>(gbk.data()), gbk.size()));
}

std::string ToGbk(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    return Narrow(kGbkCodePage, text, &usedDefault);
}

bool FitsGbk(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    std::string gbk = Narrow(kGbkCodePage, text, &usedDefault);
    return !usedDefault && FromGbk(gbk) == text;
}

std::wstring FromUtf8(std::string_view utf8) { return Widen(CP_UTF8, utf8); }

std::string ToUtf8(std::wstring_view text) { return Narrow(CP_UTF8, text, nullptr); }

}  // namespace pelorin
