#pragma once
// A skinned top-level test window holding the remaining control kinds: a
// vertical and a horizontal up-down, a toolbar with two icon buttons, a tab
// control attached as a container, a transparent child of a class that
// paints one colour, and a transparent edit. Its own window procedure
// records what reaches the application from them.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

// What reached the form's own procedure.
struct KindMessages {
    std::vector<UINT> notifyCodes;  // WM_NOTIFY codes
    int vScrolls = 0;
    int hScrolls = 0;
    std::vector<WORD> commands;  // WM_COMMAND identifiers
};

class OtherKindsForm {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 320;
    static constexpr int kFirstCommand = 501;
    // The colour the transparent child paints itself in.
    static constexpr COLORREF kChildColor = RGB(250, 20, 200);

    OtherKindsForm();
    ~OtherKindsForm();
    OtherKindsForm(const OtherKindsForm&) = delete;
    OtherKindsForm& operator=(const OtherKindsForm&) = delete;

    HWND Window() const { return window_; }
    std::int32_t FormIndex() const;
    skin::FormRecord& Record() const;
    KindMessages& Messages() { return messages_; }

    HWND upDown = nullptr;      // vertical, range 0..100 at 50
    HWND upDownHorz = nullptr;  // UDS_HORZ, range 0..100 at 50
    HWND toolbar = nullptr;     // two buttons with green icons, then a separator
    HWND tab = nullptr;         // three items, item 0 selected
    HWND painted = nullptr;     // WS_EX_TRANSPARENT, paints kChildColor
    HWND transparentEdit = nullptr;

    // The control's client area as last drawn into the form's frameCopy.
    Pixels Drawn(HWND control) const;
    // The form's rendered frame behind a control's client pixel.
    GxArgb BackgroundBehind(HWND control, int x, int y) const;

    // Real button messages at a client point of a control.
    static void Press(HWND control, POINT client);
    static void Release(HWND control, POINT client);

private:
    static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    HIMAGELIST images_ = nullptr;  // the toolbar's, destroyed after it
    KindMessages messages_;
};

}  // namespace pelorin::test
