// The shared drawing helpers, by their numbers, path points and pixels.
#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <functional>
#include <span>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/window_props.h"
#include "skin_core_test_util.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

using DrawingHelpersTest = SkinCoreTest;

TEST(ToArgbTest, SwapsRedAndBlueAndSetsTheAlpha) {
    EXPECT_EQ(skin::ToArgb(0x00FF8800, 60), 0x3C0088FFu);
    EXPECT_EQ(skin::ToArgb(0x00DDCA22, 160), 0xA022CADDu);
    EXPECT_EQ(skin::ToArgb(0x00010203), 0xFF030201u);
}

bool HasPoint(const std::vector<GxPointF>& points, float x, float y) {
    for (const GxPointF& p : points)
        if (std::fabs(p.X - x) < 0.01f && std::fabs(p.Y - y) < 0.01f) return true;
    return false;
}

std::vector<GxPointF> PointsOf(const GxPath& path) {
    std::vector<GxPointF> points;
    path.GetPoints(points);
    return points;
}

// The four arcs start and end where their boxes touch the rectangle's sides.
void ExpectRoundRectArcs(const std::vector<GxPointF>& p, float x, float y, float w, float h, float r) {
    EXPECT_TRUE(HasPoint(p, x + w - r / 2, y));  // top-right arc starts on the top edge
    EXPECT_TRUE(HasPoint(p, x + w, y + r / 2));  // and ends on the right edge
    // The bottom-right box is one pixel larger: (x + w - r - 1, y + h - r - 1, r + 1, r + 1).
    EXPECT_TRUE(HasPoint(p, x + w, y + h - (r + 1) / 2));
    EXPECT_TRUE(HasPoint(p, x + w - (r + 1) / 2, y + h));
    EXPECT_TRUE(HasPoint(p, x + r / 2, y + h));  // bottom-left arc starts on the bottom edge
    EXPECT_TRUE(HasPoint(p, x, y + h - r / 2));  // and ends on the left edge
    EXPECT_TRUE(HasPoint(p, x, y + r / 2));      // top-left arc starts on the left edge
    EXPECT_TRUE(HasPoint(p, x + r / 2, y));      // and ends on the top edge
}

TEST_F(DrawingHelpersTest, RoundRectPathClampsTheCornerTo1And100) {
    const float x = 10, y = 20, w = 300, h = 200;
    GxPath large;
    skin::RoundRectPath(large, x, y, w, h, 500);
    ExpectRoundRectArcs(PointsOf(large), x, y, w, h, 100);
    // An unclamped 500-pixel box would reach past the rectangle's bottom.
    EXPECT_FALSE(HasPoint(PointsOf(large), x + w, y + 250));
    EXPECT_NEAR(large.GetWorldBounds().Height, h, 0.01);

    GxPath small;
    skin::RoundRectPath(small, x, y, w, h, 0);
    ExpectRoundRectArcs(PointsOf(small), x, y, w, h, 1);

    GxPath middle;
    skin::RoundRectPath(middle, x, y, w, h, 20);
    ExpectRoundRectArcs(PointsOf(middle), x, y, w, h, 20);
    const GxRectF bounds = middle.GetWorldBounds();
    EXPECT_NEAR(bounds.X, x, 0.01);
    EXPECT_NEAR(bounds.Y, y, 0.01);
    EXPECT_NEAR(bounds.Width, w, 0.01);
    EXPECT_NEAR(bounds.Height, h, 0.01);
}

TEST_F(DrawingHelpersTest, RoundClipPathUsesWholePixelBoxesAndATopEdge) {
    GxPath path;
    skin::RoundClipPath(path, 0.7f, 0.2f, 50.5f, 30.9f, 10.6f);  // boxes truncated to whole pixels
    const std::vector<GxPointF> points = PointsOf(path);
    // Top-right box (40, 0, 10, 10): starts at (45, 0); bottom-left box (0, 20, 10, 10).
    EXPECT_TRUE(HasPoint(points, 45, 0));
    EXPECT_TRUE(HasPoint(points, 50, 5));
    EXPECT_TRUE(HasPoint(points, 5, 30));
    // The explicit top edge from x + r to x + w - r / 2.
    EXPECT_TRUE(HasPoint(points, 0.7f + 10.6f, 0.2f));
    EXPECT_TRUE(HasPoint(points, 0.7f + 50.5f - 5.3f, 0.2f));

    GxPath clamped;
    skin::RoundClipPath(clamped, 0, 0, 400, 300, 250);
    EXPECT_TRUE(HasPoint(PointsOf(clamped), 350, 0));  // box side 100
}

TEST_F(DrawingHelpersTest, StrokeGlowIsDarkestOnTheLine) {
    const Pixels out = Render(40, 40, 0xFFFFFFFF, [](GxGraphics& graphics) {
        GxPath path;
        path.Create();
        path.AddLine(5, 20, 35, 20);
        skin::StrokeGlow(graphics, path, 4, 0x00000000, 60);
    });
    const int onLine = Red(out.At(20, 20));
    const int beside = Red(out.At(20, 21));
    const int away = Red(out.At(20, 26));
    EXPECT_LT(onLine, beside);
    EXPECT_LT(beside, 255);
    EXPECT_EQ(away, 255);
}

int CountWhere(const Pixels& pixels, const std::function<bool(GxArgb)>& test) {
    int count = 0;
    for (GxArgb p : pixels.argb) count += test(p) ? 1 : 0;
    return count;
}

TEST_F(DrawingHelpersTest, GlowTextWithBlurOneStillDrawsHaloAndOutline) {
    auto draw = [](COLORREF glow, float blur) {
        return Render(80, 30, 0xFFFFFFFF, [glow, blur](GxGraphics& graphics) {
            skin::GlowTextOptions options;
            options.blurFactor = blur;
            options.fontSize = 16;
            skin::DrawGlowText(graphics, L"测试W", GxRectF(4, 4, 70, 22), 0x00000000, glow, options);
        });
    };
    auto reddish = [](GxArgb p) { return Red(p) > 150 && Green(p) < 120 && Blue(p) < 120; };
    auto dark = [](GxArgb p) { return Red(p) < 60 && Green(p) < 60 && Blue(p) < 60; };
    const Pixels withGlow = draw(0x000000FF, 1);  // red glow
    const Pixels whiteGlow = draw(0x00FFFFFF, 1);
    EXPECT_GT(CountWhere(withGlow, reddish), 15);
    EXPECT_EQ(CountWhere(whiteGlow, reddish), 0);
    EXPECT_GT(CountWhere(withGlow, dark), 10);  // the text itself
    // The usual blur spreads the halo wider than the sharp one.
    const Pixels blurred = draw(0x000000FF, 4);
    auto tinted = [](GxArgb p) { return Red(p) - Green(p) > 20; };
    EXPECT_GT(CountWhere(blurred, tinted), CountWhere(withGlow, tinted) / 2);
}

TEST_F(DrawingHelpersTest, AControlInAGroupBoxGetsExactlyTheFormPixelsBehindIt) {
    EveryKindForm form;
    form.Apply();
    form.SetKnownFrame();
    AttachTestContainer(form.FormIndex(), form.groupBox);
    RECT client{};
    ::GetClientRect(form.groupCheckBox, &client);
    const long dcs = LiveHandleCount(HandleKind::Dc);
    const long objects = LiveHandleCount(HandleKind::GdiObject);

    HDC surface = skin::BuildControlBackground(form.groupCheckBox, client);
    ASSERT_NE(surface, nullptr);
    ASSERT_EQ(skin::memoryDcList.size(), 1u);
    const Pixels pixels = SurfacePixels(*skin::memoryDcList.front());
    int wrong = 0;
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            wrong += pixels.At(x, y) == form.BackgroundBehind(form.groupCheckBox, x, y) ? 0 : 1;
    EXPECT_EQ(wrong, 0);
    skin::ReleaseSurface(surface);

    // The rectangle's own offset moves the block.
    surface = skin::BuildControlBackground(form.groupCheckBox, RECT{3, 2, 13, 12});
    EXPECT_EQ(skin::memoryDcList.front()->Width(), 10);
    EXPECT_EQ(skin::memoryDcList.front()->PixelAt(0, 0), form.BackgroundBehind(form.groupCheckBox, 3, 2));
    skin::ReleaseSurface(surface);
    skin::ReleaseSurface(surface);  // a second release is ignored
    skin::ReleaseSurface(nullptr);

    EXPECT_TRUE(skin::memoryDcList.empty());
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), objects);
}

TEST_F(DrawingHelpersTest, AContainerTintCoversItsChildrenAndOnlyTheGroupBoxPanel) {
    EveryKindForm form;
    form.Apply();
    form.SetKnownFrame();
    const std::int32_t container = AttachTestContainer(form.FormIndex(), form.groupBox);
    form.Record().containers[container].settingB = 0x000000FF;  // red
    form.Record().containers[container].panelAlpha = 255;

    RECT client{};
    ::GetClientRect(form.groupCheckBox, &client);
    HDC child = skin::BuildControlBackground(form.groupCheckBox, client);
    const skin::MemorySurface& childSurface = *skin::memoryDcList.back();
    EXPECT_TRUE(Near(0xFF000000u | childSurface.PixelAt(5, 5), 0xFFFF0000)) << Hex(childSurface.PixelAt(5, 5));
    skin::ReleaseSurface(child);

    ::GetClientRect(form.groupBox, &client);
    HDC box = skin::BuildControlBackground(form.groupBox, client);
    const skin::MemorySurface& boxSurface = *skin::memoryDcList.back();
    EXPECT_EQ(boxSurface.PixelAt(client.right / 2, 2), form.BackgroundBehind(form.groupBox, client.right / 2, 2));
    EXPECT_TRUE(Near(0xFF000000u | boxSurface.PixelAt(client.right / 2, client.bottom / 2), 0xFFFF0000));
    skin::ReleaseSurface(box);
}

TEST_F(DrawingHelpersTest, AWindowOutsideEveryFormGetsAClearSurface) {
    SingleButtonForm plain;
    HDC surface = skin::BuildControlBackground(plain.Button(), RECT{0, 0, 8, 8});
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(skin::memoryDcList.back()->PixelAt(4, 4), 0u);
    skin::ReleaseSurface(surface);
    EXPECT_EQ(skin::FindAncestorForm(plain.Button()), 0);
}

TEST_F(DrawingHelpersTest, CopyToFrameCopyLeavesOutVisibleChildren) {
    EveryKindForm form;
    form.Apply();
    form.SetKnownFrame(ColourRamp, 0xFF000000);
    AttachTestContainer(form.FormIndex(), form.groupBox);
    RECT client{};
    ::GetClientRect(form.groupBox, &client);
    HDC surface = skin::BuildControlBackground(form.groupBox, client);
    for (std::uint32_t& pixel : std::span(skin::memoryDcList.back()->Pixels(), client.right * client.bottom))
        pixel = 0xFF00FF00;
    skin::CopyToFrameCopy(form.groupBox, surface);
    skin::ReleaseSurface(surface);

    const skin::MemorySurface& copy = *form.Record().frameCopy;
    const RECT box = skin::ClientRectInForm(form.groupBox);
    const RECT child = skin::ClientRectInForm(form.groupCheckBox);
    EXPECT_EQ(copy.PixelAt(box.left + 2, box.top + 2), 0xFF00FF00u);
    EXPECT_EQ(copy.PixelAt(child.left + 3, child.top + 3), 0xFF000000u);  // the check box keeps its own place
    EXPECT_EQ(copy.PixelAt(box.right + 1, box.top + 2), 0xFF000000u);
    // The clip is removed afterwards: a later copy reaches the child's place.
    HDC whole = skin::BuildControlBackground(form.groupCheckBox, RECT{0, 0, 4, 4});
    skin::CopyToFrameCopy(form.groupCheckBox, whole);
    skin::ReleaseSurface(whole);
    EXPECT_EQ(copy.PixelAt(child.left + 1, child.top + 1), ColourRamp(child.left + 1, child.top + 1));
}

TEST_F(DrawingHelpersTest, BackgroundBitmapIsTheFrameUnderTranslucentWhite) {
    EveryKindForm form;
    form.Apply();
    form.SetKnownFrame();
    HBITMAP bitmap = skin::BackgroundBitmap(form.edit);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof(info), &info);
    RECT client{};
    ::GetClientRect(form.edit, &client);
    EXPECT_EQ(info.bmWidth, client.right);
    EXPECT_EQ(info.bmHeight, client.bottom);
    const RECT area = skin::ClientAreaInWindow(form.edit);
    const GxArgb behind = form.BackgroundBehind(form.edit, area.left + 4, area.top + 4);
    auto blend = [](int channel) { return (channel * (255 - 160) + 255 * 160 + 127) / 255; };
    const GxArgb expected = 0xFF000000u | blend(Red(behind)) << 16 | blend(Green(behind)) << 8 | blend(Blue(behind));
    const GxArgb actual = 0xFF000000u | static_cast<const std::uint32_t*>(info.bmBits)[4 * client.right + 4];
    EXPECT_TRUE(Near(actual, expected)) << Hex(actual) << " vs " << Hex(expected);
    ::DeleteObject(bitmap);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

Bytes SolidPicture(int width, int height, GxArgb color) { return EncodePixels(Pixels(width, height, color)); }

TEST_F(DrawingHelpersTest, AverageColorOfAOneColourPictureIsThatColour) {
    const Bytes picture = SolidPicture(23, 17, 0xFF3366CC);
    EXPECT_EQ(skin::AverageColor(picture, 2000), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(skin::AverageColor(picture, 1, 5, 5), RGB(0x33, 0x66, 0xCC));
    TempDir dir;
    WriteAll(dir.File(L"一色.png"), picture);
    EXPECT_EQ(skin::AverageColor(dir.File(L"一色.png"), 50), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(skin::AverageColor(Bytes{'n', 'o'}, 50), 0u);
    EXPECT_EQ(skin::AverageColor(picture, 0), 0u);
}

TEST_F(DrawingHelpersTest, AverageColorWithMarginsSamplesOnlyTheCorner) {
    Pixels two(40, 40, 0xFF0000FF);
    for (int y = 30; y < 40; ++y)
        for (int x = 30; x < 40; ++x) two.At(x, y) = 0xFFFF0000;
    // The last 9 columns and rows (1-based 31..40) are red.
    EXPECT_EQ(skin::AverageColor(EncodePixels(two), 500, 9, 9), RGB(255, 0, 0));
    const COLORREF mixed = skin::AverageColor(EncodePixels(two), 4000);
    EXPECT_GT(GetBValue(mixed), GetRValue(mixed));
}

TEST_F(DrawingHelpersTest, FadePictureEdgesFadesTheRightOrLeftEdgeAndTheBottom) {
    const Bytes white = SolidPicture(100, 100, 0xFFFFFFFF);
    const COLORREF blue = RGB(0, 0, 255);
    const Pixels right = DecodePixels(skin::FadePictureEdges(white, std::nullopt, blue));
    const Pixels left = DecodePixels(skin::FadePictureEdges(white, std::nullopt, blue, 0));
    ASSERT_EQ(right.width, 100);
    ASSERT_EQ(left.width, 100);
    const GxArgb solidBlue = 0xFF0000FF;
    EXPECT_TRUE(Near(right.At(99, 20), solidBlue, 12)) << Hex(right.At(99, 20));
    EXPECT_TRUE(Near(right.At(1, 20), 0xFFFFFFFF)) << Hex(right.At(1, 20));
    EXPECT_TRUE(Near(left.At(0, 20), solidBlue, 12)) << Hex(left.At(0, 20));
    EXPECT_TRUE(Near(left.At(98, 20), 0xFFFFFFFF)) << Hex(left.At(98, 20));
    // Halfway into the fade (width 30 by default) the colour is half there.
    EXPECT_NEAR(Red(right.At(85, 20)), 128, 30);
    for (const Pixels* p : {&right, &left}) {
        EXPECT_TRUE(Near(p->At(50, 99), solidBlue, 12)) << Hex(p->At(50, 99));
        EXPECT_TRUE(Near(p->At(50, 40), 0xFFFFFFFF));
    }
    const Pixels narrow = DecodePixels(skin::FadePictureEdges(white, 10, blue));
    EXPECT_TRUE(Near(narrow.At(85, 20), 0xFFFFFFFF));
    EXPECT_TRUE(skin::FadePictureEdges(Bytes{'x'}, std::nullopt, blue).empty());
}

TEST_F(DrawingHelpersTest, ClientAreaInWindowWithAndWithoutScrollBars) {
    EveryKindForm form;
    for (HWND window : {form.edit, form.scrolledEdit, form.slider}) {
        RECT windowRect{};
        ::GetWindowRect(window, &windowRect);
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        RECT client{};
        ::GetClientRect(window, &client);
        const RECT area = skin::ClientAreaInWindow(window);
        EXPECT_EQ(area.left, origin.x - windowRect.left);
        EXPECT_EQ(area.top, origin.y - windowRect.top);
        EXPECT_EQ(area.right - area.left, client.right);
        EXPECT_EQ(area.bottom - area.top, client.bottom);
    }
}

TEST_F(DrawingHelpersTest, WindowQueries) {
    EveryKindForm form;
    EXPECT_EQ(skin::ClassNameOf(form.edit), L"Edit");
    EXPECT_EQ(skin::ClassNameOf(form.slider), TRACKBAR_CLASSW);
    EXPECT_FALSE(skin::IsTransparentChild(form.edit));
    ::SetWindowLongPtrW(form.edit, GWL_EXSTYLE, ::GetWindowLongPtrW(form.edit, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    EXPECT_TRUE(skin::IsTransparentChild(form.edit));
    form.Apply();
    EXPECT_EQ(skin::FindAncestorForm(form.groupCheckBox), form.FormIndex());
    EXPECT_EQ(skin::FindAncestorForm(form.Window()), form.FormIndex());
    EXPECT_EQ(skin::FindContainer(form.FormIndex(), form.groupBox), 0);
    const std::int32_t container = AttachTestContainer(form.FormIndex(), form.groupBox);
    EXPECT_EQ(skin::FindContainer(form.FormIndex(), form.groupBox), container);
    form.Record().containers[container].backgroundStale = false;
    skin::MarkContainerStale(form.groupCheckBox);
    EXPECT_TRUE(form.Record().containers[container].backgroundStale);
    const RECT inForm = skin::WindowRectInForm(form.edit);
    EXPECT_EQ(inForm.left, 10);
    EXPECT_EQ(inForm.top, 150);
}

TEST_F(DrawingHelpersTest, RepeatedHelpersLeaveNothingBehind) {
    EveryKindForm form;
    form.Apply();
    form.SetKnownFrame();
    const long dcs = LiveHandleCount(HandleKind::Dc);
    const long objects = LiveHandleCount(HandleKind::GdiObject);
    const long gx = GxObject::LiveCount();
    for (int i = 0; i < 100; ++i) {
        HDC surface = skin::BuildControlBackground(form.pushButton, RECT{0, 0, 80, 24});
        {
            GxGraphics graphics;
            graphics.CreateFromHDC(surface);
            GxPath path;
            skin::RoundRectPath(path, 0, 0, 79, 23, 6);
            skin::StrokeGlow(graphics, path, 2, 0x00FFFFFF, 80);
            skin::DrawGlowText(graphics, L"按钮", GxRectF(0, 0, 80, 24), 0x00FFFFFF, 0x00FF8800);
        }
        skin::CopyToFrameCopy(form.pushButton, surface);
        skin::ReleaseSurface(surface);
    }
    EXPECT_TRUE(skin::memoryDcList.empty());
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), objects);
    EXPECT_EQ(GxObject::LiveCount(), gx);
}

}  // namespace
}  // namespace pelorin::test
