#pragma once
// Text in memory is UTF-16. The data files are GBK (code page 936) on disk;
// these conversions name the code page explicitly so the program behaves the
// same whatever the system's ANSI code page is.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

using Bytes = std::vector<std::uint8_t>;

inline constexpr unsigned kGbkCodePage = 936;

// GBK bytes to UTF-16. Invalid byte sequences become U+FFFD / best-effort
// characters; never fails.
std::wstring FromGbk(std::string_view gbk);
std::wstring FromGbk(const Bytes& gbk);

// UTF-16 to GBK bytes. Characters GBK cannot hold become '?'.
std::string ToGbk(std::wstring_view text);

// True when every character of `text` survives a round trip through GBK.
bool FitsGbk(std::wstring_view text);

std::wstring FromUtf8(std::string_view utf8);
std::string ToUtf8(std::wstring_view text);

}  // namespace pelorin
