// Every pass-through operation, called on valid objects, reaches GDI+ with
// its arguments in order: GDI+ answers Ok. Entry points Wine does not
// implement answer NotImplemented; they are named in the test output.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/gx.h"
#include "gx_test_util.h"
#include "base/handle.h"
#include "graphics/gx_text.h"
#include "../support/test_support.h"

namespace pelorin {
namespace {

using namespace Gdiplus;
using test::kBlue;
using test::kRed;
using test::kWhite;

// Ready-made objects of every kind, fresh for each operation.
struct World {
    test::Canvas canvas{64, 64, kWhite};
    GxGraphics& graphics = canvas.graphics;
    GxBitmap& bitmap = canvas.bitmap;
    GxBitmap picture;  // 8 x 8, drawn and sampled
    GxPen pen;
    GxSolidBrush solid;
    GxLinearGradientBrush linear;
    GxPathGradientBrush radial;
    GxTextureBrush texture;
    GxPath path;
    GxRegion region;
    GxMatrix matrix;
    GxFontFamily family;
    GxFont font;
    GxStringFormat format;
    GxImageAttributes attributes;

    World() {
        EXPECT_TRUE(picture.Create(8, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) picture.SetPixel(x, y, x < 4 ? kRed : kBlue);
        EXPECT_TRUE(pen.Create1(kRed, 2.0f));
        EXPECT_TRUE(solid.Create(kBlue));
        EXPECT_TRUE(linear.Create(GxPointF(0, 0), GxPointF(64, 0), kRed, kBlue));
        EXPECT_TRUE(radial.Create({GxPointF(0, 0), GxPointF(64, 0), GxPointF(64, 64), GxPointF(0, 64)}));
        EXPECT_TRUE(texture.Create(picture));
        EXPECT_TRUE(path.Create());
        EXPECT_TRUE(path.AddRectangle(4, 4, 20, 10));
        EXPECT_TRUE(region.CreateRect(GxRectF(0, 0, 16, 16)));
        EXPECT_TRUE(matrix.Create2(1, 0, 0, 1, 2, 3));
        EXPECT_TRUE(family.CreateFromName(L"宋体"));
        EXPECT_TRUE(font.Create(family, 12, FontStyleRegular, UnitPixel));
        EXPECT_TRUE(format.Create());
        EXPECT_TRUE(attributes.Create());
    }
};

struct Operation {
    const char* entryPoint;
    std::function<bool(World&)> call;
};

// Runs every operation on a fresh world. Operations that answer
// NotImplemented are listed; any other failure fails the test.
void RunAll(const std::vector<Operation>& operations) {
    std::string notImplemented;
    for (const Operation& operation : operations) {
        World world;
        gxLastStatus = -1;
        const bool ok = operation.call(world);
        if (gxLastStatus == NotImplemented) {
            notImplemented += std::string(" ") + operation.entryPoint;
            continue;
        }
        EXPECT_TRUE(ok) << operation.entryPoint << " failed with status " << gxLastStatus;
        EXPECT_EQ(gxLastStatus, Ok) << operation.entryPoint;
    }
    if (!notImplemented.empty()) {
        std::printf("Not implemented here:%s\n", notImplemented.c_str());
        ::testing::Test::RecordProperty("NotImplemented", notImplemented);
    }
}

TEST(GxOperations, Pen) {
    RunAll({
        {"GdipCreatePen2",
         [](World& w) {
             GxPen p;
             return p.Create2(w.solid, 3.0f, UnitPixel);
         }},
        {"GdipClonePen",
         [](World& w) {
             GxPen p;
             return w.pen.Clone(p) && p.GetWidth() == 2.0f;
         }},
        {"GdipSetPenWidth", [](World& w) { return w.pen.SetWidth(5) && w.pen.GetWidth() == 5; }},
        {"GdipGetPenUnit", [](World& w) { return w.pen.GetUnit() == UnitWorld; }},
        {"GdipSetPenUnit", [](World& w) { return w.pen.SetUnit(UnitPixel) && w.pen.GetUnit() == UnitPixel; }},
        {"GdipSetPenLineCap197819",
         [](World& w) {
             return w.pen.SetLineCap197819(LineCapRound, LineCapSquare, DashCapRound) &&
                    w.pen.GetStartCap() == LineCapRound && w.pen.GetEndCap() == LineCapSquare &&
                    w.pen.GetDashCap197819() == DashCapRound;
         }},
        {"GdipSetPenLineCap197819",
         [](World& w) {
             return w.pen.SetLineCap(LineCapTriangle, LineCapFlat, DashCapTriangle) &&
                    w.pen.GetDashCap() == DashCapTriangle;
         }},
        {"GdipSetPenStartCap", [](World& w) { return w.pen.SetStartCap(LineCapSquare); }},
        {"GdipSetPenEndCap",
         [](World& w) { return w.pen.SetEndCap(LineCapRound) && w.pen.GetEndCap() == LineCapRound; }},
        {"GdipSetPenDashCap197819", [](World& w) { return w.pen.SetDashCap197819(DashCapRound); }},
        {"GdipSetPenLineJoin",
         [](World& w) { return w.pen.SetLineJoin(LineJoinRound) && w.pen.GetLineJoin() == LineJoinRound; }},
        {"GdipSetPenCustomStartCap",
         [](World& w) {
             GxPath capPath;
             GxCustomLineCap cap, back;
             return capPath.Create() && capPath.AddLine(-1, 0, 1, 0) && cap.Create(nullptr, &capPath) &&
                    w.pen.SetCustomStartCap(cap) && w.pen.GetCustomStartCap(back) && !back.IsEmpty();
         }},
        {"GdipSetPenCustomEndCap",
         [](World& w) {
             GxPath capPath;
             GxCustomLineCap cap, back;
             return capPath.Create() && capPath.AddLine(-1, 0, 1, 0) && cap.Create(nullptr, &capPath) &&
                    w.pen.SetCustomEndCap(cap) && w.pen.GetCustomEndCap(back) && !back.IsEmpty();
         }},
        {"GdipSetPenMiterLimit", [](World& w) { return w.pen.SetMiterLimit(4) && w.pen.GetMiterLimit() == 4; }},
        {"GdipSetPenMode",
         [](World& w) { return w.pen.SetMode(PenAlignmentInset) && w.pen.GetMode() == PenAlignmentInset; }},
        {"GdipSetPenTransform",
         [](World& w) {
             GxMatrix back;
             return w.pen.SetTransform(w.matrix) && w.pen.GetTransform(back) && back.IsEqual(w.matrix);
         }},
        {"GdipResetPenTransform", [](World& w) { return w.pen.ResetTransform(); }},
        {"GdipMultiplyPenTransform", [](World& w) { return w.pen.MultiplyTransform(w.matrix, MatrixOrderAppend); }},
        {"GdipRotatePenTransform", [](World& w) { return w.pen.RotateTransform(30); }},
        {"GdipRotatePenTransform", [](World& w) { return w.pen.RotateTransformAt(30, GxPointF(5, 5)); }},
        {"GdipScalePenTransform", [](World& w) { return w.pen.ScaleTransform(2, 3); }},
        {"GdipScalePenTransform", [](World& w) { return w.pen.ScaleTransformAt(2, 3, GxPointF(5, 5)); }},
        {"GdipTranslatePenTransform", [](World& w) { return w.pen.TranslateTransform(1, 2); }},
        {"GdipSetPenColor", [](World& w) { return w.pen.SetColor(kBlue) && w.pen.GetColor() == kBlue; }},
        {"GdipSetPenBrushFill",
         [](World& w) {
             GxBrush back;
             return w.pen.SetBrushFill(w.linear) && w.pen.GetBrushFill(back) &&
                    back.GetType() == BrushTypeLinearGradient && w.pen.GetFillType() == PenTypeLinearGradient;
         }},
        {"GdipSetPenDashStyle",
         [](World& w) { return w.pen.SetDashStyle(DashStyleDot) && w.pen.GetDashStyle() == DashStyleDot; }},
        {"GdipSetPenDashOffset", [](World& w) { return w.pen.SetDashOffset(1.5f) && w.pen.GetDashOffset() == 1.5f; }},
        {"GdipSetPenDashArray",
         [](World& w) {
             std::vector<float> back;
             return w.pen.SetDashArray({3, 1, 2, 1}) && w.pen.GetDashArray(back) &&
                    back == std::vector<float>{3, 1, 2, 1};
         }},
        {"GdipSetPenCompoundArray",
         [](World& w) {
             std::vector<float> back;
             return w.pen.SetCompoundArray({0, 0.25f, 0.75f, 1}) && w.pen.GetCompoundArray(back) &&
                    back == std::vector<float>{0, 0.25f, 0.75f, 1};
         }},
    });
}

TEST(GxOperations, Brushes) {
    RunAll({
        {"GdipCloneBrush",
         [](World& w) {
             GxBrush b;
             return w.solid.Clone(b) && b.GetType() == BrushTypeSolidColor;
         }},
        {"GdipSetSolidFillColor", [](World& w) { return w.solid.SetColor(kRed) && w.solid.GetColor() == kRed; }},
        {"GdipCreateLineBrushI",
         [](World&) {
             GxLinearGradientBrush b;
             return b.CreateI(GxPoint(0, 0), GxPoint(5, 5), kRed, kBlue);
         }},
        {"GdipCreateLineBrushFromRect",
         [](World&) {
             GxLinearGradientBrush b;
             return b.CreateFromRect(GxRectF(0, 0, 10, 10), kRed, kBlue, LinearGradientModeVertical);
         }},
        {"GdipCreateLineBrushFromRectI",
         [](World&) {
             GxLinearGradientBrush b;
             return b.CreateFromRectI(GxRect(0, 0, 10, 10), kRed, kBlue, LinearGradientModeHorizontal);
         }},
        {"GdipCreateLineBrushFromRectWithAngle",
         [](World&) {
             GxLinearGradientBrush b;
             return b.CreateFromRectWithAngle(GxRectF(0, 0, 10, 10), kRed, kBlue, 45, true);
         }},
        {"GdipCreateLineBrushFromRectWithAngleI",
         [](World&) {
             GxLinearGradientBrush b;
             return b.CreateFromRectWithAngleI(GxRect(0, 0, 10, 10), kRed, kBlue, 30, false);
         }},
        {"GdipGetLineColors",
         [](World& w) {
             auto colors = w.linear.GetColors();
             return colors[0] == kRed && colors[1] == kBlue;
         }},
        {"GdipSetLineColors", [](World& w) { return w.linear.SetColors(kBlue, kRed); }},
        {"GdipGetLineRect", [](World& w) { return w.linear.GetRect().Width == 64; }},
        {"GdipGetLineRectI", [](World& w) { return w.linear.GetRectI().Width == 64; }},
        {"GdipSetLineGammaCorrection",
         [](World& w) { return w.linear.SetGammaCorrection(true) && w.linear.GetGammaCorrection(); }},
        {"GdipSetLineBlend",
         [](World& w) {
             std::vector<float> factors, positions;
             return w.linear.SetBlend({0, 0.5f, 1}, {0, 0.3f, 1}) && w.linear.GetBlendCount() == 3 &&
                    w.linear.GetBlend(factors, positions) && positions == std::vector<float>{0, 0.3f, 1};
         }},
        {"GdipSetLinePresetBlend",
         [](World& w) {
             std::vector<GxArgb> colors;
             std::vector<float> positions;
             return w.linear.SetPresetBlend({kRed, kWhite, kBlue}, {0, 0.5f, 1}) &&
                    w.linear.GetPresetBlend(colors, positions) && colors == std::vector<GxArgb>{kRed, kWhite, kBlue};
         }},
        {"GdipSetLineSigmaBlend", [](World& w) { return w.linear.SetSigmaBlend(0.5f, 1); }},
        {"GdipSetLineLinearBlend", [](World& w) { return w.linear.SetLinearBlend(0.5f, 1); }},
        {"GdipSetLineWrapMode",
         [](World& w) {
             return w.linear.SetWrapMode(WrapModeTileFlipX) && w.linear.GetWrapMode() == WrapModeTileFlipX;
         }},
        {"GdipSetLineTransform",
         [](World& w) {
             GxMatrix back;
             return w.linear.SetTransform(w.matrix) && w.linear.GetTransform(back) && back.IsEqual(w.matrix);
         }},
        {"GdipResetLineTransform", [](World& w) { return w.linear.ResetTransform(); }},
        {"GdipMultiplyLineTransform", [](World& w) { return w.linear.MultiplyTransform(w.matrix); }},
        {"GdipTranslateLineTransform", [](World& w) { return w.linear.TranslateTransform(3, 4); }},
        {"GdipScaleLineTransform", [](World& w) { return w.linear.ScaleTransform(2, 2); }},
        {"GdipScaleLineTransform", [](World& w) { return w.linear.ScaleTransformAt(2, 2, GxPointF(8, 8)); }},
        {"GdipRotateLineTransform", [](World& w) { return w.linear.RotateTransform(45); }},
        {"GdipRotateLineTransform",
         [](World& w) { return w.linear.RotateTransformAt(45, GxPointF(8, 8), MatrixOrderAppend); }},
        {"GdipCreatePathGradientI",
         [](World&) {
             GxPathGradientBrush b;
             return b.CreateI({GxPoint(0, 0), GxPoint(10, 0), GxPoint(5, 10)});
         }},
        {"GdipCreatePathGradientFromPath",
         [](World& w) {
             GxPathGradientBrush b;
             return b.CreateFromPath(w.path);
         }},
        {"GdipSetPathGradientCenterColor",
         [](World& w) { return w.radial.SetCenterColor(kRed) && w.radial.GetCenterColor() == kRed; }},
        {"GdipGetPathGradientPointCount", [](World& w) { return w.radial.GetPointCount() == 4; }},
        {"GdipGetPathGradientSurroundColorCount", [](World& w) { return w.radial.GetSurroundColorCount() >= 1; }},
        {"GdipSetPathGradientSurroundColorsWithCount",
         [](World& w) {
             int count = 4;
             std::vector<GxArgb> back;
             return w.radial.SetSurroundColorsWithCount({kRed, kBlue, kRed, kBlue}, count) && count == 4 &&
                    w.radial.GetSurroundColorsWithCount(back) && back.size() == 4 && back[1] == kBlue;
         }},
        {"GdipGetPathGradientPath",
         [](World& w) {
             GxPath p;
             return w.radial.GetPath(p);
         }},
        {"GdipGetPathGradientPath",
         [](World& w) {
             GxPath p;
             return p.Create() && w.radial.GetPathInto(p);
         }},
        {"GdipGetPathGradientCenterPoint", [](World& w) { return w.radial.GetCenterPoint().X == 32; }},
        {"GdipGetPathGradientCenterPointI", [](World& w) { return w.radial.GetCenterPointI().Y == 32; }},
        {"GdipSetPathGradientCenterPoint",
         [](World& w) { return w.radial.SetCenterPoint(GxPointF(10, 20)) && w.radial.GetCenterPoint().Y == 20; }},
        {"GdipSetPathGradientCenterPoint", [](World& w) { return w.radial.SetCenterPointF(GxPointF(11, 21)); }},
        {"GdipGetPathGradientRect", [](World& w) { return w.radial.GetRect().Width == 64; }},
        {"GdipGetPathGradientRectI", [](World& w) { return w.radial.GetRectI().Height == 64; }},
        {"GdipSetPathGradientGammaCorrection",
         [](World& w) { return w.radial.SetGammaCorrection(true) && w.radial.GetGammaCorrection(); }},
        {"GdipSetPathGradientBlend",
         [](World& w) {
             std::vector<float> factors, positions;
             return w.radial.SetBlend({0, 1}, {0, 1}) && w.radial.GetBlendCount() == 2 &&
                    w.radial.GetBlend(factors, positions) && factors.size() == 2;
         }},
        {"GdipGetPathGradientPresetBlendCount", [](World& w) { return w.radial.GetPresetBlendCount() >= 0; }},
        {"GdipSetPathGradientFocusScales",
         [](World& w) {
             float x = 0, y = 0;
             return w.radial.SetFocusScales(0.5f, 0.25f) && w.radial.GetFocusScales(x, y) && x == 0.5f && y == 0.25f;
         }},
        {"GdipSetPathGradientPresetBlend",
         [](World& w) {
             std::vector<GxArgb> colors;
             std::vector<float> positions;
             return w.radial.SetPresetBlend({kRed, kBlue}, {0, 1}) && w.radial.GetPresetBlend(colors, positions) &&
                    colors.size() == 2;
         }},
        {"GdipSetPathGradientSigmaBlend", [](World& w) { return w.radial.SetSigmaBlend(0.5f, 1); }},
        {"GdipSetPathGradientLinearBlend", [](World& w) { return w.radial.SetLinearBlend(0.5f, 1); }},
        {"GdipSetPathGradientWrapMode",
         [](World& w) { return w.radial.SetWrapMode(WrapModeClamp) && w.radial.GetWrapMode() == WrapModeClamp; }},
        {"GdipSetPathGradientTransform",
         [](World& w) {
             GxMatrix back;
             return w.radial.SetTransform(w.matrix) && w.radial.GetTransform(back) && back.IsEqual(w.matrix);
         }},
        {"GdipResetPathGradientTransform", [](World& w) { return w.radial.ResetTransform(); }},
        {"GdipMultiplyPathGradientTransform", [](World& w) { return w.radial.MultiplyTransform(w.matrix); }},
        {"GdipTranslatePathGradientTransform", [](World& w) { return w.radial.TranslateTransform(1, 1); }},
        {"GdipScalePathGradientTransform", [](World& w) { return w.radial.ScaleTransform(2, 2); }},
        {"GdipScalePathGradientTransform", [](World& w) { return w.radial.ScaleTransformAt(2, 2, GxPointF(3, 3)); }},
        {"GdipRotatePathGradientTransform", [](World& w) { return w.radial.RotateTransform(10); }},
        {"GdipRotatePathGradientTransform", [](World& w) { return w.radial.RotateTransformAt(10, GxPointF(3, 3)); }},
        {"GdipCreateTexture2",
         [](World& w) {
             GxTextureBrush b;
             return b.Create2(w.picture, WrapModeTile, 0, 0, 4, 4);
         }},
        {"GdipCreateTexture2I",
         [](World& w) {
             GxTextureBrush b;
             return b.Create2I(w.picture, WrapModeTile, 0, 0, 4, 4);
         }},
        {"GdipCreateTextureIA",
         [](World& w) {
             GxTextureBrush b;
             return b.CreateIA(w.picture, &w.attributes, 0, 0, 4, 4);
         }},
        {"GdipCreateTextureIAI",
         [](World& w) {
             GxTextureBrush b;
             return b.CreateIAI(w.picture, &w.attributes, 0, 0, 4, 4);
         }},
        {"GdipSetTextureTransform",
         [](World& w) {
             GxMatrix back;
             return w.texture.SetTransform(w.matrix) && w.texture.GetTransform(back) && back.IsEqual(w.matrix);
         }},
        {"GdipResetTextureTransform", [](World& w) { return w.texture.ResetTransform(); }},
        {"GdipMultiplyTextureTransform", [](World& w) { return w.texture.MultiplyTransform(w.matrix); }},
        {"GdipTranslateTextureTransform", [](World& w) { return w.texture.TranslateTransform(1, 1); }},
        {"GdipScaleTextureTransform", [](World& w) { return w.texture.ScaleTransform(2, 2); }},
        {"GdipScaleTextureTransform", [](World& w) { return w.texture.ScaleTransformAt(2, 2, GxPointF(4, 4)); }},
        {"GdipRotateTextureTransform", [](World& w) { return w.texture.RotateTransform(90); }},
        {"GdipRotateTextureTransform", [](World& w) { return w.texture.RotateTransformAt(90, GxPointF(4, 4)); }},
        {"GdipSetTextureWrapMode",
         [](World& w) {
             return w.texture.SetWrapMode(WrapModeTileFlipXY) && w.texture.GetWrapMode() == WrapModeTileFlipXY;
         }},
        {"GdipGetTextureImage",
         [](World& w) {
             GxImage image;
             return w.texture.GetImage(image) && image.GetWidth() == 8;
         }},
    });
}

TEST(GxOperations, PathAndRegion) {
    RunAll({
        {"GdipCreatePath2",
         [](World&) {
             GxPath p;
             return p.Create2({GxPointF(0, 0), GxPointF(5, 5)}, {PathPointTypeStart, PathPointTypeLine}) &&
                    p.GetPointCount() == 2;
         }},
        {"GdipCreatePath2I",
         [](World&) {
             GxPath p;
             return p.Create2I({GxPoint(0, 0), GxPoint(5, 5)}, {PathPointTypeStart, PathPointTypeLine});
         }},
        {"GdipClonePath",
         [](World& w) {
             GxPath p;
             return w.path.Clone(p) && p.GetPointCount() == 4;
         }},
        {"GdipResetPath", [](World& w) { return w.path.Reset() && w.path.GetPointCount() == 0; }},
        {"GdipSetPathFillMode",
         [](World& w) { return w.path.SetFillMode(FillModeWinding) && w.path.GetFillMode() == FillModeWinding; }},
        {"GdipGetPathData",
         [](World& w) {
             std::vector<GxPointF> points;
             std::vector<BYTE> types;
             return w.path.GetData(points, types) && points.size() == 4 && points[2].X == 24 && types.size() == 4;
         }},
        {"GdipGetPathTypes",
         [](World& w) {
             std::vector<BYTE> t;
             return w.path.GetTypes(t) && t.size() == 4;
         }},
        {"GdipGetPathPoints",
         [](World& w) {
             std::vector<GxPointF> p;
             return w.path.GetPoints(p) && p[1].X == 24 && p[1].Y == 4;
         }},
        {"GdipGetPathPointsI",
         [](World& w) {
             std::vector<GxPoint> p;
             return w.path.GetPointsI(p) && p[3].Y == 14;
         }},
        {"GdipStartPathFigure", [](World& w) { return w.path.StartFigure(); }},
        {"GdipClosePathFigure", [](World& w) { return w.path.CloseFigure(); }},
        {"GdipClosePathFigures", [](World& w) { return w.path.CloseFigures(); }},
        {"GdipSetPathMarker", [](World& w) { return w.path.SetMarker(); }},
        {"GdipClearPathMarkers", [](World& w) { return w.path.ClearMarkers(); }},
        {"GdipReversePath", [](World& w) { return w.path.Reverse(); }},
        {"GdipGetPathLastPoint", [](World& w) { return w.path.GetLastPoint().Y == 14; }},
        {"GdipAddPathLine", [](World& w) { return w.path.AddLine(0, 0, 1, 1); }},
        {"GdipAddPathLineI", [](World& w) { return w.path.AddLineI(0, 0, 1, 1); }},
        {"GdipAddPathLine2",
         [](World& w) {
             return w.path.AddLine2({GxPointF(0, 0), GxPointF(1, 2)});
         }},
        {"GdipAddPathLine2I",
         [](World& w) {
             return w.path.AddLine2I({GxPoint(0, 0), GxPoint(1, 2)});
         }},
        {"GdipAddPathArc", [](World& w) { return w.path.AddArc(0, 0, 10, 10, 0, 90); }},
        {"GdipAddPathArcI", [](World& w) { return w.path.AddArcI(0, 0, 10, 10, 0, 90); }},
        {"GdipAddPathBezier", [](World& w) { return w.path.AddBezier(0, 0, 1, 1, 2, 2, 3, 0); }},
        {"GdipAddPathBezierI", [](World& w) { return w.path.AddBezierI(0, 0, 1, 1, 2, 2, 3, 0); }},
        {"GdipAddPathBeziers",
         [](World& w) {
             return w.path.AddBeziers({GxPointF(0, 0), GxPointF(1, 1), GxPointF(2, 1), GxPointF(3, 0)});
         }},
        {"GdipAddPathBeziersI",
         [](World& w) {
             return w.path.AddBeziersI({GxPoint(0, 0), GxPoint(1, 1), GxPoint(2, 1), GxPoint(3, 0)});
         }},
        {"GdipAddPathCurve",
         [](World& w) {
             return w.path.AddCurve({GxPointF(0, 0), GxPointF(5, 5), GxPointF(9, 0)});
         }},
        {"GdipAddPathCurve2",
         [](World& w) {
             return w.path.AddCurve2({GxPointF(0, 0), GxPointF(5, 5), GxPointF(9, 0)}, 0.5f);
         }},
        {"GdipAddPathCurve3",
         [](World& w) {
             return w.path.AddCurve3({GxPointF(0, 0), GxPointF(5, 5), GxPointF(9, 0)}, 0, 1, 0.5f);
         }},
        {"GdipAddPathCurveI",
         [](World& w) {
             return w.path.AddCurveI({GxPoint(0, 0), GxPoint(5, 5), GxPoint(9, 0)});
         }},
        {"GdipAddPathCurve2I",
         [](World& w) {
             return w.path.AddCurve2I({GxPoint(0, 0), GxPoint(5, 5), GxPoint(9, 0)}, 0.5f);
         }},
        {"GdipAddPathCurve3I",
         [](World& w) {
             return w.path.AddCurve3I({GxPoint(0, 0), GxPoint(5, 5), GxPoint(9, 0)}, 0, 1, 0.5f);
         }},
        {"GdipAddPathClosedCurve",
         [](World& w) {
             return w.path.AddClosedCurve({GxPointF(0, 0), GxPointF(5, 5), GxPointF(9, 0)});
         }},
        {"GdipAddPathClosedCurve2",
         [](World& w) {
             return w.path.AddClosedCurve2({GxPointF(0, 0), GxPointF(5, 5), GxPointF(9, 0)}, 0.5f);
         }},
        {"GdipAddPathClosedCurveI",
         [](World& w) {
             return w.path.AddClosedCurveI({GxPoint(0, 0), GxPoint(5, 5), GxPoint(9, 0)});
         }},
        {"GdipAddPathClosedCurve2I",
         [](World& w) {
             return w.path.AddClosedCurve2I({GxPoint(0, 0), GxPoint(5, 5), GxPoint(9, 0)}, 0.5f);
         }},
        {"GdipAddPathRectangles",
         [](World& w) {
             return w.path.AddRectangles({GxRectF(0, 0, 2, 2), GxRectF(5, 5, 2, 2)});
         }},
        {"GdipAddPathRectangleI", [](World& w) { return w.path.AddRectangleI(0, 0, 3, 3); }},
        {"GdipAddPathRectanglesI", [](World& w) { return w.path.AddRectanglesI({GxRect(0, 0, 2, 2)}); }},
        {"GdipAddPathEllipse", [](World& w) { return w.path.AddEllipse(0, 0, 8, 4); }},
        {"GdipAddPathEllipseI", [](World& w) { return w.path.AddEllipseI(0, 0, 8, 4); }},
        {"GdipAddPathPie", [](World& w) { return w.path.AddPie(0, 0, 8, 8, 0, 90); }},
        {"GdipAddPathPieI", [](World& w) { return w.path.AddPieI(0, 0, 8, 8, 0, 90); }},
        {"GdipAddPathPolygon",
         [](World& w) {
             return w.path.AddPolygon({GxPointF(0, 0), GxPointF(5, 0), GxPointF(5, 5)});
         }},
        {"GdipAddPathPolygonI",
         [](World& w) {
             return w.path.AddPolygonI({GxPoint(0, 0), GxPoint(5, 0), GxPoint(5, 5)});
         }},
        {"GdipAddPathPath",
         [](World& w) {
             GxPath p;
             return w.path.Clone(p) && w.path.AddPath(p, false);
         }},
        {"GdipAddPathString", [](World& w) { return w.path.AddString(L"Ab", w.family, 12, GxRectF(0, 0, 60, 20)); }},
        {"GdipAddPathString",
         [](World& w) {
             return w.path.AddStringW({'A', 0, 'b', 0}, w.family, 12, GxRectF(0, 0, 60, 20), FontStyleBold, &w.format);
         }},
        {"GdipAddPathStringI", [](World& w) { return w.path.AddStringI(L"Ab", w.family, 12, GxRect(0, 0, 60, 20)); }},
        {"GdipAddPathStringI",
         [](World& w) {
             return w.path.AddStringIW({'A', 0}, w.family, 12, GxRect(0, 0, 60, 20));
         }},
        {"GdipTransformPath", [](World& w) { return w.path.Transform(w.matrix) && w.path.GetWorldBounds().X == 6; }},
        {"GdipFlattenPath", [](World& w) { return w.path.AddEllipse(0, 0, 9, 9) && w.path.Flatten(&w.matrix); }},
        {"GdipWidenPath", [](World& w) { return w.path.Widen(w.pen); }},
        {"GdipWindingModeOutline", [](World& w) { return w.path.WindingModeOutline(); }},
        {"GdipWarpPath",
         [](World& w) {
             return w.path.Warp(nullptr, {GxPointF(0, 0), GxPointF(10, 0), GxPointF(0, 10), GxPointF(10, 10)}, 0, 0, 20,
                                20);
         }},
        {"GdipGetPathWorldBoundsI", [](World& w) { return w.path.GetWorldBoundsI(nullptr, &w.pen).Width >= 20; }},
        {"GdipIsVisiblePathPoint", [](World& w) { return w.path.IsVisiblePoint(10, 10, &w.graphics); }},
        {"GdipIsVisiblePathPointI", [](World& w) { return !w.path.IsVisiblePointI(40, 40) && gxLastStatus == Ok; }},
        {"GdipIsOutlineVisiblePathPoint",
         [](World& w) { return w.path.IsOutlineVisiblePoint(4, 8, w.pen, &w.graphics); }},
        {"GdipIsOutlineVisiblePathPointI", [](World& w) { return w.path.IsOutlineVisiblePointI(24, 8, w.pen); }},
        {"GdipCreateRegion",
         [](World&) {
             GxRegion r;
             return r.Create();
         }},
        {"GdipCreateRegionRectI",
         [](World&) {
             GxRegion r;
             return r.CreateRectI(GxRect(0, 0, 4, 4));
         }},
        {"GdipCreateRegionPath",
         [](World& w) {
             GxRegion r;
             return r.CreatePath(w.path);
         }},
        {"GdipCreateRegionHrgn",
         [](World&) {
             UniqueRegion hrgn(::CreateRectRgn(0, 0, 5, 5));
             GxRegion r;
             return r.CreateHrgn(hrgn.Get());
         }},
        {"GdipCreateRegionRgnData",
         [](World& w) {
             GxRegion r;
             return r.CreateRgnData(w.region.GetData()) && r.IsEqual(w.region, w.graphics);
         }},
        {"GdipCloneRegion",
         [](World& w) {
             GxRegion r;
             return w.region.Clone(r) && r.IsEqual(w.region, w.graphics);
         }},
        {"GdipSetInfinite", [](World& w) { return w.region.SetInfinite() && w.region.IsInfinite(w.graphics); }},
        {"GdipSetEmpty", [](World& w) { return w.region.SetEmpty() && w.region.IsEmpty(w.graphics); }},
        {"GdipCombineRegionRect",
         [](World& w) { return w.region.CombineRect(GxRectF(10, 10, 20, 20), CombineModeUnion); }},
        {"GdipCombineRegionRectI",
         [](World& w) { return w.region.CombineRectI(GxRect(10, 10, 20, 20), CombineModeIntersect); }},
        {"GdipCombineRegionRegion",
         [](World& w) {
             GxRegion r;
             return w.region.Clone(r) && w.region.CombineRegion(r, CombineModeXor);
         }},
        {"GdipCombineRegionPath", [](World& w) { return w.region.CombinePath(w.path, CombineModeExclude); }},
        {"GdipTranslateRegion",
         [](World& w) { return w.region.Translate(2, 3) && w.region.GetBounds(w.graphics).X == 2; }},
        {"GdipTranslateRegionI",
         [](World& w) { return w.region.TranslateI(2, 3) && w.region.GetBoundsI(w.graphics).Y == 3; }},
        {"GdipTransformRegion", [](World& w) { return w.region.Transform(w.matrix); }},
        {"GdipGetRegionDataSize", [](World& w) { return w.region.GetDataSize() > 0; }},
        {"GdipGetRegionHRgn",
         [](World& w) {
             UniqueRegion hrgn = w.region.GetHRgn(w.graphics);
             RECT box{};
             return hrgn && ::GetRgnBox(hrgn.Get(), &box) != 0 && box.right == 16;
         }},
        {"GdipIsVisibleRegionPoint", [](World& w) { return w.region.IsVisiblePoint(3, 3); }},
        {"GdipIsVisibleRegionPointI", [](World& w) { return w.region.IsVisiblePointI(3, 3, &w.graphics); }},
        {"GdipIsVisibleRegionRect", [](World& w) { return w.region.IsVisibleRect(14, 14, 10, 10); }},
        {"GdipIsVisibleRegionRectI",
         [](World& w) { return !w.region.IsVisibleRectI(20, 20, 5, 5) && gxLastStatus == Ok; }},
        {"GdipGetRegionScansCount", [](World& w) { return w.region.GetScansCount(w.matrix) == 1; }},
        {"GdipGetRegionScans",
         [](World& w) {
             std::vector<GxRectF> scans;
             return w.region.GetScans(w.matrix, scans) && scans.size() == 1 && scans[0].X == 2;
         }},
        {"GdipGetRegionScansI",
         [](World& w) {
             std::vector<GxRect> scans;
             return w.region.GetScansI(w.matrix, scans) && scans.size() == 1 && scans[0].Height == 16;
         }},
        {"GdipCreateMatrix3",
         [](World&) {
             GxMatrix m;
             return m.Create3(GxRectF(0, 0, 1, 1), {GxPointF(0, 0), GxPointF(2, 0), GxPointF(0, 2)}) &&
                    m.GetElements()[0] == 2;
         }},
        {"GdipCloneMatrix",
         [](World& w) {
             GxMatrix m;
             return w.matrix.Clone(m) && m.IsEqual(w.matrix);
         }},
        {"GdipSetMatrixElements",
         [](World& w) { return w.matrix.SetElements(1, 0, 0, 1, 0, 0) && w.matrix.IsIdentity(); }},
        {"GdipMultiplyMatrix",
         [](World& w) {
             GxMatrix m;
             return m.Create() && w.matrix.Multiply(m);
         }},
        {"GdipTranslateMatrix", [](World& w) { return w.matrix.Translate(1, 1) && w.matrix.GetElements()[4] == 3; }},
        {"GdipScaleMatrix", [](World& w) { return w.matrix.Scale(2, 2, MatrixOrderAppend); }},
        {"GdipRotateMatrix", [](World& w) { return w.matrix.Rotate(90); }},
        {"GdipShearMatrix", [](World& w) { return w.matrix.Shear(1, 0); }},
        {"GdipInvertMatrix",
         [](World& w) { return w.matrix.IsInvertible() && w.matrix.Invert() && w.matrix.GetElements()[4] == -2; }},
        {"GdipTransformMatrixPoints",
         [](World& w) {
             std::vector<GxPointF> points{GxPointF(1, 1)};
             return w.matrix.TransformPoints(points) && points[0].X == 3 && points[0].Y == 4;
         }},
        {"GdipTransformMatrixPointsI",
         [](World& w) {
             std::vector<GxPoint> points{GxPoint(1, 1)};
             return w.matrix.TransformPointsI(points) && points[0].X == 3;
         }},
        {"GdipVectorTransformMatrixPoints",
         [](World& w) {
             std::vector<GxPointF> points{GxPointF(1, 1)};
             return w.matrix.VectorTransformPoints(points) && points[0].X == 1;
         }},
    });
}

TEST(GxOperations, FontsAndFormats) {
    RunAll({
        {"GdipCreateFontFromDC",
         [](World&) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             GxFont f;
             return f.CreateFromDC(dc.Get());
         }},
        {"GdipCreateFontFromLogfontA",
         [](World&) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             LOGFONTA lf{};
             lf.lfHeight = -12;
             lstrcpyA(lf.lfFaceName, "Tahoma");
             GxFont f;
             return f.CreateFromLogfontA(dc.Get(), &lf);
         }},
        {"GdipCloneFont",
         [](World& w) {
             GxFont f;
             return w.font.Clone(f) && f.GetSize() == 12;
         }},
        {"GdipGetLogFontA", [](World& w) { return w.font.GetLogFontA(w.graphics).lfHeight != 0; }},
        {"GdipGetLogFontW", [](World& w) { return w.font.GetLogFontW(w.graphics).lfFaceName[0] != 0; }},
        {"GdipGetFontUnit", [](World& w) { return w.font.GetUnit() == UnitPixel; }},
        {"GdipGetFontHeight", [](World& w) { return w.font.GetHeight(w.graphics) > 10; }},
        {"GdipGetFontHeightGivenDPI", [](World& w) { return w.font.GetHeightGivenDPI(96) > 0; }},
        {"GdipCloneFontFamily",
         [](World& w) {
             GxFontFamily f;
             return w.family.Clone(f) && f.GetName() == w.family.GetName();
         }},
        {"GdipGetFamilyName",
         [](World& w) {
             const Bytes name = w.family.GetNameW();
             return !name.empty() && name.size() == w.family.GetName().size() * 2;
         }},
        {"GdipIsStyleAvailable", [](World& w) { return w.family.IsStyleAvailable(FontStyleRegular); }},
        {"GdipGetEmHeight", [](World& w) { return w.family.GetEmHeight() > 0; }},
        {"GdipGetCellAscent", [](World& w) { return w.family.GetCellAscent() > 0; }},
        {"GdipGetCellDescent", [](World& w) { return w.family.GetCellDescent() > 0; }},
        {"GdipGetLineSpacing", [](World& w) { return w.family.GetLineSpacing() > 0; }},
        {"GdipStringFormatGetGenericDefault",
         [](World&) {
             GxStringFormat f;
             return f.GetGenericDefault();
         }},
        {"GdipStringFormatGetGenericTypographic",
         [](World&) {
             GxStringFormat f;
             return f.GetGenericTypographic() && f.GetFlags() != 0;
         }},
        {"GdipCloneStringFormat",
         [](World& w) {
             GxStringFormat f;
             return w.format.Clone(f);
         }},
        {"GdipSetStringFormatFlags",
         [](World& w) {
             return w.format.SetFlags(StringFormatFlagsNoWrap) && w.format.GetFlags() == StringFormatFlagsNoWrap;
         }},
        {"GdipSetStringFormatAlign",
         [](World& w) {
             return w.format.SetAlign(StringAlignmentCenter) && w.format.GetAlign() == StringAlignmentCenter;
         }},
        {"GdipSetStringFormatLineAlign",
         [](World& w) {
             return w.format.SetLineAlign(StringAlignmentFar) && w.format.GetLineAlign() == StringAlignmentFar;
         }},
        {"GdipSetStringFormatTrimming",
         [](World& w) {
             return w.format.SetTrimming(StringTrimmingEllipsisCharacter) &&
                    w.format.GetTrimming() == StringTrimmingEllipsisCharacter;
         }},
        {"GdipSetStringFormatHotkeyPrefix",
         [](World& w) {
             return w.format.SetHotkeyPrefix(HotkeyPrefixShow) && w.format.GetHotkeyPrefix() == HotkeyPrefixShow;
         }},
        {"GdipSetStringFormatTabStops",
         [](World& w) {
             float first = 0;
             std::vector<float> stops;
             return w.format.SetTabStops(4, {10, 20}) && w.format.GetTabStops(first, stops) && first == 4 &&
                    stops == std::vector<float>{10, 20};
         }},
        {"GdipSetStringFormatDigitSubstitution",
         [](World& w) {
             LANGID language = 0;
             StringDigitSubstitute substitute = StringDigitSubstituteUser;
             return w.format.SetDigitSubstitution(0x0409, StringDigitSubstituteNone) &&
                    w.format.GetDigitSubstitution(language, substitute) && language == 0x0409 &&
                    substitute == StringDigitSubstituteNone;
         }},
        {"GdipSetStringFormatMeasurableCharacterRanges",
         [](World& w) {
             return w.format.SetMeasurableCharacterRanges({CharacterRange(0, 1), CharacterRange(1, 2)}) &&
                    w.format.GetMeasurableCharacterRangeCount() == 2;
         }},
        {"GdipCreateCustomLineCap",
         [](World& w) {
             GxCustomLineCap cap, copy;
             return cap.Create(&w.path, nullptr, LineCapRound, 1) && cap.Clone(copy) && copy.GetBaseInset() == 1 &&
                    copy.SetBaseCap(LineCapSquare) && copy.GetBaseCap() == LineCapSquare && copy.SetBaseInset(2);
         }},
        {"GdipCloneImageAttributes",
         [](World& w) {
             GxImageAttributes copy;
             return w.attributes.Clone(copy) && copy.SetColorKeys(kRed, kRed) && copy.ClearColorKeys() &&
                    copy.SetWrapMode(WrapModeClamp, kWhite) && copy.Reset();
         }},
    });
}

// A 20 x 10 enhanced metafile with one rectangle, loaded as an image.
bool LoadMetafile(GxImage& image) {
    HDC dc = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    if (!dc) return false;
    ::Rectangle(dc, 0, 0, 20, 10);
    HENHMETAFILE emf = ::CloseEnhMetaFile(dc);
    const UINT size = ::GetEnhMetaFileBits(emf, 0, nullptr);
    Bytes bytes(size);
    ::GetEnhMetaFileBits(emf, size, bytes.data());
    ::DeleteEnhMetaFile(emf);
    return image.LoadFromBytes(bytes);
}

BOOL CALLBACK CountRecord(EmfPlusRecordType, UINT, UINT, const BYTE*, VOID* data) {
    ++*static_cast<int*>(data);
    return TRUE;
}

TEST(GxOperations, ImagesAndBitmaps) {
    RunAll({
        {"GdipCloneImage",
         [](World& w) {
             GxBitmap b;
             return w.picture.Clone(b) && b.GetPixel(6, 1) == kBlue;
         }},
        {"GdipGetImageBounds",
         [](World& w) {
             Unit unit = UnitWorld;
             const GxRectF bounds = w.picture.GetBounds(unit);
             return bounds.Width == 8 && unit == UnitPixel;
         }},
        {"GdipGetImageDimension", [](World& w) { return w.picture.GetDimension().Height == 8; }},
        {"GdipGetImageType", [](World& w) { return w.picture.GetType() == ImageTypeBitmap; }},
        {"GdipGetImageHorizontalResolution", [](World& w) { return w.picture.GetHorizontalResolution() > 0; }},
        {"GdipGetImageVerticalResolution", [](World& w) { return w.picture.GetVerticalResolution() > 0; }},
        {"GdipGetImageFlags", [](World& w) { return (w.picture.GetFlags() & ImageFlagsHasAlpha) != 0; }},
        {"GdipGetImageRawFormat", [](World& w) { return w.picture.GetRawFormat() == kGxFormatMemoryBmp; }},
        {"GdipGetImageThumbnail",
         [](World& w) {
             GxImage t;
             return w.picture.GetThumbnail(4, 4, t) && t.GetWidth() == 4;
         }},
        {"GdipImageGetFrameDimensionsList",
         [](World& w) {
             std::vector<std::wstring> dimensions;
             return w.picture.GetFrameDimensions(dimensions) && dimensions.size() == 1 &&
                    w.picture.GetFrameCount(dimensions[0]) == 1;
         }},
        {"GdipImageSelectActiveFrame", [](World& w) { return w.picture.SelectActiveFrame(kGxFrameDimensionPage, 0); }},
        {"GdipSetPropertyItem",
         [](World& w) {
             return w.picture.SetPropertyItem({0x010E, 3, PropertyTagTypeASCII, {'h', 'i', 0}});
         }},
        {"GdipGetPropertyIdList",
         [](World& w) {
             std::vector<int> ids{42};
             return w.picture.GetPropertyIdList(ids) && ids.empty();  // a fresh bitmap has no properties
         }},
        {"GdipRemovePropertyItem",
         [](World& w) {
             GxPropertyItem item{0x010E, 2, PropertyTagTypeASCII, {'a', 0}};
             return w.picture.SetPropertyItem(item) && w.picture.RemovePropertyItem(0x010E);
         }},
        {"GdipImageRotateFlip",
         [](World& w) { return w.picture.RotateFlip(RotateNoneFlipX) && w.picture.GetPixel(0, 0) == kBlue; }},
        {"GdipSetImagePalette",
         [](World& w) {
             GxBitmap indexed;
             GxPalette palette{0, 2, {kRed, kBlue}}, back;
             return indexed.Create(4, 4, PixelFormat8bppIndexed) && indexed.SetPalette(palette) &&
                    indexed.GetPalette(back) && back.entries == palette.entries;
             (void)w;
         }},
        {"GdipGetEncoderParameterListSize",
         [](World& w) {
             GxEncoderParameters params;
             return w.picture.GetEncoderParameterList(kGxFormatJpeg, params) && !params.empty();
         }},
        {"GdipSaveImageToFile",
         [](World& w) {
             test::TempDir dir;
             const std::wstring file = dir.File(L"picture.png");
             GxBitmap back;
             return w.picture.SaveToFile(file, kGxFormatPng) && back.LoadFromFile(file) && back.GetPixel(1, 1) == kRed;
         }},
        {"GdipSaveImageToFile",
         [](World& w) {
             test::TempDir dir;
             const std::wstring file = dir.File(L"picture.bmp");
             GxImage back;
             return w.picture.SaveToFileW(GxBytesFromWide(file), kGxFormatBmp) &&
                    back.LoadFromFileW(GxBytesFromWide(file)) && back.GetWidth() == 8;
         }},
        {"GdipLoadImageFromStreamICM",
         [](World& w) {
             GxImage i;
             return i.LoadFromBytes(w.picture.SaveToBytes(kGxFormatPng), true);
         }},
        {"GdipCreateBitmapFromStreamICM",
         [](World& w) {
             GxBitmap b;
             return b.LoadFromBytes(w.picture.SaveToBytes(kGxFormatPng), true);
         }},
        {"GdipSaveAdd",
         [](World& w) {
             // Multi-frame saving: a TIFF file, one more page, then the flush.
             test::TempDir dir;
             GxEncoderParameter multi;
             multi.guid = L"{292266FC-AC40-47BF-8CFC-A85B89A655DE}";  // save flag
             multi.numberOfValues = 1;
             multi.type = EncoderParameterValueTypeLong;
             const ULONG multiFrame = EncoderValueMultiFrame, nextPage = EncoderValueFrameDimensionPage,
                         flush = EncoderValueFlush;
             multi.value = &multiFrame;
             GxBitmap page;
             if (!page.Create(8, 8) ||
                 !w.picture.SaveToFile(dir.File(L"pages.tif"), L"{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}",
                                       GxEncoderParameters{multi}))
                 return false;
             multi.value = &nextPage;
             if (!w.picture.SaveAddImage(page, {multi})) return false;
             multi.value = &flush;
             return w.picture.SaveAdd({multi});
         }},
        {"GdipCreateBitmapFromGraphics",
         [](World& w) {
             GxBitmap b;
             return b.CreateFromGraphics(5, 6, w.graphics) && b.GetHeight() == 6;
         }},
        {"GdipCreateBitmapFromGdiDib",
         [](World&) {
             BITMAPINFO info{};
             info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
             info.bmiHeader.biWidth = 2;
             info.bmiHeader.biHeight = 2;
             info.bmiHeader.biPlanes = 1;
             info.bmiHeader.biBitCount = 32;
             DWORD bits[4] = {0x00FF0000, 0x00FF0000, 0x000000FF, 0x000000FF};
             GxBitmap b;
             return b.CreateFromGdiDib(&info, bits) && b.GetWidth() == 2;
         }},
        {"GdipCreateBitmapFromHBITMAP",
         [](World& w) {
             UniqueBitmap hbitmap = w.picture.GetHBITMAP(kWhite);
             GxBitmap b;
             return hbitmap && b.CreateFromHBITMAP(hbitmap.Get()) && (b.GetPixel(6, 6) & 0xFFFFFF) == 0x0000FF;
         }},
        {"GdipCreateHICONFromBitmap",
         [](World& w) {
             UniqueIcon icon = w.picture.GetHICON();
             GxBitmap b;
             return icon && b.CreateFromHICON(icon.Get()) && b.GetWidth() == 8;
         }},
        {"GdipCreateBitmapFromResource",
         [](World&) {
             GxBitmap b;
             return b.CreateFromResource(nullptr, 32754 /* OBM_CLOSE */) && b.GetWidth() > 0;
         }},
        {"GdipCloneBitmapArea",
         [](World& w) {
             GxBitmap b;
             return w.picture.CloneArea(GxRectF(4, 0, 4, 4), PixelFormat32bppARGB, b) && b.GetPixel(0, 0) == kBlue;
         }},
        {"GdipCloneBitmapAreaI",
         [](World& w) {
             GxBitmap b;
             return w.picture.CloneAreaI(GxRect(0, 0, 2, 2), PixelFormat24bppRGB, b) &&
                    b.GetPixelFormat() == PixelFormat24bppRGB;
         }},
        {"GdipBitmapLockBits",
         [](World& w) {
             BitmapData data{};
             if (!w.picture.LockBits(GxRect(0, 0, 8, 8), ImageLockModeWrite, PixelFormat32bppARGB, data)) return false;
             static_cast<DWORD*>(data.Scan0)[0] = kWhite;
             return w.picture.UnlockBits(data) && w.picture.GetPixel(0, 0) == kWhite;
         }},
        {"GdipBitmapSetResolution",
         [](World& w) { return w.picture.SetResolution(120, 60) && w.picture.GetVerticalResolution() == 60; }},
        {"GdipCreateEffect",
         [](World& w) {
             GxEffect blur;
             const float radius = 2;
             BlurParams params{radius, FALSE};
             const auto* raw = reinterpret_cast<const std::uint8_t*>(&params);
             return blur.Create(L"{633C80A4-1843-482B-9EF2-BE2834C5FDD4}") &&
                    blur.SetParameters(Bytes(raw, raw + sizeof(params))) && w.picture.ApplyEffect(blur);
         }},
        {"GdipCreateCachedBitmap",
         [](World& w) {
             GxCachedBitmap cached;
             return cached.Create(w.picture, w.graphics) && w.graphics.DrawCachedBitmap(cached, 3.7f, 4.2f);
         }},
    });
}

TEST(GxOperations, Graphics) {
    RunAll({
        {"GdipCreateFromHWND",
         [](World&) {
             UniqueWindow window(
                 ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr));
             GxGraphics g;
             return window && g.CreateFromHWND(window.Get()) && g.Dispose();
         }},
        {"GdipCreateFromHWNDICM",
         [](World&) {
             UniqueWindow window(
                 ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr));
             GxGraphics g;
             return window && g.CreateFromHWND(window.Get(), true);
         }},
        {"GdipCreateFromHDC2",
         [](World&) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             GxGraphics g;
             return g.CreateFromHDC(dc.Get(), HANDLE{nullptr});
         }},
        {"GdipGetDC",
         [](World& w) {
             HDC dc = w.graphics.GetHDC();
             return dc && w.graphics.ReleaseHDC(dc);
         }},
        {"GdipFlush", [](World& w) { return w.graphics.Flush(); }},
        {"GdipSetCompositingMode",
         [](World& w) {
             return w.graphics.SetCompositingMode(CompositingModeSourceCopy) &&
                    w.graphics.GetCompositingMode() == CompositingModeSourceCopy;
         }},
        {"GdipSetRenderingOrigin",
         [](World& w) {
             int x = 0, y = 0;
             return w.graphics.SetRenderingOrigin(3, 4) && w.graphics.GetRenderingOrigin(x, y) && x == 3 && y == 4;
         }},
        {"GdipSetCompositingQuality",
         [](World& w) {
             return w.graphics.SetCompositingQuality(CompositingQualityGammaCorrected) &&
                    w.graphics.GetCompositingQuality() == CompositingQualityGammaCorrected;
         }},
        {"GdipSetSmoothingMode",
         [](World& w) {
             return w.graphics.SetSmoothingMode(SmoothingModeAntiAlias) &&
                    w.graphics.GetSmoothingMode() == SmoothingModeAntiAlias;
         }},
        {"GdipSetTextRenderingHint",
         [](World& w) {
             return w.graphics.SetTextRenderingHint(TextRenderingHintAntiAliasGridFit) &&
                    w.graphics.GetTextRenderingHint() == TextRenderingHintAntiAliasGridFit;
         }},
        {"GdipSetInterpolationMode",
         [](World& w) {
             return w.graphics.SetInterpolationMode(InterpolationModeHighQualityBicubic) &&
                    w.graphics.GetInterpolationMode() == InterpolationModeHighQualityBicubic;
         }},
        {"GdipSetPixelOffsetMode",
         [](World& w) {
             return w.graphics.SetPixelOffsetMode(PixelOffsetModeHalf) &&
                    w.graphics.GetPixelOffsetMode() == PixelOffsetModeHalf;
         }},
        {"GdipMultiplyWorldTransform",
         [](World& w) {
             GxMatrix back;
             return w.graphics.MultiplyTransform(w.matrix) && w.graphics.GetTransform(back) && back.IsEqual(w.matrix);
         }},
        {"GdipSetWorldTransform",
         [](World& w) { return w.graphics.SetTransform(w.matrix) && w.graphics.ResetTransform(); }},
        {"GdipSetPageUnit",
         [](World& w) { return w.graphics.SetPageUnit(UnitPoint) && w.graphics.GetPageUnit() == UnitPoint; }},
        {"GdipSetPageScale", [](World& w) { return w.graphics.SetPageScale(2) && w.graphics.GetPageScale() == 2; }},
        {"GdipGetDpiX", [](World& w) { return w.graphics.GetDpiX() > 0 && w.graphics.GetDpiY() > 0; }},
        {"GdipTransformPointsI",
         [](World& w) {
             std::vector<GxPoint> points{GxPoint(1, 1)};
             return w.graphics.TranslateTransform(10, 0) &&
                    w.graphics.TransformPointsI(CoordinateSpaceDevice, CoordinateSpaceWorld, points) &&
                    points[0].X == 11;
         }},
        {"GdipGetNearestColor", [](World& w) { return w.graphics.GetNearestColor(kRed) == kRed; }},
        {"GdipDrawLineI", [](World& w) { return w.graphics.DrawLineI(w.pen, 0, 0, 9, 9); }},
        {"GdipDrawLines",
         [](World& w) {
             return w.graphics.DrawLines(w.pen, {GxPointF(0, 0), GxPointF(9, 9)});
         }},
        {"GdipDrawLinesI",
         [](World& w) {
             return w.graphics.DrawLinesI(w.pen, {GxPoint(0, 0), GxPoint(9, 9)});
         }},
        {"GdipDrawArc", [](World& w) { return w.graphics.DrawArc(w.pen, 0, 0, 20, 20, 0, 90); }},
        {"GdipDrawArcI", [](World& w) { return w.graphics.DrawArcI(w.pen, 0, 0, 20, 20, 0, 90); }},
        {"GdipDrawBezier", [](World& w) { return w.graphics.DrawBezier(w.pen, 0, 0, 5, 9, 9, 9, 20, 0); }},
        {"GdipDrawBezierI", [](World& w) { return w.graphics.DrawBezierI(w.pen, 0, 0, 5, 9, 9, 9, 20, 0); }},
        {"GdipDrawBeziers",
         [](World& w) {
             return w.graphics.DrawBeziers(w.pen, {GxPointF(0, 0), GxPointF(5, 9), GxPointF(9, 9), GxPointF(20, 0)});
         }},
        {"GdipDrawBeziersI",
         [](World& w) {
             return w.graphics.DrawBeziersI(w.pen, {GxPoint(0, 0), GxPoint(5, 9), GxPoint(9, 9), GxPoint(20, 0)});
         }},
        {"GdipDrawRectangles", [](World& w) { return w.graphics.DrawRectangles(w.pen, {GxRectF(1, 1, 5, 5)}); }},
        {"GdipDrawRectanglesI", [](World& w) { return w.graphics.DrawRectanglesI(w.pen, {GxRect(1, 1, 5, 5)}); }},
        {"GdipDrawEllipseI", [](World& w) { return w.graphics.DrawEllipseI(w.pen, 1, 1, 20, 10); }},
        {"GdipDrawPie", [](World& w) { return w.graphics.DrawPie(w.pen, 1, 1, 20, 20, 0, 45); }},
        {"GdipDrawPieI", [](World& w) { return w.graphics.DrawPieI(w.pen, 1, 1, 20, 20, 0, 45); }},
        {"GdipDrawPolygon",
         [](World& w) {
             return w.graphics.DrawPolygon(w.pen, {GxPointF(0, 0), GxPointF(9, 0), GxPointF(9, 9)});
         }},
        {"GdipDrawPolygonI",
         [](World& w) {
             return w.graphics.DrawPolygonI(w.pen, {GxPoint(0, 0), GxPoint(9, 0), GxPoint(9, 9)});
         }},
        {"GdipDrawCurve",
         [](World& w) {
             return w.graphics.DrawCurve(w.pen, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)});
         }},
        {"GdipDrawCurveI",
         [](World& w) {
             return w.graphics.DrawCurveI(w.pen, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)});
         }},
        {"GdipDrawCurve2",
         [](World& w) {
             return w.graphics.DrawCurve2(w.pen, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)}, 1);
         }},
        {"GdipDrawCurve2I",
         [](World& w) {
             return w.graphics.DrawCurve2I(w.pen, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)}, 1);
         }},
        {"GdipDrawCurve3",
         [](World& w) {
             return w.graphics.DrawCurve3(w.pen, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)}, 0, 2, 0.5f);
         }},
        {"GdipDrawCurve3I",
         [](World& w) {
             return w.graphics.DrawCurve3I(w.pen, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)}, 1, 1, 0.5f);
         }},
        {"GdipDrawClosedCurve",
         [](World& w) {
             return w.graphics.DrawClosedCurve(w.pen, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)});
         }},
        {"GdipDrawClosedCurveI",
         [](World& w) {
             return w.graphics.DrawClosedCurveI(w.pen, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)});
         }},
        {"GdipDrawClosedCurve2",
         [](World& w) {
             return w.graphics.DrawClosedCurve2(w.pen, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)}, 0.5f);
         }},
        {"GdipDrawClosedCurve2I",
         [](World& w) {
             return w.graphics.DrawClosedCurve2I(w.pen, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)}, 0.5f);
         }},
        {"GdipFillRectangles", [](World& w) { return w.graphics.FillRectangles(w.solid, {GxRectF(0, 0, 4, 4)}); }},
        {"GdipFillRectanglesI", [](World& w) { return w.graphics.FillRectanglesI(w.solid, {GxRect(0, 0, 4, 4)}); }},
        {"GdipFillPolygon",
         [](World& w) {
             return w.graphics.FillPolygon(w.solid, {GxPointF(0, 0), GxPointF(9, 0), GxPointF(9, 9)});
         }},
        {"GdipFillPolygonI",
         [](World& w) {
             return w.graphics.FillPolygonI(w.solid, {GxPoint(0, 0), GxPoint(9, 0), GxPoint(9, 9)}, FillModeWinding);
         }},
        {"GdipFillEllipseI", [](World& w) { return w.graphics.FillEllipseI(w.solid, 0, 0, 9, 9); }},
        {"GdipFillPie", [](World& w) { return w.graphics.FillPie(w.solid, 0, 0, 9, 9, 0, 90); }},
        {"GdipFillPieI", [](World& w) { return w.graphics.FillPieI(w.solid, 0, 0, 9, 9, 0, 90); }},
        {"GdipFillClosedCurve",
         [](World& w) {
             return w.graphics.FillClosedCurve(w.solid, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)});
         }},
        {"GdipFillClosedCurve2",
         [](World& w) {
             return w.graphics.FillClosedCurve2(w.solid, {GxPointF(0, 0), GxPointF(9, 5), GxPointF(20, 0)}, 0.5f);
         }},
        {"GdipFillClosedCurveI",
         [](World& w) {
             return w.graphics.FillClosedCurveI(w.solid, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)});
         }},
        {"GdipFillClosedCurve2I",
         [](World& w) {
             return w.graphics.FillClosedCurve2I(w.solid, {GxPoint(0, 0), GxPoint(9, 5), GxPoint(20, 0)}, 0.5f);
         }},
        {"GdipFillRegion", [](World& w) { return w.graphics.FillRegion(w.linear, w.region); }},
        {"GdipMeasureString",
         [](World& w) {
             GxRectF bounds;
             return w.graphics.MeasureStringW({'A', 0, 'b', 0}, w.font, GxRectF(0, 0, 100, 30), w.format, bounds) &&
                    bounds.Width > 0;
         }},
        {"GdipMeasureCharacterRanges",
         [](World& w) {
             std::vector<GxRegion> regions;
             return w.format.SetMeasurableCharacterRanges({CharacterRange(0, 1)}) &&
                    w.graphics.MeasureCharacterRangesW({'A', 0, 'b', 0}, w.font, GxRectF(0, 0, 100, 30), w.format, 1,
                                                       regions) &&
                    regions.size() == 1;
         }},
        {"GdipDrawDriverString",
         [](World& w) {
             return w.graphics.DrawDriverString(L"Ab", w.font, w.solid, {GxPointF(2, 20), GxPointF(12, 20)},
                                                DriverStringOptionsCmapLookup);
         }},
        {"GdipDrawDriverString",
         [](World& w) {
             return w.graphics.DrawDriverStringW({'A', 0}, w.font, w.solid, {GxPointF(2, 20)},
                                                 DriverStringOptionsCmapLookup, &w.matrix);
         }},
        {"GdipSetTextContrast",
         [](World& w) { return w.graphics.SetTextContrast(5) && w.graphics.GetTextContrast() == 5; }},
        {"GdipDrawImageI", [](World& w) { return w.graphics.DrawImageI(w.picture, 2, 2); }},
        {"GdipDrawImagePoints",
         [](World& w) {
             return w.graphics.DrawImagePoints(w.picture, {GxPointF(0, 0), GxPointF(16, 0), GxPointF(0, 16)});
         }},
        {"GdipDrawImagePointsI",
         [](World& w) {
             return w.graphics.DrawImagePointsI(w.picture, {GxPoint(0, 0), GxPoint(16, 0), GxPoint(0, 16)});
         }},
        {"GdipDrawImagePointRect", [](World& w) { return w.graphics.DrawImagePointRect(w.picture, 1, 1, 0, 0, 4, 4); }},
        {"GdipDrawImagePointRectI",
         [](World& w) { return w.graphics.DrawImagePointRectI(w.picture, 1, 1, 0, 0, 4, 4); }},
        {"GdipDrawImageRectRect",
         [](World& w) {
             return w.graphics.DrawImageRectRect(w.picture, 0, 0, 16, 16, 0, 0, 8, 8, UnitPixel, &w.attributes);
         }},
        {"GdipDrawImageRectRectI",
         [](World& w) { return w.graphics.DrawImageRectRectI(w.picture, 0, 0, 16, 16, 0, 0, 8, 8); }},
        {"GdipDrawImagePointsRect",
         [](World& w) {
             return w.graphics.DrawImagePointsRect(w.picture, {GxPointF(0, 0), GxPointF(16, 0), GxPointF(0, 16)}, 0, 0,
                                                   8, 8);
         }},
        {"GdipDrawImagePointsRectI",
         [](World& w) {
             return w.graphics.DrawImagePointsRectI(w.picture, {GxPoint(0, 0), GxPoint(16, 0), GxPoint(0, 16)}, 0, 0, 8,
                                                    8, UnitPixel, &w.attributes);
         }},
        {"GdipDrawImageRectI", [](World& w) { return w.graphics.DrawImageRectI(w.picture, 0, 0, 30, 30); }},
        {"GdipEnumerateMetafileDestPoint",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestPoint(metafile, GxPointF(0, 0), CountRecord, &records) &&
                    records > 0;
         }},
        {"GdipEnumerateMetafileDestPointI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestPointI(metafile, GxPoint(0, 0), CountRecord, &records);
         }},
        {"GdipEnumerateMetafileDestPoints",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestPoints(metafile, {GxPointF(0, 0), GxPointF(20, 0), GxPointF(0, 10)},
                                                           CountRecord, &records);
         }},
        {"GdipEnumerateMetafileDestPointsI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestPointsI(metafile, {GxPoint(0, 0), GxPoint(20, 0), GxPoint(0, 10)},
                                                            CountRecord, &records);
         }},
        {"GdipEnumerateMetafileDestRect",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestRect(metafile, GxRectF(0, 0, 20, 10), CountRecord, &records);
         }},
        {"GdipEnumerateMetafileDestRectI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileDestRectI(metafile, GxRect(0, 0, 20, 10), CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestPoint",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileSrcRectDestPoint(metafile, GxPointF(0, 0), GxRectF(0, 0, 20, 10),
                                                                 UnitPixel, CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestPointI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileSrcRectDestPointI(metafile, GxPoint(0, 0), GxRect(0, 0, 20, 10),
                                                                  UnitPixel, CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestPoints",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) && w.graphics.EnumerateMetafileSrcRectDestPoints(
                                                  metafile, {GxPointF(0, 0), GxPointF(20, 0), GxPointF(0, 10)},
                                                  GxRectF(0, 0, 20, 10), UnitPixel, CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestPointsI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) && w.graphics.EnumerateMetafileSrcRectDestPointsI(
                                                  metafile, {GxPoint(0, 0), GxPoint(20, 0), GxPoint(0, 10)},
                                                  GxRect(0, 0, 20, 10), UnitPixel, CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestRect",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileSrcRectDestRect(metafile, GxRectF(0, 0, 20, 10), GxRectF(0, 0, 20, 10),
                                                                UnitPixel, CountRecord, &records);
         }},
        {"GdipEnumerateMetafileSrcRectDestRectI",
         [](World& w) {
             GxImage metafile;
             int records = 0;
             return LoadMetafile(metafile) &&
                    w.graphics.EnumerateMetafileSrcRectDestRectI(metafile, GxRect(0, 0, 20, 10), GxRect(0, 0, 20, 10),
                                                                 UnitPixel, CountRecord, &records);
         }},
        {"GdipSetClipGraphics",
         [](World& w) {
             test::Canvas other(8, 8);
             return other.graphics.SetClipRect(0, 0, 4, 4) && w.graphics.SetClipGraphics(other.graphics) &&
                    w.graphics.GetClipBoundsI().Width == 4;
         }},
        {"GdipSetClipRectI", [](World& w) { return w.graphics.SetClipRectI(2, 2, 5, 5, CombineModeIntersect); }},
        {"GdipSetClipRegion",
         [](World& w) { return w.graphics.SetClipRegion(w.region) && w.graphics.GetClipBounds().Width == 16; }},
        {"GdipSetClipHrgn",
         [](World& w) {
             UniqueRegion hrgn(::CreateRectRgn(0, 0, 6, 6));
             return w.graphics.SetClipHrgn(hrgn.Get()) && w.graphics.GetVisibleClipBoundsI().Width == 6;
         }},
        {"GdipTranslateClip",
         [](World& w) {
             return w.graphics.SetClipRect(0, 0, 5, 5) && w.graphics.TranslateClip(2, 0) &&
                    w.graphics.GetClipBounds().X == 2;
         }},
        {"GdipTranslateClipI",
         [](World& w) {
             return w.graphics.SetClipRect(0, 0, 5, 5) && w.graphics.TranslateClipI(0, 3) &&
                    w.graphics.GetVisibleClipBounds().Y == 3;
         }},
        {"GdipGetClip",
         [](World& w) {
             GxRegion clip;
             return w.graphics.SetClipRect(1, 1, 5, 5) && w.graphics.GetClip(clip) && clip.IsVisiblePoint(2, 2) &&
                    !clip.IsVisiblePoint(8, 8);
         }},
        {"GdipIsClipEmpty",
         [](World& w) {
             return !w.graphics.IsClipEmpty() && w.graphics.SetClipRect(0, 0, 0, 0) && w.graphics.IsVisibleClipEmpty();
         }},
        {"GdipIsVisiblePoint",
         [](World& w) { return w.graphics.IsVisiblePoint(5, 5) && !w.graphics.IsVisiblePointI(100, 5); }},
        {"GdipIsVisibleRect",
         [](World& w) { return w.graphics.IsVisibleRect(60, 60, 10, 10) && !w.graphics.IsVisibleRectI(70, 70, 5, 5); }},
        {"GdipSaveGraphics",
         [](World& w) {
             const GraphicsState state = w.graphics.Save();
             return w.graphics.SetSmoothingMode(SmoothingModeAntiAlias) && w.graphics.Restore(state) &&
                    w.graphics.GetSmoothingMode() != SmoothingModeAntiAlias;
         }},
        {"GdipBeginContainer",
         [](World& w) {
             const GraphicsContainer c =
                 w.graphics.BeginContainer(GxRectF(0, 0, 20, 20), GxRectF(0, 0, 10, 10), UnitPixel);
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipBeginContainerI",
         [](World& w) {
             const GraphicsContainer c =
                 w.graphics.BeginContainerI(GxRect(0, 0, 20, 20), GxRect(0, 0, 10, 10), UnitPixel);
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipBeginContainer2",
         [](World& w) {
             const GraphicsContainer c = w.graphics.BeginContainerPlain();
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipComment",
         [](World& w) {
             return w.graphics.AddComment({1, 2, 3});
         }},
    });
}

// The generic families exist only when a font of that kind is installed.
TEST(GxOperations, GenericFamilies) {
    using Getter = bool (GxFontFamily::*)();
    const std::pair<const char*, Getter> getters[] = {
        {"GdipGetGenericFontFamilySansSerif", &GxFontFamily::GetGenericSansSerif},
        {"GdipGetGenericFontFamilySerif", &GxFontFamily::GetGenericSerif},
        {"GdipGetGenericFontFamilyMonospace", &GxFontFamily::GetGenericMonospace},
    };
    std::string missing;
    for (const auto& [entryPoint, getter] : getters) {
        GxFontFamily family;
        if ((family.*getter)()) {
            EXPECT_FALSE(family.GetName().empty()) << entryPoint;
        } else {
            EXPECT_EQ(gxLastStatus, FontFamilyNotFound) << entryPoint;
            missing += std::string(" ") + entryPoint;
        }
    }
    if (!missing.empty()) GTEST_SKIP() << "no installed font for" << missing;
}

}  // namespace
}  // namespace pelorin
