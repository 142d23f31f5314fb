#pragma once
// Finding a skinned control's records from its window: the form index and the
// list index are read from the control's properties, and the list entry
// counts only when it is the window's own (a stale or copied property must not
// hand one control another control's record).

#include <windows.h>

#include <cstdint>

#include "skin/core/form_record.h"
#include "skin/core/one_based_list.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

template <typename Record>
struct ControlContext {
    std::int32_t formIndex = 0;
    std::int32_t index = 0;
    FormRecord* form = nullptr;  // set together with record
    Record* record = nullptr;
    explicit operator bool() const noexcept { return record != nullptr; }
};

// The property names under which a kind keeps its indices; toolbars keep
// theirs under names of their own.
struct IndexProps {
    const wchar_t* formIndex = prop::kFormIndex;
    const wchar_t* listIndex = prop::kListIndex;
};

template <typename Record>
ControlContext<Record> FindControl(HWND window, OneBasedList<Record> FormRecord::*list, IndexProps names = {}) {
    ControlContext<Record> c;
    c.formIndex = GetPropInt(window, names.formIndex);
    c.index = GetPropInt(window, names.listIndex);
    FormRecord* form = formRegistry.At(c.formIndex);
    Record* record = form ? (form->*list).At(c.index) : nullptr;
    if (!window || !record || record->window != window) return c;
    c.form = form;
    c.record = record;
    return c;
}

}  // namespace pelorin::skin
