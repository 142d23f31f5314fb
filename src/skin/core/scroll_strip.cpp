#include <windows.h>

#include <array>

#include "base/handle.h"
#include "skin/core/control_attach.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/scroll_strip_owner.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

LONG ObjectOf(bool vertical) { return vertical ? OBJID_VSCROLL : OBJID_HSCROLL; }
DWORD StyleBitOf(bool vertical) { return vertical ? WS_VSCROLL : WS_HSCROLL; }

// The scroll bar's rectangle in the client coordinates of the owner's parent,
// where the strip, a sibling of the owner, is placed.
RECT ScrollBarInParent(HWND owner, bool vertical) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetScrollBarInfo(owner, ObjectOf(vertical), &info)) return {};
    RECT r = info.rcScrollBar;
    ::MapWindowPoints(nullptr, ::GetParent(owner), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Contains(const RECT& r, POINT p) { return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom; }

std::int32_t HitTest(HWND strip, const StripParts& parts, LPARAM screenPosition) {
    if (!strip) return kStripNone;
    RECT window{};
    ::GetWindowRect(strip, &window);
    const POINT p{static_cast<short>(LOWORD(screenPosition)) - window.left,
                  static_cast<short>(HIWORD(screenPosition)) - window.top};
    if (Contains(parts.firstArrow, p)) return kStripFirstArrow;
    if (Contains(parts.secondArrow, p)) return kStripSecondArrow;
    if (Contains(parts.thumb, p)) return kStripThumb;
    return kStripNone;
}

LRESULT OnStripPaint(HWND strip) {
    const PaintDc paint(strip);
    HWND owner = reinterpret_cast<HWND>(GetPropValue(strip, prop::kStripOwner));
    const StripOwner o = FindStripOwner(owner);
    if (o && strip == *o.vStrip) PaintScrollStripVertical(owner, kStripNone);
    if (o && strip == *o.hStrip) PaintScrollStripHorizontal(owner, kStripNone);
    return 0;
}

}  // namespace

StripOwner FindStripOwner(HWND owner) {
    const std::wstring kind = ClassNameOf(owner);
    if (kind == L"Edit" || kind == L"RichEdit20A") {
        EditRecord* edit = FindControl(owner, &FormRecord::edits).record;
        if (!edit) return {};
        return {&edit->vStrip, &edit->hStrip, &edit->vStripParts, &edit->hStripParts};
    }
    ListControlRecord* list = FindControl(owner, &FormRecord::listControls).record;
    if (!list) return {};
    return {&list->verticalStrip, &list->horizontalStrip, &list->vStripParts, &list->hStripParts};
}

HWND CreateScrollStrip(HWND owner, bool vertical, bool visible) {
    HWND parent = ::GetParent(owner);
    if (!owner || !parent) return nullptr;
    RECT r = visible ? ScrollBarInParent(owner, vertical) : RECT{0, 0, 10, 10};
    // A disabled, transparent "Static": every click and wheel turn goes to the
    // real scroll bar below it.
    const DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED | (visible ? WS_VISIBLE : 0);
    HWND strip = ::CreateWindowExW(0, L"Static", L"", style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!strip) return nullptr;
    SetPropValue(strip, prop::kStripOwner, reinterpret_cast<std::intptr_t>(owner));
    SetPropValue(strip, prop::kFormIndex, FindAncestorForm(strip));
    InstallSkinProc(strip, StripProc);
    ::SetWindowPos(strip, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return strip;
}

void RepositionStrips(HWND owner, std::int32_t showFlag) {
    const StripOwner o = FindStripOwner(owner);
    if (!o) return;
    const LONG_PTR style = ::GetWindowLongPtrW(owner, GWL_STYLE);
    const bool show = showFlag < 0 ? (style & WS_VISIBLE) != 0 : showFlag != 0;
    const std::array<std::pair<HWND, bool>, 2> strips{{{*o.vStrip, true}, {*o.hStrip, false}}};
    for (const auto& [strip, vertical] : strips) {
        if (!strip) continue;
        const bool barPresent = (style & StyleBitOf(vertical)) != 0;
        ::ShowWindow(strip, barPresent && show ? SW_SHOWNA : SW_HIDE);
    }
    if (!(style & WS_VISIBLE)) return;
    for (const auto& [strip, vertical] : strips) {
        // A strip without its scroll bar stays hidden where it is.
        if (!strip || !(style & StyleBitOf(vertical))) continue;
        const RECT r = ScrollBarInParent(owner, vertical);
        ::SetWindowPos(strip, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
    }
}

LRESULT CALLBACK StripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return OnStripPaint(window);
        default: return ForwardMessage(window, message, wParam, lParam);
    }
}

std::int32_t StripHitTestVertical(HWND owner, LPARAM screenPosition) {
    const StripOwner o = FindStripOwner(owner);
    return o ? HitTest(*o.vStrip, *o.vParts, screenPosition) : kStripNone;
}

std::int32_t StripHitTestHorizontal(HWND owner, LPARAM screenPosition) {
    const StripOwner o = FindStripOwner(owner);
    return o ? HitTest(*o.hStrip, *o.hParts, screenPosition) : kStripNone;
}

}  // namespace pelorin::skin
