#pragma once
// A skinned test form for the button tests: a borderless top-level window
// whose record is built by hand (as the attach steps would), with a rendered
// frame of known content, a composite copy, and push buttons, check boxes and
// radio buttons subclassed with ButtonProc. The form procedure paints owner-
// drawn push buttons on WM_DRAWITEM like the skinned form procedure does and
// counts the clicks its buttons report.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "graphics/gx_types.h"
#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

class ButtonTestForm {
public:
    static constexpr int kLeft = 120;
    static constexpr int kTop = 100;
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    ButtonTestForm();
    ~ButtonTestForm();
    ButtonTestForm(const ButtonTestForm&) = delete;
    ButtonTestForm& operator=(const ButtonTestForm&) = delete;

    HWND Window() const { return window_; }
    std::int32_t FormIndex() const { return formIndex_; }
    skin::FormRecord& Record();

    // A "BUTTON" child with `style` (BS_OWNERDRAW is added for push buttons)
    // registered as the attach steps do: record, properties, ButtonProc.
    HWND AddButton(std::int32_t kind, DWORD style, const std::wstring& caption, int x, int y, int w, int h,
                   COLORREF glowColor = skin::kNoColor);
    skin::ButtonRecord& ButtonOf(HWND button);

    // The shipped "tp" frames as the form's button frame; a focused picture
    // may be given to tell DrawFocused apart from DrawNormal.
    void LoadButtonFrame(bool blueFocusedPicture = false);
    void RemoveButtonFrame();

    // The rendered frame's pixel at form coordinates: a neutral grey that
    // changes with x and y, so a shifted background shows.
    static GxArgb Background(int x, int y);
    // The background behind a control's pixel (x, y).
    static GxArgb BackgroundOf(HWND control, int x, int y);

    // What the window shows now, and the composite copy at the control's place.
    static Pixels WindowPixels(HWND control);
    Pixels FrameCopyPixels(HWND control);

    // Clicks reported through WM_COMMAND / BN_CLICKED by the control.
    int Clicks(HWND control) const;

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::int32_t formIndex_ = 0;
    int nextId_ = 100;
    static inline std::map<HWND, int> clicks_;
};

// The picture files beside the program.
Bytes ReadFramePicture(const wchar_t* name);
// Loads the check-glyph strip from the embedded picture, as the skin start-up does.
void LoadCheckGlyphs();
// Puts the real pointer on the control's pixel (x, y) (so mouse tracking sees
// it inside) and sends the move there.
void MoveMouseOnto(HWND control, int x, int y);

}  // namespace pelorin::test
