#include <windows.h>

#include <string>

#include "base/handle.h"
#include "base/window_text.h"
#include "graphics/gx_bitmap.h"
#include "graphics/gx_font.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "base/scoped_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/decoded_picture.h"
#include "skin/pictures/embedded_pictures.h"

namespace pelorin::skin {

namespace {

constexpr int kChevronMargin = 4;

using ComboContext = ControlContext<ComboRecord>;

bool IsHot(const ComboContext& c) { return c.form->hotKind == kHotComboBox && c.form->lastHotControl == c.index; }

// The selected item's text, else the window text.
std::wstring SelectedText(HWND combo) {
    const LRESULT selection = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selection != CB_ERR) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, selection, 0);
        if (length > 0) {
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            const LRESULT got = ::SendMessageW(combo, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text.data()));
            if (got >= 0) {
                text.resize(static_cast<std::size_t>(got));
                return text;
            }
        }
    }
    return WindowText(combo);
}

void DrawBody(GxGraphics& g, int w, int h, bool focused, bool hot) {
    const GxPath body = RoundedPath(0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 5);
    FillPathSolid(g, body, ToArgb(kWhite, static_cast<std::uint32_t>(skinDefaults.controlAlpha)));
    if (hot)
        FillPathGradient(g, body, {0, 0}, {0, static_cast<float>(h)}, ToArgb(skinDefaults.themeColor, 20),
                         ToArgb(skinDefaults.themeColor, 80));
    StrokePath(g, body, focused || hot ? ToArgb(skinDefaults.themeColor, 180) : ToArgb(kBlack, 80));
}

void DrawText(GxGraphics& g, HWND combo, int w, int h) {
    const std::wstring text = SelectedText(combo);
    if (text.empty()) return;
    GxFont font;
    GxStringFormat format;
    GxSolidBrush brush;
    if (!font.CreateFontByName(L"宋体", 12, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel) || !format.Create() ||
        !brush.Create(ToArgb(static_cast<COLORREF>(GetPropValue(combo, prop::kTextColor)))))
        return;
    format.SetLineAlign(Gdiplus::StringAlignmentCenter);
    format.SetFlags(Gdiplus::StringFormatFlagsNoWrap);
    const float textWidth = static_cast<float>(w - 14 - 2 * kChevronMargin - 4);
    g.DrawString(text, font, brush, GxRectF(4, 0, textWidth, static_cast<float>(h)), format);
}

void DrawChevron(GxGraphics& g, int w, int h) {
    // Decoded by the first draw and kept; wrapped in a bitmap per draw.
    static const Bytes picture = LoadEmbeddedPicture(EmbeddedPicture::ComboChevron);
    static DecodedPicture pixels;
    GxBitmap chevron;
    if (!pixels.Wrap(picture, chevron)) return;
    const int pw = chevron.GetWidth(), ph = chevron.GetHeight();
    g.DrawImageRectI(chevron, w - pw - kChevronMargin, (h - ph) / 2, pw, ph);
}

void OnMouseMove(HWND window, const ComboContext& c) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    ::TrackMouseEvent(&track);
    c.form->hotControl = c.index;
    if (c.form->hotControl != c.form->lastHotControl || c.form->hotKind != kHotComboBox) {
        c.form->lastHotControl = c.form->hotControl;
        c.form->hotKind = kHotComboBox;
        PaintComboBox(window, c.record->focused, true);
    }
}

void OnMouseLeave(HWND window, const ComboContext& c) {
    c.form->lastHotControl = 0;
    PaintComboBox(window, c.record->focused, false);
}

LRESULT OnPaint(HWND window, const ComboContext& c) {
    const PaintDc paint(window);
    PaintComboBox(window, c.record->focused, IsHot(c));
    return 0;
}

// The platform handles the message first (it changes the text or the
// focus), then the body is drawn anew.
LRESULT ForwardThenPaint(HWND window, const ComboContext& c, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ForwardMessage(window, message, wParam, lParam);
    PaintComboBox(window, c.record->focused, IsHot(c));
    return result;
}

}  // namespace

void PaintComboBox(HWND combo, bool focused, bool hot) {
    const SIZE size = WindowSize(combo);
    const int w = size.cx, h = size.cy;
    if (w <= 0 || h <= 0) return;
    HDC surface = BuildControlBackground(combo, RECT{0, 0, w, h});
    if (!surface) return;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            GxGraphics& g = canvas.Graphics();
            g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
            DrawBody(g, w, h, focused, hot);
            DrawText(g, combo, w, h);
            DrawChevron(g, w, h);
        }
    }
    CopyToFrameCopy(combo, surface);
    if (const WholeWindowDc dc(combo); dc) {
        // A drop-down combo's own edit box draws its text itself.
        if (HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr); edit && ::IsWindowVisible(edit)) {
            RECT r{}, window{};
            ::GetWindowRect(edit, &r);
            ::GetWindowRect(combo, &window);
            ::ExcludeClipRect(dc.Get(), r.left - window.left, r.top - window.top, r.right - window.left,
                              r.bottom - window.top);
        }
        ::BitBlt(dc.Get(), 0, 0, w, h, surface, 0, 0, SRCCOPY);
    }
    ReleaseSurface(surface);
}

LRESULT CALLBACK ComboProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ComboContext c = FindControl(window, &FormRecord::comboBoxes);
    if (!c.record) return ForwardMessage(window, message, wParam, lParam);
    switch (message) {
        case WM_MOUSEMOVE: OnMouseMove(window, c); break;
        case WM_MOUSELEAVE: OnMouseLeave(window, c); break;
        case WM_PAINT: return OnPaint(window, c);
        case WM_SETFOCUS: c.record->focused = true; return ForwardThenPaint(window, c, message, wParam, lParam);
        case WM_KILLFOCUS: c.record->focused = false; return ForwardThenPaint(window, c, message, wParam, lParam);
        case WM_MOVE:
        case WM_SETTEXT: return ForwardThenPaint(window, c, message, wParam, lParam);
        case WM_ERASEBKGND: ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
        default: break;
    }
    return ForwardMessage(window, message, wParam, lParam);
}

}  // namespace pelorin::skin
