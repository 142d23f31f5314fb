#include "app/services/ini_file.h"

#include <windows.h>

#include <optional>
#include <string_view>
#include <vector>

#include "app/services/data_file.h"
#include "app/services/data_text.h"
#include "app/services/file_io.h"
#include "app/services/storable_path.h"
#include "base/text.h"

namespace pelorin::runtime {
namespace {

// A line of the file being read or rewritten.
struct Line {
    std::wstring text;
    std::string_view bytes;  // a GBK file's original bytes, while unchanged
    std::string_view end;    // as in the file; empty: CR LF when written
    bool changed = false;
};

std::vector<Line> LinesOf(const DataText& data) {
    std::vector<Line> lines;
    lines.reserve(data.lines.size());
    for (const TextLine& l : data.lines) lines.push_back({l.text, l.bytes, l.end});
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
        const std::wstring& text = lines[i].text;
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

bool Storable(const IniEntry& e) {
    return e.value.find_first_of(L"\r\n") == std::wstring::npos &&
           e.key.find_first_of(L"\r\n=") == std::wstring::npos &&
           e.section.find_first_of(L"\r\n]") == std::wstring::npos && FitsGbk(e.value) && FitsGbk(e.key) &&
           FitsGbk(e.section);
}

void Apply(std::vector<Line>& lines, const IniEntry& e) {
    const std::wstring section = Trim(e.section);
    const std::wstring key = Trim(e.key);
    const Location loc = Locate(lines, section, key);
    Line keyLine{key + L"=" + e.value, {}, {}, true};
    if (loc.keyLine) {
        keyLine.end = lines[*loc.keyLine].end;
        lines[*loc.keyLine] = keyLine;
    } else if (loc.section) {
        // After the section's last key; the line before it gets a line end if it had none.
        keyLine.end = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(loc.lastContentLine) + 1, keyLine);
    } else {
        lines.push_back({L"[" + section + L"]", {}, "\r\n", true});
        keyLine.end = "\r\n";
        lines.push_back(keyLine);
    }
}

// A line of a file read in another encoding, as GBK. A value GBK cannot hold
// that names a file is written as that file's short path; other values GBK
// cannot hold make the file unstorable. Other lines (comments, junk) take
// GBK's substitutes: the backup keeps their original.
std::optional<std::string> AsGbk(const std::wstring& text) {
    if (FitsGbk(text)) return ToGbk(text);
    const std::optional<KeyValue> kv = ParseKeyValue(text);
    if (!kv) return ToGbk(text);
    if (!FitsGbk(kv->key)) return std::nullopt;
    const std::optional<std::wstring> path = StorablePath(kv->value);
    if (!path) return std::nullopt;
    return ToGbk(kv->key + L"=" + *path);
}

std::string_view LineEnd(const Line& line) { return line.end.empty() ? std::string_view("\r\n") : line.end; }

}  // namespace

std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    const Bytes bytes = ReadFile(file);
    const std::string text(bytes.begin(), bytes.end());
    const Location loc = Locate(LinesOf(ReadDataText(text)), Trim(section), Trim(key));
    return loc.keyLine ? loc.value : std::wstring();
}

IniWriteResult WriteIni(const std::wstring& file, std::span<const IniEntry> entries) {
    for (const IniEntry& e : entries)
        if (!Storable(e)) return IniWriteResult::Unstorable;

    const Bytes read = ReadFile(file);
    const std::string previous(read.begin(), read.end());
    const DataText data = ReadDataText(previous);
    std::vector<Line> lines = LinesOf(data);
    for (const IniEntry& e : entries) Apply(lines, e);

    std::string out;
    out.reserve(previous.size() + 256);
    const bool gbk = data.encoding == TextEncoding::Gbk;
    for (const Line& line : lines) {
        if (gbk) {
            // Unchanged lines keep their bytes and line ends.
            out += line.changed ? ToGbk(line.text) : std::string(line.bytes);
            out += LineEnd(line);
            continue;
        }
        const std::optional<std::string> converted = AsGbk(line.text);
        if (!converted) return IniWriteResult::Unstorable;
        out += *converted;
        out += "\r\n";
    }
    return ReplaceDataFile(file, previous, gbk, out) ? IniWriteResult::Written : IniWriteResult::Failed;
}

bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value) {
    const IniEntry entry{section, key, value};
    return WriteIni(file, std::span<const IniEntry>(&entry, 1)) == IniWriteResult::Written;
}

}  // namespace pelorin::runtime
