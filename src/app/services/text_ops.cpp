#include "app/services/text_ops.h"

namespace pelorin::runtime {

std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view delimiter) {
    std::vector<std::wstring> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t start = 0;
    for (;;) {
        size_t at = text.find(delimiter, start);
        if (at == std::wstring_view::npos) {
            if (start < text.size()) pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
}

int ReverseFind(std::wstring_view text, std::wstring_view what) {
    size_t at = text.rfind(what);
    return at == std::wstring_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::wstring Middle(std::wstring_view text, int start, int count) {
    if (start < 1) {
        count += start - 1;
        start = 1;
    }
    if (count <= 0 || static_cast<size_t>(start) > text.size()) return {};
    return std::wstring(text.substr(static_cast<size_t>(start) - 1, static_cast<size_t>(count)));
}

int Length(std::wstring_view text) { return static_cast<int>(text.size()); }

std::wstring ToText(long long number) { return std::to_wstring(number); }

}  // namespace pelorin::runtime
