#include "skin/pictures/nine_slice_frame.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_object.h"
#include "picture_test_util.h"
#include "skin/pictures/embedded_pictures.h"

namespace pelorin {
namespace {

using test::DecodePixels;
using test::EncodePixels;
using test::Hex;
using test::kMagenta;
using test::Near;
using test::Pixels;
using test::Render;

constexpr GxArgb kBackground = 0xFF102030;
constexpr GxArgb kJunk = 0xFF808080;  // pixels that belong to no slice
// One opaque colour per slice, in slice order.
constexpr std::array<GxArgb, 9> kSliceColours{0xFFE00000, 0xFF00E000, 0xFF0000E0, 0xFFE0E000, 0xFF00E0E0,
                                              0xFFE000E0, 0xFF804000, 0xFF004080, 0xFFF0F0F0};

enum Band { Low, Middle, High, None };

// Which band of a marked frame picture (corners `corner`, edges `edge` long)
// coordinate v falls in; the gap beside the first marker and the markers
// belong to none.
Band PictureBand(int v, int corner, int edge) {
    if (v < corner) return Low;
    if (v < corner + 2) return None;
    if (v < corner + 2 + edge) return Middle;
    if (v == corner + 2 + edge) return None;
    return High;
}

int SliceOf(Band column, Band row) {
    static constexpr int kSlice[3][3] = {{0, 4, 1}, {5, 8, 7}, {2, 6, 3}};  // [column][row]
    return kSlice[column][row];
}

// A frame picture in the marker format whose nine slices are each one colour.
Pixels MarkedFramePicture(int corner, int edge) {
    const int size = 2 * corner + edge + 3;
    Pixels p(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Band column = PictureBand(x, corner, edge);
            const Band row = PictureBand(y, corner, edge);
            p.At(x, y) = (column == None || row == None) ? kJunk : kSliceColours[SliceOf(column, row)];
        }
    }
    const int first = corner + 1;
    const int last = corner + 2 + edge;
    for (const int m : {first, last}) {
        p.At(m, 1) = kMagenta;         // column boundaries
        p.At(1, m) = kMagenta;         // rows of the left side
        p.At(size - 1, m) = kMagenta;  // rows of the right side
    }
    return p;
}

// The colour a marked frame drawn into `width` x `height` shows at (u, v).
GxArgb ExpectedFramePixel(int u, int v, int width, int height, int corner) {
    const auto band = [corner](int value, int extent) {
        return value < corner ? Low : (value >= extent - corner ? High : Middle);
    };
    return kSliceColours[SliceOf(band(u, width), band(v, height))];
}

// A 24 x 4 slider channel whose every column has its own colour and whose
// columns 7 and 11 are entirely magenta.
Pixels ChannelPicture() {
    Pixels p(24, 4);
    for (int x = 0; x < 24; ++x) {
        for (int y = 0; y < 4; ++y) {
            p.At(x, y) = (x == 7 || x == 11) ? kMagenta
                                             : 0xFF000000u | static_cast<GxArgb>(x * 10) << 16 |
                                                   static_cast<GxArgb>(255 - x * 10) << 8 | static_cast<GxArgb>(y * 60);
        }
    }
    return p;
}

void ExpectPixelsEqual(const Pixels& actual, const Pixels& expected, const char* what) {
    ASSERT_EQ(actual.width, expected.width) << what;
    ASSERT_EQ(actual.height, expected.height) << what;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x)
            ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << what << " at (" << x << ", " << y << ")";
}

// What one of the nine records of a cut must be: a size with bytes, {0, 0}
// for a byteless record, or {} for a byteless record of any size.
struct Shape {
    int width = -1, height = -1;
};

void ExpectSlices(const SliceList& slices, const std::array<Shape, 9>& shapes) {
    ASSERT_EQ(slices.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        if (shapes[k].width >= 0) {
            EXPECT_EQ(slices[k].width, shapes[k].width) << "slice " << k + 1;
            EXPECT_EQ(slices[k].height, shapes[k].height) << "slice " << k + 1;
        }
        EXPECT_EQ(!slices[k].png.empty(), shapes[k].width > 0) << "slice " << k + 1;
    }
}

// Every pixel of `drawn` is near the colour `expected` gives for it.
void ExpectEveryPixel(const Pixels& drawn, const std::function<GxArgb(int x, int y)>& expected) {
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            const GxArgb colour = expected(x, y);
            ASSERT_TRUE(Near(drawn.At(x, y), colour))
                << "(" << x << ", " << y << ") is " << Hex(drawn.At(x, y)) << ", expected " << Hex(colour);
        }
    }
}

Pixels DrawFrame(const NineSliceFrame& frame, int surfaceWidth, int surfaceHeight) {
    return Render(surfaceWidth, surfaceHeight, kBackground, [&](GxGraphics& g) { frame.DrawNormal(g); });
}

// --- cutting ---------------------------------------------------------------

TEST(NineSliceCut, ChannelWithMarkerColumnsKeepsItsEndsAndTilesItsMiddle) {
    const Pixels channel = ChannelPicture();
    SliceList slices;
    ASSERT_EQ(NineSliceFrame::SliceInto(EncodePixels(channel), slices), (4 << 16) | 24);
    ASSERT_NO_FATAL_FAILURE(ExpectSlices(slices, {{{6, 4}, {0, 0}, {12, 4}, {0, 0}, {}, {3, 4}, {}, {}, {}}}));
    ExpectPixelsEqual(DecodePixels(slices[0].png), channel.Columns(0, 6), "left end");
    ExpectPixelsEqual(DecodePixels(slices[2].png), channel.Columns(12, 12), "right end");
    ExpectPixelsEqual(DecodePixels(slices[5].png), channel.Columns(8, 3), "middle");

    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(EncodePixels(channel)));
    frame.SetBounds(0, 0, 100, 4);
    ExpectEveryPixel(DrawFrame(frame, 100, 4), [&channel](int x, int y) {
        return channel.At(x < 6 ? x : (x >= 88 ? x - 88 + 12 : 8 + (x - 6) % 3), y);  // its source column
    });
}

TEST(NineSliceCut, ShippedSliderChannelsFollowTheChannelLayout) {
    for (const EmbeddedPicture id : {EmbeddedPicture::SliderChannelGrey, EmbeddedPicture::SliderChannelBlue}) {
        SCOPED_TRACE(static_cast<int>(id));
        SliceList slices;
        ASSERT_EQ(NineSliceFrame::SliceInto(LoadEmbeddedPicture(id), slices), 0x00040018);
        ExpectSlices(slices, {{{6, 4}, {}, {12, 4}, {}, {}, {3, 4}, {}, {}, {}}});
    }
}

TEST(NineSliceCut, PictureWithoutMarkersIsOneCornerDrawnOnceAtNaturalSize) {
    Pixels picture(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) picture.At(x, y) = 0xFF000000u | static_cast<GxArgb>(x * 50) << 8 | (y * 60);
    SliceList slices;
    ASSERT_EQ(NineSliceFrame::SliceInto(EncodePixels(picture), slices), (4 << 16) | 5);
    ASSERT_NO_FATAL_FAILURE(ExpectSlices(slices, {{{5, 4}, {0, 0}, {0, 0}, {0, 0}, {}, {}, {}, {}, {}}}));
    ExpectPixelsEqual(DecodePixels(slices[0].png), picture, "whole picture");

    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(EncodePixels(picture)));
    frame.SetBounds(2, 3, 14, 9);
    ExpectEveryPixel(DrawFrame(frame, 20, 14), [&picture](int x, int y) {
        const bool inPicture = x >= 2 && x < 7 && y >= 3 && y < 7;
        return inPicture ? picture.At(x - 2, y - 3) : kBackground;
    });
}

TEST(NineSliceCut, MarkersOnlyInRowOneGiveFullHeightCornersAndTopEdge) {
    Pixels picture(12, 6, 0xFF336699);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 12; ++x) picture.At(x, y) = 0xFF000000u | static_cast<GxArgb>(x * 20) << 16 | (y * 40);
    }
    picture.At(3, 1) = kMagenta;
    picture.At(8, 1) = kMagenta;
    SliceList slices;
    ASSERT_EQ(NineSliceFrame::SliceInto(EncodePixels(picture), slices), (6 << 16) | 12);
    ASSERT_NO_FATAL_FAILURE(ExpectSlices(slices, {{{2, 6}, {0, 0}, {3, 6}, {0, 0}, {}, {4, 6}, {}, {}, {}}}));
    ExpectPixelsEqual(DecodePixels(slices[0].png), picture.Columns(0, 2), "left corner");
    ExpectPixelsEqual(DecodePixels(slices[2].png), picture.Columns(9, 3), "right corner");
    ExpectPixelsEqual(DecodePixels(slices[5].png), picture.Columns(4, 4), "top edge");
}

TEST(NineSliceCut, ResultPacksHeightAboveWidthAndLoadUnpacksIt) {
    const Bytes picture = EncodePixels(Pixels(161, 28, 0xFF445566));
    SliceList slices;
    EXPECT_EQ(NineSliceFrame::SliceInto(picture, slices), 0x001C00A1);
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(picture));
    EXPECT_EQ(frame.GetNormalSize(), (PictureSize{161, 28}));
}

TEST(NineSliceCut, UndecodablePictureGivesNineBytelessSlices) {
    for (const Bytes& bad : {Bytes{}, Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}}) {
        SliceList slices{{1, 1, {1}}};
        EXPECT_EQ(NineSliceFrame::SliceInto(bad, slices), 0);
        ExpectSlices(slices, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {}, {}, {}, {}, {}}});
    }
}

// --- loading ---------------------------------------------------------------

TEST(NineSliceLoad, OnlyNormalPictureServesAllFourStates) {
    NineSliceFrame frame;
    EXPECT_FALSE(frame.IsLoaded());
    ASSERT_TRUE(frame.Load(EncodePixels(MarkedFramePicture(3, 2))));
    EXPECT_TRUE(frame.IsLoaded());
    ASSERT_EQ(frame.NormalSlices().size(), 9u);
    for (int k = 0; k < 9; ++k) EXPECT_FALSE(frame.NormalSlices()[k].png.empty()) << "slice " << k + 1;
    EXPECT_EQ(frame.HotSlices(), frame.NormalSlices());
    EXPECT_EQ(frame.FocusedSlices(), frame.NormalSlices());
    EXPECT_EQ(frame.DisabledSlices(), frame.NormalSlices());
    const PictureSize size{11, 11};
    EXPECT_EQ(frame.GetNormalSize(), size);
    EXPECT_EQ(frame.GetHotSize(), size);
    EXPECT_EQ(frame.GetFocusedSize(), size);
    EXPECT_EQ(frame.GetDisabledSize(), size);
}

TEST(NineSliceLoad, CornerSizeAndBorderWidthDefaultToTenAndThree) {
    const Bytes picture = EncodePixels(MarkedFramePicture(3, 2));
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(picture));
    EXPECT_EQ(frame.GetCornerSize(), 10);
    EXPECT_EQ(frame.GetBorderWidth(), 3);
    ASSERT_TRUE(frame.Load(picture, nullptr, nullptr, nullptr, 3, 3));
    EXPECT_EQ(frame.GetCornerSize(), 3);
    EXPECT_EQ(frame.GetBorderWidth(), 3);
    ASSERT_TRUE(frame.Load(picture, nullptr, nullptr, nullptr, 7, std::nullopt));
    EXPECT_EQ(frame.GetCornerSize(), 7);
    EXPECT_EQ(frame.GetBorderWidth(), 3);
}

TEST(NineSliceLoad, EachStateKeepsItsOwnPictureAndSize) {
    const Bytes normal = EncodePixels(MarkedFramePicture(3, 2));
    const Bytes hot = EncodePixels(MarkedFramePicture(2, 4));
    const Bytes disabled = EncodePixels(Pixels(7, 5, 0xFF999999));
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(normal, &hot, nullptr, &disabled));
    EXPECT_EQ(frame.GetHotSize(), (PictureSize{11, 11}));
    EXPECT_EQ(frame.HotSlices()[0].width, 2);
    EXPECT_EQ(frame.FocusedSlices(), frame.NormalSlices());  // not given: falls back
    EXPECT_EQ(frame.GetFocusedSize(), frame.GetNormalSize());
    EXPECT_EQ(frame.GetDisabledSize(), (PictureSize{7, 5}));
    EXPECT_EQ(frame.DisabledSlices()[0].width, 7);
}

// A second Load starts from scratch: nothing of the first survives. (Load can
// only fail when a cut does not give nine records, which the cut never does,
// so a failing second Load cannot be produced; an undecodable normal picture
// is the nearest case: loaded, but nothing left to draw.)
TEST(NineSliceLoad, SecondLoadReplacesEverything) {
    const Bytes first = EncodePixels(MarkedFramePicture(3, 2));
    const Bytes firstHot = EncodePixels(MarkedFramePicture(2, 4));
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(first, &firstHot, &firstHot, &firstHot, 5, 6));

    const Bytes second = EncodePixels(MarkedFramePicture(4, 1));
    ASSERT_TRUE(frame.Load(second));
    EXPECT_EQ(frame.NormalSlices()[0].width, 4);
    EXPECT_EQ(frame.HotSlices(), frame.NormalSlices());
    EXPECT_EQ(frame.GetHotSize(), (PictureSize{12, 12}));
    EXPECT_EQ(frame.GetCornerSize(), 10);
    EXPECT_EQ(frame.GetBorderWidth(), 3);

    ASSERT_TRUE(frame.Load(Bytes{}));
    EXPECT_TRUE(frame.IsLoaded());
    EXPECT_EQ(frame.GetNormalSize(), (PictureSize{0, 0}));
    for (const SliceRecord& slice : frame.HotSlices()) EXPECT_TRUE(slice.png.empty());
    frame.SetBounds(0, 0, 20, 20);
    const Pixels drawn = DrawFrame(frame, 20, 20);
    for (const GxArgb pixel : drawn.argb) ASSERT_EQ(pixel, kBackground);
}

TEST(NineSliceLoad, GivenButEmptyHotPictureGetsBytelessSlicesInsteadOfFallingBack) {
    const Bytes normal = EncodePixels(MarkedFramePicture(3, 2));
    const Bytes missingFile;
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(normal, &missingFile, nullptr, nullptr, 3, 3));
    ASSERT_EQ(frame.HotSlices().size(), 9u);
    for (const SliceRecord& slice : frame.HotSlices()) EXPECT_TRUE(slice.png.empty());
    EXPECT_EQ(frame.GetHotSize(), (PictureSize{0, 0}));
    EXPECT_EQ(frame.FocusedSlices(), frame.NormalSlices());

    frame.SetBounds(0, 0, 24, 16);
    const Pixels hot = Render(24, 16, kBackground, [&](GxGraphics& g) { frame.DrawHot(g); });
    for (const GxArgb pixel : hot.argb) ASSERT_EQ(pixel, kBackground);
    const Pixels normalDrawn = DrawFrame(frame, 24, 16);
    EXPECT_TRUE(Near(normalDrawn.At(0, 0), kSliceColours[0]));
}

TEST(NineSliceLoad, CopiesAreDeepAndIndependent) {
    NineSliceFrame original;
    const Bytes hot = EncodePixels(MarkedFramePicture(2, 4));
    ASSERT_TRUE(original.Load(EncodePixels(MarkedFramePicture(3, 2)), &hot, nullptr, nullptr, 3, 3));
    original.SetBounds(1, 2, 30, 20);
    NineSliceFrame copy = original;
    const SliceList hotBefore = copy.HotSlices();
    ASSERT_TRUE(original.Load(EncodePixels(Pixels(4, 4, 0xFF000000))));
    EXPECT_TRUE(copy.IsLoaded());
    EXPECT_EQ(copy.GetCornerSize(), 3);
    EXPECT_EQ(copy.HotSlices(), hotBefore);
    EXPECT_NE(copy.NormalSlices(), original.NormalSlices());
    const Pixels drawn = Render(40, 30, kBackground, [&](GxGraphics& g) { copy.DrawNormal(g); });
    EXPECT_TRUE(Near(drawn.At(1, 2), kSliceColours[0])) << Hex(drawn.At(1, 2));  // the copy kept its bounds too
}

// --- drawing ---------------------------------------------------------------

TEST(NineSliceDraw, CornersSitInTheCornersAndEdgesAndCentreFillTheRest) {
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(EncodePixels(MarkedFramePicture(3, 2))));
    for (const auto& [width, height] : {std::pair{20, 15}, std::pair{6, 6}, std::pair{37, 9}}) {
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        frame.SetBounds(4, 3, width, height);
        ExpectEveryPixel(DrawFrame(frame, width + 8, height + 6), [width, height](int x, int y) {
            const int u = x - 4;
            const int v = y - 3;
            const bool inside = u >= 0 && v >= 0 && u < width && v < height;
            return inside ? ExpectedFramePixel(u, v, width, height, 3) : kBackground;
        });
    }
}

TEST(NineSliceDraw, BoundsSmallerThanTwoCornersDrawOnlyTheOverlappingCorners) {
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(EncodePixels(MarkedFramePicture(3, 2))));
    frame.SetBounds(2, 2, 5, 5);
    ExpectEveryPixel(DrawFrame(frame, 9, 9), [](int x, int y) {
        const int u = x - 2;
        const int v = y - 2;
        if (u < 0 || v < 0 || u >= 5 || v >= 5) return kBackground;
        // Later corners cover earlier ones: top-left, bottom-left, top-right, bottom-right.
        const bool right = u >= 2;
        const bool bottom = v >= 2;
        return kSliceColours[right ? (bottom ? 3 : 2) : (bottom ? 1 : 0)];
    });
}

// The bottom edge starts right of the top-left corner but is as wide as the
// gap between the two bottom corners; with corners of different widths the
// difference shows.
TEST(NineSliceDraw, BottomEdgeStartsAfterTopLeftCornerAndSpansBetweenBottomCorners) {
    const auto solid = [](int w, int h, GxArgb colour) {
        return SliceRecord{w, h, EncodePixels(Pixels(w, h, colour))};
    };
    const GxArgb bottomEdge = 0xFF20C040;
    const SliceList slices{
        {4, 2, {}}, {2, 2, {}}, {1, 2, {}}, {3, 2, {}}, {}, {}, {}, solid(1, 2, bottomEdge), {},
    };
    NineSliceFrame frame;
    frame.SetBounds(0, 0, 20, 6);
    const Pixels drawn = Render(20, 6, kBackground, [&](GxGraphics& g) { frame.DrawSet(g, slices); });
    // x from 0 + 4, width 20 - 2 - 3 = 15: columns 4 ... 18 of rows 4 and 5.
    ExpectEveryPixel(drawn,
                     [bottomEdge](int x, int y) { return (y >= 4 && x >= 4 && x < 19) ? bottomEdge : kBackground; });
}

TEST(NineSliceDraw, RepeatedDrawsLeaveNoGraphicsObjectsBehind) {
    NineSliceFrame frame;
    const Bytes hot = EncodePixels(MarkedFramePicture(2, 4));
    ASSERT_TRUE(frame.Load(EncodePixels(MarkedFramePicture(3, 2)), &hot));
    frame.SetBounds(0, 0, 60, 24);
    GxBitmap surface;
    ASSERT_TRUE(surface.Create(60, 24));
    GxGraphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(surface));
    frame.DrawNormal(graphics);  // warm-up
    const long before = GxObject::LiveCount();
    for (int i = 0; i < 50; ++i) {
        frame.DrawNormal(graphics);
        frame.DrawHot(graphics);
    }
    EXPECT_EQ(GxObject::LiveCount(), before);
}

}  // namespace
}  // namespace pelorin
