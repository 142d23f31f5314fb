#pragma once
// The attach steps of the control kinds drawn by this library, and the whole
// sequence of steps that ApplySkin runs on a form and AttachContainer on a
// container.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

void AttachListControls(std::int32_t form, HWND parent);
void AttachUpDowns(std::int32_t form, HWND parent);
void AttachHeaders(std::int32_t form, HWND parent);
void AttachToolbars(std::int32_t form, HWND parent);
void AttachTransparentChildren(std::int32_t form, HWND parent);

// Every attach step on the direct children of `parent`, in a fixed order:
// boxed controls before headers, so that a list view's header is found as
// the list's own.
void AttachChildControls(std::int32_t form, HWND parent);

}  // namespace pelorin::skin
