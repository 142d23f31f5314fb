// Control backgrounds: each painter draws into a surface that first receives
// the part of the form's rendered frame lying behind the control, so rounded
// and translucent shapes blend with the form as if the control were clear.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

constexpr float kGroupBoxTop = 5;  // a group box's frame starts below its caption line
constexpr float kPanelCorner = 5;

// The form and, when the walk met one first, the container a window lies in.
struct Placement {
    std::int32_t form = 0;
    std::int32_t container = 0;
};

HWND ParentOf(HWND window) {
    HWND parent = ::GetAncestor(window, GA_PARENT);
    return parent == ::GetDesktopWindow() ? nullptr : parent;
}

// The first container found on the walk from `window` up, or the first form.
Placement FindPlacement(HWND window) {
    for (HWND current = window; current; current = ParentOf(current)) {
        if (std::int32_t form = FindFormByWindow(current)) return {form, 0};
        for (std::int32_t form = 1; form <= formRegistry.Size(); ++form)
            if (std::int32_t container = formRegistry[form].containers.Find(current)) return {form, container};
    }
    return {};
}

// Where `window` stands in its form's client area (the coordinates of the
// form's client-sized frameBuffer and frameCopy).
POINT OriginInForm(HWND window, HWND form) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    POINT origin{0, 0};
    if (form) ::ClientToScreen(form, &origin);
    return {rect.left - origin.x, rect.top - origin.y};
}

HWND FormWindow(std::int32_t form) {
    FormRecord* record = formRegistry.At(form);
    return record ? record->window : nullptr;
}

struct Tint {
    COLORREF color = 0;
    std::int32_t alpha = 255;
};

void FillTint(HDC dc, const GxPath* shape, int width, int height, const Tint& tint) {
    GxGraphics graphics;
    GxSolidBrush brush;
    if (!graphics.CreateFromHDC(dc) || !brush.Create(ToArgb(tint.color, static_cast<std::uint32_t>(tint.alpha))))
        return;
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    if (shape)
        graphics.FillPath(brush, *shape);
    else
        graphics.FillRectangleI(brush, 0, 0, width, height);
}

// The rounded display area of a tab control, in its own coordinates.
void TabDisplayPath(HWND tab, GxPath& path) {
    RECT area{};
    ::GetClientRect(tab, &area);
    ::SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    RoundRectPath(path, static_cast<float>(area.left), static_cast<float>(area.top),
                  static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top), kPanelCorner);
}

void ApplyTint(HWND window, const Placement& placement, HDC dc, int width, int height,
               std::optional<std::int32_t> panelInset, std::optional<std::int32_t> panelCornerSize) {
    FormRecord& form = formRegistry[placement.form];
    const std::int32_t own = form.containers.Find(window);
    const bool frameBox = GetPropValue(window, prop::kFrameTableIndex) != 0;
    Tint tint;
    if (frameBox) {
        // A frame box paints its own colour; it only carries its parent's tint.
        const std::int32_t parent = form.containers.Find(ParentOf(window));
        if (!parent || form.containers[parent].settingB == 0) return;
        tint = {form.containers[parent].settingB, form.containers[parent].panelAlpha};
    } else {
        const std::int32_t index = own ? own : placement.container;
        if (!index || form.containers[index].settingB == 0) return;
        tint = {form.containers[index].settingB, form.containers[index].panelAlpha};
    }
    GxPath shape;
    const GxPath* clip = nullptr;
    if (own && !frameBox && form.containers[own].kind == kGroupBox) {
        RoundRectPath(shape, 0, kGroupBoxTop, static_cast<float>(width), static_cast<float>(height - 6), kPanelCorner);
        clip = &shape;
    } else if (own && !frameBox && form.containers[own].kind == kTabControl) {
        TabDisplayPath(window, shape);
        clip = &shape;
    } else if (panelInset && panelCornerSize) {
        const float inset = static_cast<float>(*panelInset);
        RoundClipPath(shape, inset, inset, width - 2 * inset, height - 2 * inset, static_cast<float>(*panelCornerSize));
        clip = &shape;
    }
    FillTint(dc, clip, width, height, tint);
}

}  // namespace

HDC BuildControlBackground(HWND window, const RECT& rect, std::optional<std::int32_t> panelInset,
                           std::optional<std::int32_t> panelCornerSize) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    SurfacePtr surface = MemorySurface::Create(width, height);
    if (!surface) return nullptr;
    HDC dc = surface->Dc();
    memoryDcList.push_back(std::move(surface));

    const Placement placement = FindPlacement(window);
    if (!placement.form) return dc;
    FormRecord& form = formRegistry[placement.form];
    if (form.frameBuffer) {
        const POINT origin = OriginInForm(window, form.window);
        ::BitBlt(dc, 0, 0, width, height, form.frameBuffer->Dc(), origin.x + rect.left, origin.y + rect.top, SRCCOPY);
    }
    ApplyTint(window, placement, dc, width, height, panelInset, panelCornerSize);
    return dc;
}

void ReleaseSurface(HDC surface) {
    if (!surface) return;
    auto found = std::find_if(memoryDcList.begin(), memoryDcList.end(),
                              [surface](const SurfacePtr& entry) { return entry && entry->Dc() == surface; });
    if (found != memoryDcList.end()) memoryDcList.erase(found);
}

HBITMAP BackgroundBitmap(HWND window) {
    if (FindAncestorForm(window) == 0) {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        GxBitmap bitmap;
        if (!bitmap.Create(std::max(1L, rect.right - rect.left), std::max(1L, rect.bottom - rect.top))) return nullptr;
        GxGraphics graphics;
        GxSolidBrush brush;
        if (graphics.CreateFromImage(bitmap) && brush.Create(ToArgb(skinDefaults.skinBackgroundColor, 30))) {
            graphics.Clear(0x00FFFFFF);
            graphics.FillRectangleI(brush, 0, 0, bitmap.GetWidth(), bitmap.GetHeight());
        }
        graphics.Dispose();
        return bitmap.GetHBITMAP().Release();
    }
    const RECT area = ClientAreaInWindow(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC surface = BuildControlBackground(window, area);
    if (!surface) return nullptr;
    {
        GxGraphics graphics;
        GxSolidBrush brush;
        const GxArgb fill = GetPropInt(window, prop::kFramed) == 1
                                ? ToArgb(static_cast<COLORREF>(GetPropValue(window, prop::kFrameBackColor)),
                                         static_cast<std::uint32_t>(GetPropInt(window, prop::kFrameBackAlpha)))
                                : ToArgb(0x00FFFFFF, static_cast<std::uint32_t>(skinDefaults.controlAlpha));
        if (graphics.CreateFromHDC(surface) && brush.Create(fill)) graphics.FillRectangleI(brush, 0, 0, width, height);
    }
    SurfacePtr copy = MemorySurface::Create(width, height);
    HBITMAP result = nullptr;
    if (copy) {
        ::BitBlt(copy->Dc(), 0, 0, width, height, surface, 0, 0, SRCCOPY);
        // A bitmap of the caller's own, outside any surface.
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        result = ::CreateDIBSection(copy->Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (result && bits)
            std::copy_n(copy->Pixels(), static_cast<std::size_t>(width) * height, static_cast<std::uint32_t*>(bits));
    }
    ReleaseSurface(surface);
    return result;
}

void CopyToFrameCopy(HWND window, HDC surface, bool toolbar, bool windowRelative) {
    std::int32_t form = toolbar ? GetPropInt(window, prop::kToolbarFormIndex) : GetPropInt(window, prop::kFormIndex);
    if (!form) form = FindFormByWindow(window);
    FormRecord* record = formRegistry.At(form);
    if (!record || !record->frameCopy || !surface) return;

    RECT rect = windowRelative ? ClientRectInForm(window) : RECT{};
    if (!windowRelative) {
        // The window's client area, placed in the form's client coordinates.
        const RECT inForm = ClientRectInForm(window);
        const RECT area = ClientAreaInWindow(window);
        rect = {inForm.left + area.left, inForm.top + area.top, inForm.left + area.right, inForm.top + area.bottom};
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    for (const SurfacePtr& entry : memoryDcList)
        if (entry && entry->Dc() == surface) {
            width = std::min(width, entry->Width());
            height = std::min(height, entry->Height());
        }

    HDC target = record->frameCopy->Dc();
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(child) || IsTransparentChild(child)) continue;
        const RECT childRect = ClientRectInForm(child);
        ::ExcludeClipRect(target, childRect.left, childRect.top, childRect.right, childRect.bottom);
    }
    ::BitBlt(target, rect.left, rect.top, width, height, surface, 0, 0, SRCCOPY);
    ::SelectClipRgn(target, nullptr);
}

RECT WindowRectInForm(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    HWND form = FormWindow(FindAncestorForm(window));
    RECT formRect{};
    if (form) ::GetWindowRect(form, &formRect);
    ::OffsetRect(&rect, -formRect.left, -formRect.top);
    return rect;
}

RECT ClientRectInForm(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const POINT origin = OriginInForm(window, FormWindow(FindAncestorForm(window)));
    ::OffsetRect(&rect, origin.x - rect.left, origin.y - rect.top);
    return rect;
}

std::int32_t FindAncestorForm(HWND window) {
    for (HWND current = window; current; current = ParentOf(current))
        if (std::int32_t form = FindFormByWindow(current)) return form;
    return 0;
}

std::int32_t FindContainer(std::int32_t form, HWND window) {
    FormRecord* record = formRegistry.At(form);
    return record ? record->containers.Find(window) : 0;
}

void MarkContainerStale(HWND window) {
    FormRecord* record = FormOfControl(window);
    if (!record) return;
    if (std::int32_t container = record->containers.Find(ParentOf(window)))
        record->containers[container].backgroundStale = true;
}

}  // namespace pelorin::skin
