// The full render of a skinned form's frame into fresh off-screen surfaces,
// and the copies of the cached frame to the window.
#include "skin/windows/frame_render.h"

#include "base/handle.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/frame_parts.h"
#include "skin/windows/skin_config.h"

namespace pelorin::skin {

namespace {

constexpr int kRegionCorner = 5;

RECT ClientRect(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return rect;
}

UniqueRegion RoundRegion(const RECT& client) {
    return UniqueRegion(::CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kRegionCorner, kRegionCorner));
}

// True when the window already has exactly the rounded region of this size.
bool HasRoundRegion(HWND window, const RECT& client) {
    UniqueRegion current(::CreateRectRgn(0, 0, 0, 0));
    UniqueRegion wanted = RoundRegion(client);
    return current && wanted && ::GetWindowRgn(window, current.Get()) != ERROR &&
           ::EqualRgn(current.Get(), wanted.Get());
}

// Gives the window its rounded outline; returns the client rectangle read
// after the frame was recomputed. A window that has the right region already
// keeps it: setting it again changes nothing but costs a round trip to the
// display each time.
RECT ApplyRoundRegion(HWND window) {
    const RECT before = ClientRect(window);
    if (HasRoundRegion(window, before)) return before;
    ::SetWindowRgn(window, nullptr, FALSE);
    // SWP_NOACTIVATE: rendering must not take the activation from another window.
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = ClientRect(window);
    UniqueRegion region = RoundRegion(client);
    // The window owns the region once it is set.
    if (region && ::SetWindowRgn(window, region.Get(), TRUE)) region.Release();
    return client;
}

SurfacePtr CopyOf(const MemorySurface& source, int x, int y, int width, int height) {
    SurfacePtr copy = MemorySurface::Create(width, height);
    if (copy) ::BitBlt(copy->Dc(), 0, 0, width, height, source.Dc(), x, y, SRCCOPY);
    return copy;
}

bool IsDirectChild(HWND control, HWND form) { return control && ::GetParent(control) == form; }

template <typename List>
void InvalidateDirect(const List& list, HWND form, bool erase) {
    for (const auto& record : list)
        if (IsDirectChild(record.window, form)) ::InvalidateRect(record.window, nullptr, erase ? TRUE : FALSE);
}

// The skinned controls that sit directly on the form take their backgrounds
// from the new frame: boxed controls with their children and edit fields
// repaint with erasing, the others over what they show.
void RepaintDirectChildren(const FormRecord& form) {
    const HWND window = form.window;
    for (const auto& list : form.listControls)
        if (IsDirectChild(list.window, window)) RefreshSkinnedControl(list.window, true);
    InvalidateDirect(form.edits, window, true);
    InvalidateDirect(form.comboBoxes, window, true);
    InvalidateDirect(form.buttons, window, false);
    InvalidateDirect(form.sliders, window, false);
    InvalidateDirect(form.progressBars, window, false);
    InvalidateDirect(form.upDowns, window, false);
}

}  // namespace

void BlitToWindow(HWND window, HDC source, const RECT& rect) {
    WindowDc dc(window);
    if (!dc.Get()) return;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child)) continue;
        RECT area{};
        ::GetWindowRect(child, &area);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&area), 2);
        ::ExcludeClipRect(dc.Get(), area.left, area.top, area.right, area.bottom);
    }
    ::BitBlt(dc.Get(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, rect.left, rect.top,
             SRCCOPY);
}

void PublishFrameRect(FormRecord& form, const RECT& rect) {
    if (!form.frameBuffer) return;
    const HDC buffer = form.frameBuffer->Dc();
    if (form.frameCopy)
        ::BitBlt(form.frameCopy->Dc(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, buffer,
                 rect.left, rect.top, SRCCOPY);
    BlitToWindow(form.window, buffer, rect);
}

void RenderFrame(std::int32_t form, HDC target, bool present) {
    FormRecord* record = FormAt(form);
    if (!record || !::IsWindow(record->window)) return;
    FormRecord& f = *record;

    RECT client = ClientRect(f.window);
    if (f.hasTitleBar && present) client = ApplyRoundRegion(f.window);
    const int width = client.right;
    const int height = client.bottom;

    f.frameBuffer.reset();
    f.titleCache.reset();
    f.statusCache.reset();
    f.frameCopy.reset();
    f.frameBuffer = MemorySurface::Create(width, height);
    if (f.frameBuffer) {
        const HDC dc = f.frameBuffer->Dc();
        SurfaceCanvas canvas(*f.frameBuffer);
        if (canvas) {
            GxGraphics& graphics = canvas.Graphics();
            DrawFrameBackground(f, dc, graphics, width, height);
            if (f.hasTitleBar) {
                DrawFrameOutline(graphics, width, height);
                graphics.Flush(Gdiplus::FlushIntentionSync);
                f.titleCache = CopyOf(*f.frameBuffer, 0, 0, width, f.titleHeight < height ? f.titleHeight : height);
            }
            if (f.statusHeight > 0) {
                graphics.Flush(Gdiplus::FlushIntentionSync);
                const RECT& s = f.statusRect;
                f.statusCache = CopyOf(*f.frameBuffer, s.left, s.top, s.right - s.left, s.bottom - s.top);
            }
            if (f.hasTitleBar) {
                if (f.showTitleText) DrawCaptionText(form, graphics, true);
                for (std::size_t i = 0; i < f.captionButtons.size(); ++i)
                    DrawCaptionButton(form, static_cast<std::int32_t>(i + 1), graphics, true, false, 0);
            }
            if (f.statusHeight > 0)
                for (std::size_t i = 0; i < f.statusPartRects.size(); ++i) DrawStatusPart(f, graphics, i, false);
            graphics.Flush(Gdiplus::FlushIntentionSync);
        }
        f.frameCopy = CopyOf(*f.frameBuffer, 0, 0, width, height);
        if (present) {
            if (target)
                ::BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
            else
                BlitToWindow(f.window, dc, RECT{0, 0, width, height});
            RepaintDirectChildren(f);
        }
    }
    f.renderPending = false;
    f.clientWidth = width;
    f.clientHeight = height;
}

void PresentFrame(std::int32_t form) {
    FormRecord* record = FormAt(form);
    if (!record) return;
    // Nothing cached yet: the first present renders.
    if (!record->frameBuffer) {
        RenderFrame(form, nullptr, true);
        return;
    }
    const MemorySurface& buffer = *record->frameBuffer;
    BlitToWindow(record->window, buffer.Dc(), RECT{0, 0, buffer.Width(), buffer.Height()});
}

}  // namespace pelorin::skin
