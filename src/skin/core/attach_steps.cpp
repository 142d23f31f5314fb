// The attach steps: each finds the direct children of one window class, takes
// those its style test accepts into the form's list of that kind, and
// subclasses them with the kind's skin procedure.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skin/core/attach_steps.h"
#include "skin/core/control_font.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

constexpr COLORREF kDisabledTextColor = 0x00606060;
constexpr LONG_PTR kOwnerDrawBits = BS_OWNERDRAW;  // 0xB

// Runs `take` on every direct child of `parent` of class `className`, in z-order.
template <typename Take>
void ForEachChild(HWND parent, const wchar_t* className, Take take) {
    for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child;
         child = ::FindWindowExW(parent, child, className, nullptr))
        take(child);
}

LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

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

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The properties every taken control carries, then the skin procedure. The
// previous procedure is stored before the new one can receive a message.
WNDPROC Register(HWND control, std::int32_t form, std::int32_t index, WNDPROC procedure) {
    SetPropValue(control, prop::kListIndex, index);
    SetPropValue(control, prop::kFormIndex, form);
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetPropValue(control, prop::kPreviousProc, reinterpret_cast<std::intptr_t>(previous));
    Subclass(control, procedure);
    return previous;
}

bool Enabled(std::int32_t form) { return skinControlsEnabled != 0 && formRegistry.At(form) != nullptr; }

void TakeButton(std::int32_t formIndex, HWND button, std::int32_t kind) {
    FormRecord& form = formRegistry[formIndex];
    const std::int32_t index = form.buttons.Take();
    ButtonRecord& record = form.buttons[index];
    record.window = button;
    record.kind = kind;
    record.caption = WindowText(button);
    record.checkState = static_cast<std::int32_t>(::SendMessageW(button, BM_GETCHECK, 0, 0));
    record.parent = ::GetParent(button);
    record.glowColor = kNoColor;
    const ControlFont font = ReadControlFont(button);
    record.fontName = font.name;
    record.fontSize = font.size;
    record.fontStyle = font.style;
    SetPropValue(button, prop::kDisabledTextColor, kDisabledTextColor);
    if (kind == kCheckBox) SetPropValue(button, prop::kCheckAnimation, 1);
    record.previousProc = Register(button, formIndex, index, ButtonProc);
}

}  // namespace

void AttachPushButtons(std::int32_t form, HWND parent) {
    if (!Enabled(form)) return;
    ForEachChild(parent, L"BUTTON", [form](HWND button) {
        const LONG_PTR style = StyleOf(button);
        if (!IsPushButton(style) || FindButton(form, button)) return;
        TakeButton(form, button, kPushButton);
        // Owner-drawn from now on: the parent receives WM_DRAWITEM for it.
        ::SetWindowLongPtrW(button, GWL_STYLE, style | kOwnerDrawBits);
        ::InvalidateRect(button, nullptr, TRUE);
    });
}

void AttachCheckBoxesAndRadios(std::int32_t form, HWND parent) {
    if (!Enabled(form)) return;
    ForEachChild(parent, L"BUTTON", [form](HWND button) {
        const LONG_PTR style = StyleOf(button);
        if (FindButton(form, button)) return;
        if (IsRadioButton(style))
            TakeButton(form, button, kRadioButton);
        else if (IsCheckBox(style))
            TakeButton(form, button, kCheckBox);
    });
}

void AttachEditsAndComboBoxes(std::int32_t formIndex, HWND parent) {
    if (!Enabled(formIndex)) return;
    ForEachChild(parent, L"Edit", [formIndex](HWND edit) {
        if (FindEdit(formIndex, edit)) return;
        FormRecord& form = formRegistry[formIndex];
        const std::int32_t index = form.edits.Take();
        form.edits[index].window = edit;
        SetPropValue(edit, prop::kTextColor, 0);
        SetPropValue(edit, prop::kDisabledTextColor, kDisabledTextColor);
        form.edits[index].previousProc = Register(edit, formIndex, index, EditProc);
        // Strips over the real scroll bars, shown with the edit.
        const LONG_PTR style = StyleOf(edit);
        const bool visible = (style & WS_VISIBLE) != 0;
        HWND vStrip = (style & WS_VSCROLL) ? CreateScrollStrip(edit, true, visible) : nullptr;
        HWND hStrip = (style & WS_HSCROLL) ? CreateScrollStrip(edit, false, visible) : nullptr;
        formRegistry[formIndex].edits[index].vStrip = vStrip;
        formRegistry[formIndex].edits[index].hStrip = hStrip;
    });
    ForEachChild(parent, L"ComboBox", [formIndex](HWND combo) {
        if (FindComboBox(formIndex, combo)) return;
        FormRecord& form = formRegistry[formIndex];
        const std::int32_t index = form.comboBoxes.Take();
        form.comboBoxes[index].window = combo;
        form.comboBoxes[index].previousProc = Register(combo, formIndex, index, ComboProc);
    });
}

void AttachSliders(std::int32_t formIndex, HWND parent) {
    if (!Enabled(formIndex)) return;
    ForEachChild(parent, TRACKBAR_CLASSW, [formIndex](HWND slider) {
        if (FindSlider(formIndex, slider)) return;
        FormRecord& form = formRegistry[formIndex];
        const std::int32_t index = form.sliders.Take();
        SliderRecord& record = form.sliders[index];
        const LONG_PTR style = StyleOf(slider);
        record.window = slider;
        record.vertical = (style & TBS_VERT) != 0;
        record.tickPlacement = (style & TBS_NOTICKS) ? 3 : (style & TBS_TOP) ? 0 : (style & TBS_BOTH) ? 2 : 1;
        record.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
        record.previousProc = Register(slider, formIndex, index, SliderProc);
    });
}

void AttachProgressBars(std::int32_t formIndex, HWND parent) {
    if (!Enabled(formIndex)) return;
    ForEachChild(parent, PROGRESS_CLASSW, [formIndex](HWND bar) {
        if (FindProgressBar(formIndex, bar)) return;
        FormRecord& form = formRegistry[formIndex];
        const std::int32_t index = form.progressBars.Take();
        ProgressRecord& record = form.progressBars[index];
        record.window = bar;
        record.vertical = (StyleOf(bar) & PBS_VERTICAL) != 0;
        record.barColor = themeColor;
        record.secondColor = 0;
        record.previousProc = Register(bar, formIndex, index, ProgressProc);
    });
}

}  // namespace pelorin::skin
