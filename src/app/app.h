#pragma once

#include <windows.h>

namespace pelorin {

// The program: start-up, the main window, the message loop. Returns the
// process exit code (0 when the main window was closed).
int RunApplication(HINSTANCE instance);

}  // namespace pelorin
