#include "text_forms.h"

#include "base/text.h"

namespace pelorin::test {

std::string Utf16(std::wstring_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::wstring WithLineEnds(const std::wstring& text, std::wstring_view end) {
    std::wstring out;
    for (size_t at = 0;;) {
        const size_t crlf = text.find(L"\r\n", at);
        out += text.substr(at, crlf - at);
        if (crlf == std::wstring::npos) return out;
        out += end;
        at = crlf + 2;
    }
}

const std::vector<TextForm>& TextForms() {
    using runtime::TextEncoding;
    static const std::vector<TextForm> forms = {
        {"GBK CR LF", TextEncoding::Gbk, [](const std::wstring& t) { return ToGbk(t); }, true},
        {"GBK LF", TextEncoding::Gbk, [](const std::wstring& t) { return ToGbk(WithLineEnds(t, L"\n")); }, false},
        {"GBK CR", TextEncoding::Gbk, [](const std::wstring& t) { return ToGbk(WithLineEnds(t, L"\r")); }, false},
        {"UTF-8 BOM", TextEncoding::Utf8Bom, [](const std::wstring& t) { return "\xEF\xBB\xBF" + ToUtf8(t); }, false},
        {"UTF-8", TextEncoding::Utf8, [](const std::wstring& t) { return ToUtf8(t); }, false},
        {"UTF-8 LF", TextEncoding::Utf8, [](const std::wstring& t) { return ToUtf8(WithLineEnds(t, L"\n")); }, false},
        {"UTF-16 LE", TextEncoding::Utf16Le, [](const std::wstring& t) { return Utf16(t, false); }, false},
        {"UTF-16 BE", TextEncoding::Utf16Be, [](const std::wstring& t) { return Utf16(t, true); }, false},
        {"UTF-16 LE CR", TextEncoding::Utf16Le,
         [](const std::wstring& t) { return Utf16(WithLineEnds(t, L"\r"), false); }, false},
    };
    return forms;
}

}  // namespace pelorin::test
