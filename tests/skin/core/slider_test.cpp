// The slider painter and procedure through a real trackbar on the test form:
// pictures, hot pictures, the vector look with its selection band, and the
// trackbar's own behaviour kept.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/slider_pictures.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

RECT ChannelOf(HWND slider) {
    RECT r{};
    ::SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT ThumbOf(HWND slider) {
    RECT r{};
    ::SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

int Distance(GxArgb a, GxArgb b) {
    return std::abs(Red(a) - Red(b)) + std::abs(Green(a) - Green(b)) + std::abs(Blue(a) - Blue(b));
}

// The picture with every pixel that is not a slice marker replaced by `color`.
Bytes Recoloured(const Bytes& picture, GxArgb color) {
    Pixels p = DecodePixels(picture);
    for (GxArgb& px : p.argb)
        if (px != kMagenta) px = color;
    return EncodePixels(p);
}

Bytes Solid(int w, int h, GxArgb color) { return EncodePixels(Pixels(w, h, color)); }

constexpr GxArgb kRed = 0xFFFF0000;
constexpr GxArgb kGreen = 0xFF00FF00;
constexpr GxArgb kYellow = 0xFFFFFF00;

class SliderTest : public ::testing::Test {
protected:
    // The system's volume slider: horizontal, 344 x 16, no ticks.
    HWND AddVolumeSlider(DWORD extraStyle = 0) {
        HWND slider = form.Add(TRACKBAR_CLASSW, WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | extraStyle, 40, 40, 344, 16);
        ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        return slider;
    }
    void Paint(HWND slider) { skin::PaintSlider(form.FormIndex(), skin::GetPropInt(slider, skin::prop::kListIndex)); }
    // The colour in the middle row of the channel picture's tiled part.
    static GxArgb MiddleOf(const Bytes& picture) { return DecodePixels(picture).At(9, 2); }

    SkinnedTestForm form{KnownFrameForm(100, 80, 460, 320)};
    const Bytes grey = LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey);
    const Bytes blue = LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue);
    const Bytes thumb = LoadEmbeddedPicture(EmbeddedPicture::SliderThumb);
};

TEST_F(SliderTest, AtTheMaximumTheFilledPartCoversTheWholeChannel) {
    HWND slider = AddVolumeSlider();
    // An invisible thumb leaves the whole channel in view.
    ASSERT_TRUE(skin::LoadSliderPictures(form.SliderOf(slider), Solid(13, 15, 0), grey, blue));
    const GxArgb filled = MiddleOf(blue), empty = MiddleOf(grey);
    ASSERT_GT(Distance(filled, empty), 60);

    const RECT c = ChannelOf(slider);
    const int row = c.top + 2;
    const auto filledColumns = [&](int from, int to) {
        const Pixels p = WholeWindowPixels(slider);
        int count = 0;
        for (int x = from; x < to; ++x) count += Distance(p.At(x, row), filled) < Distance(p.At(x, row), empty);
        return count;
    };

    ::SendMessageW(slider, TBM_SETPOS, TRUE, 99);
    Paint(slider);
    const RECT t = ThumbOf(slider);
    const int thumbCentre = t.left + (t.right - t.left) / 2;
    // One step below the maximum the part right of the thumb's centre is empty ...
    EXPECT_EQ(filledColumns(thumbCentre + 2, c.right - 2), 0);
    EXPECT_EQ(filledColumns(c.left + 2, thumbCentre - 2), thumbCentre - 2 - (c.left + 2));

    // ... and at the maximum the filled part reaches the channel's end.
    ::SendMessageW(slider, TBM_SETPOS, TRUE, 100);
    Paint(slider);
    EXPECT_EQ(filledColumns(c.left + 2, c.right - 2), (c.right - 2) - (c.left + 2));
}

TEST_F(SliderTest, HotPicturesAreUsedForAllThreePartsWhileTheMouseIsOver) {
    HWND slider = AddVolumeSlider();
    const Bytes hotThumb = Solid(13, 15, kGreen);
    const Bytes hotChannel = Recoloured(grey, kRed);
    const Bytes hotFilled = Recoloured(blue, kYellow);
    ASSERT_TRUE(skin::LoadSliderPictures(form.SliderOf(slider), thumb, grey, blue, &hotThumb, &hotChannel, &hotFilled));
    ::SendMessageW(slider, TBM_SETPOS, TRUE, 50);

    const RECT c = ChannelOf(slider);
    const RECT t = ThumbOf(slider);
    const int row = c.top + 2;
    const int filledX = c.left + 20, emptyX = c.right - 20;
    const POINT thumbCentre{t.left + (t.right - t.left) / 2, t.top + (t.bottom - t.top) / 2};

    POINT screen{40, 8};
    ::ClientToScreen(slider, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(slider, WM_MOUSEMOVE, 0, MAKELPARAM(40, 8));
    EXPECT_TRUE(form.SliderOf(slider).hot);
    Pixels p = WholeWindowPixels(slider);
    EXPECT_TRUE(Near(p.At(emptyX, row), kRed, 10)) << Hex(p.At(emptyX, row));
    EXPECT_TRUE(Near(p.At(filledX, row), kYellow, 10)) << Hex(p.At(filledX, row));
    EXPECT_TRUE(Near(p.At(thumbCentre.x, thumbCentre.y), kGreen, 10)) << Hex(p.At(thumbCentre.x, thumbCentre.y));

    ::SendMessageW(slider, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(form.SliderOf(slider).hot);
    p = WholeWindowPixels(slider);
    EXPECT_LT(Distance(p.At(emptyX, row), MiddleOf(grey)), 30) << Hex(p.At(emptyX, row));
    EXPECT_LT(Distance(p.At(filledX, row), MiddleOf(blue)), 30) << Hex(p.At(filledX, row));
    EXPECT_FALSE(Near(p.At(thumbCentre.x, thumbCentre.y), kGreen, 60));
}

TEST_F(SliderTest, MovingFromAButtonWithTheSameIndexRepaintsTheSlider) {
    HWND slider = AddVolumeSlider();
    skin::FormRecord& record = form.Record();
    const std::int32_t index = skin::GetPropInt(slider, skin::prop::kListIndex);
    record.hotKind = skin::kHotButton;  // a button with the slider's list index was hot
    record.lastHotControl = index;
    ::SendMessageW(slider, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(form.SliderOf(slider).hot);
    EXPECT_EQ(record.hotKind, 2);
    EXPECT_EQ(record.lastHotControl, index);
}

// Band pixels of the vector look: the middle of the 2-pixel bands.
class VectorSliderTest : public SliderTest {
protected:
    GxArgb BandPixel(HWND slider, int x) {
        const RECT c = ChannelOf(slider);
        const int barTop = c.top + (c.bottom - c.top - 4) / 2;
        return WholeWindowPixels(slider).At(x, barTop + 2);
    }
    int ChannelX(HWND slider, int value) {
        const RECT c = ChannelOf(slider);
        return c.left + value * (c.right - c.left) / 100;
    }
};

TEST_F(VectorSliderTest, WithoutPicturesTheSelectionBandIsDrawnWhereTheSelectionLies) {
    HWND plain = AddVolumeSlider();
    HWND ranged = form.Add(TRACKBAR_CLASSW, WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE, 40, 80, 344, 16);
    ::SendMessageW(ranged, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    for (HWND s : {plain, ranged}) {
        ::SendMessageW(s, TBM_SETPOS, TRUE, 10);
        ::SendMessageW(s, TBM_SETSEL, TRUE, MAKELPARAM(40, 70));
        Paint(s);
    }
    const int inside = ChannelX(ranged, 55), outside = ChannelX(ranged, 85);
    const GxArgb selected = BandPixel(ranged, inside);
    // The band is near white; the bare bar outside it and the bar of the
    // slider without a selection range are darker.
    EXPECT_GT(Green(selected), Green(BandPixel(ranged, outside)) + 25) << Hex(selected);
    EXPECT_GT(Green(selected), Green(BandPixel(plain, ChannelX(plain, 55))) + 25) << Hex(selected);

    // The filled band before the thumb carries the theme colour (blue over red).
    const GxArgb filled = BandPixel(ranged, ChannelX(ranged, 3));
    EXPECT_GT(Blue(filled), Red(filled) + 40) << Hex(filled);
    // The thumb is a light circle on the bar.
    const RECT t = ThumbOf(ranged);
    const GxArgb knob = BandPixel(ranged, t.left + (t.right - t.left) / 2);
    EXPECT_GT(Red(knob), 200) << Hex(knob);
}

TEST_F(VectorSliderTest, AtTheMaximumTheFilledBandEndsAtTheChannelEnd) {
    HWND slider = AddVolumeSlider();
    ::SendMessageW(slider, TBM_SETPOS, TRUE, 100);
    Paint(slider);
    const RECT c = ChannelOf(slider);
    const Pixels p = WholeWindowPixels(slider);
    const int barTop = c.top + (c.bottom - c.top - 4) / 2;
    // Right of the channel nothing of the theme colour: the band stops there.
    for (int x = c.right + 2; x < 344; ++x) {
        const GxArgb px = p.At(x, barTop + 2);
        EXPECT_LT(Blue(px) - Red(px), 30) << "column " << x << " " << Hex(px);
    }
}

TEST_F(SliderTest, KeyboardAndDraggingStillMoveTheTrackbarAndNotifyTheParent) {
    HWND slider = AddVolumeSlider();
    ASSERT_TRUE(skin::LoadSliderPictures(form.SliderOf(slider), thumb, grey, blue));
    ::SendMessageW(slider, TBM_SETPOS, TRUE, 20);
    ::SetFocus(slider);
    const int before = form.Messages().hScrolls;
    ::SendMessageW(slider, WM_KEYDOWN, VK_RIGHT, 0);
    ::SendMessageW(slider, WM_KEYUP, VK_RIGHT, 0);
    EXPECT_EQ(::SendMessageW(slider, TBM_GETPOS, 0, 0), 21);
    EXPECT_GT(form.Messages().hScrolls, before);

    const RECT t = ThumbOf(slider);
    const int y = t.top + (t.bottom - t.top) / 2;
    const int x = t.left + (t.right - t.left) / 2;
    const int dragged = form.Messages().hScrolls;
    ::SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 150, y));
    ::SendMessageW(slider, WM_LBUTTONUP, 0, MAKELPARAM(x + 150, y));
    PumpMessages(20);
    EXPECT_GT(::SendMessageW(slider, TBM_GETPOS, 0, 0), 50);
    EXPECT_GT(form.Messages().hScrolls, dragged);
}

TEST_F(SliderTest, APaintGoesToTheWindowAndToTheCompositeCopy) {
    HWND slider = AddVolumeSlider();
    ASSERT_TRUE(skin::LoadSliderPictures(form.SliderOf(slider), thumb, grey, blue));
    form.FillFrameCopy(0xFF102030);
    ::InvalidateRect(slider, nullptr, TRUE);
    ::UpdateWindow(slider);
    const Pixels shown = WholeWindowPixels(slider);
    const Pixels copy = form.FrameCopyPixels(slider);
    ASSERT_EQ(shown.argb.size(), copy.argb.size());
    int same = 0;
    for (std::size_t i = 0; i < shown.argb.size(); ++i) same += Near(shown.argb[i], copy.argb[i], 2);
    EXPECT_EQ(same, static_cast<int>(shown.argb.size()));
    // The corner outside the rounded panel keeps the form pixel behind it.
    EXPECT_TRUE(Near(shown.At(0, 0), GreyRamp(40, 40), 12)) << Hex(shown.At(0, 0));
}

}  // namespace
}  // namespace pelorin::test
