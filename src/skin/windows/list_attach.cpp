// Attaching the boxed controls and the column headers of a parent window:
// each control found gets its record, its properties and the skin procedure
// of its kind; boxed controls with scroll bars get their strips.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "skin/core/control_font.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/box_frame.h"
#include "skin/windows/header_painter.h"

namespace pelorin::skin {

namespace {

constexpr COLORREF kDisabledTextColor = 0x00606060;
// LBS_OWNERDRAWFIXED, CBS_OWNERDRAWFIXED, LVS_SORTASCENDING: such controls
// keep the platform's look.
constexpr LONG_PTR kSkipStyleBit = 0x0010;

LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

template <typename Take>
void ForEachChild(HWND parent, const wchar_t* className, Take take) {
    for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child;
         child = ::FindWindowExW(parent, child, className, nullptr))
        take(child);
}

// The properties first (the strips and the procedure find the record through
// them), then the procedure; returns the one the window had.
WNDPROC Register(HWND control, std::int32_t form, std::int32_t index, WNDPROC procedure) {
    SetPropValue(control, prop::kListIndex, index);
    SetPropValue(control, prop::kFormIndex, form);
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetPropValue(control, prop::kPreviousProc, reinterpret_cast<std::intptr_t>(previous));
    Subclass(control, procedure);
    return previous;
}

enum class Strips { None, Both };

void TakeListControl(std::int32_t formIndex, HWND control, Strips strips, bool listBox) {
    if (FindListControl(formIndex, control)) return;
    FormRecord& form = formRegistry[formIndex];
    const std::int32_t index = form.listControls.Take();
    form.listControls[index].window = control;
    form.listControls[index].contentStale = true;
    SetPropValue(control, prop::kListIndex, index);
    SetPropValue(control, prop::kFormIndex, formIndex);
    if (listBox) SetPropValue(control, prop::kTextColor, 0);
    SetPropValue(control, prop::kDisabledTextColor, kDisabledTextColor);
    if (strips == Strips::Both) {
        // Shown now only over a scroll bar the control shows now; later ones
        // appear with the control's next position change.
        const LONG_PTR style = StyleOf(control);
        const bool visible = (style & WS_VISIBLE) != 0;
        HWND vertical = CreateScrollStrip(control, true, visible && (style & WS_VSCROLL));
        HWND horizontal = CreateScrollStrip(control, false, visible && (style & WS_HSCROLL));
        ListControlRecord& record = formRegistry[formIndex].listControls[index];
        record.verticalStrip = vertical;
        record.horizontalStrip = horizontal;
    }
    const WNDPROC previous = Register(control, formIndex, index, BoxedListProc);
    formRegistry[formIndex].listControls[index].previousProc = previous;
}

// The edit fields of an IP-address control are skinned as edit boxes.
void TakeAddressEdits(std::int32_t formIndex, HWND address) {
    ForEachChild(address, L"Edit", [formIndex](HWND edit) {
        if (FindEdit(formIndex, edit)) return;
        FormRecord& form = formRegistry[formIndex];
        const std::int32_t index = form.edits.Take();
        form.edits[index].window = edit;
        SetPropValue(edit, prop::kTextColor, 0);
        SetPropValue(edit, prop::kDisabledTextColor, kDisabledTextColor);
        const WNDPROC previous = Register(edit, formIndex, index, EditProc);
        formRegistry[formIndex].edits[index].previousProc = previous;
    });
}

void TakeHeader(std::int32_t formIndex, HWND header, bool captureFont) {
    if (FindHeader(formIndex, header)) return;
    FormRecord& form = formRegistry[formIndex];
    const std::int32_t index = form.listViews.Take();
    HeaderRecord& record = form.listViews[index];
    record.window = header;
    record.clickable = (StyleOf(header) & HDS_BUTTONS) != 0;
    record.imageList = Header_GetImageList(header);
    if (captureFont) {
        const ControlFont font = ReadControlFont(header);
        record.fontName = font.name;
        record.fontSize = font.size;
        record.fontStyle = font.style;
    }
    const WNDPROC previous = Register(header, formIndex, index, HeaderProc);
    formRegistry[formIndex].listViews[index].previousProc = previous;
    ::InvalidateRect(header, nullptr, FALSE);
}

bool Enabled(std::int32_t form) { return skinControlsEnabled != 0 && formRegistry.At(form) != nullptr; }

}  // namespace

void AttachListControls(std::int32_t form, HWND parent) {
    if (!Enabled(form) || !parent) return;
    ForEachChild(parent, L"ListBox", [form](HWND box) {
        if (!(StyleOf(box) & kSkipStyleBit)) TakeListControl(form, box, Strips::Both, true);
    });
    ForEachChild(parent, L"ComboBox", [form](HWND combo) {
        if (StyleOf(combo) & kSkipStyleBit) return;
        // The drop-down list is not a child of the combo box (except for a
        // simple combo box): the combo box names it.
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (::GetComboBoxInfo(combo, &info) && info.hwndList) TakeListControl(form, info.hwndList, Strips::None, true);
    });
    ForEachChild(parent, WC_LISTVIEWW, [form](HWND list) {
        if (!(StyleOf(list) & kSkipStyleBit)) TakeListControl(form, list, Strips::Both, false);
    });
    ForEachChild(parent, WC_TREEVIEWW, [form](HWND tree) { TakeListControl(form, tree, Strips::Both, false); });
    ForEachChild(parent, WC_IPADDRESSW, [form](HWND address) {
        TakeListControl(form, address, Strips::None, false);
        TakeAddressEdits(form, address);
    });
    ForEachChild(parent, DATETIMEPICK_CLASSW,
                 [form](HWND picker) { TakeListControl(form, picker, Strips::None, false); });
}

void AttachHeaders(std::int32_t form, HWND parent) {
    if (!Enabled(form) || !parent) return;
    ForEachChild(parent, WC_HEADERW, [form](HWND header) { TakeHeader(form, header, false); });
    ForEachChild(parent, WC_LISTVIEWW, [form](HWND list) {
        if (HWND header = ::FindWindowExW(list, nullptr, WC_HEADERW, nullptr)) TakeHeader(form, header, true);
    });
}

}  // namespace pelorin::skin
