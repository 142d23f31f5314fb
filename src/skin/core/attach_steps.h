#pragma once
// The attach steps of the control kinds this library draws: each takes the
// direct children of `parent` of its kind into the lists of the form `form`
// (the form window itself or a container inside it) and subclasses them.

#include <windows.h>

#include <cstdint>

namespace pelorin::skin {

void AttachPushButtons(std::int32_t form, HWND parent);
void AttachCheckBoxesAndRadios(std::int32_t form, HWND parent);
void AttachEditsAndComboBoxes(std::int32_t form, HWND parent);
void AttachSliders(std::int32_t form, HWND parent);
void AttachProgressBars(std::int32_t form, HWND parent);

// Takes one edit box into the form's edit list (without scroll strips);
// returns its list index.
std::int32_t AttachEdit(std::int32_t form, HWND edit);

}  // namespace pelorin::skin
