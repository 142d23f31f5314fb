#include "app/skin_setup.h"

namespace pelorin {

// The skin engine is not part of the program yet: every hook keeps the
// platform's look.
void SkinHookS() {}
void SkinHookA(MainWindow&) {}
void SkinHookB(MainWindow&) {}
void SkinHookD(HWND) {}

}  // namespace pelorin
