#include "skin/windows/skin_config.h"

#include <variant>

#include "graphics/gx_image.h"
#include "graphics/gx_types.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/form_layout.h"
#include "skin/core/prop_objects.h"
#include "skin/core/skin_registry.h"
#include "skin/core/slider_pictures.h"
#include "skin/core/window_props.h"
#include "skin/windows/form_handlers.h"
#include "skin/windows/frame_render.h"
#include "skin/windows/skinned_form_proc.h"

namespace pelorin::skin {

namespace {

constexpr std::int32_t kAverageColorSamples = 2000;
constexpr std::int32_t kCaptionButtonWidth = 26;
constexpr std::int32_t kCaptionButtonHeight = 18;
constexpr std::int32_t kCaptionButtonPitch = 27;

// The form whose own window this is (its "Hw_lbID" names it), with its index.
std::int32_t FormIndexOfWindow(HWND window) {
    const std::int32_t index = GetPropInt(window, prop::kListIndex);
    const FormRecord* form = formRegistry.At(index);
    return form && window && form->window == window ? index : 0;
}

// The control's record in one list of its form, when both indices are in
// range and the record is really the control's.
template <typename Record>
Record* ControlRecord(HWND control, OneBasedList<Record> FormRecord::*list) {
    FormRecord* form = formRegistry.At(GetPropInt(control, prop::kFormIndex));
    if (!form || !control) return nullptr;
    Record* record = ((*form).*list).At(GetPropInt(control, prop::kListIndex));
    return record && record->window == control ? record : nullptr;
}

bool HasText(const std::optional<std::wstring>& text) { return text && !text->empty(); }
bool HasBytes(const std::optional<Bytes>& bytes) { return bytes && !bytes->empty(); }

// The picture as the skin keeps it for modes other than 0 and 1: a file
// re-encoded as PNG (empty when it cannot be read), data as given.
Bytes KeptPicture(const SkinTheme& theme) {
    if (!HasText(theme.picturePath)) return *theme.pictureData;
    GxImage image;
    if (!image.LoadFromFile(*theme.picturePath)) return {};
    return image.SaveToBytes(std::wstring(kGxFormatPng));
}

void ReleaseListAndEditBrushes(FormRecord& form) {
    for (const ListControlRecord& list : form.listControls)
        if (list.window) DeleteBackgroundBrush(list.window);
    for (const EditRecord& edit : form.edits)
        if (edit.window) DeleteBackgroundBrush(edit.window);
}

void InvalidateVisibleChildren(HWND window) {
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
}

void RenderVisibleForms() {
    for (std::int32_t index = 1; index <= formRegistry.Size(); ++index) {
        FormRecord& form = formRegistry[index];
        ReleaseListAndEditBrushes(form);
        if (!::IsWindowVisible(form.window)) continue;
        RenderFrame(index, nullptr, false);
        ::InvalidateRect(form.window, nullptr, FALSE);
        MarkChildrenStale(form.window);
        InvalidateVisibleChildren(form.window);
    }
}

}  // namespace

std::int32_t SetCloseAnimation(HWND window, std::int32_t variant) {
    const std::int32_t index = FormIndexOfWindow(window);
    if (!index) return 0;
    formRegistry[index].closeAnimation = variant;
    return 1;
}

void SetSkinTheme(const SkinTheme& theme) {
    const bool follow = theme.themeColor == kThemeFollowsBackground;
    if (!follow) skinDefaults.themeColor = theme.themeColor.value_or(kDefaultThemeColor);
    const bool hasPath = HasText(theme.picturePath);
    const bool hasData = HasBytes(theme.pictureData);
    if (!hasPath && !hasData && !theme.backgroundColor) return;

    if (hasPath || hasData) {
        const PictureSource source = hasPath ? PictureSource(*theme.picturePath) : PictureSource(*theme.pictureData);
        skinDefaults.skinBackgroundColor =
            theme.backgroundColor ? *theme.backgroundColor : AverageColor(source, kAverageColorSamples);
        if (follow) skinDefaults.themeColor = skinDefaults.skinBackgroundColor;
        skinDefaults.skinPictureMode = theme.pictureMode.value_or(kDefaultSkinPictureMode);
        if (skinDefaults.skinPictureMode == 0)
            skinDefaults.skinBackgroundPicture =
                FadePictureEdges(source, std::nullopt, skinDefaults.skinBackgroundColor);
        else if (skinDefaults.skinPictureMode == 1)
            skinDefaults.skinBackgroundPicture =
                FadePictureEdges(source, std::nullopt, skinDefaults.skinBackgroundColor, 0);
        else
            skinDefaults.skinBackgroundPicture = KeptPicture(theme);
    } else {
        skinDefaults.skinBackgroundPicture.clear();
        skinDefaults.skinBackgroundColor = *theme.backgroundColor;
        if (follow) skinDefaults.themeColor = skinDefaults.skinBackgroundColor;
    }
    RenderVisibleForms();
}

std::int32_t AddCaptionButton(HWND window, const Bytes& picture, const std::wstring& tooltip,
                              std::function<void()> onClick) {
    const std::int32_t index = FormIndexOfWindow(window);
    if (!index) return 0;
    FormRecord& form = formRegistry[index];
    form.captionStripWidth += kCaptionButtonPitch;
    CaptionButton button;
    button.width = kCaptionButtonWidth;
    button.height = kCaptionButtonHeight;
    button.picture = picture;
    button.kind = kCaptionCustom;
    button.tooltip = tooltip;
    button.callback = std::move(onClick);
    form.captionButtons.insert(form.captionButtons.begin(), std::move(button));
    form.tooltip.AddTool(RECT{}, tooltip, form.captionButtons.size());
    // The hover state named buttons by their old places.
    form.hotButton = 0;
    form.enterFade = {};
    form.leaveFade = {};
    LayoutCaptionButtons(index);
    // The new button appears with the next paint.
    form.renderPending = true;
    ::InvalidateRect(window, nullptr, FALSE);
    return 1;
}

std::int32_t SetControlTextColors(HWND control, std::optional<COLORREF> textColor,
                                  std::optional<COLORREF> hotTextColor) {
    ButtonRecord* button = ControlRecord(control, &FormRecord::buttons);
    if (!button) return 0;
    if (textColor) SetPropValue(control, prop::kTextColor, static_cast<std::intptr_t>(*textColor));
    button->glowColor = hotTextColor.value_or(kDefaultHotTextColor);
    RefreshSkinnedControl(control);
    return 1;
}

std::int32_t SetSliderPictures(HWND slider, const SliderPicture& thumb, const SliderPicture& channel,
                               const SliderPicture& filled) {
    SliderRecord* record = ControlRecord(slider, &FormRecord::sliders);
    if (!record) return 0;
    // A missing hot picture is the normal one.
    const Bytes& thumbHot = thumb.hotPicture ? *thumb.hotPicture : thumb.picture;
    const Bytes& channelHot = channel.hotPicture ? *channel.hotPicture : channel.picture;
    const Bytes& filledHot = filled.hotPicture ? *filled.hotPicture : filled.picture;
    LoadSliderPictures(*record, thumb.picture, channel.picture, filled.picture, &thumbHot, &channelHot, &filledHot);
    RefreshSkinnedControl(slider);
    return 1;
}

void RefreshSkinnedControl(HWND window, bool children) {
    if (!window) return;
    if (FormRecord* form = formRegistry.At(GetPropInt(window, prop::kFormIndex))) {
        if (ContainerRecord* c = form->containers.At(form->containers.Find(window))) c->backgroundStale = true;
        if (ToolbarRecord* t = form->toolbars.At(form->toolbars.Find(window))) t->backgroundStale = true;
        if (LabelRecord* l = form->labels.At(form->labels.Find(window))) l->backgroundStale = true;
        if (ListControlRecord* b = form->listControls.At(form->listControls.Find(window))) b->contentStale = true;
    }
    ::InvalidateRect(window, nullptr, TRUE);
    if (children) InvalidateVisibleChildren(window);
}

}  // namespace pelorin::skin
