// The caption-button list of a form, built from one table, and its layout.
#include <array>

#include "skin/core/form_layout.h"
#include "skin/core/skin_registry.h"
#include "skin/pictures/embedded_pictures.h"

namespace pelorin::skin {

namespace {

struct CaptionButtonRow {
    bool FormRecord::*shown;
    CaptionButtonKind kind;
    std::int32_t width;
    EmbeddedPicture picture;
    bool hasAltPicture;
    const wchar_t* tooltip;
};

// In drawing order, left to right.
constexpr std::array<CaptionButtonRow, 5> kCaptionButtons{{
    {&FormRecord::showHelpButton, kCaptionHelp, 26, EmbeddedPicture::CaptionHelp, false, L"帮助"},
    {&FormRecord::showMenuButton, kCaptionMenu, 26, EmbeddedPicture::CaptionMenu, false, L"主菜单"},
    {&FormRecord::hasMinimizeButton, kCaptionMinimize, 26, EmbeddedPicture::CaptionMinimize, false, L"最小化"},
    {&FormRecord::hasMaximizeButton, kCaptionMaximize, 26, EmbeddedPicture::CaptionMaximize, true, L"最大化"},
    {&FormRecord::hasCloseButton, kCaptionClose, 38, EmbeddedPicture::CaptionClose, false, L"关闭"},
}};

constexpr std::int32_t kCaptionButtonHeight = 18;
constexpr std::int32_t kCaptionStripHeight = 22;
constexpr std::int32_t kButtonPitch = 27;
constexpr std::int32_t kLaidOutCloseWidth = 40;
constexpr std::int32_t kLaidOutWidth = 26;

}  // namespace

void BuildCaptionButtons(FormRecord& form, std::int32_t clientWidth) {
    form.captionButtons.clear();
    std::int32_t widths = 0;
    for (const CaptionButtonRow& row : kCaptionButtons) {
        if (!(form.*row.shown)) continue;
        CaptionButton button;
        button.width = row.width;
        button.height = kCaptionButtonHeight;
        button.picture = LoadEmbeddedPicture(row.picture);
        if (row.hasAltPicture) button.altPicture = LoadEmbeddedPicture(EmbeddedPicture::CaptionRestore);
        button.kind = row.kind;
        button.tooltip = row.tooltip;
        widths += row.width;
        form.captionButtons.push_back(std::move(button));
    }
    const auto count = static_cast<std::int32_t>(form.captionButtons.size());
    // One pixel between neighbours and three around; no buttons, no strip.
    form.captionStripWidth = count > 0 ? widths + (count - 1) + 3 : 0;
    form.captionStripHeight = kCaptionStripHeight;
    form.captionStripLeft = clientWidth - skinDefaults.frameBorderWidth - form.captionStripWidth - 2;
    form.captionStripTop = 0;
}

void AddCaptionTooltips(FormRecord& form) {
    form.tooltip.Create(form.window);
    for (std::size_t i = 0; i < form.captionButtons.size(); ++i)
        form.tooltip.AddTool(form.captionButtons[i].rect, form.captionButtons[i].tooltip, i + 1);
}

void LayoutCaptionButtons(std::int32_t formIndex) {
    FormRecord* form = formRegistry.At(formIndex);
    if (!form) return;
    RECT client{};
    ::GetClientRect(form->window, &client);
    form->captionStripLeft = client.right - form->captionStripWidth + 1;
    form->captionStripHeight = kCaptionStripHeight;
    const bool hasTips = form->tooltip.GetTipHandle() != nullptr;
    for (std::size_t i = 0; i < form->captionButtons.size(); ++i) {
        CaptionButton& button = form->captionButtons[i];
        const std::int32_t left = form->captionStripLeft + 2 + static_cast<std::int32_t>(i) * kButtonPitch;
        const std::int32_t top = form->captionStripTop + 1;
        const std::int32_t width = button.kind == kCaptionClose ? kLaidOutCloseWidth : kLaidOutWidth;
        button.rect = {left, top, left + width, top + kCaptionButtonHeight};
        if (hasTips) {
            form->tooltip.SetToolRect(i + 1, button.rect);
            form->tooltip.UpdateTipText(i + 1, button.tooltip);
        }
    }
}

}  // namespace pelorin::skin
