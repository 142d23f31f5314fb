// The configuration calls on real skinned windows: the theme, text colours
// of buttons, slider pictures.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/skin_config.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr std::uint32_t kSentinel = 0xFF123456;

// Keeps the skin-wide theme of the process as it was.
class SkinTheme : public ::testing::Test {
protected:
    void TearDown() override {
        skin::skinDefaults.themeColor = themeColor_;
        skin::skinDefaults.skinBackgroundColor = backgroundColor_;
        skin::skinDefaults.skinBackgroundPicture = picture_;
        skin::skinDefaults.skinPictureMode = mode_;
    }
    // Marks the form's rendered frame: a new render overwrites the mark.
    static void Mark(const SkinnedTestForm& w) { w.Record().frameBuffer->Pixels()[0] = kSentinel; }
    static bool Rendered(const SkinnedTestForm& w) {
        return !w.Record().frameBuffer || w.Record().frameBuffer->Pixels()[0] != kSentinel;
    }

private:
    COLORREF themeColor_ = skin::skinDefaults.themeColor;
    COLORREF backgroundColor_ = skin::skinDefaults.skinBackgroundColor;
    Bytes picture_ = skin::skinDefaults.skinBackgroundPicture;
    std::int32_t mode_ = skin::skinDefaults.skinPictureMode;
};

TEST_F(SkinTheme, OnlyAThemeColourChangesNothingElse) {
    SkinnedTestForm w{TestWindow()};
    ASSERT_TRUE(w.Record().frameBuffer);
    Mark(w);
    const COLORREF background = skin::skinDefaults.skinBackgroundColor;
    const Bytes picture = skin::skinDefaults.skinBackgroundPicture;
    skin::SetSkinTheme({.themeColor = 0x00112233});
    EXPECT_EQ(skin::skinDefaults.themeColor, 0x00112233u);
    EXPECT_EQ(skin::skinDefaults.skinBackgroundColor, background);
    EXPECT_EQ(skin::skinDefaults.skinBackgroundPicture, picture);
    EXPECT_FALSE(Rendered(w));
    // An omitted theme colour is the default one.
    skin::SetSkinTheme({});
    EXPECT_EQ(skin::skinDefaults.themeColor, skin::kDefaultThemeColor);
    EXPECT_FALSE(Rendered(w));
}

TEST_F(SkinTheme, AFollowingThemeTakesThePicturesColourAndVisibleFormsRenderAgain) {
    SkinnedTestForm shown{TestWindow()};
    SkinnedTestForm hidden{TestWindow()};
    ::ShowWindow(hidden.Window(), SW_HIDE);
    Mark(shown);
    Mark(hidden);
    const Bytes picture = SolidPicture(40, 30, 0xFF2040A0);
    skin::SetSkinTheme({.pictureData = picture, .themeColor = skin::kThemeFollowsBackground});
    EXPECT_EQ(skin::skinDefaults.skinBackgroundColor, RGB(0x20, 0x40, 0xA0));
    EXPECT_EQ(skin::skinDefaults.themeColor, RGB(0x20, 0x40, 0xA0));
    EXPECT_EQ(skin::skinDefaults.skinPictureMode, 4);
    EXPECT_EQ(skin::skinDefaults.skinBackgroundPicture, picture);
    EXPECT_TRUE(Rendered(shown));
    EXPECT_FALSE(Rendered(hidden));
    // The new frame shows the picture's colour (tiled across the top).
    EXPECT_TRUE(Near(shown.Record().frameBuffer->PixelAt(180, 15) | 0xFF000000u, 0xFF2040A0, 40))
        << Hex(shown.Record().frameBuffer->PixelAt(180, 15));

    // A given background colour wins over the picture's; the theme keeps its own.
    skin::SetSkinTheme(
        {.pictureData = picture, .backgroundColor = 0x00010203, .themeColor = 0x00445566, .pictureMode = 0});
    EXPECT_EQ(skin::skinDefaults.skinBackgroundColor, 0x00010203u);
    EXPECT_EQ(skin::skinDefaults.themeColor, 0x00445566u);
    // Mode 0 keeps the picture with its edges faded into the colour.
    const Pixels faded = DecodePixels(skin::skinDefaults.skinBackgroundPicture);
    EXPECT_EQ(faded.width, 40);
    EXPECT_EQ(faded.height, 30);
    EXPECT_NE(skin::skinDefaults.skinBackgroundPicture, picture);
}

TEST_F(SkinTheme, AFileIsKeptAsPngAndAnUnreadableOneAsNothing) {
    TempDir dir;
    const std::wstring file = dir.File(L"背景.png");
    WriteAll(file, SolidPicture(16, 8, 0xFF808000));
    skin::SetSkinTheme({.picturePath = file, .pictureMode = 3});
    const Bytes& kept = skin::skinDefaults.skinBackgroundPicture;
    ASSERT_GE(kept.size(), 8u);
    EXPECT_EQ(kept[1], 'P');
    EXPECT_EQ(DecodePixels(kept).width, 16);
    EXPECT_EQ(skin::skinDefaults.skinPictureMode, 3);

    WriteAll(file, std::string_view("not a picture"));
    skin::SetSkinTheme({.picturePath = file, .backgroundColor = 0x00203040, .pictureMode = 2});
    EXPECT_TRUE(skin::skinDefaults.skinBackgroundPicture.empty());
    EXPECT_EQ(skin::skinDefaults.skinBackgroundColor, 0x00203040u);

    // A colour alone clears the picture.
    skin::SetSkinTheme({.backgroundColor = 0x00405060});
    EXPECT_TRUE(skin::skinDefaults.skinBackgroundPicture.empty());
    EXPECT_EQ(skin::skinDefaults.skinBackgroundColor, 0x00405060u);
}

TEST(ControlTextColors, ButtonsTakeTheirColoursAndALabelIsRefused) {
    HWND button = nullptr;
    HWND label = nullptr;
    SkinnedTestForm w{TestWindow(0, TestWindowSettings(), [&](HWND window) {
        button = AddChild(window, L"BUTTON", BS_PUSHBUTTON, 20, 60, 80, 24, L"按钮1");
        label = AddChild(window, L"Static", 0, 20, 100, 80, 20, L"标签1");
    })};
    ASSERT_EQ(skin::FindButton(w.FormIndex(), button), 1);
    // A label registered in its own list carries the same two index properties.
    skin::FormRecord& f = w.Record();
    f.labels[f.labels.Take()].window = label;
    skin::SetPropValue(label, skin::prop::kFormIndex, w.FormIndex());
    skin::SetPropValue(label, skin::prop::kListIndex, 1);
    const COLORREF glowBefore = f.buttons[1].glowColor;
    EXPECT_EQ(skin::SetControlTextColors(label, 0x00FFFFFF, 0x00FF8800), 0);
    EXPECT_EQ(f.buttons[1].glowColor, glowBefore);
    EXPECT_EQ(skin::GetPropValue(label, skin::prop::kTextColor), 0);

    EXPECT_EQ(skin::SetControlTextColors(button, 0x00FFFFFF, 0x00FF8800), 1);
    EXPECT_EQ(skin::GetPropValue(button, skin::prop::kTextColor), 0x00FFFFFF);
    EXPECT_EQ(f.buttons[1].glowColor, 0x00FF8800u);
    EXPECT_EQ(skin::SetControlTextColors(button), 1);
    EXPECT_EQ(skin::GetPropValue(button, skin::prop::kTextColor), 0x00FFFFFF);
    EXPECT_EQ(f.buttons[1].glowColor, skin::kDefaultHotTextColor);
}

int BluePixels(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    HDC dc = ::GetDC(window);
    int count = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            const COLORREF c = ::GetPixel(dc, x, y);
            count += GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 20;
        }
    ::ReleaseDC(window, dc);
    return count;
}

TEST(SliderPictures, TheSliderSwitchesToItsPicturesAndRepaints) {
    const COLORREF theme = skin::skinDefaults.themeColor;
    skin::skinDefaults.themeColor = 0x000000FF;  // a red vector look, so that the blue picture stands out
    HWND slider = nullptr;
    SkinnedTestForm w{TestWindow(0, TestWindowSettings(), [&](HWND window) {
        slider = AddChild(window, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS, 20, 200, 300, 24);
        ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        ::SendMessageW(slider, TBM_SETPOS, TRUE, 70);
    })};
    const std::int32_t index = skin::FindSlider(w.FormIndex(), slider);
    ASSERT_GT(index, 0);
    ::UpdateWindow(slider);
    PumpMessages(30);
    EXPECT_FALSE(w.Record().sliders[index].hasPictures);
    EXPECT_LT(BluePixels(slider), 10);

    const skin::SliderPicture thumb{LoadEmbeddedPicture(EmbeddedPicture::SliderThumb), std::nullopt};
    const skin::SliderPicture channel{LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey), std::nullopt};
    const skin::SliderPicture filled{LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue), std::nullopt};
    EXPECT_EQ(skin::SetSliderPictures(slider, thumb, channel, filled), 1);
    EXPECT_TRUE(w.Record().sliders[index].hasPictures);
    ::UpdateWindow(slider);
    PumpMessages(30);
    EXPECT_GT(BluePixels(slider), 40);

    HWND loose = AddChild(w.Window(), TRACKBAR_CLASSW, 0, 20, 300, 100, 24);
    EXPECT_EQ(skin::SetSliderPictures(loose, thumb, channel, filled), 0);
    skin::skinDefaults.themeColor = theme;
}

}  // namespace
}  // namespace pelorin::test
