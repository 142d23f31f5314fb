#include "app/services/data_text.h"

#include <algorithm>

#include "base/text.h"

namespace pelorin::runtime {
namespace {

using Byte = unsigned char;

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

bool IsContinuation(Byte b) { return b >= 0x80 && b <= 0xBF; }

// A run of bytes that splits into GBK lead and trail pairs.
bool IsGbkPairs(std::string_view bytes) {
    if (bytes.size() % 2 != 0) return false;
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const Byte lead = static_cast<Byte>(bytes[i]);
        const Byte trail = static_cast<Byte>(bytes[i + 1]);
        if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return false;
    }
    return true;
}

// Length of the well-formed UTF-8 sequence at `at` (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
size_t Utf8SequenceAt(std::string_view bytes, size_t at) {
    const Byte lead = static_cast<Byte>(bytes[at]);
    size_t length = 0;
    Byte secondLow = 0x80, secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    const Byte second = static_cast<Byte>(bytes[at + 1]);
    if (second < secondLow || second > secondHigh) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<Byte>(bytes[at + i]))) return 0;
    return length;
}

bool LooksUtf8(std::string_view bytes) {
    bool decisive = false;
    for (size_t at = 0; at < bytes.size();) {
        if (static_cast<Byte>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        const size_t length = Utf8SequenceAt(bytes, at);
        if (length == 0) return false;
        if (!IsGbkPairs(bytes.substr(at, length))) decisive = true;
        at += length;
    }
    return decisive;
}

std::string WithoutNuls(std::string_view bytes) {
    std::string out(bytes);
    out.erase(std::remove(out.begin(), out.end(), '\0'), out.end());
    return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<Byte>(bytes[i]);
        const auto b = static_cast<Byte>(bytes[i + 1]);
        text.push_back(static_cast<wchar_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    return text;
}

// The decoded text of a file in any encoding but GBK.
std::wstring DecodeWhole(std::string_view bytes, TextEncoding encoding) {
    std::wstring text;
    switch (encoding) {
        case TextEncoding::Utf8Bom: text = FromUtf8(bytes.substr(3)); break;
        case TextEncoding::Utf8: text = FromUtf8(bytes); break;
        case TextEncoding::Utf16Le: text = DecodeUtf16(bytes.substr(2), false); break;
        case TextEncoding::Utf16Be: text = DecodeUtf16(bytes.substr(2), true); break;
        case TextEncoding::Gbk: text = FromGbk(WithoutNuls(bytes)); break;
    }
    text.erase(std::remove(text.begin(), text.end(), L'\0'), text.end());
    return text;
}

// Splits at CR LF, LF and CR; calls add(start, length, end) for each line.
template <typename Char, typename Add>
void ForEachLine(std::basic_string_view<Char> text, Add add) {
    size_t start = 0;
    while (start < text.size()) {
        size_t at = start;
        while (at < text.size() && text[at] != Char('\r') && text[at] != Char('\n')) ++at;
        if (at == text.size()) {
            add(start, at - start, std::string_view());
            return;
        }
        const bool crlf = text[at] == Char('\r') && at + 1 < text.size() && text[at + 1] == Char('\n');
        add(start, at - start, crlf ? std::string_view("\r\n") : text[at] == Char('\r') ? "\r" : "\n");
        start = at + (crlf ? 2 : 1);
    }
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
    if (StartsWith(bytes, "\xEF\xBB\xBF")) return TextEncoding::Utf8Bom;
    if (StartsWith(bytes, "\xFF\xFE")) return TextEncoding::Utf16Le;
    if (StartsWith(bytes, "\xFE\xFF")) return TextEncoding::Utf16Be;
    return LooksUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

DataText ReadDataText(std::string_view bytes) {
    DataText data;
    data.encoding = DetectTextEncoding(bytes);
    if (data.encoding == TextEncoding::Gbk) {
        // CR and LF never occur inside a GBK character, so the bytes split
        // into lines before they are decoded, and each line keeps its bytes.
        ForEachLine(bytes, [&](size_t start, size_t length, std::string_view end) {
            const std::string_view line = bytes.substr(start, length);
            data.lines.push_back({DecodeWhole(line, TextEncoding::Gbk), line, end});
        });
        return data;
    }
    const std::wstring text = DecodeWhole(bytes, data.encoding);
    ForEachLine(std::wstring_view(text), [&](size_t start, size_t length, std::string_view end) {
        data.lines.push_back({text.substr(start, length), {}, end});
    });
    return data;
}

}  // namespace pelorin::runtime
