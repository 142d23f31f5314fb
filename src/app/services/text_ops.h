#pragma once
// The small text toolkit the application's handlers use. Positions are
// 1-based and counted in characters.

#include <string>
#include <string_view>
#include <vector>

namespace pelorin::runtime {

// Pieces of `text` between occurrences of `delimiter`. A trailing empty piece
// and an empty input give no piece; empty pieces in the middle are kept.
std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view delimiter);
// 1-based position of the last occurrence of `what`, 0 when absent.
int ReverseFind(std::wstring_view text, std::wstring_view what);
// `count` characters from 1-based position `start`, clipped to the text.
std::wstring Middle(std::wstring_view text, int start, int count);
int Length(std::wstring_view text);
std::wstring ToText(long long number);

}  // namespace pelorin::runtime
