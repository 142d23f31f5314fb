#include "skin/core/skin_registry.h"

#include "skin/core/window_props.h"

namespace pelorin::skin {

namespace {

void SetFormIndex(HWND window, std::int32_t form) {
    if (window) SetPropValue(window, prop::kFormIndex, form);
}

template <typename List>
void RenumberControls(List& list, std::int32_t form) {
    for (auto& record : list) SetFormIndex(record.window, form);
}

// Rewrites every form index property that belongs to the form at `form`.
void RenumberForm(FormRecord& record, std::int32_t form) {
    SetPropValue(record.window, prop::kListIndex, form);
    RenumberControls(record.buttons, form);
    for (auto& edit : record.edits) {
        SetFormIndex(edit.window, form);
        SetFormIndex(edit.vStrip, form);
        SetFormIndex(edit.hStrip, form);
    }
    for (auto& list : record.listControls) {
        SetFormIndex(list.window, form);
        SetFormIndex(list.verticalStrip, form);
        SetFormIndex(list.horizontalStrip, form);
    }
    RenumberControls(record.sliders, form);
    RenumberControls(record.progressBars, form);
    RenumberControls(record.comboBoxes, form);
    RenumberControls(record.upDowns, form);
    RenumberControls(record.listViews, form);
    RenumberControls(record.labels, form);
    RenumberControls(record.containers, form);
    for (auto& toolbar : record.toolbars)
        if (toolbar.window) SetPropValue(toolbar.window, prop::kToolbarFormIndex, form);
}

template <typename List>
std::int32_t FindIn(std::int32_t form, HWND window, List FormRecord::*list) {
    FormRecord* record = formRegistry.At(form);
    return record ? ((*record).*list).Find(window) : 0;
}

}  // namespace

std::int32_t FormRegistry::Append(std::unique_ptr<FormRecord> record) {
    forms_.push_back(std::move(record));
    return Size();
}

void FormRegistry::Remove(std::int32_t index) {
    if (!InRange(index)) return;
    forms_.erase(forms_.begin() + (index - 1));
    for (std::int32_t form = index; form <= Size(); ++form) RenumberForm((*this)[form], form);
}

std::int32_t FindFormByWindow(HWND window) {
    if (!window) return 0;
    for (std::int32_t form = 1; form <= formRegistry.Size(); ++form)
        if (formRegistry[form].window == window) return form;
    return 0;
}

std::int32_t FindButton(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::buttons); }
std::int32_t FindEdit(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::edits); }
std::int32_t FindComboBox(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::comboBoxes); }
std::int32_t FindSlider(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::sliders); }
std::int32_t FindProgressBar(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::progressBars); }
std::int32_t FindListControl(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::listControls); }
std::int32_t FindHeader(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::listViews); }
std::int32_t FindUpDown(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::upDowns); }
std::int32_t FindToolbar(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::toolbars); }
std::int32_t FindLabel(std::int32_t form, HWND window) { return FindIn(form, window, &FormRecord::labels); }

FormRecord* FormOfControl(HWND control) { return formRegistry.At(GetPropInt(control, prop::kFormIndex)); }
FormRecord* FormOfWindow(HWND form) { return formRegistry.At(GetPropInt(form, prop::kListIndex)); }

}  // namespace pelorin::skin
