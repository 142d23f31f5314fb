#pragma once
// The application's own process-wide state. Everything else it keeps lives in
// the controls of the main window (captions, dialog file names, list cells).

#include <string>

namespace pelorin {

// Full path of the music list file, set when the main window is created.
inline std::wstring listFilePath;

}  // namespace pelorin
