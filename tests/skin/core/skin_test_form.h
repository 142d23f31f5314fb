#pragma once
// A top-level test window holding one control of every kind the attach steps
// look at: push buttons of each button type, check boxes, a radio button, a
// slider, edits with and without scroll bars and a group box with a check
// box of its own. It is not skinned until the test calls Apply; the frame
// helpers then give its record a rendered frame of known content.

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/gx_types.h"
#include "picture_test_util.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

class SkinTestForm {
public:
    static constexpr int kLeft = 140;
    static constexpr int kTop = 90;
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 300;

    // `style` is the top-level style (WS_POPUP: window and client coincide).
    explicit SkinTestForm(DWORD style = WS_POPUP | WS_VISIBLE);
    ~SkinTestForm();
    SkinTestForm(const SkinTestForm&) = delete;
    SkinTestForm& operator=(const SkinTestForm&) = delete;

    HWND Window() const { return window_; }
    // Runs ApplySkin on the window; returns the form index (0 when none).
    std::int32_t Apply(const skin::SkinSettings& settings = {});
    std::int32_t FormIndex() const;
    skin::FormRecord& Record();

    // The children, created before Apply.
    HWND pushButton = nullptr;     // BS_PUSHBUTTON (type 0)
    HWND defaultButton = nullptr;  // BS_DEFPUSHBUTTON (type 1)
    HWND userButton = nullptr;     // BS_USERBUTTON (type 8)
    HWND ownerDrawn = nullptr;     // BS_OWNERDRAW before the skin came
    HWND checkBox = nullptr;       // BS_AUTOCHECKBOX
    HWND plainCheckBox = nullptr;  // BS_CHECKBOX
    HWND threeState = nullptr;     // BS_AUTO3STATE
    HWND radio = nullptr;          // BS_RADIOBUTTON (not automatic)
    HWND autoRadio = nullptr;      // BS_AUTORADIOBUTTON
    HWND slider = nullptr;         // msctls_trackbar32
    HWND edit = nullptr;           // no scroll bars
    HWND scrolledEdit = nullptr;   // WS_VSCROLL | WS_HSCROLL, multi-line
    HWND groupBox = nullptr;       // BS_GROUPBOX
    HWND groupCheckBox = nullptr;  // a check box child of the group box

    // Gives the record a frameBuffer whose pixel at (x, y) is Background(x, y)
    // and a frameCopy of the same size filled with `copyColor`.
    void SetKnownFrame(GxArgb copyColor = 0xFF000000);
    static GxArgb Background(int x, int y);
    // The frame pixel behind a control's window pixel (x, y).
    static GxArgb BackgroundBehind(HWND control, int x, int y);

private:
    HWND window_ = nullptr;
};

// Attaches `container` to the form with AttachContainer (no settings);
// returns its index in the form's containers list.
std::int32_t AttachTestContainer(std::int32_t form, HWND container);

// What a window shows on screen (its client area), read from the screen.
Pixels WindowPixels(HWND window);
// A surface's pixels, row by row, alpha as stored.
Pixels SurfacePixels(const skin::MemorySurface& surface);
// The pixels of any memory DC holding a 32-bit DIB section.
Pixels DcPixels(HDC dc, int width, int height);

}  // namespace pelorin::test
