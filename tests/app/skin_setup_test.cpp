// The program as a user sees it once the skin is set up: the main window's
// form record and its kinds, then the pixels of the real window on screen
// (background, title, button frames, hover, check marks, expanding), the
// window without its frame pictures, and clicks through skinned buttons.
#include "skin_setup_fixture.h"

#include "app/audio/playback_diagnostics.h"
#include "app/custom_slots.h"
#include "app/name_dialog.h"
#include "graphics/gx_graphics.h"
#include "skin/core/button_fade.h"
#include "skin/windows/close_animation.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/window_props.h"
#include "skin/core/skin_registry.h"
#include "skin/pictures/embedded_pictures.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

constexpr ControlId kPresetButtons[] = {kButton1, kButton2, kButton3,  kButton4,  kButton5,  kButton6,
                                        kButton7, kButton8, kButton9, kButton10, kButton11, kButton12};
constexpr ControlId kPushButtons[] = {kButton1,  kButton2,  kButton3,  kButton4,  kButton5,  kButton6,  kButton7,
                                      kButton8,  kButton9,  kButton10, kButton11, kButton12, kButton13, kButton14,
                                      kButton15, kButton16, kButton17, kButton18, kButton19, kButton20, kButton21};
constexpr ControlId kGroups[] = {kGroup1, kGroup2, kGroup3, kGroup4, kGroup5, kGroup6};
constexpr ControlId kCheckBoxes[] = {kCheckBox1, kCheckBox2, kCheckBox3};

TEST_F(SkinnedWindowTest, TheMainWindowIsSkinnedWithTheSettingsOfItsSetUp) {
    LoadSkinned();
    skin::FormRecord& form = Form();
    EXPECT_EQ(form.titleHeight, 110);
    EXPECT_FALSE(form.resizable) << "the window has resize zones";
    EXPECT_EQ(form.backgroundAlpha, 100);
    EXPECT_EQ(form.closeAnimation, 2);
    EXPECT_TRUE(form.hasTitleBar);
    EXPECT_TRUE(form.showTitleText);
    EXPECT_TRUE(form.hasButtonFrame);
    EXPECT_TRUE(form.hasOwnIcon) << "the title icon is shown";
    EXPECT_EQ(skin::skinDefaults.skinPictureMode, 3);
    EXPECT_EQ(skin::skinDefaults.skinBackgroundPicture, LoadEmbeddedPicture(EmbeddedPicture::Background));

    const std::int32_t index = skin::FindFormByWindow(window->Handle());
    for (ControlId group : kGroups) {
        const HWND box = window->Control(group);
        EXPECT_GT(skin::FindContainer(index, box), 0) << "group box " << group << " is not a container";
    }
    for (ControlId id : kPushButtons) {
        const HWND button = window->Control(id);
        EXPECT_EQ(::GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << "button " << id;
        const std::int32_t record = skin::FindButton(index, button);
        ASSERT_GT(record, 0) << "button " << id << " is not skinned";
        EXPECT_EQ(skin::GetPropInt(button, skin::prop::kTextColor), 0x00FFFFFF);
        EXPECT_EQ(form.buttons[record].glowColor, 0x00FF8800u);
    }
    for (ControlId id : kCheckBoxes) {
        const std::int32_t record = skin::FindButton(index, window->Control(id));
        ASSERT_GT(record, 0) << "check box " << id << " is not skinned";
        EXPECT_EQ(form.buttons[record].kind, skin::kCheckBox);
    }
    const std::int32_t slider = skin::FindSlider(index, window->Control(kSlider1));
    ASSERT_GT(slider, 0);
    EXPECT_TRUE(form.sliders[slider].hasPictures);
    const std::int32_t label = skin::FindLabel(index, window->Control(kLabel1));
    ASSERT_GT(label, 0);
    EXPECT_EQ(form.labels[label].textColor, 0x00FFFFFFu);
    EXPECT_TRUE(form.labels[label].glowOn);
    EXPECT_EQ(form.labels[label].glowColor, 0x00FF8800u);

    // The caption strip, left to right: 设置, 更多功能, minimise, close.
    const skin::CaptionButton* settings = CaptionButtonWithTip(L"设置");
    const skin::CaptionButton* more = CaptionButtonWithTip(L"更多功能");
    const skin::CaptionButton* minimize = CaptionButtonOfKind(skin::kCaptionMinimize);
    const skin::CaptionButton* close = CaptionButtonOfKind(skin::kCaptionClose);
    ASSERT_TRUE(settings && more && minimize && close);
    EXPECT_EQ(settings->picture, LoadEmbeddedPicture(EmbeddedPicture::CaptionSettings));
    EXPECT_EQ(more->picture, LoadEmbeddedPicture(EmbeddedPicture::CaptionMore));
    EXPECT_LT(settings->rect.right, more->rect.left + 1);
    EXPECT_LT(more->rect.right, minimize->rect.left + 1);
    EXPECT_LT(minimize->rect.right, close->rect.left + 1);
    EXPECT_FALSE(CaptionButtonOfKind(skin::kCaptionMaximize)) << "a window that cannot be resized has no maximise";
}

TEST_F(SkinnedWindowTest, TheWindowShowsTheStretchedBackgroundPictureAndItsTitle) {
    LoadSkinned();
    const Pixels shown = Screen();
    const Pixels expected = StretchedBackground(shown.width, shown.height);
    int compared = 0;
    for (int y = 40; y < shown.height - 8; y += 7) {
        for (int x = 8; x < shown.width - 8; x += 7) {
            if (!ShowsBackground(x, y)) continue;
            ++compared;
            EXPECT_TRUE(Near(shown.At(x, y), expected.At(x, y), 24))
                << "(" << x << ", " << y << ") shows " << Hex(shown.At(x, y)) << ", the picture "
                << Hex(expected.At(x, y));
        }
    }
    EXPECT_GT(compared, 40) << "too few background points to judge";

    // The title "Pelorin MINI版" in white at the top left, where the picture
    // itself has no white.
    int titlePixels = 0, picturePixels = 0;
    for (int y = 2; y < 24; ++y)
        for (int x = 2; x < 140; ++x) {
            titlePixels += IsWhitish(shown.At(x, y));
            picturePixels += IsWhitish(expected.At(x, y));
        }
    EXPECT_GT(titlePixels, 60) << "no title text";
    EXPECT_LT(picturePixels, 5);
}

TEST_F(SkinnedWindowTest, EachButtonShowsTheFrameAndHoverFadesToTheBlueFrame) {
    LoadSkinned();
    const Pixels shown = Screen();
    for (ControlId id : kPresetButtons) {
        SCOPED_TRACE("button " + std::to_string(id));
        const RECT r = ClientRectOf(window->Control(id));
        EXPECT_TRUE(ShowsFrame(shown, r, FrameState::Normal));
    }
    // The mouse enters 群众笑声: after the fade it wears the hot frame, and
    // its neighbour keeps the normal one.
    const HWND button = window->Control(kButton1);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ASSERT_TRUE(PumpUntil([] { return skin::fadeList.empty(); }, 3000)) << "the fade never ended";
    PumpMessages(50);
    const Pixels hovered = Screen();
    EXPECT_TRUE(ShowsFrame(hovered, ClientRectOf(button), FrameState::Hot));
    EXPECT_FALSE(ShowsFrame(hovered, ClientRectOf(button), FrameState::Normal));
    EXPECT_TRUE(ShowsFrame(hovered, ClientRectOf(window->Control(kButton2)), FrameState::Normal));
}

TEST_F(SkinnedWindowTest, ACheckedBoxShowsTheCheckMarkAfterItsAnimation) {
    LoadSkinned();
    ASSERT_FALSE(window->IsChecked(kCheckBox1));
    ASSERT_TRUE(window->IsChecked(kCheckBox2));
    const auto glyphDifference = [this] {
        const Pixels shown = Screen();
        return MeanDifference(shown, GlyphRect(kCheckBox1), GlyphRect(kCheckBox2));
    };
    const double unchecked = glyphDifference();
    Click(kCheckBox1);
    PumpMessages(50);
    const double checked = glyphDifference();
    EXPECT_GT(unchecked, 10.0) << "an unchecked box looks like a checked one";
    EXPECT_LT(checked, 8.0) << "the clicked box does not look like the checked one";
    EXPECT_LT(checked * 3, unchecked);
}

TEST_F(SkinnedWindowTest, TheMoreButtonExpandsAndCollapsesAndTheExpandedPartIsPainted) {
    LoadSkinned();
    RECT before{};
    ::GetWindowRect(window->Handle(), &before);
    ASSERT_EQ(before.bottom - before.top, kCollapsedHeight);
    ClickCaptionButton(L"更多功能");
    RECT expanded{};
    ::GetWindowRect(window->Handle(), &expanded);
    EXPECT_EQ(expanded.bottom - expanded.top, kExpandedHeight);
    EXPECT_EQ(expanded.right - expanded.left, kMainWindowWidth);
    PumpMessages(100);

    const Pixels shown = Screen();
    ASSERT_EQ(shown.height, kExpandedHeight);
    // The header: theme cells, not the platform's button face.
    const HWND header = ListView_GetHeader(window->Control(kMusicList));
    const RECT headerRect = ClientRectOf(header);
    EXPECT_LT(ShareOfColor(shown, headerRect, ::GetSysColor(COLOR_BTNFACE)), 0.2) << "the header is not skinned";
    EXPECT_GT(CountDark(shown, headerRect), 10) << "the column titles are missing";
    // The list's border is one thin ring of one colour, with the list's
    // white inside it, where the platform draws a two-tone sunken edge.
    const RECT listRect = ClientRectOf(window->Control(kMusicList));
    const GxArgb ring = shown.At(listRect.left, listRect.top + 40);
    for (int y = listRect.top + 30; y < listRect.bottom - 4; y += 5) {
        EXPECT_TRUE(Near(shown.At(listRect.left, y), ring, 8)) << "y " << y;
        EXPECT_TRUE(Near(shown.At(listRect.right - 1, y), ring, 8)) << "y " << y;
        EXPECT_TRUE(IsWhitish(shown.At(listRect.left + 1, y))) << "y " << y << ": " << Hex(shown.At(listRect.left + 1, y));
    }
    EXPECT_FALSE(IsWhitish(ring));
    // The about line glows white.
    EXPECT_GT(CountWhitish(shown, ClientRectOf(window->Control(kLabel1))), 30) << "the about line is not drawn";

    ClickCaptionButton(L"更多功能");
    RECT collapsed{};
    ::GetWindowRect(window->Handle(), &collapsed);
    EXPECT_EQ(collapsed.bottom - collapsed.top, kCollapsedHeight);
    EXPECT_EQ(collapsed.right - collapsed.left, kMainWindowWidth);
}

TEST_F(SkinnedWindowTest, WithoutFramePicturesTheWindowIsSkinnedAndButtonsGetThePlainOutline) {
    LoadSkinned(/*withFramePictures=*/false);
    skin::FormRecord& form = Form();
    EXPECT_FALSE(form.hasButtonFrame);
    EXPECT_TRUE(form.frameBuffer) << "no rendered frame";
    EXPECT_TRUE(CaptionButtonWithTip(L"更多功能")) << "the 更多功能 button is missing";
    const Pixels shown = Screen();
    const Pixels background = StretchedBackground(shown.width, shown.height);
    for (ControlId id : kPresetButtons) {
        SCOPED_TRACE("button " + std::to_string(id));
        const RECT r = ClientRectOf(window->Control(id));
        EXPECT_FALSE(ShowsFrame(shown, r, FrameState::Normal));
        // The outline: the top edge's middle is darker than the white body
        // two rows below it.
        const int x = (r.left + r.right) / 2;
        EXPECT_LT(Luminance(shown.At(x, r.top)) + 30, Luminance(shown.At(x, r.top + 3)));
    }
    // The background picture is there all the same.
    int matching = 0, compared = 0;
    for (int x = 8; x < shown.width - 8; x += 9)
        if (ShowsBackground(x, 28)) {
            ++compared;
            matching += Near(shown.At(x, 28), background.At(x, 28), 24);
        }
    EXPECT_GT(compared, 10);
    EXPECT_EQ(matching, compared);
}

TEST_F(SkinnedWindowTest, RealMouseClicksOnSkinnedButtonsPlayAndAnimationsDoNotInterruptTheSound) {
    ASSERT_TRUE(CopyPresets(dir.Path()));
    LoadSkinned();
    const std::optional<PcmSound> sound = DecodeWhole(Data(L"yinxiao\\群众笑声.mp3"));
    ASSERT_TRUE(sound);
    const size_t before = 0;  // the first sound of this process
    MouseClick(window->Control(kButton1));
    // While it plays: a check-box animation and a fade on another button.
    PumpMessages(150);
    MouseClick(window->Control(kCheckBox3));
    ::SendMessageW(window->Control(kButton5), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound, before), *sound))
        << "the sound was not played whole and without gaps";
}

}  // namespace
}  // namespace pelorin::test

namespace pelorin::test {
namespace {

// What the name dialog showed while it was up.
struct SkinnedDialogSeen {
    bool skinned = false;
    std::int32_t closeAnimation = 0;
    bool buttonFrame = false;
    bool confirmSkinned = false;
    bool confirmOwnerDrawn = false;
    bool editFramed = false;
    std::wstring frameClass;
    RECT editInFrame{};
    RECT frameClient{};
    RECT dialogClient{};
    bool confirmInside = false;
    COLORREF editText = 0, editDisabledText = 0;
    GxArgb frameTop = 0, frameCorner = 0, inside = 0;
    int blueTextPixels = 0;
};

TEST_F(SkinnedWindowTest, EachSlotAssignmentOpensASkinnedNameDialogWithAFramedEdit) {
    ::CreateDirectoryW(Data(L"音效").c_str(), nullptr);
    ASSERT_TRUE(CopyPreset(L"敲锣声音.mp3", Data(L"音效\\掌声.mp3")));
    LoadSkinned();
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("assignment " + std::to_string(round));
        SkinnedDialogSeen seen;
        const auto nameDialog = [&](HWND dialog) {
            PumpMessages(200);
            skin::FormRecord* form = skin::formRegistry.At(skin::FindFormByWindow(dialog));
            seen.skinned = form != nullptr;
            if (form) {
                seen.closeAnimation = form->closeAnimation;
                seen.buttonFrame = form->hasButtonFrame;
                seen.confirmSkinned =
                    skin::FindButton(skin::FindFormByWindow(dialog), ::GetDlgItem(dialog, kNameDialogConfirmId)) > 0;
            }
            // The whole dialog is client area, and 确认 lies inside it.
            ::GetClientRect(dialog, &seen.dialogClient);
            RECT confirm{};
            ::GetWindowRect(::GetDlgItem(dialog, kNameDialogConfirmId), &confirm);
            ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&confirm), 2);
            seen.confirmInside = confirm.bottom <= seen.dialogClient.bottom && confirm.right <= seen.dialogClient.right;
            seen.confirmOwnerDrawn =
                (::GetWindowLongPtrW(::GetDlgItem(dialog, kNameDialogConfirmId), GWL_STYLE) & BS_TYPEMASK) ==
                BS_OWNERDRAW;
            const HWND edit = NameDialogEdit(dialog);
            const HWND frame = ::GetParent(edit);
            seen.editFramed = frame != dialog && skin::GetPropInt(edit, skin::prop::kFramed) == 1 &&
                              reinterpret_cast<HWND>(static_cast<INT_PTR>(skin::GetPropInt(edit, skin::prop::kFrameWindow))) == frame;
            wchar_t name[32]{};
            ::GetClassNameW(frame, name, 32);
            seen.frameClass = name;
            ::GetWindowRect(edit, &seen.editInFrame);
            ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&seen.editInFrame), 2);
            ::GetClientRect(frame, &seen.frameClient);
            seen.editText = static_cast<COLORREF>(skin::GetPropInt(edit, skin::prop::kTextColor));
            seen.editDisabledText = static_cast<COLORREF>(skin::GetPropInt(edit, skin::prop::kDisabledTextColor));
            // The frame's pixels, read from the screen.
            ::UpdateWindow(frame);
            POINT origin{0, 0};
            ::ClientToScreen(frame, &origin);
            const HDC screen = ::GetDC(nullptr);
            const auto at = [&](int x, int y) {
                const COLORREF c = ::GetPixel(screen, origin.x + x, origin.y + y);
                return 0xFF000000u | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
            };
            seen.frameTop = at(seen.frameClient.right / 2, 0);
            seen.frameCorner = at(0, 0);
            seen.inside = at(seen.frameClient.right / 2, 1);
            ::ReleaseDC(nullptr, screen);
            ::SetWindowTextW(NameDialogEdit(dialog), round == 1 ? L"掌声" : L"鼓掌");
            // The typed name in 0x00FF8800 (black text would give no blue).
            ::UpdateWindow(edit);
            PumpMessages(50);
            {
                RECT r{};
                ::GetWindowRect(edit, &r);
                const HDC desktop = ::GetDC(nullptr);
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.left + 40; ++x) {
                        const COLORREF c = ::GetPixel(desktop, x, y);
                        seen.blueTextPixels += GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 180;
                    }
                ::ReleaseDC(nullptr, desktop);
            }
            ::PostMessageW(::GetDlgItem(dialog, kNameDialogConfirmId), BM_CLICK, 0, 0);
        };
        HWND slot = window->Control(SlotButton(1));
        const size_t driven = WithModals(
            [slot] { ::SendMessageW(slot, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)); },
            {{kDialogClass, [this](HWND d) { ChooseFile(d, Data(L"音效\\掌声.mp3")); }}, {kNameDialogClass, nameDialog}});
        PumpMessages(50);
        ASSERT_EQ(driven, 2u);
        EXPECT_TRUE(seen.skinned) << "the name dialog has no form record";
        EXPECT_EQ(seen.closeAnimation, 2);
        EXPECT_TRUE(seen.buttonFrame);
        EXPECT_TRUE(seen.confirmSkinned);
        EXPECT_TRUE(seen.confirmOwnerDrawn);
        EXPECT_EQ(seen.dialogClient.right, kNameDialogWidth);
        EXPECT_EQ(seen.dialogClient.bottom, kNameDialogHeight);
        EXPECT_TRUE(seen.confirmInside) << "确认 is cut off";
        EXPECT_TRUE(seen.editFramed) << "the edit box is not inside its frame box";
        EXPECT_EQ(seen.frameClass, L"Static");
        EXPECT_EQ(seen.editInFrame.left, 3);
        EXPECT_EQ(seen.editInFrame.top, 3);
        EXPECT_EQ(seen.frameClient.right - seen.editInFrame.right, 3);
        EXPECT_EQ(seen.frameClient.bottom - seen.editInFrame.bottom, 3);
        EXPECT_EQ(seen.editText, 0x00FF8800u);
        EXPECT_EQ(seen.editDisabledText, 0x00808080u);
        EXPECT_GT(seen.blueTextPixels, 15) << "the name is not drawn in blue";
        // The outline: blue (0, 136, 255) at alpha 200 over the background.
        EXPECT_GT(Blue(seen.frameTop), 200) << Hex(seen.frameTop);
        EXPECT_LT(Red(seen.frameTop), 60) << Hex(seen.frameTop);
        EXPECT_GT(Blue(seen.frameTop), Green(seen.frameTop) + 60) << Hex(seen.frameTop);
        EXPECT_FALSE(Near(seen.frameCorner, seen.frameTop, 40)) << "the corner is not rounded";
        // Data.ini holds the name, as an unskinned program writes it.
        const Bytes ini = ReadAll(Data(L"Data.ini"));
        const std::string text(ini.begin(), ini.end());
        EXPECT_NE(text.find(ToGbk(round == 1 ? L"掌声" : L"鼓掌")), std::string::npos);
        EXPECT_EQ(window->ControlText(SlotButton(1)), round == 1 ? L"掌声" : L"鼓掌");
        EXPECT_EQ(window->SlotTip(1).GetToolCount(), 0) << "a filled slot still tells how to fill it";
        EXPECT_EQ(window->SlotTip(2).GetToolCount(), 1);
    }
}

std::wstring TipText(TipWindow& tip) {
    wchar_t text[256]{};
    // The slot's one tool, with its text, as the tooltip keeps it.
    TTTOOLINFOW enumerated{};
    enumerated.cbSize = sizeof(enumerated);
    enumerated.lpszText = text;
    if (!::SendMessageW(tip.GetTipHandle(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&enumerated))) return L"";
    return text;
}

TEST_F(SkinnedWindowTest, EmptySlotsTellInATooltipThatARightClickAssignsThem) {
    ASSERT_TRUE(CopyPreset(L"敲锣声音.mp3", Data(L"掌声.mp3")));
    const std::wstring ini = L"[按钮记录]\r\n按钮2=掌声\r\n[音乐播放]\r\n音乐2=" + Data(L"掌声.mp3") + L"\r\n";
    WriteAll(Data(L"Data.ini"), ToGbk(ini));
    LoadSkinned();
    for (int slot = 1; slot <= 4; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        TipWindow& tip = window->SlotTip(slot);
        if (slot == 2) {
            EXPECT_EQ(tip.GetTipHandle() ? tip.GetToolCount() : 0, 0);
            continue;
        }
        ASSERT_TRUE(tip.GetTipHandle());
        EXPECT_EQ(tip.GetToolCount(), 1);
        const std::wstring text = TipText(tip);
        EXPECT_NE(text.find(L"右键"), std::wstring::npos) << ToUtf8(text);
    }
}

}  // namespace
}  // namespace pelorin::test

namespace pelorin::test {
namespace {

TEST_F(SkinnedWindowTest, TheKeyboardStillWorksTabMovesTheFocusSpacePressesAltF4ClosesThroughTheAnimation) {
    ASSERT_TRUE(CopyPresets(dir.Path()));
    LoadSkinned();
    const HWND main = window->Handle();
    const HWND first = window->Control(kButton1);
    ::SetFocus(first);
    ASSERT_EQ(::GetFocus(), first);
    // Tab, as the program's message loop hands it to IsDialogMessage.
    MSG tab{first, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(::IsDialogMessageW(main, &tab));
    PumpMessages(20);
    const HWND next = ::GetFocus();
    EXPECT_NE(next, first);
    EXPECT_TRUE(next && ::IsChild(main, next)) << "the focus left the window";

    // Space on a focused preset button plays it.
    ::SetFocus(first);
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    ::SendMessageW(first, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::SendMessageW(first, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_TRUE(PumpUntil([&] { return GetPlaybackStats().playsStarted > started; }, 3000)) << "Space played nothing";

    // Alt+F4 (SC_CLOSE) closes through close animation 2.
    int frames = 0;
    skin::closeAnimationObserver = [&](const skin::CloseAnimationFrame&) { ++frames; };
    ::SendMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages(50);
    skin::closeAnimationObserver = nullptr;
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_GT(frames, 0) << "the window closed without its animation";
}

}  // namespace
}  // namespace pelorin::test
