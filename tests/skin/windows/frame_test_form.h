#pragma once
// A skinned top-level test window for the frame and close-animation tests: a
// borderless popup whose form record is filled by hand with the fields the
// skin's attach step fills (title area, caption buttons with the embedded
// glyphs and their layout, theme defaults). Its procedure paints like the
// skinned form procedure: a full render while `renderPending` is set, the
// cached frame otherwise.

#include <windows.h>

#include <cstdint>
#include <string>

#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

struct FrameFormOptions {
    int left = 100;
    int top = 40;
    int width = 380;
    int height = 537;
    std::int32_t titleHeight = 25;
    bool hasTitleBar = true;
    bool minimizeBox = true;
    bool maximizeBox = false;
    std::wstring text;
};

class FrameTestForm {
public:
    explicit FrameTestForm(const FrameFormOptions& options = {});
    ~FrameTestForm();
    FrameTestForm(const FrameTestForm&) = delete;
    FrameTestForm& operator=(const FrameTestForm&) = delete;

    HWND Window() const { return window_; }
    std::int32_t FormIndex() const;
    skin::FormRecord& Record();

    // Shows the window without activating it and lets it paint.
    void Show();
    // Marks the frame stale and repaints the window through WM_PAINT.
    void Rerender();

    // What the screen shows of the client area, and the composite copy.
    Pixels ScreenPixels() const;
    Pixels FrameCopyPixels();
    Pixels FrameBufferPixels();

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};

// The skin-wide theme values, put back when the scope ends.
class SkinThemeScope {
public:
    SkinThemeScope();
    ~SkinThemeScope();
    SkinThemeScope(const SkinThemeScope&) = delete;
    SkinThemeScope& operator=(const SkinThemeScope&) = delete;

private:
    COLORREF backgroundColor_;
    Bytes picture_;
    std::int32_t mode_;
    COLORREF themeColor_;
};

// A surface's pixels (alpha forced opaque: GDI leaves it undefined).
Pixels SurfacePixels(HDC dc, int x, int y, int width, int height);
// COLORREF as an opaque ARGB value.
GxArgb Opaque(COLORREF color);
// A w x h picture of one colour, as PNG bytes.
Bytes SolidPicture(int w, int h, GxArgb color);

}  // namespace pelorin::test
