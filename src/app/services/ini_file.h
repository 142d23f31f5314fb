#pragma once
// A small INI reader and writer for GBK files. The platform's private-profile
// calls convert with the system's ANSI code page, which garbles Chinese keys
// on other locales; this one converts with GBK explicitly and otherwise
// matches them: sections and keys compare case-insensitively, white space
// around keys and values is ignored, the first of duplicate sections and
// keys wins, and a new section goes to the end of the file (so the sections
// stand in the order they were first written).
//
// Files are read by the rules of data_text.h, so a file saved as UTF-8 or
// UTF-16 by another editor reads as it was meant. In a GBK file, lines the
// writer does not change keep their exact bytes, so a file with bytes that
// are not valid GBK loses nothing when a key is written. A file in another
// encoding is written back whole as GBK with CR LF, after its bytes were
// kept in a backup (data_file.h).

#include <span>
#include <string>

namespace pelorin::runtime {

// The stored value; empty when the file, section or key is missing.
std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key);

struct IniEntry {
    std::wstring section;
    std::wstring key;
    std::wstring value;
};

enum class IniWriteResult {
    Written,
    // Nothing written: a value cannot be stored faithfully (a line break in
    // it, characters GBK cannot hold), or the file, read in another encoding,
    // holds a line GBK cannot hold that is no path with a short form.
    Unstorable,
    Failed,  // nothing written: the file or its backup could not be written
};

// Stores the values in one atomic replacement of the file, creating the file
// and sections when missing.
IniWriteResult WriteIni(const std::wstring& file, std::span<const IniEntry> entries);
// One value; true when it was written.
bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value);

}  // namespace pelorin::runtime
