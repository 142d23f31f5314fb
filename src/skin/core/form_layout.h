#pragma once
// The layout of a form's caption buttons, tooltips and status area: built
// when the skin is applied, laid out again when the form changes size.

#include <cstdint>
#include <vector>

#include "skin/core/form_record.h"

namespace pelorin::skin {

// Height of the status area's parts: the caption strip's height, so that the
// strips along the top and the bottom of the frame match.
inline constexpr std::int32_t kStatusHeight = 22;

// Fills captionButtons in drawing order and sizes and places the strip.
void BuildCaptionButtons(FormRecord& form, std::int32_t clientWidth);
// The form's tooltip with one tool per caption button (ids from 1).
void AddCaptionTooltips(FormRecord& form);
// Keeps the part widths (-1 shares the rest) and lays the parts out.
void SetUpStatusArea(std::int32_t form, std::int32_t partCount, const std::vector<std::int32_t>& widths);
void LayoutStatusParts(std::int32_t form);
// Places the caption buttons at the right end of the caption and moves
// their tooltip tools with them.
void LayoutCaptionButtons(std::int32_t form);

}  // namespace pelorin::skin
