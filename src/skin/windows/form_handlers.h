#pragma once
// The handlers behind SkinnedFormProc, one file per concern: lifetime and
// painting, caption-button hover and clicks, resize and move zones, and the
// messages of the form's children.

#include <windows.h>

#include <cstdint>

#include "skin/core/form_record.h"

namespace pelorin::skin {

// The form a message is for: its window, its 1-based form index and record.
struct FormContext {
    HWND window;
    std::int32_t index;
    FormRecord& form;
};

LRESULT ForwardToPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
inline POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}
SIZE ClientSize(HWND window);

// Lifetime, showing and painting (skinned_form_proc.cpp).
LRESULT OnClose(const FormContext& c, WPARAM wParam, LPARAM lParam);
void OnDestroy(const FormContext& c);
LRESULT OnNcDestroy(const FormContext& c, WPARAM wParam, LPARAM lParam);
void OnShowWindow(const FormContext& c, bool shown);
LRESULT OnEraseBackground(const FormContext& c, HDC dc);
LRESULT OnPaint(const FormContext& c);
void OnGetMinMaxInfo(const FormContext& c, MINMAXINFO* info);
void OnWindowPosChanged(const FormContext& c);
void OnSize(const FormContext& c, WPARAM kind);
void OnSysCommand(const FormContext& c, WPARAM command);
void OnSetText(const FormContext& c, const wchar_t* text);

// Caption buttons (form_caption_buttons.cpp).
std::int32_t HitCaptionButton(const FormRecord& form, POINT point);
bool InCaptionStrip(const FormRecord& form, POINT point);
void OnCaptionMouseMove(const FormContext& c, POINT point);
void OnMouseLeave(const FormContext& c);
void OnHoverTimer(const FormContext& c);
void OnCaptionButtonDown(const FormContext& c, POINT point);
void OnCaptionButtonUp(const FormContext& c, POINT point);
void ToggleMaximize(const FormContext& c);
// Forgets the process-wide press and hover state that belongs to the window.
void ForgetCaptionState(HWND window);

// Resize and move zones, title-area presses (form_zones.cpp).
void SetZoneCursor(const FormContext& c, POINT point);
void OnLeftButtonDown(const FormContext& c, POINT point);
void OnRightButtonDown(const FormContext& c, POINT point);
void OnLeftButtonDoubleClick(const FormContext& c, POINT point);

// Children (form_children.cpp).
bool OnDrawItem(const FormContext& c, const DRAWITEMSTRUCT* item);
void OnMeasureItem(MEASUREITEMSTRUCT* item);
LRESULT OnListBoxColor(HDC dc, HWND listBox);
bool IsListBox(HWND window);
void OnNotify(const NMHDR* header);
void OnMenuCommand(WPARAM wParam);

}  // namespace pelorin::skin
