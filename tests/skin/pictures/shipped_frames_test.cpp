// The two button-frame pictures shipped in the "tp" folder beside the program.

#include <gtest/gtest.h>

#include "picture_test_util.h"
#include "skin/pictures/nine_slice_frame.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Alpha;
using test::Blue;
using test::DecodePixels;
using test::Green;
using test::Hex;
using test::Near;
using test::Over;
using test::Pixels;
using test::Red;
using test::Render;

// What the application passes for these pictures.
constexpr int kCornerSize = 3;
constexpr int kBorderWidth = 3;
constexpr GxArgb kBackground = 0xFF1A3A6A;  // a blue like the skin's background picture

Bytes ReadFrame(const wchar_t* name) { return test::ReadAll(test::ProgramFolder() + L"\\tp\\" + name); }

struct ShippedFrame {
    const wchar_t* name;
    bool hot;
};
constexpr ShippedFrame kFrames[] = {{L"通常框.png", false}, {L"兰边框.png", true}};

TEST(ShippedFrames, CutIntoNineSlicesWithThreePixelCornersAndBorders) {
    for (const ShippedFrame& shipped : kFrames) {
        SCOPED_TRACE(ToUtf8(shipped.name));
        const Bytes picture = ReadFrame(shipped.name);
        ASSERT_FALSE(picture.empty());
        SliceList slices;
        NineSliceFrame::SliceInto(picture, slices);
        ASSERT_EQ(slices.size(), 9u);
        for (int k = 0; k < 9; ++k) {
            EXPECT_FALSE(slices[k].png.empty()) << "slice " << k + 1;
            EXPECT_GT(slices[k].width, 0) << "slice " << k + 1;
            EXPECT_GT(slices[k].height, 0) << "slice " << k + 1;
        }
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(slices[k].width, kCornerSize) << "corner " << k + 1;
            EXPECT_EQ(slices[k].height, kCornerSize) << "corner " << k + 1;
        }
        EXPECT_EQ(slices[4].width, kBorderWidth);   // left edge
        EXPECT_EQ(slices[5].height, kBorderWidth);  // top edge
        EXPECT_EQ(slices[6].width, kBorderWidth);   // right edge
        EXPECT_EQ(slices[7].height, kBorderWidth);  // bottom edge
    }
}

// Where a pixel of a frame drawn `extent` wide (or high) comes from in the
// picture, along one axis: corners 1:1, the edge tiled from its start.
int SourceCoordinate(int u, int extent, int pictureExtent, int edgeStart, int edgeLength) {
    if (u < kCornerSize) return u;
    if (u >= extent - kCornerSize) return pictureExtent - kCornerSize + (u - (extent - kCornerSize));
    return edgeStart + (u - kCornerSize) % edgeLength;
}

TEST(ShippedFrames, DrawButtonsWithCornersEdgesAndCentreInPlace) {
    const Bytes normal = ReadFrame(kFrames[0].name);
    const Bytes hot = ReadFrame(kFrames[1].name);
    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(normal, &hot, nullptr, nullptr, kCornerSize, kBorderWidth));
    for (const ShippedFrame& shipped : kFrames) {
        const Pixels picture = DecodePixels(shipped.hot ? hot : normal);
        ASSERT_GT(picture.width, 0);
        const SliceList& slices = shipped.hot ? frame.HotSlices() : frame.NormalSlices();
        const int edgeLengthX = slices[5].width;   // top edge
        const int edgeLengthY = slices[4].height;  // left edge
        const int edgeStartX = kCornerSize + 2;    // after the gap column and the marker
        const int edgeStartY = kCornerSize + 2;
        for (const int width : {80, 105}) {
            SCOPED_TRACE(width);
            const int height = 24;
            frame.SetBounds(2, 2, width, height);
            const Pixels drawn = Render(width + 4, height + 4, kBackground,
                                        [&](GxGraphics& g) { shipped.hot ? frame.DrawHot(g) : frame.DrawNormal(g); });
            for (int v = 0; v < height; ++v) {
                for (int u = 0; u < width; ++u) {
                    const int sx = SourceCoordinate(u, width, picture.width, edgeStartX, edgeLengthX);
                    const int sy = SourceCoordinate(v, height, picture.height, edgeStartY, edgeLengthY);
                    const GxArgb expected = Over(picture.At(sx, sy), kBackground);
                    ASSERT_TRUE(Near(drawn.At(u + 2, v + 2), expected))
                        << "hot " << shipped.hot << " (" << u << ", " << v << ") is " << Hex(drawn.At(u + 2, v + 2))
                        << ", expected " << Hex(expected) << " from (" << sx << ", " << sy << ")";
                }
            }
            for (int x = 0; x < width + 4; ++x) {  // nothing outside the bounds
                ASSERT_EQ(drawn.At(x, 0), kBackground);
                ASSERT_EQ(drawn.At(x, height + 3), kBackground);
            }
        }
    }
}

TEST(ShippedFrames, NormalFrameIsSoftAndLightHotFrameHasABlueEdge) {
    const Pixels normal = DecodePixels(ReadFrame(kFrames[0].name));
    const Pixels hot = DecodePixels(ReadFrame(kFrames[1].name));
    ASSERT_EQ(normal.width, hot.width);
    const int middle = normal.width / 2;
    const GxArgb normalEdge = normal.At(middle, 0);
    EXPECT_GE(Red(normalEdge), 200) << Hex(normalEdge);
    EXPECT_GE(Green(normalEdge), 200) << Hex(normalEdge);
    EXPECT_GE(Blue(normalEdge), 200) << Hex(normalEdge);
    EXPECT_GE(Alpha(normalEdge), 100) << Hex(normalEdge);
    EXPECT_LT(Alpha(normalEdge), 255) << "soft: the background shows through";
    const GxArgb hotEdge = hot.At(middle, 0);
    EXPECT_GE(Alpha(hotEdge), 230) << Hex(hotEdge);
    EXPECT_GT(Blue(hotEdge), Red(hotEdge) + 120) << Hex(hotEdge);
    // The centre lets the painted button body show through.
    EXPECT_LT(Alpha(normal.At(middle, middle)), 40);
    EXPECT_LT(Alpha(hot.At(middle, middle)), 60);
}

}  // namespace
}  // namespace pelorin
