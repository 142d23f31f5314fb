#pragma once
// The twelve preset buttons of "常用音效" and the files they play.

#include <string>
#include <vector>

#include "app/layout.h"

namespace pelorin {

class MainWindow;

// Plays the preset of `button`; false when `button` is no preset button.
bool OnPresetClicked(MainWindow& window, ControlId button);
// Full paths of the twelve preset files, in table order.
std::vector<std::wstring> PresetFiles(const std::wstring& programDirectory);

}  // namespace pelorin
