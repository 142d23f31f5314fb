#pragma once
// A small INI reader and writer for GBK files. The platform's private-profile
// calls convert with the system's ANSI code page, which garbles Chinese keys
// on other locales; this one converts with GBK explicitly and otherwise
// matches them: sections and keys compare case-insensitively, white space
// around keys and values is ignored, the first of duplicate sections and
// keys wins, and a new section goes to the end of the file (so the sections
// stand in the order they were first written).
//
// Lines the writer does not change keep their exact bytes, so a file with
// bytes that are not valid GBK loses nothing when a key is written.

#include <string>

namespace pelorin::runtime {

// The stored value; empty when the file, section or key is missing.
std::wstring ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key);
// Stores the value, creating the file and the section when missing. The file
// is replaced atomically. False when the value cannot be stored faithfully
// (a line break in it, or characters GBK cannot hold) or the write failed.
bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value);

}  // namespace pelorin::runtime
