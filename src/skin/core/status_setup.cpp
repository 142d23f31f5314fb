// The status area's set-up: the part widths and the part rectangles. Drawing
// the parts belongs to the frame rendering.
#include <algorithm>

#include "skin/core/form_layout.h"
#include "skin/core/skin_registry.h"

namespace pelorin::skin {

void SetUpStatusArea(std::int32_t formIndex, std::int32_t partCount, const std::vector<std::int32_t>& widths) {
    FormRecord* form = formRegistry.At(formIndex);
    if (!form || partCount <= 0) return;
    // Parts without a given width share the rest.
    form->statusPartWidths.assign(static_cast<std::size_t>(partCount), -1);
    for (std::size_t i = 0; i < widths.size() && i < form->statusPartWidths.size(); ++i)
        form->statusPartWidths[i] = widths[i];
    form->statusHeight = kStatusHeight;
    LayoutStatusParts(formIndex);
}

void LayoutStatusParts(std::int32_t formIndex) {
    FormRecord* form = formRegistry.At(formIndex);
    if (!form || form->statusHeight <= 0) return;
    RECT client{};
    ::GetClientRect(form->window, &client);
    const std::int32_t border = form->hasTitleBar ? skinDefaults.frameBorderWidth : 0;
    const std::int32_t inner = client.right - 2 * border;
    const std::int32_t top = client.bottom - border - form->statusHeight - 1;
    form->statusRect = {border, top, border + inner, top + form->statusHeight};

    std::int32_t fixed = 0;
    std::int32_t shared = 0;
    for (std::int32_t width : form->statusPartWidths) {
        if (width < 0)
            ++shared;
        else
            fixed += width;
    }
    const std::int32_t share = shared > 0 ? std::max(0, inner - fixed) / shared : 0;
    form->statusPartRects.clear();
    std::int32_t x = border;
    for (std::int32_t width : form->statusPartWidths) {
        const std::int32_t w = width < 0 ? share : width;
        form->statusPartRects.push_back({x, top, x + w, top + form->statusHeight});
        x += w;
    }
}

}  // namespace pelorin::skin
