#pragma once
// Whole-file services. Writes replace the file atomically: the new bytes go
// into a file beside the target, which is then renamed over it, so a crash
// or a full disk never leaves the old file deleted or short.

#include <windows.h>

#include <string>

#include "base/text.h"

namespace pelorin::runtime {

// The file's bytes; empty when it is missing or unreadable.
Bytes ReadFile(const std::wstring& path);
// Creates or replaces the file. False (and the old file untouched) on failure.
bool WriteFile(const std::wstring& path, const Bytes& bytes);
bool WriteFile(const std::wstring& path, std::string_view bytes);
// Removes the file; no effect when it is missing.
void DeleteFile(const std::wstring& path);

// Directory of the running executable, without a trailing backslash.
std::wstring ProgramDirectory();

}  // namespace pelorin::runtime
