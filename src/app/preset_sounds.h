#pragma once
// The twelve preset buttons of "常用音效" and the files they play.

#include <string>
#include <vector>

#include "app/layout.h"

namespace pelorin {

// Plays the preset of `button` from the folder `programDirectory`; false
// when `button` is no preset button.
bool OnPresetClicked(const std::wstring& programDirectory, ControlId button);
// Full paths of the twelve preset files, in table order.
std::vector<std::wstring> PresetFiles(const std::wstring& programDirectory);

}  // namespace pelorin
