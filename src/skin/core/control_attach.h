#pragma once
// Taking a control over: its record in the form's list of its kind, the
// properties that lead back to the record, and the skin procedure of its
// kind installed over the one it had.

#include <windows.h>

#include <cstdint>
#include <utility>

#include "skin/core/control_lookup.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

// The disabled text colour every attached control starts with.
inline constexpr COLORREF kAttachedDisabledTextColor = 0x00606060;

// Attach steps do nothing while the skin leaves controls alone or when the
// form index is out of range.
inline bool AttachesControls(std::int32_t form) {
    return skinDefaults.skinControlsEnabled != 0 && formRegistry.At(form) != nullptr;
}

inline LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

// Runs `visit` on every direct child of `parent` of class `className` (every
// child when null), in z-order.
template <typename Visit>
void ForEachChildOfClass(HWND parent, const wchar_t* className, Visit visit) {
    for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child;
         child = ::FindWindowExW(parent, child, className, nullptr))
        visit(child);
}

// Keeps the window's procedure in the property `previousProperty`, then
// installs `procedure`: the kept one is in place before the new one can
// receive a message. Returns the procedure the window had.
inline WNDPROC InstallSkinProc(HWND window, WNDPROC procedure, const wchar_t* previousProperty = prop::kPreviousProc) {
    const auto previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetPropValue(window, previousProperty, reinterpret_cast<std::intptr_t>(previous));
    Subclass(window, procedure);
    return previous;
}

// The property names of an attached control; toolbars use their own.
struct AttachProps {
    IndexProps indices;
    const wchar_t* previousProc = prop::kPreviousProc;
};

// Takes `control` into the form's `list`: a new record holding the window,
// the form and list index properties, then `fill(record)` (the kind's own
// fields and properties), then the skin procedure, whose predecessor goes
// into the record. `fill` may attach other controls, so the record is looked
// up again afterwards. Returns the control's list index.
template <typename Record, typename Fill>
std::int32_t AttachControl(std::int32_t formIndex, HWND control, OneBasedList<Record> FormRecord::*list,
                           WNDPROC procedure, Fill&& fill, const AttachProps& names = {}) {
    std::int32_t index = 0;
    {
        OneBasedList<Record>& records = formRegistry[formIndex].*list;
        index = records.Take();
        Record& record = records[index];
        record.window = control;
        SetPropValue(control, names.indices.listIndex, index);
        SetPropValue(control, names.indices.formIndex, formIndex);
        std::forward<Fill>(fill)(record);
    }
    Record& record = (formRegistry[formIndex].*list)[index];
    record.previousProc = InstallSkinProc(control, procedure, names.previousProc);
    return index;
}

}  // namespace pelorin::skin
