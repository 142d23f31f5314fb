// Attaching the boxed controls and the column headers of a parent window:
// each control found gets its record, its properties and the skin procedure
// of its kind; boxed controls with scroll bars get their strips.
#include <windows.h>
#include <commctrl.h>

#include "skin/core/attach_steps.h"
#include "skin/core/control_attach.h"
#include "skin/core/control_font.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/box_frame.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/header_painter.h"

namespace pelorin::skin {

namespace {

// LBS_OWNERDRAWFIXED, CBS_OWNERDRAWFIXED, LVS_SORTASCENDING: such controls
// keep the platform's look.
constexpr LONG_PTR kSkipStyleBit = 0x0010;

enum class Strips { None, Both };

void TakeListControl(std::int32_t form, HWND control, Strips strips, bool listBox) {
    if (FindListControl(form, control)) return;
    const std::int32_t index = AttachControl(
        form, control, &FormRecord::listControls, BoxedListProc, [control, listBox](ListControlRecord& record) {
            record.contentStale = true;
            if (listBox) SetPropValue(control, prop::kTextColor, 0);
            SetPropValue(control, prop::kDisabledTextColor, kAttachedDisabledTextColor);
        });
    if (strips == Strips::None) return;
    // Shown now only over a scroll bar the control shows now; later ones
    // appear with the control's next position change.
    const LONG_PTR style = StyleOf(control);
    const bool visible = (style & WS_VISIBLE) != 0;
    HWND vertical = CreateScrollStrip(control, true, visible && (style & WS_VSCROLL));
    HWND horizontal = CreateScrollStrip(control, false, visible && (style & WS_HSCROLL));
    ListControlRecord& record = formRegistry[form].listControls[index];
    record.verticalStrip = vertical;
    record.horizontalStrip = horizontal;
}

// The edit fields of an IP-address control are skinned as edit boxes.
void TakeAddressEdits(std::int32_t form, HWND address) {
    ForEachChildOfClass(address, L"Edit", [form](HWND edit) {
        if (!FindEdit(form, edit)) AttachEdit(form, edit);
    });
}

void TakeHeader(std::int32_t form, HWND header, bool captureFont) {
    if (FindHeader(form, header)) return;
    AttachControl(form, header, &FormRecord::listViews, HeaderProc, [header, captureFont](HeaderRecord& record) {
        record.clickable = (StyleOf(header) & HDS_BUTTONS) != 0;
        record.imageList = Header_GetImageList(header);
        if (!captureFont) return;
        const ControlFont font = ReadControlFont(header);
        record.fontName = font.name;
        record.fontSize = font.size;
        record.fontStyle = font.style;
    });
    ::InvalidateRect(header, nullptr, FALSE);
}

}  // namespace

void AttachListControls(std::int32_t form, HWND parent) {
    if (!AttachesControls(form) || !parent) return;
    ForEachChildOfClass(parent, L"ListBox", [form](HWND box) {
        if (!(StyleOf(box) & kSkipStyleBit)) TakeListControl(form, box, Strips::Both, true);
    });
    ForEachChildOfClass(parent, L"ComboBox", [form](HWND combo) {
        if (StyleOf(combo) & kSkipStyleBit) return;
        // The drop-down list is not a child of the combo box (except for a
        // simple combo box): the combo box names it.
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (::GetComboBoxInfo(combo, &info) && info.hwndList) TakeListControl(form, info.hwndList, Strips::None, true);
    });
    ForEachChildOfClass(parent, WC_LISTVIEWW, [form](HWND list) {
        if (!(StyleOf(list) & kSkipStyleBit)) TakeListControl(form, list, Strips::Both, false);
    });
    ForEachChildOfClass(parent, WC_TREEVIEWW, [form](HWND tree) { TakeListControl(form, tree, Strips::Both, false); });
    ForEachChildOfClass(parent, WC_IPADDRESSW, [form](HWND address) {
        TakeListControl(form, address, Strips::None, false);
        TakeAddressEdits(form, address);
    });
    ForEachChildOfClass(parent, DATETIMEPICK_CLASSW,
                        [form](HWND picker) { TakeListControl(form, picker, Strips::None, false); });
}

void AttachHeaders(std::int32_t form, HWND parent) {
    if (!AttachesControls(form) || !parent) return;
    ForEachChildOfClass(parent, WC_HEADERW, [form](HWND header) { TakeHeader(form, header, false); });
    ForEachChildOfClass(parent, WC_LISTVIEWW, [form](HWND list) {
        if (HWND header = ::FindWindowExW(list, nullptr, WC_HEADERW, nullptr)) TakeHeader(form, header, true);
    });
}

}  // namespace pelorin::skin
