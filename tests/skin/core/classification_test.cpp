// Which children the attach steps take, with what record and properties, and
// the form record's caption strip and title height.
#include <windows.h>
#include <commctrl.h>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/window_props.h"
#include "skin_core_test_util.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

using skin::GetPropInt;
namespace prop = skin::prop;

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)); }
// The procedure the window's class gives it, before any subclassing.
WNDPROC ClassProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetClassLongPtrW(window, GCLP_WNDPROC)); }
LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

using ClassificationTest = SkinCoreTest;

TEST_F(ClassificationTest, PushButtonsOfTypes0_1And8AreTakenAndMadeOwnerDrawn) {
    EveryKindForm form;
    form.Apply();
    skin::FormRecord& record = form.Record();
    for (HWND button : {form.pushButton, form.defaultButton, form.userButton}) {
        const std::int32_t index = skin::FindButton(form.FormIndex(), button);
        ASSERT_GT(index, 0);
        const skin::ButtonRecord& entry = record.buttons[index];
        EXPECT_EQ(entry.kind, skin::kPushButton);
        EXPECT_EQ(entry.parent, form.Window());
        EXPECT_EQ(entry.glowColor, skin::kNoColor);
        EXPECT_EQ(StyleOf(button) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(ProcedureOf(button), skin::ButtonProc);
        EXPECT_EQ(entry.previousProc, skin::GetPreviousProc(button));
        EXPECT_NE(entry.previousProc, nullptr);
        EXPECT_EQ(GetPropInt(button, prop::kDisabledTextColor), 0x00606060);
        EXPECT_EQ(GetPropInt(button, prop::kCheckAnimation), 0);
    }
    EXPECT_EQ(record.buttons[skin::FindButton(form.FormIndex(), form.pushButton)].caption, L"按钮1");
}

TEST_F(ClassificationTest, CheckBoxesAndAutomaticRadiosAreTakenWithTheirStyle) {
    EveryKindForm form;
    ::SendMessageW(form.checkBox, BM_SETCHECK, BST_CHECKED, 0);
    const LONG_PTR checkStyle = StyleOf(form.checkBox);
    form.Apply();
    skin::FormRecord& record = form.Record();
    for (HWND box : {form.checkBox, form.plainCheckBox}) {
        const std::int32_t index = skin::FindButton(form.FormIndex(), box);
        ASSERT_GT(index, 0);
        EXPECT_EQ(record.buttons[index].kind, skin::kCheckBox);
        EXPECT_EQ(GetPropInt(box, prop::kCheckAnimation), 1);
        EXPECT_EQ(ProcedureOf(box), skin::ButtonProc);
    }
    EXPECT_EQ(StyleOf(form.checkBox), checkStyle);  // painted by its own procedure, style kept
    EXPECT_EQ(record.buttons[skin::FindButton(form.FormIndex(), form.checkBox)].checkState, BST_CHECKED);
    const std::int32_t radio = skin::FindButton(form.FormIndex(), form.autoRadio);
    ASSERT_GT(radio, 0);
    EXPECT_EQ(record.buttons[radio].kind, skin::kRadioButton);
    EXPECT_EQ(GetPropInt(form.autoRadio, prop::kCheckAnimation), 0);
}

TEST_F(ClassificationTest, PlainRadiosThreeStateBoxesAndOwnerDrawnButtonsKeepThePlatformLook) {
    EveryKindForm form;
    const WNDPROC radioProc = ProcedureOf(form.radio);
    const WNDPROC threeStateProc = ProcedureOf(form.threeState);
    const WNDPROC ownerDrawnProc = ProcedureOf(form.ownerDrawn);
    form.Apply();
    for (HWND left : {form.radio, form.threeState, form.ownerDrawn, form.groupBox}) {
        EXPECT_EQ(skin::FindButton(form.FormIndex(), left), 0);
        EXPECT_EQ(GetPropInt(left, prop::kListIndex), 0);
        EXPECT_EQ(GetPropInt(left, prop::kFormIndex), 0);
    }
    EXPECT_EQ(ProcedureOf(form.radio), radioProc);
    EXPECT_EQ(ProcedureOf(form.threeState), threeStateProc);
    EXPECT_EQ(ProcedureOf(form.ownerDrawn), ownerDrawnProc);
    // 3 push buttons, 2 check boxes, 1 radio button.
    EXPECT_EQ(form.Record().buttons.Size(), 6);
}

TEST_F(ClassificationTest, ACheckBoxInAGroupBoxIsTakenOnlyWithItsContainer) {
    EveryKindForm earlier;  // so that the form index is not 1 and differs from the container's index
    earlier.Apply();
    EveryKindForm form;
    const std::int32_t index = form.Apply();
    ASSERT_EQ(index, earlier.FormIndex() + 1);
    EXPECT_EQ(skin::FindButton(index, form.groupCheckBox), 0);
    EXPECT_EQ(GetPropInt(form.groupCheckBox, prop::kFormIndex), 0);

    const std::int32_t container = AttachTestContainer(index, form.groupBox);
    ASSERT_EQ(container, 1);
    const std::int32_t button = skin::FindButton(index, form.groupCheckBox);
    ASSERT_GT(button, 0);
    EXPECT_EQ(form.Record().buttons[button].kind, skin::kCheckBox);
    EXPECT_EQ(form.Record().buttons[button].parent, form.groupBox);
    EXPECT_EQ(GetPropInt(form.groupCheckBox, prop::kFormIndex), index);
    EXPECT_EQ(GetPropInt(form.groupCheckBox, prop::kListIndex), button);

    // Attaching again registers nothing twice.
    const std::int32_t size = form.Record().buttons.Size();
    AttachTestContainer(index, form.groupBox);
    skin::AttachCheckBoxesAndRadios(index, form.Window());
    EXPECT_EQ(form.Record().buttons.Size(), size);
    EXPECT_NE(skin::GetPreviousProc(form.groupCheckBox), skin::ButtonProc);
}

TEST_F(ClassificationTest, EditsSlidersAndTheirStripsAreTaken) {
    EveryKindForm form;
    form.Apply();
    skin::FormRecord& record = form.Record();
    const std::int32_t edit = skin::FindEdit(form.FormIndex(), form.edit);
    ASSERT_GT(edit, 0);
    EXPECT_EQ(ProcedureOf(form.edit), skin::EditProc);
    EXPECT_EQ(GetPropInt(form.edit, prop::kTextColor), 0);
    EXPECT_EQ(GetPropInt(form.edit, prop::kDisabledTextColor), 0x00606060);
    EXPECT_EQ(record.edits[edit].vStrip, nullptr);
    EXPECT_EQ(record.edits[edit].hStrip, nullptr);

    const std::int32_t scrolled = skin::FindEdit(form.FormIndex(), form.scrolledEdit);
    ASSERT_GT(scrolled, 0);
    for (HWND strip : {record.edits[scrolled].vStrip, record.edits[scrolled].hStrip}) {
        ASSERT_NE(strip, nullptr);
        EXPECT_EQ(skin::ClassNameOf(strip), L"Static");
        EXPECT_EQ(reinterpret_cast<HWND>(skin::GetPropValue(strip, prop::kStripOwner)), form.scrolledEdit);
        EXPECT_EQ(GetPropInt(strip, prop::kFormIndex), form.FormIndex());
        EXPECT_TRUE(::IsWindowVisible(strip));
    }

    const std::int32_t slider = skin::FindSlider(form.FormIndex(), form.slider);
    ASSERT_GT(slider, 0);
    EXPECT_EQ(ProcedureOf(form.slider), skin::SliderProc);
    EXPECT_FALSE(record.sliders[slider].vertical);
    EXPECT_EQ(record.sliders[slider].tickPlacement, 3);  // TBS_NOTICKS
    EXPECT_FALSE(record.sliders[slider].selectionRange);
}

TEST_F(ClassificationTest, ProgressBarsAndComboBoxesAreTaken) {
    SingleButtonForm single;
    HWND bar = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_VERTICAL, 100, 10, 20, 80,
                                 single.Window(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND combo = ::CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 70, 80, 100,
                                   single.Window(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    skin::ApplySkin(single.Window(), {});
    const std::int32_t form = skin::FindFormByWindow(single.Window());
    const std::int32_t progress = skin::FindProgressBar(form, bar);
    ASSERT_GT(progress, 0);
    EXPECT_TRUE(skin::formRegistry[form].progressBars[progress].vertical);
    EXPECT_EQ(skin::formRegistry[form].progressBars[progress].barColor, skin::skinDefaults.themeColor);
    EXPECT_EQ(ProcedureOf(bar), skin::ProgressProc);
    EXPECT_GT(skin::FindComboBox(form, combo), 0);
    EXPECT_EQ(ProcedureOf(combo), skin::ComboProc);
}

TEST_F(ClassificationTest, WithoutSkinnedControlsEveryAttachStepDoesNothing) {
    skin::skinDefaults.skinControlsEnabled = 0;
    EveryKindForm form;
    const WNDPROC buttonProc = ProcedureOf(form.pushButton);
    form.Apply();
    AttachTestContainer(form.FormIndex(), form.groupBox);
    skin::skinDefaults.skinControlsEnabled = 1;
    skin::FormRecord& record = form.Record();
    EXPECT_EQ(record.buttons.Size(), 1);
    EXPECT_EQ(record.buttons[1].window, nullptr);
    EXPECT_EQ(record.edits.Size(), 1);
    EXPECT_EQ(record.edits[1].window, nullptr);
    EXPECT_EQ(record.sliders[1].window, nullptr);
    EXPECT_EQ(record.comboBoxes[1].window, nullptr);
    EXPECT_EQ(record.progressBars[1].window, nullptr);
    EXPECT_EQ(ProcedureOf(form.pushButton), buttonProc);
    EXPECT_EQ(StyleOf(form.pushButton) & BS_TYPEMASK, BS_PUSHBUTTON);
    // The form itself is still skinned.
    EXPECT_NE(ProcedureOf(form.Window()), ClassProcedureOf(form.Window()));
}

TEST_F(ClassificationTest, AWindowWithoutBoxesGetsOnlyTheCloseButtonOn41Pixels) {
    EveryKindForm form(WS_POPUP | WS_VISIBLE);
    form.Apply();
    const skin::FormRecord& record = form.Record();
    ASSERT_EQ(record.captionButtons.size(), 1u);
    EXPECT_EQ(record.captionButtons[0].kind, skin::kCaptionClose);
    EXPECT_EQ(record.captionButtons[0].width, 38);
    EXPECT_EQ(record.captionStripWidth, 41);
    EXPECT_EQ(record.captionStripHeight, 22);
    EXPECT_EQ(record.captionStripTop, 0);
    EXPECT_FALSE(record.captionButtons[0].picture.empty());
    // Laid out against the right edge, 40 wide.
    EXPECT_EQ(record.captionStripLeft, EveryKindForm::kWidth - 41 + 1);
    EXPECT_EQ(record.captionButtons[0].rect.left, record.captionStripLeft + 2);
    EXPECT_EQ(record.captionButtons[0].rect.right - record.captionButtons[0].rect.left, 40);
    EXPECT_EQ(record.captionButtons[0].rect.top, 1);
    EXPECT_EQ(record.captionButtons[0].rect.bottom, 19);
    EXPECT_EQ(record.tooltip.GetToolCount(), 1);
}

TEST_F(ClassificationTest, TheCaptionButtonsFollowTheTableInOrder) {
    EveryKindForm form(WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    skin::SkinSettings settings;
    settings.helpButton = true;
    settings.menuButton = true;
    form.Apply(settings);
    const skin::FormRecord& record = form.Record();
    ASSERT_EQ(record.captionButtons.size(), 5u);
    const std::int32_t kinds[] = {skin::kCaptionHelp, skin::kCaptionMenu, skin::kCaptionMinimize,
                                  skin::kCaptionMaximize, skin::kCaptionClose};
    const wchar_t* tips[] = {L"帮助", L"主菜单", L"最小化", L"最大化", L"关闭"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(record.captionButtons[i].kind, kinds[i]);
        EXPECT_EQ(record.captionButtons[i].tooltip, tips[i]);
        EXPECT_EQ(record.captionButtons[i].rect.left, record.captionStripLeft + 2 + static_cast<int>(i) * 27);
    }
    EXPECT_FALSE(record.captionButtons[3].altPicture.empty());
    EXPECT_EQ(record.captionStripWidth, 4 * 26 + 38 + 4 + 3);
    EXPECT_EQ(record.tooltip.GetToolCount(), 5);
    EXPECT_TRUE(::GetWindowLongPtrW(form.Window(), GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(::GetWindowLongPtrW(form.Window(), GWL_STYLE) & WS_CLIPCHILDREN);
}

TEST_F(ClassificationTest, NoTitleBarMeansNoCloseButtonAndNoTooltip) {
    EveryKindForm form;
    skin::SkinSettings settings;
    settings.hasTitleBar = false;
    form.Apply(settings);
    EXPECT_TRUE(form.Record().captionButtons.empty());
    EXPECT_EQ(form.Record().captionStripWidth, 0);
    EXPECT_EQ(form.Record().tooltip.GetTipHandle(), nullptr);
}

TEST_F(ClassificationTest, TitleHeightIsAtLeast25) {
    EveryKindForm low;
    skin::SkinSettings settings;
    settings.titleHeight = 20;
    low.Apply(settings);
    EXPECT_EQ(low.Record().titleHeight, 25);
    EveryKindForm tall;
    settings.titleHeight = 110;
    tall.Apply(settings);
    EXPECT_EQ(tall.Record().titleHeight, 110);
}

TEST_F(ClassificationTest, SettingsReachTheRecord) {
    EveryKindForm form;
    NineSliceFrame frame;
    Pixels picture(12, 12, 0xFF808080);
    for (int at : {3, 8}) picture.At(at, 1) = picture.At(1, at) = picture.At(11, at) = kMagenta;
    ASSERT_TRUE(frame.Load(EncodePixels(picture)));
    skin::SkinSettings settings;
    settings.resizable = false;
    settings.backgroundColor = 0x00112233;
    settings.backgroundAlpha = 100;
    settings.hideTitleIcon = true;
    settings.buttonFrame = &frame;
    settings.statusPartCount = 2;
    settings.statusPartWidths = std::vector<std::int32_t>{50};
    form.Apply(settings);
    const skin::FormRecord& record = form.Record();
    EXPECT_FALSE(record.resizable);
    EXPECT_EQ(record.backgroundColor, 0x00112233u);
    EXPECT_EQ(record.backgroundAlpha, 100);
    EXPECT_TRUE(record.hasOwnIcon);
    EXPECT_TRUE(record.hasButtonFrame);
    EXPECT_TRUE(record.buttonFrame.IsLoaded());
    EXPECT_EQ(record.buttonFrame.GetNormalSize(), frame.GetNormalSize());
    EXPECT_EQ(record.maxTrackWidth, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(record.clientWidth, EveryKindForm::kWidth);
    EXPECT_TRUE(record.renderPending);
    ASSERT_EQ(record.statusPartWidths, (std::vector<std::int32_t>{50, -1}));
    ASSERT_EQ(record.statusPartRects.size(), 2u);
    EXPECT_EQ(record.statusPartRects[0].left, 3);
    EXPECT_EQ(record.statusPartRects[0].right, 53);
    EXPECT_EQ(record.statusPartRects[1].right, EveryKindForm::kWidth - 3);
}

TEST_F(ClassificationTest, TheFormPaintsItsSkinnedPushButtons) {
    EveryKindForm form;
    form.Apply();
    // The skinned form renders its own frame on its first paint; let that
    // happen before the frame is replaced by the known one.
    ::RedrawWindow(form.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(50);
    form.SetKnownFrame();
    ::InvalidateRect(form.pushButton, nullptr, TRUE);
    PumpMessages(20);
    const Pixels shown = WindowPixels(form.pushButton);
    ASSERT_EQ(shown.width, 80);
    // The rounded body leaves the corner pixel to the form's frame behind it
    // (read back now: a paint of the form may have rendered the frame anew).
    const RECT place = skin::ClientRectInForm(form.pushButton);
    ASSERT_TRUE(form.Record().frameBuffer);
    const GxArgb behind = 0xFF000000u | form.Record().frameBuffer->PixelAt(place.left, place.top);
    EXPECT_TRUE(Near(shown.At(0, 0), behind, 8)) << Hex(shown.At(0, 0)) << " vs " << Hex(behind);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

}  // namespace
}  // namespace pelorin::test

namespace pelorin::test {
namespace {

TEST_F(ClassificationTest, ReadControlFontTakesTheControlsFontOrTheDefault) {
    EveryKindForm form;
    const skin::ControlFont none = skin::ReadControlFont(form.pushButton);
    EXPECT_EQ(none.name, L"宋体");
    EXPECT_EQ(none.size, 12);
    EXPECT_EQ(none.style, 0);

    LOGFONTW logFont{};
    logFont.lfHeight = -15;
    logFont.lfWeight = FW_BOLD;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    ::lstrcpynW(logFont.lfFaceName, metrics.lfMessageFont.lfFaceName, LF_FACESIZE);
    UniqueFont font(::CreateFontIndirectW(&logFont));
    ::SendMessageW(form.defaultButton, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    const skin::ControlFont read = skin::ReadControlFont(form.defaultButton);
    EXPECT_FALSE(read.name.empty());
    // GDI+ reports the em size of the 15-pixel font, truncated (Wine: 14.x).
    EXPECT_NEAR(read.size, 15, 1);
    EXPECT_EQ(read.style & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    form.Apply();
    const skin::ButtonRecord& record = form.Record().buttons[skin::FindButton(form.FormIndex(), form.defaultButton)];
    EXPECT_EQ(record.fontName, read.name);
    EXPECT_EQ(record.fontSize, read.size);
}

}  // namespace
}  // namespace pelorin::test
