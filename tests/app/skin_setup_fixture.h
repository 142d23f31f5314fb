#pragma once
// The skinned main window of the program in the test process, read back from
// the screen, with the references the pictures are compared with: the
// background picture stretched as the skin stretches it and the two shipped
// button frames drawn at a button's size.

#include <windows.h>

#include <cstdint>

#include "app_fixture.h"
#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

enum class FrameState { Normal, Hot };

// Mouse move, press and release at the middle of a control, as the mouse
// would send them.
void ClickWithMouse(HWND control);

class SkinnedWindowTest : public MainWindowTest {
protected:
    // The window over the data folder, with the "tp" folder of frame
    // pictures copied there unless told otherwise.
    void LoadSkinned(bool withFramePictures = true);
    skin::FormRecord& Form() const;
    const skin::CaptionButton* CaptionButtonOfKind(std::int32_t kind) const;
    // An application's caption button by its tooltip ("更多功能", "设置").
    const skin::CaptionButton* CaptionButtonWithTip(const std::wstring& tooltip) const;
    // Mouse move, press and release at the middle of the caption button.
    void ClickCaptionButton(std::int32_t kind);
    void ClickCaptionButton(const std::wstring& tooltip);
    void PressCaptionButton(const skin::CaptionButton* button);
    // The same on a control, as the mouse would send them.
    static void MouseClick(HWND control);

    // The main window's client area as shown on screen.
    Pixels Screen() const;
    // A control's window rectangle in the main window's client coordinates.
    RECT ClientRectOf(HWND control) const;
    // The point shows the form background: no control there, and inside a
    // group box clear of its rings and caption.
    bool ShowsBackground(int x, int y) const;
    // The button at `rect` shows the shipped frame of that state: where the
    // normal and the hot frame differ and the frame is opaque, the screen
    // shows the frame's own pixels.
    ::testing::AssertionResult ShowsFrame(const Pixels& shown, const RECT& rect, FrameState state) const;
    // Where a check box draws its glyph (its left 16 columns, centred).
    RECT GlyphRect(ControlId checkBox) const;
};

// A window's client area as shown on screen.
Pixels ClientOnScreen(HWND window);
// The embedded background picture stretched over width x height, as the skin
// stretches it.
Pixels StretchedBackground(int width, int height);
// ShowsFrame for any skinned form; `rect` in the form window's client
// coordinates.
::testing::AssertionResult ShowsFrameOn(const skin::FormRecord& form, const Pixels& shown, const RECT& rect,
                                        FrameState state);

bool IsWhitish(GxArgb c);
int Luminance(GxArgb c);
int CountWhitish(const Pixels& p, const RECT& r);
int CountDark(const Pixels& p, const RECT& r);
// The share of pixels of `r` within a small tolerance of `color`.
double ShareOfColor(const Pixels& p, const RECT& r, COLORREF color);
// The mean per-channel difference of two equally sized areas.
double MeanDifference(const Pixels& p, const RECT& a, const RECT& b);

}  // namespace pelorin::test
