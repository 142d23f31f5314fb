#include "app/skin_setup.h"

#include <array>

#include "app/layout.h"
#include "app/main_window.h"
#include "app/name_dialog.h"
#include "app/settings_dialog.h"
#include "app/services/file_io.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/control_procs.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/container.h"
#include "skin/windows/label.h"
#include "skin/windows/skin_config.h"
#include "skin/windows/skin_startup.h"

namespace pelorin {
namespace {

constexpr COLORREF kCaptionTextColor = 0x00FFFFFF;
constexpr COLORREF kHotTextColor = 0x00FF8800;
constexpr std::int32_t kFrameCornerSize = 3;
constexpr std::int32_t kFrameBorderWidth = 3;
constexpr std::int32_t kCloseAnimation = 2;
constexpr std::int32_t kRoundedOutline = 1;  // a frame box style: rounded, no inner shadow

// The two frame pictures beside the program; a missing one reads as empty
// and leaves the frame unloaded (the buttons then get the plain outline).
void LoadButtonFrame(NineSliceFrame& frame, const std::wstring& programDirectory) {
    const Bytes hot = runtime::ReadFile(programDirectory + L"\\tp\\兰边框.png");
    const Bytes normal = runtime::ReadFile(programDirectory + L"\\tp\\通常框.png");
    frame.Load(normal, &hot, nullptr, nullptr, kFrameCornerSize, kFrameBorderWidth);
}

// A frame whose normal picture is missing or broken cuts into slices without
// pictures and would draw buttons with no edge at all; such a frame is not
// handed on, so the buttons get the skin's plain outline instead.
bool DrawsSomething(const NineSliceFrame& frame) {
    for (const auto& slice : frame.NormalSlices())
        if (!slice.png.empty()) return frame.IsLoaded();
    return false;
}

// The settings both windows share: a 110-pixel title area with its text and
// without an icon, no resize zones and no help or menu button.
skin::SkinSettings WindowSettings(const NineSliceFrame& buttonFrame) {
    skin::SkinSettings settings;
    settings.titleHeight = 110;
    settings.hasTitleBar = true;
    settings.resizable = false;
    settings.helpButton = false;
    settings.menuButton = false;
    settings.showTitleText = true;
    settings.glossTitle = false;
    settings.statusPartCount = 0;
    settings.hideTitleIcon = true;
    settings.buttonFrame = DrawsSomething(buttonFrame) ? &buttonFrame : nullptr;
    return settings;
}

skin::LabelSettings AboutLabelSettings() {
    skin::LabelSettings settings;
    settings.textColor = kCaptionTextColor;
    settings.glowColor = kHotTextColor;
    return settings;
}

// The controls whose captions are white with a blue glow, in the order they
// get their colours.
constexpr std::array kColouredControls = {
    kCheckBox1, kCheckBox2, kCheckBox3, kButton1,  kButton2,  kButton3,  kButton4,  kButton5,
    kButton6,   kButton7,   kButton8,   kButton9,  kButton10, kButton11, kButton12, kButton13,
    kButton14,  kButton15,  kButton16,  kButton17, kButton18, kButton19, kButton20, kButton21,
};

constexpr std::array kGroupBoxes = {kGroup1, kGroup2, kGroup3, kGroup4, kGroup5, kGroup6};

skin::SliderPicture Embedded(EmbeddedPicture id) { return {LoadEmbeddedPicture(id), std::nullopt}; }

void UseEmbeddedSliderPictures(HWND slider) {
    skin::SetSliderPictures(slider, Embedded(EmbeddedPicture::SliderThumb), Embedded(EmbeddedPicture::SliderChannelGrey),
                            Embedded(EmbeddedPicture::SliderChannelBlue));
}

// The rounded blue frame around a dialog's text control.
void AttachBlueFrame(skin::FrameBox& box, HWND control) {
    const NineSliceFrame noPicture;
    box.Attach(control, kRoundedOutline, kHotTextColor, std::nullopt, std::nullopt, &noPicture);
}

}  // namespace

void SkinHookS() { skin::SkinStartup(); }

void SkinHookA(MainWindow& window) { LoadButtonFrame(mainButtonFrame, window.ProgramDirectory()); }

void SkinHookB(MainWindow& window) {
    const HWND hwnd = window.Handle();
    skin::SkinSettings settings = WindowSettings(mainButtonFrame);
    settings.backgroundAlpha = 100;
    skin::ApplySkin(hwnd, settings);
    skin::SetCloseAnimation(hwnd, kCloseAnimation);

    skin::SkinTheme theme;
    theme.pictureData = LoadEmbeddedPicture(EmbeddedPicture::Background);
    theme.themeColor = skin::kThemeFollowsBackground;
    theme.pictureMode = 3;
    skin::SetSkinTheme(theme);

    skin::AddCaptionButton(hwnd, LoadEmbeddedPicture(EmbeddedPicture::CaptionMore), L"更多功能",
                           [&window] { window.ToggleExpanded(); });
    // Each new caption button goes leftmost: 设置 comes left of 更多功能.
    skin::AddCaptionButton(hwnd, LoadEmbeddedPicture(EmbeddedPicture::CaptionSettings), kSettingsDialogTitle,
                           [&window] { window.OpenSettings(); });
    for (ControlId group : kGroupBoxes) skin::AttachContainer(window.Control(group));
    for (ControlId control : kColouredControls)
        skin::SetControlTextColors(window.Control(control), kCaptionTextColor, kHotTextColor);
    skin::SkinLabel(window.Control(kLabel1), AboutLabelSettings());
    UseEmbeddedSliderPictures(window.Control(kSlider1));
}

// The skin draws the dialog's title area and close button inside its client
// area, as it does for the main window: the platform's caption and modal
// frame go, so that the client area is the whole dialog.
static void MakeBorderless(HWND window) {
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
    ::SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION | WS_THICKFRAME));
    ::SetWindowLongPtrW(window, GWL_EXSTYLE,
                        exStyle & ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE));
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void SkinHookD(HWND nameDialog, const std::wstring& programDirectory) {
    MakeBorderless(nameDialog);
    LoadButtonFrame(dialogButtonFrame, programDirectory);
    skin::ApplySkin(nameDialog, WindowSettings(dialogButtonFrame));
    skin::SetCloseAnimation(nameDialog, kCloseAnimation);
    skin::SkinLabel(::GetDlgItem(nameDialog, kNameDialogLabelId), AboutLabelSettings());
    const HWND edit = ::GetDlgItem(nameDialog, kNameDialogEditId);
    AttachBlueFrame(nameDialogEditFrame, edit);
    skin::SetEditTextColors(edit, kHotTextColor);
}

void SkinHookSettingsDialog(HWND dialog, const std::wstring& programDirectory) {
    MakeBorderless(dialog);
    LoadButtonFrame(dialogButtonFrame, programDirectory);
    skin::ApplySkin(dialog, WindowSettings(dialogButtonFrame));
    skin::SetCloseAnimation(dialog, kCloseAnimation);
    for (int id : kSettingsLabelIds) skin::SkinLabel(::GetDlgItem(dialog, id), AboutLabelSettings());
    UseEmbeddedSliderPictures(::GetDlgItem(dialog, kSettingsVolumeSliderId));
    AttachBlueFrame(settingsHotkeyFrame, ::GetDlgItem(dialog, kSettingsHotkeyEditId));
    // Tab reaches the hotkey control inside its frame, right after the list.
    if (const HWND frame = settingsHotkeyFrame.Container()) {
        ::SetWindowLongPtrW(frame, GWL_EXSTYLE, ::GetWindowLongPtrW(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        ::SetWindowPos(frame, ::GetDlgItem(dialog, kSettingsHotkeyListId), 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void SkinHookShutdown() { skin::SkinShutdown(); }

}  // namespace pelorin
