#pragma once
// Handing a top-level window to the skin: its form record, caption buttons and
// tooltips, every direct child control of a kind the skin draws, and the
// skinned form procedure.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/text.h"
#include "skin/core/attach_steps.h"
#include "skin/core/control_font.h"
#include "skin/core/control_records.h"
#include "skin/pictures/nine_slice_frame.h"
#include "skin/windows/child_attach.h"

namespace pelorin::skin {

// ApplySkin's settings. Every one but the title height may be left out; the
// comment beside each gives the value used then.
struct SkinSettings {
    std::int32_t titleHeight = 25;                                      // required; raised to at least 25
    std::optional<bool> hasTitleBar;                                    // 1
    std::optional<bool> resizable;                                      // 1
    std::optional<bool> helpButton;                                     // 0
    std::optional<bool> menuButton;                                     // 0
    std::optional<bool> showTitleText;                                  // 1
    std::optional<bool> glossTitle;                                     // 0
    std::optional<std::int32_t> statusPartCount;                        // 0
    std::optional<std::vector<std::int32_t>> statusPartWidths;          // empty; -1 shares the rest
    std::optional<std::variant<std::wstring, Bytes>> backgroundSource;  // a picture file or picture bytes
    std::optional<std::int32_t> backgroundPictureMode;                  // the skin-wide mode
    std::optional<COLORREF> backgroundColor;                            // none
    std::optional<std::int32_t> backgroundAlpha;                        // 255
    std::optional<std::int32_t> noCloseButton;                          // 0
    std::optional<bool> hideTitleIcon;                                  // 0
    const NineSliceFrame* buttonFrame = nullptr;                        // none
    std::optional<bool> dragByBody;                                     // 1
};

void ApplySkin(HWND window, const SkinSettings& settings);

}  // namespace pelorin::skin
