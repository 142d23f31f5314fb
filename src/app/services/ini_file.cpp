#include "app/services/ini_file.h"

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "app/services/file_io.h"
#include "base/text.h"

namespace pelorin::runtime {
namespace {

struct Line {
    std::string_view bytes;  // without the line end
    std::string_view end;    // "\r\n", "\n", "\r" or empty for the last line
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t at = text.find_first_of("\r\n", start);
        if (at == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        size_t endLen = (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
        lines.push_back({text.substr(start, at - start), text.substr(at, endLen)});
        start = at + endLen;
    }
    return lines;
}

std::wstring Trim(std::wstring_view s) {
    const wchar_t* space = L" \t\v\f";
    size_t b = s.find_first_not_of(space);
    if (b == std::wstring_view::npos) return {};
    size_t e = s.find_last_not_of(space);
    return std::wstring(s.substr(b, e - b + 1));
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// The name of a "[section]" line, if it is one.
std::optional<std::wstring> SectionName(std::wstring_view line) {
    std::wstring t = Trim(line);
    if (t.size() < 2 || t.front() != L'[') return std::nullopt;
    size_t close = t.find(L']');
    if (close == std::wstring::npos) return std::nullopt;
    return Trim(std::wstring_view(t).substr(1, close - 1));
}

struct KeyValue {
    std::wstring key;
    std::wstring value;
};

std::optional<KeyValue> ParseKeyValue(std::wstring_view line) {
    size_t eq = line.find(L'=');
    if (eq == std::wstring_view::npos) return std::nullopt;
    KeyValue kv{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
    if (kv.key.empty() || kv.key[0] == L';') return std::nullopt;
    // A value wrapped in one pair of quotes is read without them.
    if (kv.value.size() >= 2 && ((kv.value.front() == L'"' && kv.value.back() == L'"') ||
                                 (kv.value.front() == L'\'' && kv.value.back() == L'\''))) {
        kv.value = kv.value.substr(1, kv.value.size() - 2);
    }
    return kv;
}

// Where a key lives in the file: the index of its section header and of its line.
struct Location {
    std::optional<size_t> section;  // header line of the first matching section
    std::optional<size_t> keyLine;  // the key's line in that section
    size_t lastContentLine = 0;     // last non-blank line of that section
    std::wstring value;
};

Location Locate(const std::vector<Line>& lines, const std::wstring& section, const std::wstring& key) {
    Location loc;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring text = FromGbk(lines[i].bytes);
        if (auto name = SectionName(text)) {
            if (inSection) break;  // left the section: later duplicates are ignored
            if (SameName(*name, section)) {
                inSection = true;
                loc.section = i;
                loc.lastContentLine = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(text).empty()) loc.lastContentLine = i;
        if (loc.keyLine) continue;
        if (auto kv = ParseKeyValue(text); kv && SameName(kv->key, key)) {
            loc.keyLine = i;
            loc.value = kv->value;
        }
    }
    return loc;
}

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    std::string text = AsString(ReadFile(file));
    Location loc = Locate(SplitLines(text), Trim(section), Trim(key));
    return loc.keyLine ? loc.value : std::wstring();
}

bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value) {
    if (value.find_first_of(L"\r\n") != std::wstring::npos || key.find_first_of(L"\r\n=") != std::wstring::npos ||
        section.find_first_of(L"\r\n]") != std::wstring::npos)
        return false;
    if (!FitsGbk(value) || !FitsGbk(key) || !FitsGbk(section)) return false;

    const std::string text = AsString(ReadFile(file));
    const std::vector<Line> lines = SplitLines(text);
    const Location loc = Locate(lines, Trim(section), Trim(key));
    const std::string keyLine = ToGbk(Trim(key)) + "=" + ToGbk(value);

    std::string out;
    out.reserve(text.size() + keyLine.size() + section.size() + 8);
    auto append = [&](const Line& line) {
        out.append(line.bytes);
        out.append(line.end.empty() ? std::string_view("\r\n") : line.end);
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (loc.keyLine && i == *loc.keyLine) {
            out += keyLine;
            out.append(lines[i].end.empty() ? std::string_view("\r\n") : lines[i].end);
            continue;
        }
        append(lines[i]);
        if (loc.section && !loc.keyLine && i == loc.lastContentLine) out += keyLine + "\r\n";
    }
    if (!loc.section) out += "[" + ToGbk(Trim(section)) + "]\r\n" + keyLine + "\r\n";
    return WriteFile(file, out);
}

}  // namespace pelorin::runtime
