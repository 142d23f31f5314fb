// Paths, regions and matrices: the rounded rectangle, hit tests, region data.

#include <gtest/gtest.h>

#include "graphics/gx.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;

// The first point of each of the four arcs of a rounded rectangle, which
// is where each arc's box starts its sweep.
std::vector<GxPointF> RoundRectPoints(float x, float y, float width, float height, int roundness) {
    GxPath path;
    EXPECT_TRUE(path.Create());
    EXPECT_TRUE(path.AddRoundRect(x, y, width, height, roundness));
    std::vector<GxPointF> points;
    EXPECT_TRUE(path.GetPoints(points));
    return points;
}

TEST(GxPath, RoundRectAtFiftyPercentUsesHalfSizedArcs) {
    GxPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRoundRect(0, 0, 40, 20, 50));  // 20 x 10 arcs
    std::vector<GxPointF> points;
    std::vector<BYTE> types;
    ASSERT_TRUE(path.GetData(points, types));
    ASSERT_EQ(points.size(), types.size());
    ASSERT_GE(points.size(), 13u);
    // First arc: box (20, 0, 20, 10) from 270 degrees: starts at the top middle of the box.
    EXPECT_NEAR(points[0].X, 30, 1e-3);
    EXPECT_NEAR(points[0].Y, 0, 1e-3);
    EXPECT_NEAR(points[3].X, 40, 1e-3);
    EXPECT_NEAR(points[3].Y, 5, 1e-3);
    EXPECT_TRUE(types.back() & PathPointTypeCloseSubpath);
    const GxRectF bounds = path.GetWorldBounds();
    EXPECT_NEAR(bounds.Width, 40, 1e-3);
    EXPECT_NEAR(bounds.Height, 20, 1e-3);
    EXPECT_TRUE(path.IsVisiblePoint(20, 10));
    EXPECT_FALSE(path.IsVisiblePoint(1, 1));  // the corner is cut
}

TEST(GxPath, RoundRectClampsTheRoundness) {
    // 0 behaves as 1 %: on a 400 x 200 rectangle, 4 x 2 arcs.
    const std::vector<GxPointF> one = RoundRectPoints(0, 0, 400, 200, 1);
    const std::vector<GxPointF> zero = RoundRectPoints(0, 0, 400, 200, 0);
    const std::vector<GxPointF> negative = RoundRectPoints(0, 0, 400, 200, -20);
    ASSERT_FALSE(one.empty());
    EXPECT_NEAR(zero[0].X, 398, 1e-3);  // top middle of the box (396, 0, 4, 2)
    EXPECT_EQ(zero.size(), one.size());
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_FLOAT_EQ(zero[i].X, one[i].X);
        EXPECT_FLOAT_EQ(negative[i].Y, one[i].Y);
    }
    // 250 behaves as 100 %: the arcs form the inscribed ellipse.
    const std::vector<GxPointF> full = RoundRectPoints(0, 0, 400, 200, 100);
    const std::vector<GxPointF> over = RoundRectPoints(0, 0, 400, 200, 250);
    ASSERT_EQ(over.size(), full.size());
    for (std::size_t i = 0; i < full.size(); ++i) EXPECT_FLOAT_EQ(over[i].X, full[i].X);
    EXPECT_NEAR(full[0].X, 200, 1e-3);
    EXPECT_NEAR(full[0].Y, 0, 1e-3);
    // Flattened, every point of the outline lies on the ellipse.
    GxPath outline;
    ASSERT_TRUE(outline.Create());
    ASSERT_TRUE(outline.AddRoundRect(0, 0, 400, 200, 250));
    ASSERT_TRUE(outline.Flatten());
    std::vector<GxPointF> flat;
    ASSERT_TRUE(outline.GetPoints(flat));
    ASSERT_GT(flat.size(), 8u);
    for (const GxPointF& p : flat) {
        const double ex = (p.X - 200) / 200, ey = (p.Y - 100) / 100;
        EXPECT_NEAR(ex * ex + ey * ey, 1.0, 0.01) << p.X << "," << p.Y;
    }
}

TEST(GxPath, CloneResetAndFillMode) {
    GxPath path;
    ASSERT_TRUE(path.Create(FillModeWinding));
    EXPECT_EQ(path.GetFillMode(), FillModeWinding);
    ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
    GxPath copy;
    ASSERT_TRUE(path.Clone(copy));
    ASSERT_TRUE(path.Reset());
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(copy.GetPointCount(), 13);
    EXPECT_TRUE(copy.IsVisiblePoint(5, 5));
}

TEST(GxPath, TextOutlineWithTheCjkFamily) {
    GxFontFamily family;
    ASSERT_TRUE(family.CreateFromName(L"宋体"));
    GxPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddString(L"笑", family, 32, GxRectF(0, 0, 64, 64)));
    EXPECT_GT(path.GetPointCount(), 20);
    const GxRectF bounds = path.GetWorldBounds();
    EXPECT_GT(bounds.Width, 16);
    EXPECT_LT(bounds.X + bounds.Width, 64);
}

TEST(GxRegion, RegionFromAPathAndItsData) {
    test::Canvas canvas(50, 50);
    GxPath ellipse;
    ASSERT_TRUE(ellipse.Create());
    ASSERT_TRUE(ellipse.AddEllipse(0, 0, 40, 20));
    GxRegion region;
    ASSERT_TRUE(region.CreatePath(ellipse));
    EXPECT_TRUE(region.IsVisiblePoint(20, 10));
    EXPECT_FALSE(region.IsVisiblePoint(1, 1));
    const GxRectF bounds = region.GetBounds(canvas.graphics);
    EXPECT_NEAR(bounds.Width, 40, 1);
    EXPECT_NEAR(bounds.Height, 20, 1);

    const Bytes data = region.GetData();
    EXPECT_EQ(static_cast<int>(data.size()), region.GetDataSize());
    GxRegion rebuilt;
    ASSERT_TRUE(rebuilt.CreateRgnData(data));
    EXPECT_TRUE(rebuilt.IsEqual(region, canvas.graphics));

    ASSERT_TRUE(region.CombineRect(GxRectF(30, 0, 20, 50), CombineModeUnion));
    EXPECT_TRUE(region.IsVisiblePoint(45, 45));
    EXPECT_FALSE(rebuilt.IsEqual(region, canvas.graphics));
    ASSERT_TRUE(region.SetEmpty());
    EXPECT_TRUE(region.IsEmpty(canvas.graphics));
    EXPECT_FALSE(region.IsVisiblePoint(20, 10));
}

TEST(GxRegion, FillRegionPaintsOnlyItsArea) {
    test::Canvas canvas(20, 20, test::kWhite);
    GxRegion region;
    ASSERT_TRUE(region.CreateRectI(GxRect(0, 0, 10, 10)));
    ASSERT_TRUE(region.CombineRectI(GxRect(10, 10, 10, 10), CombineModeUnion));
    GxSolidBrush brush;
    ASSERT_TRUE(brush.Create(test::kRed));
    ASSERT_TRUE(canvas.graphics.FillRegion(brush, region));
    canvas.Done();
    EXPECT_TRUE(test::PixelNear(canvas.bitmap, 5, 5, test::kRed, 0));
    EXPECT_TRUE(test::PixelNear(canvas.bitmap, 15, 15, test::kRed, 0));
    EXPECT_TRUE(test::PixelNear(canvas.bitmap, 15, 5, test::kWhite, 0));
}

TEST(GxMatrix, ElementsAndComposition) {
    GxMatrix matrix;
    ASSERT_TRUE(matrix.Create());
    EXPECT_TRUE(matrix.IsIdentity());
    ASSERT_TRUE(matrix.Translate(10, 20));
    ASSERT_TRUE(matrix.Scale(2, 2));  // prepend: scale first, then translate
    std::vector<GxPointF> points{GxPointF(1, 1)};
    ASSERT_TRUE(matrix.TransformPoints(points));
    EXPECT_FLOAT_EQ(points[0].X, 12);
    EXPECT_FLOAT_EQ(points[0].Y, 22);
    const auto elements = matrix.GetElements();
    EXPECT_FLOAT_EQ(elements[0], 2);
    EXPECT_FLOAT_EQ(elements[4], 10);
    GxMatrix inverse;
    ASSERT_TRUE(matrix.Clone(inverse));
    ASSERT_TRUE(inverse.Invert());
    ASSERT_TRUE(inverse.TransformPoints(points));
    EXPECT_NEAR(points[0].X, 1, 1e-5);
    EXPECT_FALSE(inverse.IsEqual(matrix));
}

}  // namespace
}  // namespace pelorin
