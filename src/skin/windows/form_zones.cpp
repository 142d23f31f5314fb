// The invisible resize borders and corners of a skinned form, moving the
// window by its surface, and the presses on the title area.

#include <array>

#include "skin/core/skin_registry.h"
#include "skin/windows/form_handlers.h"

namespace pelorin::skin {

namespace {

constexpr int kCornerSize = 10;
constexpr int kStatusInset = 5;

enum class Span { Low, Middle, High };  // x or y: near 0, between the corners, near the far side

struct ResizeZone {
    Span x;
    Span y;
    const wchar_t* cursor;
    WPARAM command;  // SC_SIZE plus the WMSZ_ side
};

// Edges are b pixels thick and leave the 10-pixel corners to the corner zones.
const std::array<ResizeZone, 8> kZones{{
    {Span::Low, Span::Middle, IDC_SIZEWE, 0xF001},   // left edge
    {Span::High, Span::Middle, IDC_SIZEWE, 0xF002},  // right edge
    {Span::Middle, Span::Low, IDC_SIZENS, 0xF003},   // top edge
    {Span::Middle, Span::High, IDC_SIZENS, 0xF006},  // bottom edge
    {Span::Low, Span::Low, IDC_SIZENWSE, 0xF004},    // top-left corner
    {Span::High, Span::Low, IDC_SIZENESW, 0xF005},   // top-right corner
    {Span::Low, Span::High, IDC_SIZENESW, 0xF007},   // bottom-left corner
    {Span::High, Span::High, IDC_SIZENWSE, 0xF008},  // bottom-right corner
}};

// Whether `v` (0..extent) lies in the span; an edge zone's thin side uses
// the border width, its long side and the corners use the corner size.
bool InSpan(Span span, int v, int extent, int reach) {
    switch (span) {
        case Span::Low: return v <= reach;
        case Span::High: return v >= extent - reach;
        case Span::Middle: return v > kCornerSize && v < extent - kCornerSize;
    }
    return false;
}

bool InZone(const ResizeZone& zone, POINT p, SIZE client) {
    const bool corner = zone.x != Span::Middle && zone.y != Span::Middle;
    const int reach = corner ? kCornerSize : skinDefaults.frameBorderWidth;
    return InSpan(zone.x, p.x, client.cx, reach) && InSpan(zone.y, p.y, client.cy, reach);
}

bool InStatusArea(const FormRecord& form, POINT p, SIZE client) {
    return form.statusHeight > 0 && p.x >= kStatusInset && p.x <= client.cx - kStatusInset &&
           p.y >= client.cy - form.statusHeight && p.y <= client.cy - kStatusInset;
}

// The zone under the point, when the form can be resized from its borders.
const ResizeZone* ZoneAt(const FormContext& c, POINT p) {
    const FormRecord& f = c.form;
    if (!f.hasTitleBar || !f.resizable) return nullptr;
    const SIZE client = ClientSize(c.window);
    if (InCaptionStrip(f, p) || InStatusArea(f, p, client)) return nullptr;
    for (const ResizeZone& zone : kZones)
        if (InZone(zone, p, client)) return &zone;
    return nullptr;
}

bool InTitleArea(const FormRecord& form, POINT p) {
    return form.hasTitleBar && p.y >= 0 && p.y < form.titleHeight && HitCaptionButton(form, p) == 0;
}

// A press that is neither on a zone nor on the strip or the status area.
void StartResizeOrMove(const FormContext& c, POINT p) {
    if (const ResizeZone* zone = ZoneAt(c, p)) {
        ::SendMessageW(c.window, WM_SYSCOMMAND, zone->command, 0);
        return;
    }
    const FormRecord& f = c.form;
    if (InCaptionStrip(f, p) || InStatusArea(f, p, ClientSize(c.window))) return;
    if (f.dragByBody && ::ChildWindowFromPoint(c.window, p) == c.window)
        ::SendMessageW(c.window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

void SetZoneCursor(const FormContext& c, POINT point) {
    if (const ResizeZone* zone = ZoneAt(c, point)) ::SetCursor(::LoadCursorW(nullptr, zone->cursor));
}

void OnLeftButtonDown(const FormContext& c, POINT point) {
    if (!c.form.isMaximized && !c.form.isMinimized) StartResizeOrMove(c, point);
    // The modal move or size loop may have run: the record is still the form's.
    FormRecord* f = formRegistry.At(c.index);
    if (!f || f->window != c.window) return;
    OnCaptionButtonDown(c, point);
    if (InTitleArea(*f, point) && f->onTitleLeftDown) f->onTitleLeftDown();
}

void OnRightButtonDown(const FormContext& c, POINT point) {
    if (InTitleArea(c.form, point) && c.form.onTitleRightDown) c.form.onTitleRightDown();
}

void OnLeftButtonDoubleClick(const FormContext& c, POINT point) {
    if (!InTitleArea(c.form, point)) return;
    if (c.form.onTitleDoubleClick) c.form.onTitleDoubleClick();
    if (c.form.resizable) ToggleMaximize(c);
}

}  // namespace pelorin::skin
