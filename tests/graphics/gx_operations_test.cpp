// Every pass-through wrapper, called on valid objects, reaches its GDI+
// entry point with its arguments in order. One table row per entry point:
// a call that also reads back what it left (a value, a round trip, pixels),
// and the status the entry point must answer.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
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

bool UnderWine() {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// What an entry point answers that Wine does not implement, or has only as a
// stub that would end the process (the wrapper then answers without calling).
const Status kWineLacks = UnderWine() ? NotImplemented : Ok;

// Empty wrappers for the calls that create or fill an object.
struct Targets {
    GxPen pen;
    GxBrush brush;
    GxLinearGradientBrush linear;
    GxPathGradientBrush radial;
    GxTextureBrush texture;
    GxPath path;
    GxRegion region;
    GxMatrix matrix;
    GxFont font;
    GxFontFamily family;
    GxStringFormat format;
    GxImage image;
    GxBitmap bitmap;
    GxCustomLineCap cap, capRead;
    GxImageAttributes attributes;
};

// Ready-made objects of every kind, fresh for each row.
struct World {
    GxBitmap bitmap;  // 64 x 64, white
    GxGraphics graphics;
    GxBitmap picture;  // 8 x 8, left half red, right half blue
    GxPen pen;         // red, 2 wide
    GxSolidBrush solid;
    GxLinearGradientBrush linear;  // red to blue over (0, 0)-(64, 0)
    GxPathGradientBrush radial;    // over the square (0, 0, 64, 64)
    GxTextureBrush texture;
    GxPath path;      // the rectangle (4, 4, 20, 10)
    GxRegion region;  // the rectangle (0, 0, 16, 16)
    GxMatrix matrix;  // a translation by (2, 3)
    GxFontFamily family;
    GxFont font;
    GxStringFormat format;
    GxImageAttributes attributes;
    Targets out;
    // Read-back buffers.
    std::vector<float> floats, positions;
    std::vector<GxArgb> colors;
    std::vector<GxPointF> points;
    std::vector<GxPoint> pointsI;
    int records = 0;  // metafile records enumerated

    World() {
        EXPECT_TRUE(bitmap.Create(64, 64));
        EXPECT_TRUE(graphics.CreateFromImage(bitmap));
        EXPECT_TRUE(graphics.Clear(kWhite));
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

using W = World;  // short, for the many lambdas below
using Step = std::function<bool(W&)>;

struct Row {
    std::string entryPoint;
    Step call;  // the call, then the values it left read back: false when either failed
    Status expected = Ok;
};

// Runs each row on a fresh world; `then` checks what every successful call
// of the table left behind.
void RunRows(const std::vector<Row>& rows, const Step& then = nullptr) {
    std::string notImplemented;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entryPoint);
        World world;
        gxLastStatus = -1;  // a wrapper that reports nothing leaves this
        bool ok = row.call(world);
        const int status = gxLastStatus;
        if (ok && then) ok = then(world);
        EXPECT_EQ(status, row.expected);
        EXPECT_EQ(ok, row.expected == Ok) << (status == Ok ? "answered Ok, but a value read back is wrong" : "");
        if (status == NotImplemented) notImplemented += " " + row.entryPoint;
    }
    if (!notImplemented.empty()) ::testing::Test::RecordProperty("NotImplemented", notImplemented);
}

const std::vector<GxPointF> kPairF{{0, 0}, {9, 9}};
const std::vector<GxPoint> kPair{{0, 0}, {9, 9}};
const std::vector<GxPointF> kCurveF{{0, 0}, {9, 5}, {20, 0}};
const std::vector<GxPoint> kCurve{{0, 0}, {9, 5}, {20, 0}};
const std::vector<GxPointF> kBezierF{{0, 0}, {5, 9}, {9, 9}, {20, 0}};
const std::vector<GxPoint> kBezier{{0, 0}, {5, 9}, {9, 9}, {20, 0}};
// Where the top left, top right and bottom left corners of a picture go.
const std::array<GxPointF, 3> kCornersF{{{0, 0}, {16, 0}, {0, 16}}};
const std::array<GxPoint, 3> kCorners{{{0, 0}, {16, 0}, {0, 16}}};
const std::vector<GxPointF> kMetafileCornersF{{0, 0}, {20, 0}, {0, 10}};
const std::vector<GxPoint> kMetafileCorners{{0, 0}, {20, 0}, {0, 10}};
const std::vector<GxPointF> kWarpF{{0, 0}, {10, 0}, {0, 10}, {10, 10}};
const std::vector<BYTE> kLineTypes{PathPointTypeStart, PathPointTypeLine};
const std::vector<float> kDashes{3, 1, 2, 1};
const std::vector<float> kCompound{0, 0.25f, 0.75f, 1};
const std::vector<float> kThirds{0, 0.3f, 1};
const std::vector<float> kHalves{0, 0.5f, 1};
const std::vector<float> kTabStops{10, 20};
const std::vector<GxArgb> kRedWhiteBlue{kRed, kWhite, kBlue};
const std::vector<GxArgb> kRedBlue{kRed, kBlue};
const std::vector<GxArgb> kSurround{kRed, kBlue, kRed, kBlue};
const Bytes kAb{'A', 0, 'b', 0};  // UTF-16LE

// True when the matrix has these elements.
bool Is(const GxMatrix& matrix, float m11, float m12, float m21, float m22, float dx, float dy) {
    const std::array<float, 6> expected{m11, m12, m21, m22, dx, dy};
    const std::array<float, 6> actual = matrix.GetElements();
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (std::fabs(actual[i] - expected[i]) > 1e-4f) return false;
    return true;
}

// True when the transform of `object` has these elements.
template <typename Object, typename... Elements>
bool TransformIs(const Object& object, Elements... elements) {
    GxMatrix transform;
    return object.GetTransform(transform) && Is(transform, elements...);
}

// The object of the world a table of rows works on.
template <auto object>
auto& Of(W& w) {
    return w.*object;
}

// A setter whose getter must then answer the value set.
template <auto object, auto set, auto get, typename Value>
Row SetGet(const char* entryPoint, Value value, Status expected = Ok) {
    return {entryPoint, [value](W& w) { return (Of<object>(w).*set)(value) && (Of<object>(w).*get)() == value; },
            expected};
}

// The transform operations of the pen and the brushes, named in GDI+ after
// the object's kind. Each leaves a transform that is read back; the ones
// about a point keep (5, 5) where it is. `rotation` is what rotating answers.
template <auto object>
std::vector<Row> TransformRows(const std::string& kind, Status rotation = Ok) {
    return {
        {"GdipSet" + kind + "Transform",
         [](W& w) { return Of<object>(w).SetTransform(w.matrix) && TransformIs(Of<object>(w), 1, 0, 0, 1, 2, 3); }},
        {"GdipReset" + kind + "Transform",
         [](W& w) {
             return Of<object>(w).SetTransform(w.matrix) && Of<object>(w).ResetTransform() &&
                    TransformIs(Of<object>(w), 1, 0, 0, 1, 0, 0);
         }},
        {"GdipMultiply" + kind + "Transform",
         [](W& w) {
             return Of<object>(w).MultiplyTransform(w.matrix, MatrixOrderAppend) &&
                    TransformIs(Of<object>(w), 1, 0, 0, 1, 2, 3);
         }},
        {"GdipTranslate" + kind + "Transform",
         [](W& w) { return Of<object>(w).TranslateTransform(3, 4) && TransformIs(Of<object>(w), 1, 0, 0, 1, 3, 4); }},
        {"GdipScale" + kind + "Transform",
         [](W& w) { return Of<object>(w).ScaleTransform(2, 3) && TransformIs(Of<object>(w), 2, 0, 0, 3, 0, 0); }},
        {"GdipScale" + kind + "Transform",
         [](W& w) {
             return Of<object>(w).ScaleTransformAt(2, 3, GxPointF(5, 5)) &&
                    TransformIs(Of<object>(w), 2, 0, 0, 3, -5, -10);
         }},
        {"GdipRotate" + kind + "Transform",
         [](W& w) { return Of<object>(w).RotateTransform(90) && TransformIs(Of<object>(w), 0, 1, -1, 0, 0, 0); },
         rotation},
        {"GdipRotate" + kind + "Transform",
         [](W& w) {
             return Of<object>(w).RotateTransformAt(90, GxPointF(5, 5)) &&
                    TransformIs(Of<object>(w), 0, 1, -1, 0, 10, 0);
         },
         rotation},
    };
}

// What the two gradient brushes share, named in GDI+ after the brush's kind.
// Both are 64 wide in the world.
template <auto object>
std::vector<Row> GradientRows(const std::string& kind) {
    return {
        {"GdipGet" + kind + "Rect", [](W& w) { return Of<object>(w).GetRect().Width == 64; }},
        {"GdipGet" + kind + "RectI", [](W& w) { return Of<object>(w).GetRectI().Width == 64; }},
        {"GdipSet" + kind + "GammaCorrection",
         [](W& w) { return Of<object>(w).SetGammaCorrection(true) && Of<object>(w).GetGammaCorrection(); }},
        {"GdipSet" + kind + "Blend",
         [](W& w) {
             return Of<object>(w).SetBlend(kHalves, kThirds) && Of<object>(w).GetBlendCount() == 3 &&
                    Of<object>(w).GetBlend(w.floats, w.positions) && w.floats == kHalves && w.positions == kThirds;
         }},
        {"GdipSet" + kind + "PresetBlend",
         [](W& w) {
             return Of<object>(w).SetPresetBlend(kRedWhiteBlue, kHalves) &&
                    Of<object>(w).GetPresetBlend(w.colors, w.positions) && w.colors == kRedWhiteBlue &&
                    w.positions == kHalves;
         }},
        {"GdipSet" + kind + "SigmaBlend", [](W& w) { return Of<object>(w).SetSigmaBlend(0.5f, 1); }},
        {"GdipSet" + kind + "LinearBlend", [](W& w) { return Of<object>(w).SetLinearBlend(0.5f, 1); }},
        {"GdipSet" + kind + "WrapMode",
         [](W& w) {
             return Of<object>(w).SetWrapMode(WrapModeTileFlipX) && Of<object>(w).GetWrapMode() == WrapModeTileFlipX;
         }},
    };
}

// A custom cap from a short line, for the pen's start or end.
bool MakeCap(W& w) {
    return w.out.path.Create() && w.out.path.AddLine(-1, 0, 1, 0) && w.out.cap.Create(nullptr, &w.out.path);
}

TEST(GxOperations, Pen) {
    RunRows({
        {"GdipCreatePen2", [](W& w) { return w.out.pen.Create2(w.solid, 3, UnitPixel) && w.out.pen.GetWidth() == 3; }},
        {"GdipClonePen", [](W& w) { return w.pen.Clone(w.out.pen) && w.out.pen.GetWidth() == 2; }},
        SetGet<&W::pen, &GxPen::SetWidth, &GxPen::GetWidth>("GdipSetPenWidth", 5),
        {"GdipGetPenUnit", [](W& w) { return w.pen.GetUnit() == UnitWorld; }},
        SetGet<&W::pen, &GxPen::SetUnit, &GxPen::GetUnit>("GdipSetPenUnit", UnitPixel, kWineLacks),
        {"GdipSetPenLineCap197819",
         [](W& w) {
             return w.pen.SetLineCap197819(LineCapRound, LineCapSquare, DashCapRound) &&
                    w.pen.GetStartCap() == LineCapRound && w.pen.GetEndCap() == LineCapSquare &&
                    w.pen.GetDashCap197819() == DashCapRound;
         }},
        {"GdipSetPenLineCap197819",
         [](W& w) {
             return w.pen.SetLineCap(LineCapTriangle, LineCapFlat, DashCapTriangle) &&
                    w.pen.GetDashCap() == DashCapTriangle;
         }},
        SetGet<&W::pen, &GxPen::SetStartCap, &GxPen::GetStartCap>("GdipSetPenStartCap", LineCapSquare),
        SetGet<&W::pen, &GxPen::SetEndCap, &GxPen::GetEndCap>("GdipSetPenEndCap", LineCapRound),
        SetGet<&W::pen, &GxPen::SetDashCap197819, &GxPen::GetDashCap197819>("GdipSetPenDashCap197819", DashCapRound),
        SetGet<&W::pen, &GxPen::SetLineJoin, &GxPen::GetLineJoin>("GdipSetPenLineJoin", LineJoinRound),
        {"GdipSetPenCustomStartCap",
         [](W& w) {
             return MakeCap(w) && w.pen.SetCustomStartCap(w.out.cap) && w.pen.GetCustomStartCap(w.out.capRead) &&
                    !w.out.capRead.IsEmpty();
         }},
        {"GdipSetPenCustomEndCap",
         [](W& w) {
             return MakeCap(w) && w.pen.SetCustomEndCap(w.out.cap) && w.pen.GetCustomEndCap(w.out.capRead) &&
                    !w.out.capRead.IsEmpty();
         }},
        SetGet<&W::pen, &GxPen::SetMiterLimit, &GxPen::GetMiterLimit>("GdipSetPenMiterLimit", 4),
        SetGet<&W::pen, &GxPen::SetMode, &GxPen::GetMode>("GdipSetPenMode", PenAlignmentInset),
        SetGet<&W::pen, &GxPen::SetColor, &GxPen::GetColor>("GdipSetPenColor", kBlue),
        {"GdipSetPenBrushFill",
         [](W& w) {
             return w.pen.SetBrushFill(w.linear) && w.pen.GetBrushFill(w.out.brush) &&
                    w.out.brush.GetType() == BrushTypeLinearGradient && w.pen.GetFillType() == PenTypeLinearGradient;
         }},
        SetGet<&W::pen, &GxPen::SetDashStyle, &GxPen::GetDashStyle>("GdipSetPenDashStyle", DashStyleDot),
        SetGet<&W::pen, &GxPen::SetDashOffset, &GxPen::GetDashOffset>("GdipSetPenDashOffset", 1.5f),
        {"GdipSetPenDashArray",
         [](W& w) { return w.pen.SetDashArray(kDashes) && w.pen.GetDashArray(w.floats) && w.floats == kDashes; }},
        {"GdipSetPenCompoundArray",
         [](W& w) {
             return w.pen.SetCompoundArray(kCompound) && w.pen.GetCompoundArray(w.floats) && w.floats == kCompound;
         }},
    });
    RunRows(TransformRows<&W::pen>("Pen"));
}

TEST(GxOperations, SolidAndLinearGradientBrushes) {
    RunRows({
        {"GdipCloneBrush",
         [](W& w) { return w.solid.Clone(w.out.brush) && w.out.brush.GetType() == BrushTypeSolidColor; }},
        SetGet<&W::solid, &GxSolidBrush::SetColor, &GxSolidBrush::GetColor>("GdipSetSolidFillColor", kRed),
        {"GdipCreateLineBrushI", [](W& w) { return w.out.linear.CreateI(GxPoint(0, 0), GxPoint(5, 5), kRed, kBlue); }},
        {"GdipCreateLineBrushFromRect",
         [](W& w) {
             return w.out.linear.CreateFromRect(GxRectF(0, 0, 10, 10), kRed, kBlue, LinearGradientModeVertical);
         }},
        {"GdipCreateLineBrushFromRectI",
         [](W& w) {
             return w.out.linear.CreateFromRectI(GxRect(0, 0, 10, 10), kRed, kBlue, LinearGradientModeHorizontal);
         }},
        {"GdipCreateLineBrushFromRectWithAngle",
         [](W& w) { return w.out.linear.CreateFromRectWithAngle(GxRectF(0, 0, 10, 10), kRed, kBlue, 45, true); }},
        {"GdipCreateLineBrushFromRectWithAngleI",
         [](W& w) { return w.out.linear.CreateFromRectWithAngleI(GxRect(0, 0, 10, 10), kRed, kBlue, 30, false); }},
        {"GdipGetLineColors", [](W& w) { return w.linear.GetColors()[0] == kRed && w.linear.GetColors()[1] == kBlue; }},
        {"GdipSetLineColors", [](W& w) { return w.linear.SetColors(kBlue, kRed) && w.linear.GetColors()[0] == kBlue; }},
    });
    RunRows(GradientRows<&W::linear>("Line"));
    RunRows(TransformRows<&W::linear>("Line", kWineLacks));
}

TEST(GxOperations, PathGradientAndTextureBrushes) {
    RunRows({
        {"GdipCreatePathGradientI", [](W& w) { return w.out.radial.CreateI(kCurve); }},
        {"GdipCreatePathGradientFromPath", [](W& w) { return w.out.radial.CreateFromPath(w.path); }},
        SetGet<&W::radial, &GxPathGradientBrush::SetCenterColor, &GxPathGradientBrush::GetCenterColor>(
            "GdipSetPathGradientCenterColor", kRed),
        {"GdipGetPathGradientPointCount", [](W& w) { return w.radial.GetPointCount() == 4; }},
        {"GdipGetPathGradientSurroundColorCount", [](W& w) { return w.radial.GetSurroundColorCount() >= 1; }},
        {"GdipSetPathGradientSurroundColorsWithCount",
         [](W& w) {
             int count = 4;
             return w.radial.SetSurroundColorsWithCount(kSurround, count) && count == 4 &&
                    w.radial.GetSurroundColorsWithCount(w.colors) && w.colors == kSurround;
         }},
        {"GdipGetPathGradientPath", [](W& w) { return w.radial.GetPath(w.out.path); }, kWineLacks},
        {"GdipGetPathGradientPath", [](W& w) { return w.out.path.Create() && w.radial.GetPathInto(w.out.path); },
         kWineLacks},
        {"GdipGetPathGradientCenterPoint", [](W& w) { return w.radial.GetCenterPoint().X == 32; }},
        {"GdipGetPathGradientCenterPointI", [](W& w) { return w.radial.GetCenterPointI().Y == 32; }},
        {"GdipSetPathGradientCenterPoint",
         [](W& w) { return w.radial.SetCenterPoint(GxPointF(10, 20)) && w.radial.GetCenterPoint().Y == 20; }},
        {"GdipSetPathGradientCenterPoint",
         [](W& w) { return w.radial.SetCenterPointF(GxPointF(11, 21)) && w.radial.GetCenterPoint().X == 11; }},
        {"GdipGetPathGradientPresetBlendCount",
         [](W& w) { return w.radial.SetPresetBlend(kRedWhiteBlue, kHalves) && w.radial.GetPresetBlendCount() == 3; }},
        {"GdipSetPathGradientFocusScales",
         [](W& w) {
             float x = 0, y = 0;
             return w.radial.SetFocusScales(0.5f, 0.25f) && w.radial.GetFocusScales(x, y) && x == 0.5f && y == 0.25f;
         }},
        {"GdipCreateTexture2", [](W& w) { return w.out.texture.Create2(w.picture, WrapModeTile, 0, 0, 4, 4); }},
        {"GdipCreateTexture2I", [](W& w) { return w.out.texture.Create2I(w.picture, WrapModeTile, 0, 0, 4, 4); }},
        {"GdipCreateTextureIA", [](W& w) { return w.out.texture.CreateIA(w.picture, &w.attributes, 0, 0, 4, 4); }},
        {"GdipCreateTextureIAI", [](W& w) { return w.out.texture.CreateIAI(w.picture, &w.attributes, 0, 0, 4, 4); }},
        SetGet<&W::texture, &GxTextureBrush::SetWrapMode, &GxTextureBrush::GetWrapMode>("GdipSetTextureWrapMode",
                                                                                        WrapModeTileFlipXY),
        {"GdipGetTextureImage", [](W& w) { return w.texture.GetImage(w.out.image) && w.out.image.GetWidth() == 8; }},
    });
    RunRows(GradientRows<&W::radial>("PathGradient"));
    RunRows(TransformRows<&W::radial>("PathGradient"));
    RunRows(TransformRows<&W::texture>("Texture"));
}

TEST(GxOperations, Path) {
    RunRows({
        {"GdipCreatePath2",
         [](W& w) { return w.out.path.Create2(kPairF, kLineTypes) && w.out.path.GetPointCount() == 2; }},
        {"GdipCreatePath2I",
         [](W& w) { return w.out.path.Create2I(kPair, kLineTypes) && w.out.path.GetPointCount() == 2; }},
        {"GdipClonePath", [](W& w) { return w.path.Clone(w.out.path) && w.out.path.GetPointCount() == 4; }},
        {"GdipResetPath", [](W& w) { return w.path.Reset() && w.path.GetPointCount() == 0; }},
        SetGet<&W::path, &GxPath::SetFillMode, &GxPath::GetFillMode>("GdipSetPathFillMode", FillModeWinding),
        {"GdipGetPathData",
         [](W& w) {
             std::vector<BYTE> types;
             return w.path.GetData(w.points, types) && w.points.size() == 4 && w.points[2].X == 24 && types.size() == 4;
         }},
        {"GdipGetPathTypes",
         [](W& w) {
             std::vector<BYTE> types;
             return w.path.GetTypes(types) && types.size() == 4;
         }},
        {"GdipGetPathPoints",
         [](W& w) { return w.path.GetPoints(w.points) && w.points[1].X == 24 && w.points[1].Y == 4; }},
        {"GdipGetPathPointsI", [](W& w) { return w.path.GetPointsI(w.pointsI) && w.pointsI[3].Y == 14; }},
        {"GdipStartPathFigure", [](W& w) { return w.path.StartFigure(); }},
        {"GdipClosePathFigure", [](W& w) { return w.path.CloseFigure(); }},
        {"GdipClosePathFigures", [](W& w) { return w.path.CloseFigures(); }},
        {"GdipSetPathMarker", [](W& w) { return w.path.SetMarker(); }},
        {"GdipClearPathMarkers", [](W& w) { return w.path.ClearMarkers(); }},
        {"GdipReversePath", [](W& w) { return w.path.Reverse() && w.path.GetLastPoint().Equals(GxPointF(4, 4)); }},
        {"GdipGetPathLastPoint", [](W& w) { return w.path.GetLastPoint().Y == 14; }},
        {"GdipAddPathPath",
         [](W& w) {
             return w.path.Clone(w.out.path) && w.path.AddPath(w.out.path, false) && w.path.GetPointCount() == 8;
         }},
        {"GdipTransformPath", [](W& w) { return w.path.Transform(w.matrix) && w.path.GetWorldBounds().X == 6; }},
        {"GdipFlattenPath", [](W& w) { return w.path.AddEllipse(0, 0, 9, 9) && w.path.Flatten(&w.matrix); }},
        {"GdipWidenPath", [](W& w) { return w.path.Widen(w.pen); }},
        {"GdipWindingModeOutline", [](W& w) { return w.path.WindingModeOutline(); }, kWineLacks},
        {"GdipWarpPath", [](W& w) { return w.path.Warp(nullptr, kWarpF, 0, 0, 20, 20); }, kWineLacks},
        {"GdipGetPathWorldBoundsI", [](W& w) { return w.path.GetWorldBoundsI(nullptr, &w.pen).Width >= 20; }},
        {"GdipIsVisiblePathPoint", [](W& w) { return w.path.IsVisiblePoint(10, 10, &w.graphics); }},
        {"GdipIsVisiblePathPointI", [](W& w) { return !w.path.IsVisiblePointI(40, 40); }},
        {"GdipIsOutlineVisiblePathPoint", [](W& w) { return w.path.IsOutlineVisiblePoint(4, 8, w.pen, &w.graphics); }},
        {"GdipIsOutlineVisiblePathPointI", [](W& w) { return w.path.IsOutlineVisiblePointI(24, 8, w.pen); }},
    });
}

// A figure was added to the path: it has more than its rectangle's four points.
bool PathGrew(W& w) { return w.path.GetPointCount() > 4; }

TEST(GxOperations, PathFigures) {
    RunRows(
        {
            {"GdipAddPathLine", [](W& w) { return w.path.AddLine(0, 0, 1, 1); }},
            {"GdipAddPathLineI", [](W& w) { return w.path.AddLineI(0, 0, 1, 1); }},
            {"GdipAddPathLine2", [](W& w) { return w.path.AddLine2(kPairF); }},
            {"GdipAddPathLine2I", [](W& w) { return w.path.AddLine2I(kPair); }},
            {"GdipAddPathArc", [](W& w) { return w.path.AddArc(0, 0, 10, 10, 0, 90); }},
            {"GdipAddPathArcI", [](W& w) { return w.path.AddArcI(0, 0, 10, 10, 0, 90); }},
            {"GdipAddPathBezier", [](W& w) { return w.path.AddBezier(0, 0, 1, 1, 2, 2, 3, 0); }},
            {"GdipAddPathBezierI", [](W& w) { return w.path.AddBezierI(0, 0, 1, 1, 2, 2, 3, 0); }},
            {"GdipAddPathBeziers", [](W& w) { return w.path.AddBeziers(kBezierF); }},
            {"GdipAddPathBeziersI", [](W& w) { return w.path.AddBeziersI(kBezier); }},
            {"GdipAddPathCurve", [](W& w) { return w.path.AddCurve(kCurveF); }},
            {"GdipAddPathCurve2", [](W& w) { return w.path.AddCurve2(kCurveF, 0.5f); }},
            {"GdipAddPathCurve3", [](W& w) { return w.path.AddCurve3(kCurveF, 0, 1, 0.5f); }},
            {"GdipAddPathCurveI", [](W& w) { return w.path.AddCurveI(kCurve); }},
            {"GdipAddPathCurve2I", [](W& w) { return w.path.AddCurve2I(kCurve, 0.5f); }},
            {"GdipAddPathCurve3I", [](W& w) { return w.path.AddCurve3I(kCurve, 0, 1, 0.5f); }},
            {"GdipAddPathClosedCurve", [](W& w) { return w.path.AddClosedCurve(kCurveF); }},
            {"GdipAddPathClosedCurve2", [](W& w) { return w.path.AddClosedCurve2(kCurveF, 0.5f); }},
            {"GdipAddPathClosedCurveI", [](W& w) { return w.path.AddClosedCurveI(kCurve); }},
            {"GdipAddPathClosedCurve2I", [](W& w) { return w.path.AddClosedCurve2I(kCurve, 0.5f); }},
            {"GdipAddPathRectangles",
             [](W& w) {
                 return w.path.AddRectangles({GxRectF(0, 0, 2, 2), GxRectF(5, 5, 2, 2)});
             }},
            {"GdipAddPathRectangleI", [](W& w) { return w.path.AddRectangleI(0, 0, 3, 3); }},
            {"GdipAddPathRectanglesI", [](W& w) { return w.path.AddRectanglesI({GxRect(0, 0, 2, 2)}); }},
            {"GdipAddPathEllipse", [](W& w) { return w.path.AddEllipse(0, 0, 8, 4); }},
            {"GdipAddPathEllipseI", [](W& w) { return w.path.AddEllipseI(0, 0, 8, 4); }},
            {"GdipAddPathPie", [](W& w) { return w.path.AddPie(0, 0, 8, 8, 0, 90); }},
            {"GdipAddPathPieI", [](W& w) { return w.path.AddPieI(0, 0, 8, 8, 0, 90); }},
            {"GdipAddPathPolygon", [](W& w) { return w.path.AddPolygon(kCurveF); }},
            {"GdipAddPathPolygonI", [](W& w) { return w.path.AddPolygonI(kCurve); }},
            {"GdipAddPathString", [](W& w) { return w.path.AddString(L"Ab", w.family, 12, GxRectF(0, 0, 60, 20)); }},
            {"GdipAddPathString",
             [](W& w) {
                 return w.path.AddStringW(kAb, w.family, 12, GxRectF(0, 0, 60, 20), FontStyleBold, &w.format);
             }},
            {"GdipAddPathStringI", [](W& w) { return w.path.AddStringI(L"Ab", w.family, 12, GxRect(0, 0, 60, 20)); }},
            {"GdipAddPathStringI", [](W& w) { return w.path.AddStringIW(kAb, w.family, 12, GxRect(0, 0, 60, 20)); }},
        },
        PathGrew);
}

TEST(GxOperations, Region) {
    RunRows({
        {"GdipCreateRegion", [](W& w) { return w.out.region.Create() && w.out.region.IsInfinite(w.graphics); }},
        {"GdipCreateRegionRectI",
         [](W& w) {
             return w.out.region.CreateRectI(GxRect(0, 0, 4, 4)) && w.out.region.IsVisiblePoint(3, 3) &&
                    !w.out.region.IsVisiblePoint(5, 5);
         }},
        {"GdipCreateRegionPath",
         [](W& w) {
             return w.out.region.CreatePath(w.path) && w.out.region.IsVisiblePoint(5, 5) &&
                    !w.out.region.IsVisiblePoint(2, 2);
         }},
        {"GdipCreateRegionHrgn",
         [](W& w) {
             UniqueRegion hrgn(::CreateRectRgn(0, 0, 5, 5));
             return w.out.region.CreateHrgn(hrgn.Get()) && w.out.region.GetBoundsI(w.graphics).Width == 5;
         }},
        {"GdipCreateRegionRgnData",
         [](W& w) {
             return w.out.region.CreateRgnData(w.region.GetData()) && w.out.region.IsEqual(w.region, w.graphics);
         }},
        {"GdipCloneRegion",
         [](W& w) { return w.region.Clone(w.out.region) && w.out.region.IsEqual(w.region, w.graphics); }},
        {"GdipSetInfinite", [](W& w) { return w.region.SetInfinite() && w.region.IsInfinite(w.graphics); }},
        {"GdipSetEmpty", [](W& w) { return w.region.SetEmpty() && w.region.IsEmpty(w.graphics); }},
        {"GdipCombineRegionRect",
         [](W& w) {
             return w.region.CombineRect(GxRectF(10, 10, 20, 20), CombineModeUnion) && w.region.IsVisiblePoint(25, 25);
         }},
        {"GdipCombineRegionRectI",
         [](W& w) {
             return w.region.CombineRectI(GxRect(10, 10, 20, 20), CombineModeIntersect) &&
                    !w.region.IsVisiblePoint(5, 5) && w.region.IsVisiblePoint(12, 12);
         }},
        {"GdipCombineRegionRegion",
         [](W& w) {
             return w.region.Clone(w.out.region) && w.region.CombineRegion(w.out.region, CombineModeXor) &&
                    w.region.IsEmpty(w.graphics);
         }},
        {"GdipCombineRegionPath",
         [](W& w) {
             return w.region.CombinePath(w.path, CombineModeExclude) && !w.region.IsVisiblePoint(5, 5) &&
                    w.region.IsVisiblePoint(2, 2);
         }},
        {"GdipTranslateRegion", [](W& w) { return w.region.Translate(2, 3) && w.region.GetBounds(w.graphics).X == 2; }},
        {"GdipTranslateRegionI",
         [](W& w) { return w.region.TranslateI(2, 3) && w.region.GetBoundsI(w.graphics).Y == 3; }},
        {"GdipTransformRegion",
         [](W& w) { return w.region.Transform(w.matrix) && w.region.GetBounds(w.graphics).Y == 3; }},
        {"GdipGetRegionDataSize", [](W& w) { return w.region.GetDataSize() > 0; }},
        {"GdipGetRegionHRgn",
         [](W& w) {
             UniqueRegion hrgn = w.region.GetHRgn(w.graphics);
             RECT box{};
             return hrgn && ::GetRgnBox(hrgn.Get(), &box) != 0 && box.right == 16;
         }},
        {"GdipIsVisibleRegionPoint", [](W& w) { return w.region.IsVisiblePoint(3, 3); }},
        {"GdipIsVisibleRegionPointI", [](W& w) { return w.region.IsVisiblePointI(3, 3, &w.graphics); }},
        {"GdipIsVisibleRegionRect", [](W& w) { return w.region.IsVisibleRect(14, 14, 10, 10); }},
        {"GdipIsVisibleRegionRectI", [](W& w) { return !w.region.IsVisibleRectI(20, 20, 5, 5); }},
        {"GdipGetRegionScansCount", [](W& w) { return w.region.GetScansCount(w.matrix) == 1; }},
        {"GdipGetRegionScans",
         [](W& w) {
             std::vector<GxRectF> scans;
             return w.region.GetScans(w.matrix, scans) && scans.size() == 1 && scans[0].X == 2;
         }},
        {"GdipGetRegionScansI",
         [](W& w) {
             std::vector<GxRect> scans;
             return w.region.GetScansI(w.matrix, scans) && scans.size() == 1 && scans[0].Height == 16;
         }},
    });
}

TEST(GxOperations, Matrix) {
    RunRows({
        {"GdipCreateMatrix3",
         [](W& w) {
             return w.out.matrix.Create3(GxRectF(0, 0, 1, 1), {GxPointF(0, 0), GxPointF(2, 0), GxPointF(0, 2)}) &&
                    Is(w.out.matrix, 2, 0, 0, 2, 0, 0);
         }},
        {"GdipCloneMatrix", [](W& w) { return w.matrix.Clone(w.out.matrix) && w.out.matrix.IsEqual(w.matrix); }},
        {"GdipSetMatrixElements", [](W& w) { return w.matrix.SetElements(1, 0, 0, 1, 0, 0) && w.matrix.IsIdentity(); }},
        {"GdipMultiplyMatrix",
         [](W& w) {
             return w.out.matrix.Create() && w.out.matrix.Scale(2, 2) && w.matrix.Multiply(w.out.matrix) &&
                    Is(w.matrix, 2, 0, 0, 2, 2, 3);
         }},
        {"GdipTranslateMatrix", [](W& w) { return w.matrix.Translate(1, 1) && w.matrix.GetElements()[4] == 3; }},
        {"GdipScaleMatrix",
         [](W& w) { return w.matrix.Scale(2, 2, MatrixOrderAppend) && Is(w.matrix, 2, 0, 0, 2, 4, 6); }},
        {"GdipRotateMatrix", [](W& w) { return w.matrix.Rotate(90) && Is(w.matrix, 0, 1, -1, 0, 2, 3); }},
        {"GdipShearMatrix", [](W& w) { return w.matrix.Shear(1, 0) && Is(w.matrix, 1, 0, 1, 1, 2, 3); }},
        {"GdipInvertMatrix",
         [](W& w) { return w.matrix.IsInvertible() && w.matrix.Invert() && w.matrix.GetElements()[4] == -2; }},
        {"GdipTransformMatrixPoints",
         [](W& w) {
             w.points = {GxPointF(1, 1)};
             return w.matrix.TransformPoints(w.points) && w.points[0].Equals(GxPointF(3, 4));
         }},
        {"GdipTransformMatrixPointsI",
         [](W& w) {
             w.pointsI = {GxPoint(1, 1)};
             return w.matrix.TransformPointsI(w.pointsI) && w.pointsI[0].X == 3;
         }},
        {"GdipVectorTransformMatrixPoints",
         [](W& w) {
             w.points = {GxPointF(1, 1)};
             return w.matrix.VectorTransformPoints(w.points) && w.points[0].X == 1;
         }},
    });
}

TEST(GxOperations, FontsAndFormats) {
    RunRows({
        {"GdipCreateFontFromDC",
         [](W& w) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             return w.out.font.CreateFromDC(dc.Get());
         }},
        {"GdipCreateFontFromLogfontA",
         [](W& w) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             LOGFONTA lf{};
             lf.lfHeight = -12;
             lstrcpyA(lf.lfFaceName, "Tahoma");
             return w.out.font.CreateFromLogfontA(dc.Get(), &lf);
         }},
        {"GdipCloneFont", [](W& w) { return w.font.Clone(w.out.font) && w.out.font.GetSize() == 12; }},
        {"GdipGetLogFontA", [](W& w) { return w.font.GetLogFontA(w.graphics).lfHeight != 0; }},
        {"GdipGetLogFontW", [](W& w) { return w.font.GetLogFontW(w.graphics).lfFaceName[0] != 0; }},
        {"GdipGetFontUnit", [](W& w) { return w.font.GetUnit() == UnitPixel; }},
        {"GdipGetFontHeight", [](W& w) { return w.font.GetHeight(w.graphics) > 10; }},
        {"GdipGetFontHeightGivenDPI", [](W& w) { return w.font.GetHeightGivenDPI(96) > 0; }},
        {"GdipCloneFontFamily",
         [](W& w) { return w.family.Clone(w.out.family) && w.out.family.GetName() == w.family.GetName(); }},
        {"GdipGetFamilyName",
         [](W& w) {
             const Bytes name = w.family.GetNameW();
             return !name.empty() && name.size() == w.family.GetName().size() * 2;
         }},
        {"GdipIsStyleAvailable", [](W& w) { return w.family.IsStyleAvailable(FontStyleRegular); }},
        {"GdipGetEmHeight", [](W& w) { return w.family.GetEmHeight() > 0; }},
        {"GdipGetCellAscent", [](W& w) { return w.family.GetCellAscent() > 0; }},
        {"GdipGetCellDescent", [](W& w) { return w.family.GetCellDescent() > 0; }},
        {"GdipGetLineSpacing", [](W& w) { return w.family.GetLineSpacing() > 0; }},
        {"GdipStringFormatGetGenericDefault", [](W& w) { return w.out.format.GetGenericDefault(); }},
        {"GdipStringFormatGetGenericTypographic",
         [](W& w) { return w.out.format.GetGenericTypographic() && w.out.format.GetFlags() != 0; }},
        {"GdipCloneStringFormat", [](W& w) { return w.format.Clone(w.out.format); }},
        SetGet<&W::format, &GxStringFormat::SetFlags, &GxStringFormat::GetFlags>("GdipSetStringFormatFlags",
                                                                                 StringFormatFlagsNoWrap),
        SetGet<&W::format, &GxStringFormat::SetAlign, &GxStringFormat::GetAlign>("GdipSetStringFormatAlign",
                                                                                 StringAlignmentCenter),
        SetGet<&W::format, &GxStringFormat::SetLineAlign, &GxStringFormat::GetLineAlign>("GdipSetStringFormatLineAlign",
                                                                                         StringAlignmentFar),
        SetGet<&W::format, &GxStringFormat::SetTrimming, &GxStringFormat::GetTrimming>("GdipSetStringFormatTrimming",
                                                                                       StringTrimmingEllipsisCharacter),
        SetGet<&W::format, &GxStringFormat::SetHotkeyPrefix, &GxStringFormat::GetHotkeyPrefix>(
            "GdipSetStringFormatHotkeyPrefix", HotkeyPrefixShow),
        {"GdipSetStringFormatTabStops",
         [](W& w) {
             float first = 0;
             return w.format.SetTabStops(4, kTabStops) && w.format.GetTabStops(first, w.floats) && first == 4 &&
                    w.floats == kTabStops;
         }},
        {"GdipSetStringFormatDigitSubstitution",
         [](W& w) {
             LANGID language = 0;
             StringDigitSubstitute substitute = StringDigitSubstituteUser;
             return w.format.SetDigitSubstitution(0x0409, StringDigitSubstituteNone) &&
                    w.format.GetDigitSubstitution(language, substitute) && language == 0x0409 &&
                    substitute == StringDigitSubstituteNone;
         }},
        {"GdipSetStringFormatMeasurableCharacterRanges",
         [](W& w) {
             return w.format.SetMeasurableCharacterRanges({CharacterRange(0, 1), CharacterRange(1, 2)}) &&
                    w.format.GetMeasurableCharacterRangeCount() == 2;
         }},
        {"GdipCreateCustomLineCap",
         [](W& w) {
             GxCustomLineCap copy;
             return w.out.cap.Create(&w.path, nullptr, LineCapRound, 1) && w.out.cap.Clone(copy) &&
                    copy.GetBaseInset() == 1 && copy.SetBaseCap(LineCapSquare) && copy.GetBaseCap() == LineCapSquare &&
                    copy.SetBaseInset(2);
         }},
        {"GdipCloneImageAttributes",
         [](W& w) {
             GxImageAttributes& copy = w.out.attributes;
             return w.attributes.Clone(copy) && copy.SetColorKeys(kRed, kRed) && copy.ClearColorKeys() &&
                    copy.SetWrapMode(WrapModeClamp, kWhite) && copy.Reset();
         }},
    });
}

TEST(GxOperations, ImagesAndBitmaps) {
    RunRows({
        {"GdipCloneImage", [](W& w) { return w.picture.Clone(w.out.bitmap) && w.out.bitmap.GetPixel(6, 1) == kBlue; }},
        {"GdipGetImageBounds",
         [](W& w) {
             Unit unit = UnitWorld;
             return w.picture.GetBounds(unit).Width == 8 && unit == UnitPixel;
         }},
        {"GdipGetImageDimension", [](W& w) { return w.picture.GetDimension().Height == 8; }},
        {"GdipGetImageType", [](W& w) { return w.picture.GetType() == ImageTypeBitmap; }},
        {"GdipGetImageHorizontalResolution", [](W& w) { return w.picture.GetHorizontalResolution() > 0; }},
        {"GdipGetImageVerticalResolution", [](W& w) { return w.picture.GetVerticalResolution() > 0; }},
        {"GdipGetImageFlags", [](W& w) { return (w.picture.GetFlags() & ImageFlagsHasAlpha) != 0; }},
        {"GdipGetImageRawFormat", [](W& w) { return w.picture.GetRawFormat() == kGxFormatMemoryBmp; }},
        {"GdipGetImageThumbnail",
         [](W& w) { return w.picture.GetThumbnail(4, 4, w.out.image) && w.out.image.GetWidth() == 4; }},
        {"GdipImageGetFrameDimensionsList",
         [](W& w) {
             std::vector<std::wstring> dimensions;
             return w.picture.GetFrameDimensions(dimensions) && dimensions.size() == 1 &&
                    w.picture.GetFrameCount(dimensions[0]) == 1;
         }},
        {"GdipImageSelectActiveFrame", [](W& w) { return w.picture.SelectActiveFrame(kGxFrameDimensionPage, 0); }},
        {"GdipSetPropertyItem",
         [](W& w) {
             return w.picture.SetPropertyItem({0x010E, 3, PropertyTagTypeASCII, {'h', 'i', 0}});
         }},
        {"GdipGetPropertyIdList",
         [](W& w) {
             std::vector<int> ids{42};
             return w.picture.GetPropertyIdList(ids) && ids.empty();  // a fresh bitmap has no properties
         }},
        {"GdipRemovePropertyItem",
         [](W& w) {
             return w.picture.SetPropertyItem({0x010E, 2, PropertyTagTypeASCII, {'a', 0}}) &&
                    w.picture.RemovePropertyItem(0x010E);
         },
         kWineLacks},
        {"GdipImageRotateFlip",
         [](W& w) { return w.picture.RotateFlip(RotateNoneFlipX) && w.picture.GetPixel(0, 0) == kBlue; }},
        {"GdipSetImagePalette",
         [](W& w) {
             GxPalette back;
             return w.out.bitmap.Create(4, 4, PixelFormat8bppIndexed) && w.out.bitmap.SetPalette({0, 2, kRedBlue}) &&
                    w.out.bitmap.GetPalette(back) && back.entries == kRedBlue;
         }},
        {"GdipGetEncoderParameterListSize",
         [](W& w) {
             GxEncoderParameters params;
             return w.picture.GetEncoderParameterList(kGxFormatJpeg, params) && !params.empty();
         },
         kWineLacks},
        {"GdipSaveImageToFile",
         [](W& w) {
             test::TempDir dir;
             const std::wstring file = dir.File(L"picture.png");
             return w.picture.SaveToFile(file, kGxFormatPng) && w.out.bitmap.LoadFromFile(file) &&
                    w.out.bitmap.GetPixel(1, 1) == kRed;
         }},
        {"GdipSaveImageToFile",
         [](W& w) {
             test::TempDir dir;
             const Bytes file = GxBytesFromWide(dir.File(L"picture.bmp"));
             return w.picture.SaveToFileW(file, kGxFormatBmp) && w.out.image.LoadFromFileW(file) &&
                    w.out.image.GetWidth() == 8;
         }},
        {"GdipLoadImageFromStreamICM",
         [](W& w) { return w.out.image.LoadFromBytes(w.picture.SaveToBytes(kGxFormatPng), true); }},
        {"GdipCreateBitmapFromStreamICM",
         [](W& w) { return w.out.bitmap.LoadFromBytes(w.picture.SaveToBytes(kGxFormatPng), true); }},
        {"GdipSaveAdd",
         [](W& w) {
             // Multi-frame saving: a TIFF file, one more page, then the flush.
             test::TempDir dir;
             GxEncoderParameter multi;
             multi.guid = L"{292266FC-AC40-47BF-8CFC-A85B89A655DE}";  // save flag
             multi.numberOfValues = 1;
             multi.type = EncoderParameterValueTypeLong;
             const ULONG multiFrame = EncoderValueMultiFrame, nextPage = EncoderValueFrameDimensionPage,
                         flush = EncoderValueFlush;
             multi.value = &multiFrame;
             if (!w.out.bitmap.Create(8, 8) ||
                 !w.picture.SaveToFile(dir.File(L"pages.tif"), L"{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}",
                                       GxEncoderParameters{multi}))
                 return false;
             multi.value = &nextPage;
             if (!w.picture.SaveAddImage(w.out.bitmap, {multi})) return false;
             multi.value = &flush;
             return w.picture.SaveAdd({multi});
         }},
        {"GdipCreateBitmapFromGraphics",
         [](W& w) { return w.out.bitmap.CreateFromGraphics(5, 6, w.graphics) && w.out.bitmap.GetHeight() == 6; }},
        {"GdipCreateBitmapFromGdiDib",
         [](W& w) {
             BITMAPINFO info{};
             info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
             info.bmiHeader.biWidth = 2;
             info.bmiHeader.biHeight = 2;
             info.bmiHeader.biPlanes = 1;
             info.bmiHeader.biBitCount = 32;
             DWORD bits[4] = {0x00FF0000, 0x00FF0000, 0x000000FF, 0x000000FF};
             return w.out.bitmap.CreateFromGdiDib(&info, bits) && w.out.bitmap.GetWidth() == 2;
         }},
        {"GdipCreateBitmapFromHBITMAP",
         [](W& w) {
             UniqueBitmap hbitmap = w.picture.GetHBITMAP(kWhite);
             return hbitmap && w.out.bitmap.CreateFromHBITMAP(hbitmap.Get()) &&
                    (w.out.bitmap.GetPixel(6, 6) & 0xFFFFFF) == 0x0000FF;
         }},
        {"GdipCreateHICONFromBitmap",
         [](W& w) {
             UniqueIcon icon = w.picture.GetHICON();
             return icon && w.out.bitmap.CreateFromHICON(icon.Get()) && w.out.bitmap.GetWidth() == 8;
         }},
        {"GdipCreateBitmapFromResource",
         [](W& w) {
             return w.out.bitmap.CreateFromResource(nullptr, 32754 /* OBM_CLOSE */) && w.out.bitmap.GetWidth() > 0;
         }},
        {"GdipCloneBitmapArea",
         [](W& w) {
             return w.picture.CloneArea(GxRectF(4, 0, 4, 4), PixelFormat32bppARGB, w.out.bitmap) &&
                    w.out.bitmap.GetPixel(0, 0) == kBlue;
         }},
        {"GdipCloneBitmapAreaI",
         [](W& w) {
             return w.picture.CloneAreaI(GxRect(0, 0, 2, 2), PixelFormat24bppRGB, w.out.bitmap) &&
                    w.out.bitmap.GetPixelFormat() == PixelFormat24bppRGB;
         }},
        {"GdipBitmapLockBits",
         [](W& w) {
             BitmapData data{};
             if (!w.picture.LockBits(GxRect(0, 0, 8, 8), ImageLockModeWrite, PixelFormat32bppARGB, data)) return false;
             static_cast<DWORD*>(data.Scan0)[0] = kWhite;
             return w.picture.UnlockBits(data) && w.picture.GetPixel(0, 0) == kWhite;
         }},
        {"GdipBitmapSetResolution",
         [](W& w) { return w.picture.SetResolution(120, 60) && w.picture.GetVerticalResolution() == 60; }},
        {"GdipCreateEffect",
         [](W& w) {
             GxEffect blur;
             BlurParams params{2, FALSE};
             const auto* raw = reinterpret_cast<const std::uint8_t*>(&params);
             return blur.Create(L"{633C80A4-1843-482B-9EF2-BE2834C5FDD4}") &&
                    blur.SetParameters(Bytes(raw, raw + sizeof(params))) && w.picture.ApplyEffect(blur);
         },
         kWineLacks},
        {"GdipCreateCachedBitmap",
         [](W& w) {
             GxCachedBitmap cached;
             return cached.Create(w.picture, w.graphics) && w.graphics.DrawCachedBitmap(cached, 3.7f, 4.2f);
         }},
    });
}

// A graphics context on a new popup window, made and disposed.
bool OnNewWindow(bool icm) {
    UniqueWindow window(
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr));
    GxGraphics graphics;
    return window && graphics.CreateFromHWND(window.Get(), icm) && graphics.Dispose();
}

TEST(GxOperations, GraphicsStateAndClip) {
    RunRows({
        {"GdipCreateFromHWND", [](W&) { return OnNewWindow(false); }},
        {"GdipCreateFromHWNDICM", [](W&) { return OnNewWindow(true); }},
        {"GdipCreateFromHDC2",
         [](W&) {
             UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
             GxGraphics g;
             return g.CreateFromHDC(dc.Get(), HANDLE{nullptr});
         }},
        {"GdipGetDC",
         [](W& w) {
             HDC dc = w.graphics.GetHDC();
             return dc && w.graphics.ReleaseHDC(dc);
         }},
        {"GdipFlush", [](W& w) { return w.graphics.Flush(); }},
        SetGet<&W::graphics, &GxGraphics::SetCompositingMode, &GxGraphics::GetCompositingMode>(
            "GdipSetCompositingMode", CompositingModeSourceCopy),
        {"GdipSetRenderingOrigin",
         [](W& w) {
             int x = 0, y = 0;
             return w.graphics.SetRenderingOrigin(3, 4) && w.graphics.GetRenderingOrigin(x, y) && x == 3 && y == 4;
         }},
        SetGet<&W::graphics, &GxGraphics::SetCompositingQuality, &GxGraphics::GetCompositingQuality>(
            "GdipSetCompositingQuality", CompositingQualityGammaCorrected),
        SetGet<&W::graphics, &GxGraphics::SetSmoothingMode, &GxGraphics::GetSmoothingMode>("GdipSetSmoothingMode",
                                                                                           SmoothingModeAntiAlias),
        SetGet<&W::graphics, &GxGraphics::SetTextRenderingHint, &GxGraphics::GetTextRenderingHint>(
            "GdipSetTextRenderingHint", TextRenderingHintAntiAliasGridFit),
        SetGet<&W::graphics, &GxGraphics::SetInterpolationMode, &GxGraphics::GetInterpolationMode>(
            "GdipSetInterpolationMode", InterpolationModeHighQualityBicubic),
        SetGet<&W::graphics, &GxGraphics::SetPixelOffsetMode, &GxGraphics::GetPixelOffsetMode>("GdipSetPixelOffsetMode",
                                                                                               PixelOffsetModeHalf),
        {"GdipMultiplyWorldTransform",
         [](W& w) { return w.graphics.MultiplyTransform(w.matrix) && TransformIs(w.graphics, 1, 0, 0, 1, 2, 3); }},
        {"GdipSetWorldTransform",
         [](W& w) { return w.graphics.SetTransform(w.matrix) && TransformIs(w.graphics, 1, 0, 0, 1, 2, 3); }},
        {"GdipResetWorldTransform",
         [](W& w) {
             return w.graphics.SetTransform(w.matrix) && w.graphics.ResetTransform() &&
                    TransformIs(w.graphics, 1, 0, 0, 1, 0, 0);
         }},
        SetGet<&W::graphics, &GxGraphics::SetPageUnit, &GxGraphics::GetPageUnit>("GdipSetPageUnit", UnitPoint),
        SetGet<&W::graphics, &GxGraphics::SetPageScale, &GxGraphics::GetPageScale>("GdipSetPageScale", 2),
        {"GdipGetDpiX", [](W& w) { return w.graphics.GetDpiX() > 0 && w.graphics.GetDpiY() > 0; }},
        {"GdipTransformPointsI",
         [](W& w) {
             w.pointsI = {GxPoint(1, 1)};
             return w.graphics.TranslateTransform(10, 0) &&
                    w.graphics.TransformPointsI(CoordinateSpaceDevice, CoordinateSpaceWorld, w.pointsI) &&
                    w.pointsI[0].X == 11;
         }},
        {"GdipGetNearestColor", [](W& w) { return w.graphics.GetNearestColor(kRed) == kRed; }},
        SetGet<&W::graphics, &GxGraphics::SetTextContrast, &GxGraphics::GetTextContrast>("GdipSetTextContrast", 5u),
        {"GdipSetClipGraphics",
         [](W& w) {
             test::Canvas other(8, 8);
             return other.graphics.SetClipRect(0, 0, 4, 4) && w.graphics.SetClipGraphics(other.graphics) &&
                    w.graphics.GetClipBoundsI().Width == 4;
         }},
        {"GdipSetClipRectI",
         [](W& w) {
             return w.graphics.SetClipRectI(2, 2, 5, 5, CombineModeIntersect) && w.graphics.GetClipBoundsI().Width == 5;
         }},
        {"GdipSetClipRegion",
         [](W& w) { return w.graphics.SetClipRegion(w.region) && w.graphics.GetClipBounds().Width == 16; }},
        {"GdipSetClipHrgn",
         [](W& w) {
             UniqueRegion hrgn(::CreateRectRgn(0, 0, 6, 6));
             return w.graphics.SetClipHrgn(hrgn.Get()) && w.graphics.GetVisibleClipBoundsI().Width == 6;
         }},
        {"GdipTranslateClip",
         [](W& w) {
             return w.graphics.SetClipRect(0, 0, 5, 5) && w.graphics.TranslateClip(2, 0) &&
                    w.graphics.GetClipBounds().X == 2;
         }},
        {"GdipTranslateClipI",
         [](W& w) {
             return w.graphics.SetClipRect(0, 0, 5, 5) && w.graphics.TranslateClipI(0, 3) &&
                    w.graphics.GetVisibleClipBounds().Y == 3;
         }},
        {"GdipGetClip",
         [](W& w) {
             return w.graphics.SetClipRect(1, 1, 5, 5) && w.graphics.GetClip(w.out.region) &&
                    w.out.region.IsVisiblePoint(2, 2) && !w.out.region.IsVisiblePoint(8, 8);
         }},
        {"GdipIsClipEmpty",
         [](W& w) {
             return !w.graphics.IsClipEmpty() && w.graphics.SetClipRect(0, 0, 0, 0) && w.graphics.IsVisibleClipEmpty();
         }},
        {"GdipIsVisiblePoint",
         [](W& w) { return w.graphics.IsVisiblePoint(5, 5) && !w.graphics.IsVisiblePointI(100, 5); }},
        {"GdipIsVisibleRect",
         [](W& w) { return w.graphics.IsVisibleRect(60, 60, 10, 10) && !w.graphics.IsVisibleRectI(70, 70, 5, 5); }},
        {"GdipSaveGraphics",
         [](W& w) {
             const GraphicsState state = w.graphics.Save();
             return w.graphics.SetSmoothingMode(SmoothingModeAntiAlias) && w.graphics.Restore(state) &&
                    w.graphics.GetSmoothingMode() != SmoothingModeAntiAlias;
         }},
        {"GdipBeginContainer",
         [](W& w) {
             const auto c = w.graphics.BeginContainer(GxRectF(0, 0, 20, 20), GxRectF(0, 0, 10, 10), UnitPixel);
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipBeginContainerI",
         [](W& w) {
             const auto c = w.graphics.BeginContainerI(GxRect(0, 0, 20, 20), GxRect(0, 0, 10, 10), UnitPixel);
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipBeginContainer2",
         [](W& w) {
             const auto c = w.graphics.BeginContainerPlain();
             return gxLastStatus == Ok && w.graphics.EndContainer(c);
         }},
        {"GdipComment",
         [](W& w) {
             return w.graphics.AddComment({1, 2, 3});
         },
         kWineLacks},
        {"GdipMeasureString",
         [](W& w) {
             GxRectF bounds;
             return w.graphics.MeasureStringW(kAb, w.font, GxRectF(0, 0, 100, 30), w.format, bounds) &&
                    bounds.Width > 0;
         }},
        {"GdipMeasureCharacterRanges",
         [](W& w) {
             std::vector<GxRegion> regions;
             return w.format.SetMeasurableCharacterRanges({CharacterRange(0, 1)}) &&
                    w.graphics.MeasureCharacterRangesW(kAb, w.font, GxRectF(0, 0, 100, 30), w.format, 1, regions) &&
                    regions.size() == 1;
         }},
    });
}

// Something was drawn: the white canvas has a pixel of another colour.
bool Drew(W& w) {
    w.graphics.Dispose();  // finishes the drawing
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (w.bitmap.GetPixel(x, y) != kWhite) return true;
    return false;
}

TEST(GxOperations, Drawing) {
    RunRows(
        {
            {"GdipDrawLineI", [](W& w) { return w.graphics.DrawLineI(w.pen, 0, 0, 9, 9); }},
            {"GdipDrawLines", [](W& w) { return w.graphics.DrawLines(w.pen, kPairF); }},
            {"GdipDrawLinesI", [](W& w) { return w.graphics.DrawLinesI(w.pen, kPair); }},
            {"GdipDrawArc", [](W& w) { return w.graphics.DrawArc(w.pen, 0, 0, 20, 20, 0, 90); }},
            {"GdipDrawArcI", [](W& w) { return w.graphics.DrawArcI(w.pen, 0, 0, 20, 20, 0, 90); }},
            {"GdipDrawBezier", [](W& w) { return w.graphics.DrawBezier(w.pen, 0, 0, 5, 9, 9, 9, 20, 0); }},
            {"GdipDrawBezierI", [](W& w) { return w.graphics.DrawBezierI(w.pen, 0, 0, 5, 9, 9, 9, 20, 0); }},
            {"GdipDrawBeziers", [](W& w) { return w.graphics.DrawBeziers(w.pen, kBezierF); }},
            {"GdipDrawBeziersI", [](W& w) { return w.graphics.DrawBeziersI(w.pen, kBezier); }},
            {"GdipDrawRectangles", [](W& w) { return w.graphics.DrawRectangles(w.pen, {GxRectF(1, 1, 5, 5)}); }},
            {"GdipDrawRectanglesI", [](W& w) { return w.graphics.DrawRectanglesI(w.pen, {GxRect(1, 1, 5, 5)}); }},
            {"GdipDrawEllipseI", [](W& w) { return w.graphics.DrawEllipseI(w.pen, 1, 1, 20, 10); }},
            {"GdipDrawPie", [](W& w) { return w.graphics.DrawPie(w.pen, 1, 1, 20, 20, 0, 45); }},
            {"GdipDrawPieI", [](W& w) { return w.graphics.DrawPieI(w.pen, 1, 1, 20, 20, 0, 45); }},
            {"GdipDrawPolygon", [](W& w) { return w.graphics.DrawPolygon(w.pen, kCurveF); }},
            {"GdipDrawPolygonI", [](W& w) { return w.graphics.DrawPolygonI(w.pen, kCurve); }},
            {"GdipDrawCurve", [](W& w) { return w.graphics.DrawCurve(w.pen, kCurveF); }},
            {"GdipDrawCurveI", [](W& w) { return w.graphics.DrawCurveI(w.pen, kCurve); }},
            {"GdipDrawCurve2", [](W& w) { return w.graphics.DrawCurve2(w.pen, kCurveF, 1); }},
            {"GdipDrawCurve2I", [](W& w) { return w.graphics.DrawCurve2I(w.pen, kCurve, 1); }},
            {"GdipDrawCurve3", [](W& w) { return w.graphics.DrawCurve3(w.pen, kCurveF, 0, 2, 0.5f); }},
            {"GdipDrawCurve3I", [](W& w) { return w.graphics.DrawCurve3I(w.pen, kCurve, 1, 1, 0.5f); }},
            {"GdipDrawClosedCurve", [](W& w) { return w.graphics.DrawClosedCurve(w.pen, kCurveF); }},
            {"GdipDrawClosedCurveI", [](W& w) { return w.graphics.DrawClosedCurveI(w.pen, kCurve); }},
            {"GdipDrawClosedCurve2", [](W& w) { return w.graphics.DrawClosedCurve2(w.pen, kCurveF, 0.5f); }},
            {"GdipDrawClosedCurve2I", [](W& w) { return w.graphics.DrawClosedCurve2I(w.pen, kCurve, 0.5f); }},
            {"GdipFillRectangles", [](W& w) { return w.graphics.FillRectangles(w.solid, {GxRectF(0, 0, 4, 4)}); }},
            {"GdipFillRectanglesI", [](W& w) { return w.graphics.FillRectanglesI(w.solid, {GxRect(0, 0, 4, 4)}); }},
            {"GdipFillPolygon", [](W& w) { return w.graphics.FillPolygon(w.solid, kCurveF); }},
            {"GdipFillPolygonI", [](W& w) { return w.graphics.FillPolygonI(w.solid, kCurve, FillModeWinding); }},
            {"GdipFillEllipseI", [](W& w) { return w.graphics.FillEllipseI(w.solid, 0, 0, 9, 9); }},
            {"GdipFillPie", [](W& w) { return w.graphics.FillPie(w.solid, 0, 0, 9, 9, 0, 90); }},
            {"GdipFillPieI", [](W& w) { return w.graphics.FillPieI(w.solid, 0, 0, 9, 9, 0, 90); }},
            {"GdipFillClosedCurve", [](W& w) { return w.graphics.FillClosedCurve(w.solid, kCurveF); }},
            {"GdipFillClosedCurve2", [](W& w) { return w.graphics.FillClosedCurve2(w.solid, kCurveF, 0.5f); }},
            {"GdipFillClosedCurveI", [](W& w) { return w.graphics.FillClosedCurveI(w.solid, kCurve); }},
            {"GdipFillClosedCurve2I", [](W& w) { return w.graphics.FillClosedCurve2I(w.solid, kCurve, 0.5f); }},
            {"GdipFillRegion", [](W& w) { return w.graphics.FillRegion(w.linear, w.region); }},
            {"GdipDrawDriverString",
             [](W& w) {
                 return w.graphics.DrawDriverString(L"Ab", w.font, w.solid, {GxPointF(2, 20), GxPointF(12, 20)},
                                                    DriverStringOptionsCmapLookup);
             }},
            {"GdipDrawDriverString",
             [](W& w) {
                 return w.graphics.DrawDriverStringW({'A', 0}, w.font, w.solid, {GxPointF(2, 20)},
                                                     DriverStringOptionsCmapLookup, &w.matrix);
             }},
            {"GdipDrawImageI", [](W& w) { return w.graphics.DrawImageI(w.picture, 2, 2); }},
            {"GdipDrawImagePoints", [](W& w) { return w.graphics.DrawImagePoints(w.picture, kCornersF); }},
            {"GdipDrawImagePointsI", [](W& w) { return w.graphics.DrawImagePointsI(w.picture, kCorners); }},
            {"GdipDrawImagePointRect", [](W& w) { return w.graphics.DrawImagePointRect(w.picture, 1, 1, 0, 0, 4, 4); }},
            {"GdipDrawImagePointRectI",
             [](W& w) { return w.graphics.DrawImagePointRectI(w.picture, 1, 1, 0, 0, 4, 4); }},
            {"GdipDrawImageRectRect",
             [](W& w) {
                 return w.graphics.DrawImageRectRect(w.picture, 0, 0, 16, 16, 0, 0, 8, 8, UnitPixel, &w.attributes);
             }},
            {"GdipDrawImageRectRectI",
             [](W& w) { return w.graphics.DrawImageRectRectI(w.picture, 0, 0, 16, 16, 0, 0, 8, 8); }},
            {"GdipDrawImagePointsRect",
             [](W& w) { return w.graphics.DrawImagePointsRect(w.picture, kCornersF, 0, 0, 8, 8); }},
            {"GdipDrawImagePointsRectI",
             [](W& w) {
                 return w.graphics.DrawImagePointsRectI(w.picture, kCorners, 0, 0, 8, 8, UnitPixel, &w.attributes);
             }},
            {"GdipDrawImageRectI", [](W& w) { return w.graphics.DrawImageRectI(w.picture, 0, 0, 30, 30); }},
        },
        Drew);
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

// Loads the metafile into the world's image, then enumerates it through
// `enumerate`, counting the records.
template <typename Enumerate>
Step OnMetafile(Enumerate enumerate) {
    return [enumerate](W& w) { return LoadMetafile(w.out.image) && enumerate(w.graphics, w.out.image, &w.records); };
}

bool Enumerated(W& w) { return w.records > 0; }

const GxRectF kAreaF(0, 0, 20, 10);
const GxRect kArea(0, 0, 20, 10);

TEST(GxOperations, MetafileEnumeration) {
    using G = GxGraphics;
    using M = GxImage;
    RunRows(
        {
            {"GdipEnumerateMetafileDestPoint", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileDestPoint(m, GxPointF(0, 0), CountRecord, n);
             })},
            {"GdipEnumerateMetafileDestPointI", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileDestPointI(m, GxPoint(0, 0), CountRecord, n);
             })},
            {"GdipEnumerateMetafileDestPoints", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileDestPoints(m, kMetafileCornersF, CountRecord, n);
             }),
             kWineLacks},
            {"GdipEnumerateMetafileDestPointsI", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileDestPointsI(m, kMetafileCorners, CountRecord, n);
             }),
             kWineLacks},
            {"GdipEnumerateMetafileDestRect",
             OnMetafile([](G& g, M& m, int* n) { return g.EnumerateMetafileDestRect(m, kAreaF, CountRecord, n); })},
            {"GdipEnumerateMetafileDestRectI",
             OnMetafile([](G& g, M& m, int* n) { return g.EnumerateMetafileDestRectI(m, kArea, CountRecord, n); })},
            {"GdipEnumerateMetafileSrcRectDestPoint", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestPoint(m, GxPointF(0, 0), kAreaF, UnitPixel, CountRecord, n);
             }),
             kWineLacks},
            {"GdipEnumerateMetafileSrcRectDestPointI", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestPointI(m, GxPoint(0, 0), kArea, UnitPixel, CountRecord, n);
             }),
             kWineLacks},
            {"GdipEnumerateMetafileSrcRectDestPoints", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestPoints(m, kMetafileCornersF, kAreaF, UnitPixel, CountRecord, n);
             })},
            {"GdipEnumerateMetafileSrcRectDestPointsI", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestPointsI(m, kMetafileCorners, kArea, UnitPixel, CountRecord, n);
             }),
             kWineLacks},
            {"GdipEnumerateMetafileSrcRectDestRect", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestRect(m, kAreaF, kAreaF, UnitPixel, CountRecord, n);
             })},
            {"GdipEnumerateMetafileSrcRectDestRectI", OnMetafile([](G& g, M& m, int* n) {
                 return g.EnumerateMetafileSrcRectDestRectI(m, kArea, kArea, UnitPixel, CountRecord, n);
             })},
        },
        Enumerated);
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
