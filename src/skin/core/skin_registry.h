#pragma once
// The process-wide state of the skin engine: the form registry, the
// surfaces being drawn, and (skin_defaults.h) the skin-wide values every
// painter reads. Touched only on the user-interface thread.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/core/form_record.h"
#include "skin/core/memory_surface.h"
#include "skin/core/skin_defaults.h"

namespace pelorin::skin {

// The skinned forms, 1-based, in the order the skin was applied. Records are
// held by pointer so that a record stays put while the registry grows.
class FormRegistry {
public:
    std::int32_t Size() const noexcept { return static_cast<std::int32_t>(forms_.size()); }
    bool InRange(std::int32_t index) const noexcept { return index >= 1 && index <= Size(); }
    FormRecord* At(std::int32_t index) noexcept { return InRange(index) ? forms_[index - 1].get() : nullptr; }
    FormRecord& operator[](std::int32_t index) { return *forms_[static_cast<std::size_t>(index - 1)]; }
    // Appends a filled record; returns its form index.
    std::int32_t Append(std::unique_ptr<FormRecord> record);
    // Removes the form and rewrites the form index properties of every later
    // form and of all of their controls and strips.
    void Remove(std::int32_t index);
    void Clear() { forms_.clear(); }

    auto begin() noexcept { return forms_.begin(); }
    auto end() noexcept { return forms_.end(); }

private:
    std::vector<std::unique_ptr<FormRecord>> forms_;
};

inline FormRegistry formRegistry;

// Surfaces made by BuildControlBackground and not yet released.
inline std::vector<SurfacePtr> memoryDcList;

// 0 when the window is in no form record.
std::int32_t FindFormByWindow(HWND window);
// Index of `window` in the form's list of that kind, 0 when absent or when the
// form index is out of range.
std::int32_t FindButton(std::int32_t form, HWND window);
std::int32_t FindEdit(std::int32_t form, HWND window);
std::int32_t FindComboBox(std::int32_t form, HWND window);
std::int32_t FindSlider(std::int32_t form, HWND window);
std::int32_t FindProgressBar(std::int32_t form, HWND window);
std::int32_t FindListControl(std::int32_t form, HWND window);
std::int32_t FindHeader(std::int32_t form, HWND window);
std::int32_t FindUpDown(std::int32_t form, HWND window);
std::int32_t FindToolbar(std::int32_t form, HWND window);
std::int32_t FindLabel(std::int32_t form, HWND window);

// The form of a skinned control (its "Hw_FuID") or of a form window itself
// ("Hw_lbID" of a form); null when the property is missing or out of range.
FormRecord* FormOfControl(HWND control);
FormRecord* FormOfWindow(HWND form);

}  // namespace pelorin::skin
