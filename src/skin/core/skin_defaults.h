#pragma once
// The skin-wide values every painter reads: one record for the process,
// touched only on the user-interface thread. The initial values hold before
// start-up; SkinStartup and the configuration calls set them.

#include <windows.h>

#include <cstdint>

#include "base/text.h"

namespace pelorin::skin {

struct SkinDefaults {
    std::int32_t skinControlsEnabled = 0;  // the attach steps take controls over
    COLORREF themeColor = 0x00DDCA22;
    std::int32_t controlAlpha = 160;  // opacity of control bodies over the form
    std::int32_t frameBorderWidth = 3;
    std::int32_t channelOutline = 1;
    std::int32_t hoverTrackingEnabled = 0;
    std::int32_t firstSizePending = 1;
    HICON skinIcon = nullptr;
    COLORREF skinBackgroundColor = 0;
    Bytes skinBackgroundPicture;
    std::int32_t skinPictureMode = 4;
    // The caption button under the mouse, for the whole process.
    std::int32_t hotCaptionButton = 0;
};

inline SkinDefaults skinDefaults;

}  // namespace pelorin::skin
