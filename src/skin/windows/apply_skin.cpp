// Handing a top-level window to the skin: its form record, caption buttons,
// tooltips and status area, every control of a kind the skin draws, and the
// form procedure.
#include "skin/windows/apply_skin.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skin/core/control_attach.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/form_layout.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/skinned_form_proc.h"

namespace pelorin::skin {

namespace {

constexpr std::int32_t kMinTitleHeight = 25;
constexpr std::int32_t kBackgroundSamples = 2000;

using BackgroundSource = std::variant<std::wstring, Bytes>;

bool IsEmpty(const BackgroundSource& source) {
    return std::visit([](const auto& value) { return value.empty(); }, source);
}

PictureSource ToPictureSource(const BackgroundSource& source) {
    if (const auto* file = std::get_if<std::wstring>(&source)) return *file;
    return std::get<Bytes>(source);
}

Bytes ReadPictureFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return {};
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Mode 0 fades the right and bottom edges, mode 1 the left and bottom ones;
// the other modes show the picture as it is.
void SetBackgroundPicture(FormRecord& form, const BackgroundSource& source) {
    const PictureSource picture = ToPictureSource(source);
    form.backgroundPictureColor = AverageColor(picture, kBackgroundSamples);
    if (form.backgroundPictureMode == 0)
        form.backgroundPicture = FadePictureEdges(picture, std::nullopt, form.backgroundPictureColor);
    else if (form.backgroundPictureMode == 1)
        form.backgroundPicture = FadePictureEdges(picture, std::nullopt, form.backgroundPictureColor, 0);
    else if (const auto* file = std::get_if<std::wstring>(&source))
        form.backgroundPicture = ReadPictureFile(*file);
    else
        form.backgroundPicture = std::get<Bytes>(source);
}

std::unique_ptr<FormRecord> BuildFormRecord(HWND window, LONG_PTR style, const RECT& client,
                                            const SkinSettings& settings) {
    auto form = std::make_unique<FormRecord>();  // every list starts with one empty element
    form->window = window;
    form->titleHeight = std::max(settings.titleHeight, kMinTitleHeight);
    form->hasTitleBar = settings.hasTitleBar.value_or(true);
    form->resizable = settings.resizable.value_or(true);
    form->showHelpButton = settings.helpButton.value_or(false);
    form->showMenuButton = settings.menuButton.value_or(false);
    form->showTitleText = settings.showTitleText.value_or(true);
    form->glossTitle = settings.glossTitle.value_or(false);
    form->backgroundPictureMode = settings.backgroundPictureMode.value_or(skinDefaults.skinPictureMode);
    form->backgroundColor = settings.backgroundColor.value_or(kNoColor);
    form->backgroundAlpha = std::clamp(settings.backgroundAlpha.value_or(255), 0, 255);
    form->hasCloseButton = settings.noCloseButton.value_or(0) != 0 ? false : form->hasTitleBar;
    form->hasOwnIcon = settings.hideTitleIcon.value_or(false);
    form->dragByBody = settings.dragByBody.value_or(true);
    form->hasMinimizeButton = (style & WS_MINIMIZEBOX) != 0;
    form->hasMaximizeButton = (style & WS_MAXIMIZEBOX) != 0;
    form->minTrackWidth = 200;
    form->minTrackHeight = 150;
    form->maxTrackWidth = ::GetSystemMetrics(SM_CXSCREEN);
    form->maxTrackHeight = ::GetSystemMetrics(SM_CYSCREEN);
    form->titleTextColor = 0x00FFFFFF;
    form->titleShadowColor = 0x00808080;
    form->titleFontName = L"宋体";
    form->titleFontSize = 12;
    form->titleFontStyle = 1;
    if (settings.backgroundSource && !IsEmpty(*settings.backgroundSource))
        SetBackgroundPicture(*form, *settings.backgroundSource);
    if (settings.buttonFrame && settings.buttonFrame->IsLoaded()) {
        form->hasButtonFrame = true;
        form->buttonFrame = *settings.buttonFrame;  // a deep copy
    }
    BuildCaptionButtons(*form, client.right);
    return form;
}

}  // namespace

void ApplySkin(HWND window, const SkinSettings& settings) {
    if (!window || !::IsWindow(window) || FindFormByWindow(window)) return;

    LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    style &= ~static_cast<LONG_PTR>(WS_CLIPCHILDREN);
    ::SetWindowLongPtrW(window, GWL_STYLE, style);
    RECT client{};
    ::GetClientRect(window, &client);
    skinDefaults.frameBorderWidth = 3;

    std::unique_ptr<FormRecord> record = BuildFormRecord(window, style, client, settings);
    ::SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);

    const std::int32_t form = formRegistry.Append(std::move(record));
    FormRecord& added = formRegistry[form];
    added.renderPending = true;
    added.clientWidth = client.right;
    added.clientHeight = client.bottom;
    if (added.hasTitleBar) AddCaptionTooltips(added);
    LayoutCaptionButtons(form);
    if (settings.statusPartCount.value_or(0) > 0)
        SetUpStatusArea(form, *settings.statusPartCount,
                        settings.statusPartWidths.value_or(std::vector<std::int32_t>{}));

    AttachChildControls(form, window);

    // The properties first: the form procedure needs them from its first message.
    SetPropValue(window, prop::kListIndex, form);
    formRegistry[form].previousProc = InstallSkinProc(window, SkinnedFormProc);
}

}  // namespace pelorin::skin
