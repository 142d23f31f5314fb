#pragma once
// A skinned test form for the slider, edit, scroll-strip, combo and progress
// tests: a borderless top-level window whose record is built by hand (as the
// attach steps would), with a rendered frame of known content and a composite
// copy. Controls are created on the form or on a bordered plain panel inside
// it (a parent with a non-client area), registered in their lists and
// subclassed with their skin procedures. The form counts the WM_HSCROLL
// notifications it receives.

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/gx_types.h"
#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

class ControlTestForm {
public:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 80;
    static constexpr int kWidth = 460;
    static constexpr int kHeight = 320;

    ControlTestForm();
    ~ControlTestForm();
    ControlTestForm(const ControlTestForm&) = delete;
    ControlTestForm& operator=(const ControlTestForm&) = delete;

    HWND Window() const { return window_; }
    std::int32_t FormIndex() const { return formIndex_; }
    skin::FormRecord& Record();

    // A plain child window with a 1-pixel border (WS_BORDER), not a container.
    HWND AddPanel(int x, int y, int w, int h);

    HWND AddSlider(DWORD style, int x, int y, int w, int h);
    skin::SliderRecord& SliderOf(HWND slider);

    // An "Edit" registered like the attach step does, with its strips for
    // WS_VSCROLL / WS_HSCROLL (visible when the edit is). `parent` 0: the form.
    HWND AddEdit(DWORD style, DWORD exStyle, int x, int y, int w, int h, HWND parent = nullptr);
    skin::EditRecord& EditOf(HWND edit);

    HWND AddComboBox(DWORD style, int x, int y, int w, int h);
    HWND AddProgressBar(DWORD style, int x, int y, int w, int h);

    // The rendered frame's pixel at form coordinates: a grey that changes
    // with x and y.
    static GxArgb Background(int x, int y);
    // Fills the composite copy with one colour.
    void FillFrameCopy(GxArgb color);

    // What the window shows now (window coordinates, non-client area
    // included), and the composite copy at the window's place.
    static Pixels WindowPixels(HWND window);
    Pixels FrameCopyPixels(HWND window);

    int HorizontalScrolls() const { return horizontalScrolls_; }

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Register(HWND control, std::int32_t index, WNDPROC procedure, WNDPROC& previous);

    HWND window_ = nullptr;
    std::int32_t formIndex_ = 0;
    int nextId_ = 200;
    static inline int horizontalScrolls_ = 0;
};

// Screen position of a window's pixel (window coordinates).
POINT ScreenPointOf(HWND window, int x, int y);
// Packs a screen position like the lParam of a non-client mouse message.
LPARAM PackScreen(POINT p);
// Real pointer input through SendInput: move, press, release.
void ClickAt(POINT screen);

}  // namespace pelorin::test
