// The attach steps: each finds the direct children of one window class, takes
// those its style test accepts into the form's list of that kind, and
// subclasses them with the kind's skin procedure.
#include "skin/core/attach_steps.h"

#include <windows.h>
#include <commctrl.h>

#include "base/window_text.h"
#include "skin/core/control_attach.h"
#include "skin/core/control_font.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

constexpr LONG_PTR kOwnerDrawBits = BS_OWNERDRAW;  // 0xB

bool IsOwnerDrawn(LONG_PTR style) { return (style & kOwnerDrawBits) == kOwnerDrawBits; }

// Types 0, 1 and 8: bits 1 and 2 clear, not both bits 0 and 3.
bool IsPushButton(LONG_PTR style) {
    const LONG_PTR type = style & 0xF;
    return !(type & 2) && !(type & 4) && !((type & 1) && (type & 8)) && !IsOwnerDrawn(style);
}

// Type 9 (BS_AUTORADIOBUTTON) only; BS_RADIOBUTTON keeps the platform look.
bool IsRadioButton(LONG_PTR style) {
    const LONG_PTR type = style & 0xF;
    return (type & 1) && (type & 8) && !(type & 2) && !(type & 4) && !IsOwnerDrawn(style);
}

// Types 2, 3 and 0xA; the three-state boxes (5, 6) have bit 2 set.
bool IsCheckBox(LONG_PTR style) {
    const LONG_PTR type = style & 0xF;
    return (type & 2) && !(type & 4) && !IsOwnerDrawn(style);
}

void TakeButton(std::int32_t form, HWND button, std::int32_t kind) {
    AttachControl(form, button, &FormRecord::buttons, ButtonProc, [button, kind](ButtonRecord& record) {
        record.kind = kind;
        record.caption = WindowText(button);
        record.checkState = static_cast<std::int32_t>(::SendMessageW(button, BM_GETCHECK, 0, 0));
        record.parent = ::GetParent(button);
        record.glowColor = kNoColor;
        const ControlFont font = ReadControlFont(button);
        record.fontName = font.name;
        record.fontSize = font.size;
        record.fontStyle = font.style;
        SetPropValue(button, prop::kDisabledTextColor, kAttachedDisabledTextColor);
        if (kind == kCheckBox) SetPropValue(button, prop::kCheckAnimation, 1);
    });
}

}  // namespace

void AttachPushButtons(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, L"BUTTON", [form](HWND button) {
        const LONG_PTR style = StyleOf(button);
        if (!IsPushButton(style) || FindButton(form, button)) return;
        TakeButton(form, button, kPushButton);
        // Owner-drawn from now on: the parent receives WM_DRAWITEM for it.
        ::SetWindowLongPtrW(button, GWL_STYLE, style | kOwnerDrawBits);
        ::InvalidateRect(button, nullptr, TRUE);
    });
}

void AttachCheckBoxesAndRadios(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, L"BUTTON", [form](HWND button) {
        const LONG_PTR style = StyleOf(button);
        if (FindButton(form, button)) return;
        if (IsRadioButton(style))
            TakeButton(form, button, kRadioButton);
        else if (IsCheckBox(style))
            TakeButton(form, button, kCheckBox);
    });
}

void AttachEditsAndComboBoxes(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, L"Edit", [form](HWND edit) {
        if (FindEdit(form, edit)) return;
        const std::int32_t index = AttachEdit(form, edit);
        // Strips over the real scroll bars, shown with the edit.
        const LONG_PTR style = StyleOf(edit);
        const bool visible = (style & WS_VISIBLE) != 0;
        HWND vStrip = (style & WS_VSCROLL) ? CreateScrollStrip(edit, true, visible) : nullptr;
        HWND hStrip = (style & WS_HSCROLL) ? CreateScrollStrip(edit, false, visible) : nullptr;
        formRegistry[form].edits[index].vStrip = vStrip;
        formRegistry[form].edits[index].hStrip = hStrip;
    });
    ForEachChildOfClass(parent, L"ComboBox", [form](HWND combo) {
        if (FindComboBox(form, combo)) return;
        AttachControl(form, combo, &FormRecord::comboBoxes, ComboProc, [](ComboRecord&) {});
    });
}

std::int32_t AttachEdit(std::int32_t form, HWND edit) {
    return AttachControl(form, edit, &FormRecord::edits, EditProc, [edit](EditRecord&) {
        SetPropValue(edit, prop::kTextColor, 0);
        SetPropValue(edit, prop::kDisabledTextColor, kAttachedDisabledTextColor);
    });
}

void AttachSliders(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, TRACKBAR_CLASSW, [form](HWND slider) {
        if (FindSlider(form, slider)) return;
        AttachControl(form, slider, &FormRecord::sliders, SliderProc, [slider](SliderRecord& record) {
            const LONG_PTR style = StyleOf(slider);
            record.vertical = (style & TBS_VERT) != 0;
            record.tickPlacement = (style & TBS_NOTICKS) ? 3 : (style & TBS_TOP) ? 0 : (style & TBS_BOTH) ? 2 : 1;
            record.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
        });
    });
}

void AttachProgressBars(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    ForEachChildOfClass(parent, PROGRESS_CLASSW, [form](HWND bar) {
        if (FindProgressBar(form, bar)) return;
        AttachControl(form, bar, &FormRecord::progressBars, ProgressProc, [bar](ProgressRecord& record) {
            record.vertical = (StyleOf(bar) & PBS_VERTICAL) != 0;
            record.barColor = skinDefaults.themeColor;
            record.secondColor = 0;
        });
    });
}

}  // namespace pelorin::skin
