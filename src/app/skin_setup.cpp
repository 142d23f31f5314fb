#include "app/skin_setup.h"

#include <array>
#include <map>

#include "app/board.h"
#include "app/dialog_skin.h"
#include "app/layout.h"
#include "app/services/file_io.h"
#include "app/settings_dialog.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/control_procs.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/frame_box.h"
#include "skin/pictures/nine_slice_frame.h"
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

// What the skin draws with after the set-up calls return: the button frames
// of the main window and of the dialogs, and the rounded frame of each
// dialog's framed control (by its identifier; attached anew to every dialog).
struct SkinPieces {
    NineSliceFrame mainButtonFrame;
    NineSliceFrame dialogButtonFrame;
    std::map<int, skin::FrameBox> textFrames;
};

SkinPieces& Pieces() {
    static SkinPieces pieces;
    return pieces;
}

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

void SkinHookA(const std::wstring& programDirectory) { LoadButtonFrame(Pieces().mainButtonFrame, programDirectory); }

void SkinHookB(const Board& board, const CaptionActions& actions) {
    const HWND hwnd = board.Window();
    skin::SkinSettings settings = WindowSettings(Pieces().mainButtonFrame);
    settings.backgroundAlpha = 100;
    skin::ApplySkin(hwnd, settings);
    skin::SetCloseAnimation(hwnd, kCloseAnimation);

    skin::SkinTheme theme;
    theme.pictureData = LoadEmbeddedPicture(EmbeddedPicture::Background);
    theme.themeColor = skin::kThemeFollowsBackground;
    theme.pictureMode = 3;
    skin::SetSkinTheme(theme);

    skin::AddCaptionButton(hwnd, LoadEmbeddedPicture(EmbeddedPicture::CaptionMore), L"更多功能",
                           actions.toggleExpanded);
    // Each new caption button goes leftmost: 设置 comes left of 更多功能.
    skin::AddCaptionButton(hwnd, LoadEmbeddedPicture(EmbeddedPicture::CaptionSettings), kSettingsDialogTitle,
                           actions.openSettings);
    for (ControlId group : kGroupBoxes) skin::AttachContainer(board.Control(group));
    for (ControlId control : kColouredControls)
        skin::SetControlTextColors(board.Control(control), kCaptionTextColor, kHotTextColor);
    skin::SkinLabel(board.Control(kLabel1), AboutLabelSettings());
    UseEmbeddedSliderPictures(board.Control(kSlider1));
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

void SkinDialog(HWND dialog, const std::wstring& programDirectory, const DialogSkinParts& parts) {
    MakeBorderless(dialog);
    NineSliceFrame& buttonFrame = Pieces().dialogButtonFrame;
    LoadButtonFrame(buttonFrame, programDirectory);
    skin::ApplySkin(dialog, WindowSettings(buttonFrame));
    skin::SetCloseAnimation(dialog, kCloseAnimation);
    for (int id : parts.glowingLabels) skin::SkinLabel(::GetDlgItem(dialog, id), AboutLabelSettings());
    if (parts.pictureSlider) UseEmbeddedSliderPictures(::GetDlgItem(dialog, parts.pictureSlider));
    if (!parts.framedControl) return;
    const HWND framed = ::GetDlgItem(dialog, parts.framedControl);
    skin::FrameBox& frame = Pieces().textFrames[parts.framedControl];
    AttachBlueFrame(frame, framed);
    if (parts.blueText) skin::SetEditTextColors(framed, kHotTextColor);
    // Tab reaches the control inside its frame right after `framedAfter`.
    if (const HWND container = frame.Container(); container && parts.framedAfter) {
        ::SetWindowLongPtrW(container, GWL_EXSTYLE, ::GetWindowLongPtrW(container, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        ::SetWindowPos(container, ::GetDlgItem(dialog, parts.framedAfter), 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void SkinHookShutdown() { skin::SkinShutdown(); }

}  // namespace pelorin
