// Brushes as the painters use them: colours at both ends and in the middle
// of gradients, a path gradient's centre, a texture shifted by its transform.

#include <gtest/gtest.h>

#include "graphics/gx.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;
using test::Canvas;
using test::kBlack;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::kWhite;
using test::PixelNear;

TEST(GxBrush, SolidBrushColourCloneAndType) {
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(0x80FF8000));
    EXPECT_EQ(brush.GetColor(), 0x80FF8000u);
    EXPECT_EQ(brush.GetType(), BrushTypeSolidColor);
    GxSolidBrush copy;
    ASSERT_TRUE(brush.Clone(copy));
    ASSERT_TRUE(brush.SetColor(kBlue));
    EXPECT_EQ(copy.GetColor(), 0x80FF8000u);  // independent of the original
}

TEST(GxBrush, HorizontalGradientAtBothEndsAndInTheMiddle) {
    Canvas canvas(101, 4, kBlack);
    GxLinearGradientBrush brush;
    ASSERT_TRUE(brush.Create(GxPointF(0, 0), GxPointF(101, 0), kRed, kBlue));
    EXPECT_EQ(brush.GetType(), BrushTypeLinearGradient);
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 101, 4));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 0, 2, kRed, 6));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 100, 2, kBlue, 6));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 50, 2, 0xFF800080, 8));
    // Red falls and blue rises steadily along the way.
    EXPECT_GT(test::Channel(canvas.bitmap.GetPixel(25, 2), 16), test::Channel(canvas.bitmap.GetPixel(75, 2), 16));
    EXPECT_LT(test::Channel(canvas.bitmap.GetPixel(25, 2), 0), test::Channel(canvas.bitmap.GetPixel(75, 2), 0));
}

TEST(GxBrush, VerticalGradientFromARectangle) {
    Canvas canvas(4, 101, kBlack);
    GxLinearGradientBrush brush;
    ASSERT_TRUE(
        brush.CreateFromRect(GxRectF(0, 0, 4, 101), kWhite, 0xFF000000 | 0x00204060, LinearGradientModeVertical));
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 4, 101));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 0, kWhite, 6));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 100, 0xFF204060, 6));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 50, 0xFF8F9FAF, 8));
}

TEST(GxBrush, LinearBlendPutsTheEndColourAtTheFocus) {
    Canvas canvas(101, 2, kBlack);
    GxLinearGradientBrush brush;
    ASSERT_TRUE(brush.Create(GxPointF(0, 0), GxPointF(101, 0), kRed, kBlue));
    ASSERT_TRUE(brush.SetLinearBlend(0.5f, 1.0f));
    ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 101, 2));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 0, 1, kRed, 8));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 50, 1, kBlue, 10));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 100, 1, kRed, 8));
    std::vector<float> factors, positions;
    ASSERT_TRUE(brush.GetBlend(factors, positions));
    ASSERT_FALSE(positions.empty());
    EXPECT_FLOAT_EQ(positions.front(), 0);
    EXPECT_FLOAT_EQ(positions.back(), 1);
}

TEST(GxBrush, BlendArraysOfDifferentLengthsAreRefused) {
    GxLinearGradientBrush brush;
    ASSERT_TRUE(brush.Create(GxPointF(0, 0), GxPointF(10, 0), kRed, kBlue));
    EXPECT_FALSE(brush.SetBlend({0, 1, 0.5f}, {0, 1}));
    EXPECT_EQ(gxLastStatus, InvalidParameter);
    EXPECT_FALSE(brush.SetPresetBlend({kRed, kBlue}, {0, 0.5f, 1}));
    EXPECT_EQ(gxLastStatus, InvalidParameter);
}

TEST(GxBrush, PathGradientFromAnEllipse) {
    Canvas canvas(60, 60, kBlack);
    GxPath ellipse;
    ASSERT_TRUE(ellipse.Create());
    ASSERT_TRUE(ellipse.AddEllipse(0, 0, 60, 60));
    GxPathGradientBrush brush;
    ASSERT_TRUE(brush.CreateFromPath(ellipse));
    EXPECT_EQ(brush.GetType(), BrushTypePathGradient);
    ASSERT_TRUE(brush.SetCenterColor(kWhite));
    int count = 1;
    ASSERT_TRUE(brush.SetSurroundColorsWithCount({kBlue}, count));
    EXPECT_EQ(count, 1);
    ASSERT_TRUE(brush.SetFocusScales(0.3f, 0.3f));
    ASSERT_TRUE(canvas.graphics.FillPath(brush, ellipse));
    canvas.Done();
    // White at the centre, blue towards the rim.
    EXPECT_TRUE(PixelNear(canvas.bitmap, 30, 30, kWhite, 24));
    float focusX = 0, focusY = 0;
    ASSERT_TRUE(brush.GetFocusScales(focusX, focusY));
    EXPECT_FLOAT_EQ(focusX, 0.3f);
    const GxArgb nearRim = canvas.bitmap.GetPixel(57, 30);
    EXPECT_LT(test::Channel(nearRim, 16), 100);
    EXPECT_GT(test::Channel(nearRim, 0), 200);
    const GxArgb halfway = canvas.bitmap.GetPixel(45, 30);
    EXPECT_GT(test::Channel(halfway, 16), test::Channel(nearRim, 16));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 1, 1, kBlack, 0));  // outside the ellipse
}

TEST(GxBrush, TextureTilesAndFollowsItsTranslation) {
    // 2 x 2 texture: red green / blue white.
    GxBitmap tile;
    ASSERT_TRUE(tile.Create(2, 2));
    ASSERT_TRUE(tile.SetPixel(0, 0, kRed));
    ASSERT_TRUE(tile.SetPixel(1, 0, kGreen));
    ASSERT_TRUE(tile.SetPixel(0, 1, kBlue));
    ASSERT_TRUE(tile.SetPixel(1, 1, kWhite));
    GxTextureBrush brush;
    ASSERT_TRUE(brush.Create(tile));
    EXPECT_EQ(brush.GetWrapMode(), WrapModeTile);

    Canvas plain(8, 4);
    ASSERT_TRUE(plain.graphics.FillRectangle(brush, 0, 0, 8, 4));
    plain.Done();
    EXPECT_TRUE(PixelNear(plain.bitmap, 4, 2, kRed, 0));
    EXPECT_TRUE(PixelNear(plain.bitmap, 5, 2, kGreen, 0));
    EXPECT_TRUE(PixelNear(plain.bitmap, 6, 3, kBlue, 0));
    EXPECT_TRUE(PixelNear(plain.bitmap, 7, 3, kWhite, 0));

    // Moved one pixel right: device pixel x shows texture column (x - 1) mod 2.
    ASSERT_TRUE(brush.TranslateTransform(1, 0));
    Canvas shifted(8, 4);
    ASSERT_TRUE(shifted.graphics.FillRectangle(brush, 0, 0, 8, 4));
    shifted.Done();
    EXPECT_TRUE(PixelNear(shifted.bitmap, 5, 2, kRed, 0));
    EXPECT_TRUE(PixelNear(shifted.bitmap, 4, 2, kGreen, 0));
    EXPECT_TRUE(PixelNear(shifted.bitmap, 3, 1, kBlue, 0));
    GxMatrix transform;
    ASSERT_TRUE(brush.GetTransform(transform));
    EXPECT_FLOAT_EQ(transform.GetElements()[4], 1);
}

TEST(GxBrush, GradientTransformsAboutAPoint) {
    GxLinearGradientBrush brush;
    ASSERT_TRUE(brush.Create(GxPointF(0, 0), GxPointF(10, 0), kRed, kBlue));
    ASSERT_TRUE(brush.ScaleTransformAt(2, 2, GxPointF(0, 0), MatrixOrderPrepend));
    GxMatrix scaled, plain;
    ASSERT_TRUE(brush.GetTransform(scaled));
    ASSERT_TRUE(plain.Create2(2, 0, 0, 2, 0, 0));
    EXPECT_TRUE(scaled.IsEqual(plain));

    GxTextureBrush texture;
    GxBitmap tile;
    ASSERT_TRUE(tile.Create(2, 2));
    ASSERT_TRUE(texture.Create(tile));
    ASSERT_TRUE(texture.ScaleTransformAt(3, 3, GxPointF(4, 4), MatrixOrderAppend));
    GxMatrix matrix;
    ASSERT_TRUE(texture.GetTransform(matrix));
    std::vector<GxPointF> points{GxPointF(4, 4), GxPointF(5, 4)};
    ASSERT_TRUE(matrix.TransformPoints(points));
    EXPECT_NEAR(points[0].X, 4, 1e-4);
    EXPECT_NEAR(points[0].Y, 4, 1e-4);
    EXPECT_NEAR(points[1].X, 7, 1e-4);

    // Rotation of a linear gradient's transform: GDI+ may not implement it.
    if (!brush.RotateTransformAt(90, GxPointF(5, 5))) {
        GX_SKIP_IF_NOT_IMPLEMENTED("GdipRotateLineTransform");
        FAIL() << "status " << gxLastStatus;
    }
}

TEST(GxBrush, PathGradientGivesItsPathToATarget) {
    GxPathGradientBrush brush;
    ASSERT_TRUE(brush.Create({GxPointF(0, 0), GxPointF(10, 0), GxPointF(10, 10)}));
    GxPath path;
    if (!brush.GetPath(path)) {
        GX_SKIP_IF_NOT_IMPLEMENTED("GdipGetPathGradientPath");
        FAIL() << "status " << gxLastStatus;
    }
    EXPECT_EQ(path.GetPointCount(), 3);
}

TEST(GxBrush, PenWithABrushFill) {
    Canvas canvas(40, 10, kBlack);
    GxLinearGradientBrush gradient;
    ASSERT_TRUE(gradient.Create(GxPointF(0, 0), GxPointF(40, 0), kRed, kBlue));
    GxPen pen;
    ASSERT_TRUE(pen.Create2(gradient, 4, UnitPixel));
    EXPECT_EQ(pen.GetFillType(), PenTypeLinearGradient);
    ASSERT_TRUE(canvas.graphics.DrawLine(pen, 0, 5, 40, 5));
    canvas.Done();
    EXPECT_TRUE(PixelNear(canvas.bitmap, 1, 5, kRed, 16));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 38, 5, kBlue, 16));
    EXPECT_TRUE(PixelNear(canvas.bitmap, 20, 0, kBlack, 0));
}

}  // namespace
}  // namespace pelorin
