#include "skin/pictures/picture_strip.h"

#include <gtest/gtest.h>

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

// A picture whose every column has its own colour, so cuts can be checked
// column by column.
Pixels ColumnPicture(int width, int height) {
    Pixels p(width, height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            p.At(x, y) =
                0xFF000000u | static_cast<GxArgb>((x * 7) & 0xFF) << 16 | static_cast<GxArgb>(y * 9) << 8 | 0x40;
    return p;
}

void ExpectFrameIsColumns(const PictureStrip& strip, int index, const Pixels& source, int firstColumn, int width) {
    ASSERT_EQ(strip.GetFrameWidth(index), width) << "frame " << index;
    ASSERT_EQ(strip.GetFrameHeight(index), source.height) << "frame " << index;
    const Pixels frame = DecodePixels(strip.GetFramePng(index));
    ASSERT_EQ(frame.width, width) << "frame " << index;
    ASSERT_EQ(frame.height, source.height) << "frame " << index;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(frame.At(x, y), source.At(firstColumn + x, y))
                << "frame " << index << " at (" << x << ", " << y << ")";
}

TEST(PictureStripMarkers, ShippedCheckStripGivesSixCellsBetweenItsSeparators) {
    const Bytes png = LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip);
    const Pixels source = DecodePixels(png);
    ASSERT_EQ(source.width, 131);
    PictureStrip strip;
    strip.Load(png);
    ASSERT_EQ(strip.GetFrameCount(), 6);
    EXPECT_EQ(strip.GetTotalWidth(), 131);
    EXPECT_EQ(strip.GetHeight(), 16);
    for (int k = 1; k <= 6; ++k) ExpectFrameIsColumns(strip, k, source, (k - 1) * 22, 21);
}

TEST(PictureStripMarkers, SeparatorIsFoundInRowTwoOnly) {
    Pixels source = ColumnPicture(30, 5);
    source.At(9, 2) = kMagenta;   // separator
    source.At(20, 0) = kMagenta;  // not in row 2: part of a frame
    source.At(24, 3) = kMagenta;
    PictureStrip strip;
    strip.Load(EncodePixels(source));
    ASSERT_EQ(strip.GetFrameCount(), 2);
    ExpectFrameIsColumns(strip, 1, source, 0, 9);
    ExpectFrameIsColumns(strip, 2, source, 10, 20);
}

TEST(PictureStripMarkers, SeparatorMustBeOpaqueAndCanHaveAnotherColour) {
    Pixels source = ColumnPicture(12, 4);
    source.At(3, 2) = 0x80FF00FF;  // half-transparent magenta: no separator
    source.At(6, 2) = 0xFF00FF00;
    PictureStrip strip;
    strip.Load(EncodePixels(source));
    EXPECT_EQ(strip.GetFrameCount(), 1);
    strip.Load(EncodePixels(source), RGB(0, 255, 0));
    ASSERT_EQ(strip.GetFrameCount(), 2);
    ExpectFrameIsColumns(strip, 1, source, 0, 6);
    ExpectFrameIsColumns(strip, 2, source, 7, 5);
}

TEST(PictureStripMarkers, PictureWithoutMarkerIsOneFrame) {
    const Pixels source = ColumnPicture(17, 6);
    PictureStrip strip;
    strip.Load(EncodePixels(source));
    ASSERT_EQ(strip.GetFrameCount(), 1);
    ExpectFrameIsColumns(strip, 1, source, 0, 17);
}

TEST(PictureStripMarkers, IndexesOutsideTheFramesGiveNothing) {
    PictureStrip strip;
    strip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    for (const int index : {0, -1, 7}) {
        EXPECT_TRUE(strip.GetFramePng(index).empty()) << index;
        EXPECT_EQ(strip.GetFrameWidth(index), 0) << index;
        EXPECT_EQ(strip.GetFrameHeight(index), 0) << index;
        strip.RemoveFrame(index);
        EXPECT_EQ(strip.GetFrameCount(), 6) << index;
    }
}

TEST(PictureStripMarkers, LoadingAgainReplacesAllFrames) {
    PictureStrip strip;
    strip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    ASSERT_EQ(strip.GetFrameCount(), 6);
    const Pixels source = ColumnPicture(9, 3);
    strip.Load(EncodePixels(source));
    ASSERT_EQ(strip.GetFrameCount(), 1);
    EXPECT_EQ(strip.GetTotalWidth(), 9);
    EXPECT_EQ(strip.GetHeight(), 3);
    ExpectFrameIsColumns(strip, 1, source, 0, 9);
}

TEST(PictureStripMarkers, UndecodablePictureGivesOneEmptyFrame) {
    PictureStrip strip;
    strip.Load(Bytes{1, 2, 3});
    ASSERT_EQ(strip.GetFrameCount(), 1);
    EXPECT_TRUE(strip.GetFramePng(1).empty());
    EXPECT_EQ(strip.GetFrameWidth(1), 0);
    EXPECT_EQ(strip.GetTotalWidth(), 0);
}

TEST(PictureStripMarkers, CopiesAreIndependent) {
    PictureStrip strip;
    strip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    const PictureStrip copy = strip;
    strip.Load(EncodePixels(ColumnPicture(5, 5)));
    ASSERT_EQ(copy.GetFrameCount(), 6);
    EXPECT_EQ(DecodePixels(copy.GetFramePng(2)).width, 21);
}

TEST(PictureStripFixed, CutsFramesOfTheGivenWidthAndALastFrameRunningPastTheEdgeHasNoBytes) {
    const Pixels source = ColumnPicture(25, 4);
    PictureStrip strip;
    strip.LoadFixedWidth(EncodePixels(source), 10);
    ASSERT_EQ(strip.GetFrameCount(), 3);
    ExpectFrameIsColumns(strip, 1, source, 0, 10);
    ExpectFrameIsColumns(strip, 2, source, 10, 10);
    EXPECT_EQ(strip.GetFrameWidth(3), 10);
    EXPECT_EQ(strip.GetFrameHeight(3), 4);
    EXPECT_TRUE(strip.GetFramePng(3).empty());

    strip.LoadFixedHeight(EncodePixels(source), 2);
    ASSERT_EQ(strip.GetFrameCount(), 2);
    const Pixels second = DecodePixels(strip.GetFramePng(2));
    ASSERT_EQ(second.width, 25);
    ASSERT_EQ(second.height, 2);
    EXPECT_EQ(second.At(7, 0), source.At(7, 2));
    EXPECT_EQ(strip.GetFrameHeight(2), 2);
}

TEST(PictureStripFixed, NonPositiveStepGivesNoFrames) {
    PictureStrip strip;
    strip.LoadFixedWidth(EncodePixels(ColumnPicture(8, 4)), 0);
    EXPECT_EQ(strip.GetFrameCount(), 0);
    strip.LoadFixedHeight(EncodePixels(ColumnPicture(8, 4)), -3);
    EXPECT_EQ(strip.GetFrameCount(), 0);
}

TEST(PictureStripFixed, MarkCentresDrawsMagentaLinesBesideTheCentreLines) {
    const GxArgb grey = 0xFF606060;
    PictureStrip strip;
    strip.LoadFixedWidth(EncodePixels(Pixels(20, 10, grey)), 10, true);
    ASSERT_EQ(strip.GetFrameCount(), 2);
    for (const int index : {1, 2}) {
        const Pixels frame = DecodePixels(strip.GetFramePng(index));
        ASSERT_EQ(frame.width, 10);
        ASSERT_EQ(frame.height, 10);
        // Halves are 5: lines at 4 and 6 in both directions.
        for (int i = 0; i < 10; ++i) {
            for (const int line : {4, 6}) {
                EXPECT_TRUE(Near(frame.At(i, line), kMagenta, 24))
                    << index << ": row " << line << " at " << i << " is " << Hex(frame.At(i, line));
                EXPECT_TRUE(Near(frame.At(line, i), kMagenta, 24))
                    << index << ": column " << line << " at " << i << " is " << Hex(frame.At(line, i));
            }
        }
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{5, 5}, std::pair{2, 8}, std::pair{9, 1}})
            EXPECT_TRUE(Near(frame.At(x, y), grey, 24)) << index << ": (" << x << ", " << y << ")";
    }
    strip.LoadFixedWidth(EncodePixels(Pixels(20, 10, grey)), 10);
    EXPECT_EQ(DecodePixels(strip.GetFramePng(1)).At(4, 4), grey);
}

TEST(PictureStripFrames, AddAndRemoveKeepTheTotals) {
    PictureStrip strip;
    const Bytes first = EncodePixels(ColumnPicture(6, 4));
    const Bytes second = EncodePixels(ColumnPicture(9, 5));
    EXPECT_EQ(strip.AddFrame(first), 1);
    EXPECT_EQ(strip.AddFrame(second), 2);
    EXPECT_EQ(strip.GetTotalWidth(), 15);
    EXPECT_EQ(strip.GetFramePng(2), second);  // bytes kept as given
    EXPECT_EQ(strip.GetFrameWidth(2), 9);
    EXPECT_EQ(strip.GetFrameHeight(2), 5);
    strip.RemoveFrame(1);
    ASSERT_EQ(strip.GetFrameCount(), 1);
    EXPECT_EQ(strip.GetTotalWidth(), 9);
    EXPECT_EQ(strip.GetFramePng(1), second);
}

}  // namespace
}  // namespace pelorin
