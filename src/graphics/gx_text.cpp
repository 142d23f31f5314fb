#include "graphics/gx_text.h"

#include <cstring>

namespace pelorin {

std::wstring GxWideFromBytes(const Bytes& utf16) {
    std::wstring text(utf16.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), utf16.data(), text.size() * sizeof(wchar_t));
    return text;
}

Bytes GxBytesFromWide(const std::wstring& text) {
    Bytes bytes(text.size() * sizeof(wchar_t));
    if (!bytes.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

}  // namespace pelorin
