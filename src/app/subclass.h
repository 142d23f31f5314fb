#pragma once
// Subclassing by window property: the previous window procedure is kept in a
// property of the window itself, so any number of windows can share one
// replacement procedure without a table of their own.

#include <windows.h>

namespace pelorin {

// Replaces the window's procedure, keeping the previous one.
void SubclassWindow(HWND hwnd, WNDPROC proc);
// Passes a message on to the kept procedure; after WM_NCDESTROY the property
// is removed.
LRESULT CallKeptProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace pelorin
