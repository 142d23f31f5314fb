#pragma once
// A few GDI+ entry points are bare stubs under Wine: calling one raises an
// exception that ends the process instead of returning a status. The
// wrappers ask here first and, for those entry points under Wine, answer
// NotImplemented without making the call. On Windows nothing is skipped.

namespace pelorin {

// True (and gxLastStatus set to NotImplemented) when `entryPoint` must not be
// called in this process.
bool GxSkipUnimplementedStub(const char* entryPoint);

}  // namespace pelorin
