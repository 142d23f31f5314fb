// Pixels drawn through the operations the skin painters rely on, read back
// from a real bitmap.

#include <gtest/gtest.h>

#include "base/handle.h"
#include "graphics/gx.h"
#include "graphics/gx_text.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;
using test::Canvas;
using test::kBlack;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::kTransparent;
using test::kWhite;
using test::PixelNear;

TEST(GxRender, FillRectangleCoversExactlyItsArea) {
    Canvas canvas(20, 20, kWhite);
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kRed));
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 5, 5, 10, 10));
    ASSERT_TRUE(canvas.graphics.FillRectangleF(brush, GxRectF(0, 18, 2, 2)));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 5, 5, kRed));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 14, 14, kRed));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 4, 10, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 15, 10, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 15, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 1, 19, kRed));
}

TEST(GxRender, TranslucentFillBlendsOverTheBackground) {
    Canvas canvas(4, 4, kWhite);
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(0x80000000));  // half-transparent black
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 4, 4));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 2, 0xFF7F7F7F, 3));
}

TEST(GxRender, DrawRectangleOutlinesWithoutFilling) {
    Canvas canvas(20, 20, kWhite);
    GxPen pen;
    ASSERT_TRUE(pen.Create1(kBlue, 1, UnitPixel));
    ASSERT_TRUE(canvas.graphics.DrawRectangle(pen, 2, 2, 15, 15));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 10, kBlue, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 2, kBlue, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 17, 10, kBlue, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 17, kBlue, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 10, kWhite, 0));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 0, 0, kWhite, 0));
}

TEST(GxRender, DrawLineAndEllipse) {
    Canvas canvas(40, 40, kWhite);
    GxPen pen;
    ASSERT_TRUE(pen.Create1(kBlack, 3, UnitPixel));
    ASSERT_TRUE(canvas.graphics.DrawLine(pen, 0, 5, 40, 5));
    ASSERT_TRUE(canvas.graphics.DrawEllipse(pen, 10, 10, 20, 20));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 5, kBlack, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 8, kWhite, 40));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 20, kBlack, 60));  // left of the ring
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 30, kBlack, 60));  // bottom of the ring
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 20, kWhite, 0));   // inside stays empty
}

TEST(GxRender, RoundedPathFillLeavesTheCornersAndDrawPathStrokes) {
    Canvas canvas(40, 40, kWhite);
    GxPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRoundRect(0, 0, 40, 40, 50));  // 20 x 20 corner arcs
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kGreen));
    ASSERT_TRUE(canvas.graphics.SetSmoothingMode(SmoothingModeAntiAlias));
    ASSERT_TRUE(canvas.graphics.FillPath(brush, path));
    GxPen pen;
    ASSERT_TRUE(pen.Create1(kRed, 1, UnitPixel));
    GxPath line;
    ASSERT_TRUE(line.Create());
    ASSERT_TRUE(line.AddLine(20, 15, 20, 25));
    ASSERT_TRUE(canvas.graphics.DrawPath(pen, line));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 1, 1, kWhite, 10));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 38, 38, kWhite, 10));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 20, kGreen, 10));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 2, kGreen, 10));
    EXPECT_NE(canvas.bitmap.GetPixel(20, 20), canvas.bitmap.GetPixel(10, 20));  // the stroke
}

TEST(GxRender, ClearSetsEveryPixelIncludingAlpha) {
    Canvas canvas(6, 6, 0x40102030);
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 0, 0, 0x40102030, 2));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 5, 5, 0x40102030, 2));
}

TEST(GxRender, ClipToAPathKeepsTheOutsideUntouched) {
    Canvas canvas(40, 40, kWhite);
    GxPath ellipse;
    ASSERT_TRUE(ellipse.Create());
    ASSERT_TRUE(ellipse.AddEllipse(0, 0, 40, 40));
    ASSERT_TRUE(canvas.graphics.SetClipPath(ellipse, CombineModeReplace));
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kBlue));
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 40, 40));
    EXPECT_FALSE(canvas.graphics.IsVisiblePoint(1, 1));
    EXPECT_TRUE(canvas.graphics.IsVisiblePoint(20, 20));

    // A rectangle clip on top, then no clip at all.
    ASSERT_TRUE(canvas.graphics.SetClipRect(0, 0, 10, 40, CombineModeReplace));
    GxSolidBrush red;
    ASSERT_TRUE(red.Create(kRed));
    ASSERT_TRUE(canvas.graphics.FillRectangle(red, 0, 35, 40, 5));
    ASSERT_TRUE(canvas.graphics.ResetClip());
    ASSERT_TRUE(canvas.graphics.FillRectangle(red, 38, 0, 2, 2));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 20, kBlue));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 2, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 37, 3, kWhite, 0));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 5, 37, kRed));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 37, kBlue));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 39, 0, kRed));
}

// A 4 x 4 picture of four quadrants: red, green / blue, white.
GxBitmap Quadrants(int size) {
    GxBitmap bitmap;
    EXPECT_TRUE(bitmap.Create(size, size));
    const int half = size / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            bitmap.SetPixel(x, y, y < half ? (x < half ? kRed : kGreen) : (x < half ? kBlue : kWhite));
    return bitmap;
}

TEST(GxRender, DrawImageRectWithoutUnitScalesTheWholeSource) {
    const GxBitmap small = Quadrants(4);
    const GxBitmap large = Quadrants(100);
    Canvas canvas(60, 60, kBlack);
    ASSERT_TRUE(canvas.graphics.SetInterpolationMode(InterpolationModeNearestNeighbor));
    ASSERT_TRUE(canvas.graphics.DrawImageRect(small, 0, 0, 40, 40));    // enlarged
    ASSERT_TRUE(canvas.graphics.DrawImageRect(large, 40, 40, 20, 20));  // reduced: still the whole picture
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 10, kRed));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 30, 10, kGreen));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 10, 30, kBlue));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 30, 30, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 44, 44, kRed, 24));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 56, 44, kGreen, 24));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 44, 56, kBlue, 24));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 56, 56, kWhite, 24));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 50, 20, kBlack, 0));
}

TEST(GxRender, DrawImageAtAPointKeepsItsSize) {
    const GxBitmap picture = Quadrants(4);
    Canvas canvas(10, 10, kBlack);
    ASSERT_TRUE(canvas.graphics.DrawImage(picture, 3, 3));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 3, 3, kRed));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 6, 6, kWhite));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 7, 7, kBlack));
}

TEST(GxRender, DrawingIntoADeviceContextReachesItsBitmap) {
    // The painters draw into a memory DC holding a 32-bit DIB section.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(dib);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        ScopedSelect select(dc.Get(), dib.Get());
        GxGraphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(dc.Get()));
        GxSolidBrush brush;
        ASSERT_TRUE(brush.Create(kRed));
        ASSERT_TRUE(graphics.FillRectangleI(brush, 4, 4, 8, 8));
        ASSERT_TRUE(graphics.Dispose());  // before the bitmap leaves the DC
    }
    const auto* pixels = static_cast<const DWORD*>(bits);
    EXPECT_EQ(pixels[8 * 16 + 8] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixels[1 * 16 + 1] & 0xFFFFFF, 0u);
}

TEST(GxRender, ScaleTransformAtKeepsTheCentreFixed) {
    Canvas canvas(10, 10);
    GxGraphics& g = canvas.graphics;
    auto map = [&g](float x, float y) {
        std::vector<GxPointF> points{GxPointF(x, y)};
        EXPECT_TRUE(g.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, points));
        return points[0];
    };
    // Order 0 with the centre at the origin is a plain scale.
    ASSERT_TRUE(g.ScaleTransformAt(2, 3, GxPointF(0, 0), MatrixOrderPrepend));
    GxMatrix atOrigin, plain;
    ASSERT_TRUE(g.GetTransform(atOrigin));
    ASSERT_TRUE(plain.Create2(2, 0, 0, 3, 0, 0));
    EXPECT_TRUE(atOrigin.IsEqual(plain));

    // Order 1 (append) works in device space: the device point at the centre stays put.
    ASSERT_TRUE(g.ResetTransform());
    ASSERT_TRUE(g.TranslateTransform(10, 0));
    ASSERT_TRUE(g.ScaleTransformAt(2, 2, GxPointF(5, 5), MatrixOrderAppend));
    GxPointF p = map(-5, 5);  // world (-5, 5) was device (5, 5)
    EXPECT_NEAR(p.X, 5, 1e-4);
    EXPECT_NEAR(p.Y, 5, 1e-4);
    p = map(-4, 5);
    EXPECT_NEAR(p.X, 7, 1e-4);

    // Order 0 (prepend) works in world space: the world centre maps where it did.
    ASSERT_TRUE(g.ResetTransform());
    ASSERT_TRUE(g.TranslateTransform(10, 0));
    ASSERT_TRUE(g.ScaleTransformAt(2, 2, GxPointF(5, 5), MatrixOrderPrepend));
    p = map(5, 5);
    EXPECT_NEAR(p.X, 15, 1e-4);
    EXPECT_NEAR(p.Y, 5, 1e-4);
    p = map(6, 5);
    EXPECT_NEAR(p.X, 17, 1e-4);
}

TEST(GxRender, RotateTransformAtTurnsAboutTheCentre) {
    Canvas canvas(10, 10);
    GxGraphics& g = canvas.graphics;
    ASSERT_TRUE(g.RotateTransformAt(90, GxPointF(5, 5), MatrixOrderPrepend));
    std::vector<GxPointF> points{GxPointF(5, 5), GxPointF(6, 5)};
    ASSERT_TRUE(g.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, points));
    EXPECT_NEAR(points[0].X, 5, 1e-4);
    EXPECT_NEAR(points[0].Y, 5, 1e-4);
    EXPECT_NEAR(points[1].X, 5, 1e-4);  // one step right turns into one step down
    EXPECT_NEAR(points[1].Y, 6, 1e-4);

    ASSERT_TRUE(g.ResetTransform());
    ASSERT_TRUE(g.TranslateTransform(3, 0));
    ASSERT_TRUE(g.RotateTransformAt(180, GxPointF(5, 5), MatrixOrderAppend));
    points = {GxPointF(2, 5), GxPointF(0, 0)};  // device (5, 5) and (3, 0)
    ASSERT_TRUE(g.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, points));
    EXPECT_NEAR(points[0].X, 5, 1e-4);
    EXPECT_NEAR(points[0].Y, 5, 1e-4);
    EXPECT_NEAR(points[1].X, 7, 1e-4);
    EXPECT_NEAR(points[1].Y, 10, 1e-4);
}

TEST(GxRender, QualityModesAreKept) {
    Canvas canvas(4, 4);
    GxGraphics& g = canvas.graphics;
    ASSERT_TRUE(g.SetSmoothingMode(SmoothingModeAntiAlias));
    ASSERT_TRUE(g.SetInterpolationMode(InterpolationModeHighQualityBicubic));
    ASSERT_TRUE(g.SetCompositingQuality(CompositingQualityGammaCorrected));
    ASSERT_TRUE(g.SetPixelOffsetMode(PixelOffsetModeNone));
    ASSERT_TRUE(g.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit));
    EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeAntiAlias);
    EXPECT_EQ(g.GetInterpolationMode(), InterpolationModeHighQualityBicubic);
    EXPECT_EQ(g.GetCompositingQuality(), CompositingQualityGammaCorrected);
    EXPECT_EQ(g.GetPixelOffsetMode(), PixelOffsetModeNone);
    EXPECT_EQ(g.GetTextRenderingHint(), TextRenderingHintAntiAliasGridFit);
}

TEST(GxRender, MeasureCharacterRangesNeedsAtLeastOneRegion) {
    Canvas canvas(100, 30);
    GxFont font;
    ASSERT_TRUE(font.CreateFontByName(L"宋体", 12, FontStyleRegular, UnitPixel));
    GxStringFormat format;
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE(format.SetMeasurableCharacterRanges({CharacterRange(0, 2), CharacterRange(2, 2)}));
    std::vector<GxRegion> regions(1);
    ASSERT_TRUE(regions[0].Create());
    const long before = GxObject::LiveCount();

    gxLastStatus = 0;
    EXPECT_FALSE(canvas.graphics.MeasureCharacterRanges(L"群众笑声", font, GxRectF(0, 0, 100, 30), format, 0, regions));
    EXPECT_EQ(gxLastStatus, InvalidParameter);
    EXPECT_TRUE(regions.empty());
    EXPECT_FALSE(
        canvas.graphics.MeasureCharacterRanges(L"群众笑声", font, GxRectF(0, 0, 100, 30), format, -3, regions));
    EXPECT_EQ(gxLastStatus, InvalidParameter);
    EXPECT_EQ(GxObject::LiveCount(), before - 1);  // the region held before was released

    ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges(L"群众笑声", font, GxRectF(0, 0, 100, 30), format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    const GxRectF first = regions[0].GetBounds(canvas.graphics);
    const GxRectF second = regions[1].GetBounds(canvas.graphics);
    EXPECT_GT(first.Width, 10);
    EXPECT_GT(second.X, first.X + first.Width / 2);  // the second pair lies to the right
}

// Counts the pixels whose red channel is dark.
int DarkPixels(const GxBitmap& bitmap, const GxRect& area) {
    int dark = 0;
    for (int y = area.Y; y < area.Y + area.Height; ++y)
        for (int x = area.X; x < area.X + area.Width; ++x)
            if (((bitmap.GetPixel(x, y) >> 16) & 0xFF) < 128) ++dark;
    return dark;
}

TEST(GxRender, CjkTextWithSimSunIsDrawnInsideItsLayout) {
    Canvas canvas(120, 40, kWhite);
    GxFont font;
    ASSERT_TRUE(font.CreateFontByName(L"宋体", 16, FontStyleRegular, UnitPixel))
        << "status " << gxLastStatus << ": is the CJK font mapped for this prefix?";
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kBlack));
    GxStringFormat format;
    ASSERT_TRUE(format.Create(StringFormatFlagsNoWrap | StringFormatFlagsLineLimit));
    ASSERT_TRUE(format.SetAlign(StringAlignmentCenter));
    ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
    ASSERT_TRUE(canvas.graphics.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit));
    const GxRectF layout(10, 5, 100, 30);
    GxRectF measured;
    ASSERT_TRUE(canvas.graphics.MeasureString(L"群众笑声", font, layout, format, measured));
    EXPECT_GT(measured.Width, 4 * 12);  // four full-width characters, not boxes of nothing
    ASSERT_TRUE(canvas.graphics.DrawString(L"群众笑声", font, brush, layout, format));
    canvas.Done();

    const int inside = DarkPixels(canvas.bitmap, GxRect(10, 5, 100, 30));
    const int total = DarkPixels(canvas.bitmap, GxRect(0, 0, 120, 40));
    EXPECT_GT(inside, 120);                                          // strokes of four characters
    EXPECT_EQ(total, inside);                                        // nothing outside the layout
    EXPECT_EQ(DarkPixels(canvas.bitmap, GxRect(10, 5, 14, 30)), 0);  // centred: margins stay empty
}

TEST(GxRender, DrawStringWWithUtf16BytesMatchesDrawString) {
    GxFont font;
    ASSERT_TRUE(font.CreateFontByName(L"宋体", 14, FontStyleRegular, UnitPixel));
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(kBlack));
    GxStringFormat format;
    ASSERT_TRUE(format.Create());
    Canvas a(80, 24, kWhite), b(80, 24, kWhite);
    ASSERT_TRUE(a.graphics.DrawString(L"哈里路亚", font, brush, GxRectF(0, 0, 80, 24), format));
    const std::wstring text = L"哈里路亚";
    ASSERT_TRUE(b.graphics.DrawStringW(GxBytesFromWide(text), font, brush, GxRectF(0, 0, 80, 24), format));
    a.Done();
    b.Done();
    EXPECT_GT(DarkPixels(a.bitmap, GxRect(0, 0, 80, 24)), 50);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(a.bitmap.GetPixel(x, y), b.bitmap.GetPixel(x, y)) << x << "," << y;
}

}  // namespace
}  // namespace pelorin
