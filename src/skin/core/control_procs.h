#pragma once
// The window procedures and painters of the control kinds the skin takes
// over. The attach steps install the procedures; the form and container
// procedures call PaintPushButton for WM_DRAWITEM.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

// Push buttons, check boxes and radio buttons.
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintPushButton(HWND window, HDC dc, UINT itemState, const RECT& itemRect);
void RepaintButton(HWND window, UINT state, bool hover);
void PaintCheckBox(HWND window, UINT state, bool animate = false, std::int32_t frame = 0);
void PaintRadioButton(HWND window, UINT state);
// The push-button hover fade: blends the surface onto the window in ten 20 ms steps.
void StartFade(HWND window, const RECT& destination, HDC sourceSurface);
void CancelFades();

// Trackbars.
LRESULT CALLBACK SliderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintSlider(std::int32_t form, std::int32_t slider);

// Edit boxes, combo boxes, progress bars.
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintEditFrame(HWND edit, bool focused, bool hot);
// The combo box's closed body; the progress bar with its gloss.
void PaintComboBox(HWND combo, bool focused, bool hot);
void PaintProgressBar(HWND bar);
void SetEditTextColors(HWND window, COLORREF textColor, COLORREF disabledTextColor = 0x00808080);
std::int32_t EditBorderKind(HWND edit);
bool HasScrollBars(HWND edit);

// Simulated scroll strips laid over an owner's real scroll bars.
enum StripPart : std::int32_t { kStripNone = 0, kStripThumb = 1, kStripFirstArrow = 3, kStripSecondArrow = 4 };
HWND CreateScrollStrip(HWND owner, bool vertical, bool visible);
void RepositionStrips(HWND owner, std::int32_t showFlag = -1);  // -1: follow the owner's WS_VISIBLE
LRESULT CALLBACK StripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
std::int32_t StripHitTestVertical(HWND owner, LPARAM screenPosition);
std::int32_t StripHitTestHorizontal(HWND owner, LPARAM screenPosition);
void PaintScrollStripVertical(HWND owner, std::int32_t hotPart);
void PaintScrollStripHorizontal(HWND owner, std::int32_t hotPart);

}  // namespace pelorin::skin
