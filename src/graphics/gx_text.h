#pragma once
// UTF-16 texts carried as byte-sets by the W operations of the wrappers.

#include <string>

#include "base/text.h"

namespace pelorin {

// The UTF-16LE bytes as text (an odd last byte is ignored).
std::wstring GxWideFromBytes(const Bytes& utf16);
// The text's UTF-16LE bytes, without a terminator.
Bytes GxBytesFromWide(const std::wstring& text);

}  // namespace pelorin
