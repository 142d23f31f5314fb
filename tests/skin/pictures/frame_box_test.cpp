// The frame box around the skinned test form's edit, on a frame of known
// pixels: the outline, shadow and background of each style read back from
// the screen, a frame picture instead of the outline, the icon and buttons
// laid out and drawn, hover and clicks through real mouse messages, the
// table entries and callbacks, and the resources of repeated attaches.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "picture_test_util.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/frame_box.h"
#include "skin/windows/container.h"
#include "skin/windows/frame_box_table.h"
#include "skin/windows/skin_startup.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

using skin::FrameBox;

constexpr int kTolerance = 8;

// The edit of EveryKindForm: (10, 150), 150 x 22.
constexpr int kEditLeft = 10, kEditTop = 150, kEditW = 150, kEditH = 22;
constexpr int kBoxW = kEditW + 6, kBoxH = kEditH + 6;

constexpr GxArgb kRed = 0xFFFF0000;
constexpr GxArgb kGreen = 0xFF00FF00;
constexpr GxArgb kBlue = 0xFF0000FF;
constexpr GxArgb kYellow = 0xFFFFFF00;
constexpr GxArgb kCyan = 0xFF00FFFF;

Bytes SolidPng(GxArgb color, int w = 16, int h = 16) { return EncodePixels(Pixels(w, h, color)); }

RECT ScreenRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class FrameBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::SkinStartup();
        skin::skinDefaults.skinControlsEnabled = 1;
        form.Apply();
        PumpMessages(30);
        form.SetKnownFrame();
    }

    // The container as the screen shows it, after its paint.
    Pixels Shown(const FrameBox& box) {
        ::UpdateWindow(box.Container());
        PumpMessages(20);
        return WindowPixels(box.Container());
    }
    GxArgb Behind(const FrameBox& box, int x, int y) { return form.BackgroundBehind(box.Container(), x, y); }
    // `argb` (straight alpha) over the form's pixel behind (x, y).
    bool Shows(const Pixels& p, const FrameBox& box, int x, int y, GxArgb argb) {
        return Near(p.At(x, y), Over(argb, Behind(box, x, y)), kTolerance);
    }
    bool ShowsForm(const Pixels& p, const FrameBox& box, int x, int y) {
        return Near(p.At(x, y), Behind(box, x, y), 2);
    }
    // Moves the real cursor to the container point and sends the move there.
    void MouseMove(const FrameBox& box, int x, int y) {
        POINT screen{x, y};
        ::ClientToScreen(box.Container(), &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::SendMessageW(box.Container(), WM_MOUSEMOVE, 0, Point(x, y));
        PumpMessages(20);
    }
    static POINT Centre(const skin::FrameButton& b) {
        return {(b.rect.left + b.rect.right) / 2, (b.rect.top + b.rect.bottom) / 2};
    }

    EveryKindForm form;
};

// --- Attach, styles and colours ---------------------------------------------

TEST_F(FrameBoxTest, AttachWithNothingGivenIsAGreyRoundedShadowedFrameWithoutBackground) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    HWND c = box.Container();
    ASSERT_TRUE(c);
    EXPECT_EQ(skin::ClassNameOf(c), L"Static");
    const LONG_PTR style = ::GetWindowLongPtrW(c, GWL_STYLE);
    EXPECT_EQ(style & (SS_NOTIFY | WS_CLIPCHILDREN | WS_CHILD | WS_GROUP | WS_VISIBLE),
              SS_NOTIFY | WS_CLIPCHILDREN | WS_CHILD | WS_GROUP | WS_VISIBLE);
    EXPECT_EQ(::GetParent(c), form.Window());
    EXPECT_EQ(::GetParent(form.edit), c);
    EXPECT_EQ(::GetWindowLongPtrW(form.edit, GWL_STYLE) & WS_BORDER, 0);
    EXPECT_EQ(box.Style(), skin::kFrameRoundedShadow);
    EXPECT_EQ(box.FrameColor(), 0x00808080u);
    EXPECT_EQ(box.BackColor(), -1);
    EXPECT_EQ(box.BackAlpha(), 0);
    EXPECT_FALSE(box.HasPicture());

    // The properties the engine reads.
    EXPECT_EQ(skin::GetPropInt(form.edit, L"Zqk_Szqk"), 1);
    EXPECT_EQ(skin::GetPropInt(form.edit, L"Zqk_bjs"), -1);
    EXPECT_EQ(skin::GetPropInt(form.edit, L"Zqk_bjstmd"), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(skin::GetPropValue(form.edit, L"Zqk_gljb")), c);
    EXPECT_EQ(skin::GetPropInt(c, L"Zqk_FuID"), form.FormIndex());
    EXPECT_EQ(skin::GetPropInt(c, L"Zqk_LbID"), box.GetTableIndex());
    EXPECT_EQ(skin::GetPropInt(c, L"Kjsx_bkk"), 0);
    EXPECT_GT(skin::FindContainer(form.FormIndex(), c), 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(skin::GetPropValue(c, L"Zqk_Jgc")), skin::ContainerProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(c, GWLP_WNDPROC)), skin::FrameBoxWindowProc);
    EXPECT_EQ(box.GetContainerHandle(), c);

    // Attach does not paint; the first WM_PAINT does.
    EXPECT_TRUE(box.IsDirty());
    EXPECT_EQ(box.Backbuffer(), nullptr);
    const Pixels p = Shown(box);
    EXPECT_FALSE(box.IsDirty());
    ASSERT_NE(box.Backbuffer(), nullptr);
    ASSERT_EQ(p.width, kBoxW);
    ASSERT_EQ(p.height, kBoxH);

    const GxArgb outline = 0xC8808080;
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, 0, outline)) << Hex(p.At(kBoxW / 2, 0));
    EXPECT_TRUE(Shows(p, box, 0, kBoxH / 2, outline)) << Hex(p.At(0, kBoxH / 2));
    EXPECT_TRUE(Shows(p, box, kBoxW - 1, kBoxH / 2, outline)) << Hex(p.At(kBoxW - 1, kBoxH / 2));
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, kBoxH - 1, outline)) << Hex(p.At(kBoxW / 2, kBoxH - 1));
    // The shadow's outer and middle rings along the top and the left.
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, 1, 0x50000000)) << Hex(p.At(kBoxW / 2, 1));
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, 2, 0x1E000000)) << Hex(p.At(kBoxW / 2, 2));
    EXPECT_TRUE(Shows(p, box, 1, kBoxH / 2, 0x50000000)) << Hex(p.At(1, kBoxH / 2));
    // Below the edit, under no ring: the form itself (alpha-0 background).
    EXPECT_TRUE(ShowsForm(p, box, kBoxW / 2, kBoxH - 2)) << Hex(p.At(kBoxW / 2, kBoxH - 2));
    EXPECT_TRUE(ShowsForm(p, box, 0, 0));
}

TEST_F(FrameBoxTest, StyleOneInTheApplicationsBlueIsARoundedOutlineWithoutShadowThreePixelsOutside) {
    const RECT before = ScreenRect(form.edit);
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRounded, 0x00FF8800));
    const Pixels p = Shown(box);
    const GxArgb blue = 0xC80088FF;  // R, G, B = 0, 136, 255 at alpha 200
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, 0, blue)) << Hex(p.At(kBoxW / 2, 0));
    EXPECT_TRUE(Shows(p, box, 0, kBoxH / 2, blue)) << Hex(p.At(0, kBoxH / 2));
    EXPECT_TRUE(Shows(p, box, kBoxW - 1, kBoxH / 2, blue));
    EXPECT_TRUE(Shows(p, box, kBoxW / 2, kBoxH - 1, blue));
    // Corner size 8: the corner pixels lie outside the arcs.
    EXPECT_TRUE(ShowsForm(p, box, 0, 0)) << Hex(p.At(0, 0));
    EXPECT_TRUE(ShowsForm(p, box, kBoxW - 1, 0)) << Hex(p.At(kBoxW - 1, 0));
    EXPECT_TRUE(ShowsForm(p, box, 0, kBoxH - 1)) << Hex(p.At(0, kBoxH - 1));
    // No shadow inside the outline.
    EXPECT_TRUE(ShowsForm(p, box, kBoxW / 2, 1)) << Hex(p.At(kBoxW / 2, 1));
    EXPECT_TRUE(ShowsForm(p, box, 1, kBoxH / 2)) << Hex(p.At(1, kBoxH / 2));
    EXPECT_TRUE(ShowsForm(p, box, kBoxW / 2, kBoxH - 2));

    // The frame takes the edit's old top-left corner and is 3 pixels larger
    // on every side.
    const RECT edit = ScreenRect(form.edit);
    const RECT frame = ScreenRect(box.Container());
    EXPECT_EQ(frame.left, before.left);
    EXPECT_EQ(frame.top, before.top);
    EXPECT_EQ(edit.right - edit.left, before.right - before.left);
    EXPECT_EQ(edit.bottom - edit.top, before.bottom - before.top);
    EXPECT_EQ(edit.left - frame.left, 3);
    EXPECT_EQ(edit.top - frame.top, 3);
    EXPECT_EQ(frame.right - edit.right, 3);
    EXPECT_EQ(frame.bottom - edit.bottom, 3);
}

TEST_F(FrameBoxTest, SquareStylesOutlineTheCornerAndTheShadowStylesAddTheInnerRings) {
    struct Case {
        std::int32_t style;
        bool square;
        bool shadow;
    };
    for (const Case& k : {Case{0, true, false}, Case{1, false, false}, Case{2, true, true}, Case{3, false, true}}) {
        SCOPED_TRACE(k.style);
        HWND edit = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 200, 250, 120, 22,
                                      form.Window(), nullptr, nullptr, nullptr);
        FrameBox box;
        ASSERT_TRUE(box.Attach(edit, k.style, 0x00000000));
        const Pixels p = Shown(box);
        const int w = p.width;
        EXPECT_EQ(ShowsForm(p, box, 0, 0), !k.square) << Hex(p.At(0, 0));
        if (k.square) {
            EXPECT_TRUE(Shows(p, box, 0, 0, 0xC8000000)) << Hex(p.At(0, 0));
        }
        EXPECT_TRUE(Shows(p, box, w / 2, 0, 0xC8000000));
        if (k.shadow) {
            EXPECT_TRUE(Shows(p, box, w / 2, 1, 0x50000000)) << Hex(p.At(w / 2, 1));
            EXPECT_TRUE(Shows(p, box, w / 2, 2, 0x1E000000)) << Hex(p.At(w / 2, 2));
        } else {
            EXPECT_TRUE(ShowsForm(p, box, w / 2, 1)) << Hex(p.At(w / 2, 1));
        }
        ::DestroyWindow(box.Container());
    }
}

TEST_F(FrameBoxTest, ABackgroundColourFillsInsideTheOutline) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRounded, 0x00000000, 0x000000FF, 255));
    EXPECT_EQ(skin::GetPropInt(form.edit, L"Zqk_bjs"), 0x000000FF);
    EXPECT_EQ(skin::GetPropInt(form.edit, L"Zqk_bjstmd"), 255);
    const Pixels p = Shown(box);
    EXPECT_TRUE(Near(p.At(kBoxW / 2, kBoxH - 2), kRed, kTolerance)) << Hex(p.At(kBoxW / 2, kBoxH - 2));
    EXPECT_TRUE(Near(p.At(1, kBoxH / 2), kRed, kTolerance)) << Hex(p.At(1, kBoxH / 2));
    EXPECT_TRUE(ShowsForm(p, box, 0, 0));  // outside the rounded corner

    // Half transparent: blended over the form.
    FrameBox half;
    HWND edit = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 200, 250, 120, 22, form.Window(), nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(half.Attach(edit, skin::kFrameSquare, 0x00000000, 0x00FF0000, 128));
    const Pixels q = Shown(half);
    EXPECT_TRUE(Shows(q, half, q.width / 2, q.height - 2, 0x800000FF)) << Hex(q.At(q.width / 2, q.height - 2));
}

// Corners opaque green, edges and centre transparent: 9 x 9 with markers
// at columns 3 and 5 of row 1 and rows 3 and 5 of columns 1 and 8.
NineSliceFrame GreenCornerFrame() {
    Pixels pic(9, 9, 0x00000000);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool cornerX = x < 2 || x >= 6;
            const bool cornerY = y < 2 || y >= 6;
            if (cornerX && cornerY) pic.At(x, y) = kGreen;
        }
    const std::initializer_list<std::pair<int, int>> markers = {{3, 1}, {5, 1}, {1, 3}, {1, 5}, {8, 3}, {8, 5}};
    for (auto [x, y] : markers) pic.At(x, y) = kMagenta;
    NineSliceFrame frame;
    const Bytes png = EncodePixels(pic);
    frame.Load(png, nullptr, nullptr, nullptr, 4, 3);
    return frame;
}

TEST_F(FrameBoxTest, ALoadedPictureReplacesOutlineAndShadowWhateverTheStyle) {
    const NineSliceFrame frame = GreenCornerFrame();
    ASSERT_TRUE(frame.IsLoaded());
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRoundedShadow, 0x00000000, std::nullopt, std::nullopt, &frame));
    EXPECT_TRUE(box.HasPicture());
    EXPECT_EQ(skin::GetPropInt(box.Container(), L"Kjsx_bkk"), 3);
    // The control moves in by the picture's border width.
    RECT edit = ScreenRect(form.edit);
    const RECT frameRect = ScreenRect(box.Container());
    EXPECT_EQ(edit.left - frameRect.left, 6);
    EXPECT_EQ(edit.top - frameRect.top, 6);

    const Pixels p = Shown(box);
    // The picture's corners are drawn...
    EXPECT_TRUE(Near(p.At(0, 0), kGreen, 40)) << Hex(p.At(0, 0));
    EXPECT_TRUE(Near(p.At(kBoxW - 1, kBoxH - 1), kGreen, 40)) << Hex(p.At(kBoxW - 1, kBoxH - 1));
    // ...and between them neither the outline nor the shadow.
    EXPECT_TRUE(ShowsForm(p, box, kBoxW / 2, 0)) << Hex(p.At(kBoxW / 2, 0));
    EXPECT_TRUE(ShowsForm(p, box, kBoxW / 2, 1)) << Hex(p.At(kBoxW / 2, 1));
    EXPECT_TRUE(ShowsForm(p, box, 0, kBoxH / 2)) << Hex(p.At(0, kBoxH / 2));

    // An empty frame is ignored: the plain outline again.
    FrameBox plain;
    const NineSliceFrame empty;
    HWND other = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 200, 250, 120, 22, form.Window(), nullptr,
                                   nullptr, nullptr);
    ASSERT_TRUE(plain.Attach(other, skin::kFrameRounded, 0x00000000, std::nullopt, std::nullopt, &empty));
    EXPECT_FALSE(plain.HasPicture());
    const Pixels q = Shown(plain);
    EXPECT_TRUE(Shows(q, plain, q.width / 2, 0, 0xC8000000)) << Hex(q.At(q.width / 2, 0));
}

// --- Icon, buttons and layout -------------------------------------------------

TEST_F(FrameBoxTest, IconAndButtonsAreLaidOutAroundTheControl) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRounded));
    box.SetIcon(SolidPng(kRed));
    box.AddButton(SolidPng(kBlue));
    box.AddButton(SolidPng(kYellow), nullptr, nullptr, 20, 12);
    box.AddButton(SolidPng(kCyan), nullptr, nullptr, std::nullopt, std::nullopt, 1);  // first
    ASSERT_EQ(box.Items().size(), 3u);
    // T = (16 + 1) + (16 + 1) + (20 + 1) = 55; first left = W - T - 2.
    const int first = kBoxW - 55 - 2;
    EXPECT_EQ(box.Items()[0].rect.left, first);
    EXPECT_EQ(box.Items()[0].rect.right, first + 16);
    EXPECT_EQ(box.Items()[1].rect.left, first + 17);
    EXPECT_EQ(box.Items()[2].rect.left, first + 34);
    EXPECT_EQ(box.Items()[2].rect.right, first + 54);
    EXPECT_EQ(box.Items()[0].rect.top, (kBoxH - 16) / 2 + 1);
    EXPECT_EQ(box.Items()[2].rect.top, (kBoxH - 12) / 2 + 1);
    EXPECT_EQ(box.Items()[2].rect.bottom, (kBoxH - 12) / 2 + 1 + 12);

    // The control sits between the icon and the buttons.
    RECT edit = ScreenRect(form.edit);
    ::MapWindowPoints(nullptr, box.Container(), reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit.left, 16 + 4);
    EXPECT_EQ(edit.right - edit.left, kBoxW - 16 - 8 - 55);
    EXPECT_EQ(edit.top, 3);

    const Pixels p = Shown(box);
    const int iconTop = (kBoxH - 16) / 2;
    EXPECT_TRUE(Near(p.At(3 + 8, iconTop + 8), kRed, kTolerance)) << Hex(p.At(11, iconTop + 8));
    EXPECT_TRUE(Near(p.At(3, iconTop), kRed, kTolerance));
    EXPECT_FALSE(Near(p.At(2, iconTop + 8), kRed, 60));
    const char* names[] = {"cyan", "blue", "yellow"};
    const GxArgb colours[] = {kCyan, kBlue, kYellow};
    for (int i = 0; i < 3; ++i) {
        const POINT c = Centre(box.Items()[i]);
        EXPECT_TRUE(Near(p.At(c.x, c.y), colours[i], kTolerance)) << names[i] << " " << Hex(p.At(c.x, c.y));
    }
    EXPECT_EQ(box.HitTest(first, box.Items()[0].rect.top), 1);  // edges count
    EXPECT_EQ(box.HitTest(first + 16, box.Items()[0].rect.bottom), 1);
    EXPECT_EQ(box.HitTest(first + 17, box.Items()[1].rect.top), 2);
    EXPECT_EQ(box.HitTest(first - 1, box.Items()[0].rect.top), 0);
    EXPECT_EQ(box.HitTest(first + 40, box.Items()[2].rect.top - 1), 0);
}

TEST_F(FrameBoxTest, PicturesThatCannotBeDecodedDrawNothing) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRounded));
    box.SetIcon(Bytes{1, 2, 3});
    box.AddButton(Bytes{});
    const Pixels p = Shown(box);
    const int iconTop = (kBoxH - 16) / 2;
    EXPECT_TRUE(ShowsForm(p, box, 11, iconTop + 8)) << Hex(p.At(11, iconTop + 8));
    const POINT c = Centre(box.Items()[0]);
    EXPECT_TRUE(ShowsForm(p, box, c.x, c.y)) << Hex(p.At(c.x, c.y));
}

// --- Mouse ------------------------------------------------------------------------

class FrameBoxButtonsTest : public FrameBoxTest {
protected:
    void SetUp() override {
        FrameBoxTest::SetUp();
        ASSERT_TRUE(box.Attach(form.edit, skin::kFrameRounded));
        for (GxArgb hot : {kRed, kGreen, kYellow}) {
            const Bytes normal = SolidPng(kBlue), hotPng = SolidPng(hot), pressed = SolidPng(kCyan);
            box.AddButton(normal, &hotPng, &pressed);
        }
        box.SetClickCallback([this](std::int32_t i) { clicks.push_back(i); });
        Shown(box);
    }
    void TearDown() override { ::SetCursorPos(2, 2); }
    // What the container's window surface holds at the button's centre
    // (read through its DC: the screen may not have caught up yet).
    GxArgb ShownAt(int button) {
        const POINT c = Centre(box.Items()[button - 1]);
        WindowDc dc(box.Container());
        return DcPixels(dc.Get(), kBoxW, kBoxH).At(c.x, c.y) | 0xFF000000u;
    }

    FrameBox box;
    std::vector<std::int32_t> clicks;
};

TEST_F(FrameBoxButtonsTest, MovingFromOneButtonToTheNextRedrawsOnlyThoseTwo) {
    const POINT first = Centre(box.Items()[0]), second = Centre(box.Items()[1]), third = Centre(box.Items()[2]);
    MouseMove(box, first.x, first.y);
    EXPECT_EQ(box.HotItem(), 1);
    EXPECT_TRUE(Near(ShownAt(1), kRed, kTolerance)) << Hex(ShownAt(1));
    EXPECT_TRUE(Near(ShownAt(2), kBlue, kTolerance));

    // Mark the third button on the screen: a full repaint would cover it.
    {
        WindowDc dc(box.Container());
        UniqueBrush magenta(::CreateSolidBrush(0x00FF00FF));
        const RECT r = box.Items()[2].rect;
        ::FillRect(dc.Get(), &r, magenta.Get());
    }
    MouseMove(box, second.x, second.y);
    EXPECT_EQ(box.HotItem(), 2);
    EXPECT_TRUE(Near(ShownAt(1), kBlue, kTolerance)) << Hex(ShownAt(1));
    EXPECT_TRUE(Near(ShownAt(2), kGreen, kTolerance)) << Hex(ShownAt(2));
    EXPECT_TRUE(Near(ShownAt(3), 0xFFFF00FF, 2)) << Hex(ShownAt(3));
    EXPECT_FALSE(box.Items()[0].hot);
    EXPECT_TRUE(box.Items()[1].hot);

    // Leaving the box: the hot button goes back to normal.
    ::SendMessageW(box.Container(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(box.HotItem(), 0);
    EXPECT_TRUE(Near(ShownAt(2), kBlue, kTolerance)) << Hex(ShownAt(2));
    EXPECT_TRUE(Near(ShownAt(3), 0xFFFF00FF, 2));
    (void)third;
}

TEST_F(FrameBoxButtonsTest, ReleasingOutsideTheButtonStillReportsThePressedButton) {
    const POINT second = Centre(box.Items()[1]);
    ::SendMessageW(box.Container(), WM_LBUTTONDOWN, MK_LBUTTON, Point(second.x, second.y));
    EXPECT_EQ(box.PressedItem(), 2);
    EXPECT_EQ(::GetCapture(), box.Container());
    EXPECT_TRUE(Near(ShownAt(2), kCyan, kTolerance)) << Hex(ShownAt(2));
    ::SendMessageW(box.Container(), WM_LBUTTONUP, 0, Point(-40, 200));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0], 2);
    EXPECT_EQ(box.PressedItem(), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_FALSE(box.Items()[1].pressed);
    EXPECT_TRUE(Near(ShownAt(2), kBlue, kTolerance)) << Hex(ShownAt(2));

    // A release without a press, and a press beside the buttons, report nothing.
    ::SendMessageW(box.Container(), WM_LBUTTONUP, 0, Point(second.x, second.y));
    ::SendMessageW(box.Container(), WM_LBUTTONDOWN, MK_LBUTTON, Point(1, 1));
    ::SendMessageW(box.Container(), WM_LBUTTONUP, 0, Point(1, 1));
    EXPECT_EQ(clicks.size(), 1u);
    // An empty callback keeps the one set.
    box.SetClickCallback(nullptr);
    ::SendMessageW(box.Container(), WM_LBUTTONDOWN, MK_LBUTTON, Point(second.x, second.y));
    ::SendMessageW(box.Container(), WM_LBUTTONUP, 0, Point(second.x, second.y));
    EXPECT_EQ(clicks.size(), 2u);
}

// A 32 x 32 monochrome cursor file: an 8 x 8 black square at the top left.
Bytes CursorFile() {
    constexpr int kSide = 32, kRowBytes = 4;
    Bytes out;
    auto put16 = [&](std::uint16_t v) { out.push_back(v & 0xFF), out.push_back(v >> 8); };
    auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF), put16(v >> 16); };
    const std::uint32_t imageBytes = 40 + 8 + 2 * kSide * kRowBytes;
    put16(0), put16(2), put16(1);  // header: cursor, one image
    out.push_back(kSide), out.push_back(kSide), out.push_back(0), out.push_back(0);
    put16(0), put16(0), put32(imageBytes), put32(22);               // hot spot 0, 0
    put32(40), put32(kSide), put32(2 * kSide), put16(1), put16(1);  // BITMAPINFOHEADER
    for (int i = 0; i < 6; ++i) put32(0);
    put32(0x00000000), put32(0x00FFFFFF);                                           // palette
    for (int y = kSide - 1; y >= 0; --y) put32(0);                                  // XOR: black
    for (int y = kSide - 1; y >= 0; --y) put32(y < 8 ? 0xFFFFFF00u : 0xFFFFFFFFu);  // AND: opaque top-left
    return out;
}

TEST_F(FrameBoxButtonsTest, TheButtonCursorShowsOverButtonsAndABadFileKeepsIt) {
    TempDir dir;
    box.SetButtonCursor(dir.File(L"missing.cur"));
    EXPECT_EQ(box.ButtonCursor(), nullptr);
    WriteAll(dir.File(L"hand.cur"), CursorFile());
    const long cursors = LiveHandleCount(HandleKind::Cursor);
    box.SetButtonCursor(dir.File(L"hand.cur"));
    HCURSOR hand = box.ButtonCursor();
    ASSERT_NE(hand, nullptr);
    box.SetButtonCursor(dir.File(L"missing.cur"));
    EXPECT_EQ(box.ButtonCursor(), hand);
    // A second good file replaces (and frees) the first.
    box.SetButtonCursor(dir.File(L"hand.cur"));
    EXPECT_EQ(LiveHandleCount(HandleKind::Cursor), cursors + 1);

    const POINT c = Centre(box.Items()[0]);
    ::SendMessageW(box.Container(), WM_MOUSEMOVE, 0, Point(c.x, c.y));
    EXPECT_EQ(::GetCursor(), box.ButtonCursor());
    ::SendMessageW(box.Container(), WM_MOUSEMOVE, 0, Point(1, 1));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
    box.Detach();
    EXPECT_EQ(LiveHandleCount(HandleKind::Cursor), cursors);
}

// --- Operations, table and notifications -------------------------------------------

TEST_F(FrameBoxTest, GetBottomIsOperation22AndGetRightOperation23) {
    using Op = skin::FrameBoxOperation;
    EXPECT_EQ(static_cast<int>(Op::GetBottom), 22);
    EXPECT_EQ(static_cast<int>(Op::GetRight), 23);
    EXPECT_EQ(static_cast<int>(Op::Attach), 13);
    EXPECT_EQ(static_cast<int>(Op::Paint), 27);
    EXPECT_EQ(static_cast<int>(Op::DestroyHook), skin::kFrameBoxOperationCount);

    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    EXPECT_EQ(box.CallGetter(20), kEditLeft);
    EXPECT_EQ(box.CallGetter(21), kEditTop);
    EXPECT_EQ(box.CallGetter(22), kEditTop + kBoxH);
    EXPECT_EQ(box.CallGetter(23), kEditLeft + kBoxW);
    EXPECT_EQ(box.CallGetter(24), kBoxW);
    EXPECT_EQ(box.CallGetter(25), kBoxH);
    EXPECT_EQ(box.CallGetter(22), box.GetBottom());
    EXPECT_EQ(box.CallGetter(23), box.GetRight());
    EXPECT_FALSE(box.CallGetter(19).has_value());
    EXPECT_FALSE(box.CallGetter(26).has_value());

    box.Move(40, std::nullopt, 200);
    EXPECT_EQ(box.GetLeft(), 40);
    EXPECT_EQ(box.GetTop(), kEditTop);
    EXPECT_EQ(box.GetWidth(), 200);
    EXPECT_EQ(box.GetHeight(), kBoxH);
    EXPECT_EQ(box.CallGetter(23), 240);
}

TEST_F(FrameBoxTest, ASecondAttachAfterDetachReusesTheFreedEntry) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    const std::int32_t index = box.GetTableIndex();
    HWND first = box.Container();
    const std::size_t size = skin::frameBoxTable.size();
    ASSERT_GE(index, 1);
    EXPECT_EQ(skin::frameBoxTable[index - 1].handle, first);
    EXPECT_FALSE(skin::frameBoxTable[index - 1].free);

    box.Detach();
    EXPECT_TRUE(skin::frameBoxTable[index - 1].free);
    EXPECT_EQ(skin::frameBoxTable[index - 1].handle, nullptr);
    EXPECT_EQ(box.Container(), nullptr);
    // The container gets its previous procedure back; the edit stays inside.
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(first, GWLP_WNDPROC)), skin::ContainerProc);
    EXPECT_EQ(::GetParent(form.edit), first);

    HWND edit = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 200, 250, 120, 22, form.Window(), nullptr,
                                  nullptr, nullptr);
    FrameBox other;
    ASSERT_TRUE(other.Attach(edit));
    EXPECT_EQ(other.GetTableIndex(), index);
    EXPECT_EQ(skin::frameBoxTable.size(), size);
    EXPECT_EQ(skin::frameBoxTable[index - 1].handle, other.Container());
    // The entry's callbacks are the new box's.
    other.SetDirty(false);
    EXPECT_EQ(skin::frameBoxTable[index - 1].notifyCallback(2, std::nullopt, std::nullopt), 0);
    skin::frameBoxTable[index - 1].notifyCallback(1, 1, std::nullopt);
    EXPECT_TRUE(other.IsDirty());

    // A third box takes a new entry while both are attached.
    ASSERT_TRUE(box.Attach(form.scrolledEdit));
    EXPECT_NE(box.GetTableIndex(), index);
    EXPECT_EQ(skin::frameBoxTable.size(), std::max<std::size_t>(size, box.GetTableIndex()));
}

TEST_F(FrameBoxTest, DestroyingTheContainerDetachesAndAnEmptiedTableIsNoOnesAnyMore) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    const std::int32_t index = box.GetTableIndex();
    HWND c = box.Container();
    ::DestroyWindow(c);
    EXPECT_EQ(box.Container(), nullptr);
    EXPECT_TRUE(skin::frameBoxTable[index - 1].free);

    // The table emptied under an attached box: the container keeps working
    // through its kept procedure, and the box's detach frees no other entry.
    HWND edit = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 200, 250, 120, 22, form.Window(), nullptr,
                                  nullptr, nullptr);
    auto stale = std::make_unique<FrameBox>();
    ASSERT_TRUE(stale->Attach(edit));
    HWND staleContainer = stale->Container();
    skin::frameBoxTable.clear();
    ::InvalidateRect(staleContainer, nullptr, TRUE);
    ::UpdateWindow(staleContainer);
    ::SendMessageW(staleContainer, WM_MOUSEMOVE, 0, Point(2, 2));
    FrameBox fresh;
    ASSERT_TRUE(fresh.Attach(form.scrolledEdit));
    ASSERT_EQ(fresh.GetTableIndex(), stale->GetTableIndex());
    stale.reset();
    EXPECT_FALSE(skin::frameBoxTable[fresh.GetTableIndex() - 1].free);
    EXPECT_EQ(skin::frameBoxTable[fresh.GetTableIndex() - 1].handle, fresh.Container());
    EXPECT_TRUE(skin::frameBoxTable[fresh.GetTableIndex() - 1].notifyCallback);
}

TEST_F(FrameBoxTest, NotifyCodesAndTheBinding) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    Shown(box);
    ASSERT_FALSE(box.IsDirty());
    EXPECT_EQ(box.Notify(2), 0);
    box.Notify(1, 1);
    EXPECT_TRUE(box.IsDirty());
    EXPECT_EQ(box.Notify(2), 1);
    box.Notify(1, 0);
    EXPECT_FALSE(box.IsDirty());
    box.Notify(1);
    EXPECT_FALSE(box.IsDirty());

    // 3 redraws: dirty and the container waits for its paint.
    box.Notify(3);
    EXPECT_TRUE(box.IsDirty());
    RECT update{};
    EXPECT_TRUE(::GetUpdateRect(box.Container(), &update, FALSE));
    Shown(box);
    EXPECT_FALSE(box.IsDirty());

    // 6 unpacks into two signed 16-bit numbers, 5 packs them again.
    box.Notify(6, std::nullopt, 0x0001FFFF);
    EXPECT_EQ(box.Notify(5), 0x0001FFFF);
    box.Notify(6, std::nullopt, static_cast<std::int32_t>(0xFFFE0003u));
    EXPECT_EQ(box.Notify(5), static_cast<std::int32_t>(0xFFFE0003u));
    box.SetPacked(-1, 2);
    EXPECT_EQ(box.Notify(5), 0x0002FFFF);
    EXPECT_EQ(box.Notify(4, 1, 1), 0);
    EXPECT_EQ(box.Notify(99), 0);

    EXPECT_FALSE(box.BindCallbacks(0));
    EXPECT_FALSE(box.BindCallbacks(static_cast<std::int32_t>(skin::frameBoxTable.size()) + 1));
    EXPECT_TRUE(box.BindCallbacks());
    const skin::FrameBoxEntry& entry = skin::frameBoxTable[box.GetTableIndex() - 1];
    EXPECT_EQ(entry.windowProc, skin::FrameBoxWindowProc);
    entry.pairCallback(1, 2);  // does nothing
    EXPECT_EQ(entry.notifyCallback(2, std::nullopt, std::nullopt), 0);
}

TEST_F(FrameBoxTest, VisibleOnlyReportsWithoutAnArgumentAndHidesContainerAndControl) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    EXPECT_TRUE(box.Visible());
    EXPECT_TRUE(box.Visible());
    EXPECT_TRUE(::IsWindowVisible(box.Container()));
    EXPECT_FALSE(box.Visible(false));
    EXPECT_FALSE(::IsWindowVisible(box.Container()));
    EXPECT_FALSE(::IsWindowVisible(form.edit));
    EXPECT_FALSE(box.Visible());
    EXPECT_FALSE(::IsWindowVisible(box.Container()));
    EXPECT_TRUE(box.Visible(true));
    EXPECT_TRUE(::IsWindowVisible(box.Container()));
    EXPECT_TRUE(::IsWindowVisible(form.edit));

    // Hiding and showing the skinned edit takes its frame along.
    ::ShowWindow(form.edit, SW_HIDE);
    EXPECT_FALSE(box.Visible());
    ::ShowWindow(form.edit, SW_SHOW);
    EXPECT_TRUE(box.Visible());
}

TEST_F(FrameBoxTest, ResizingTheSkinnedFormSetsTheBoxDirtyAndMovingItDoesNot) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    Shown(box);
    ASSERT_FALSE(box.IsDirty());
    RECT r{};
    ::GetWindowRect(form.Window(), &r);
    ::SetWindowPos(form.Window(), nullptr, r.left + 15, r.top + 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(box.IsDirty());
    ::SetWindowPos(form.Window(), nullptr, 0, 0, r.right - r.left + 20, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(box.IsDirty());

    // Only the boxes of the resized form hear of it.
    EveryKindForm other;
    other.Apply();
    FrameBox foreign;
    ASSERT_TRUE(foreign.Attach(other.edit));
    Shown(foreign);
    Shown(box);
    ASSERT_FALSE(foreign.IsDirty());
    ::SetWindowPos(form.Window(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(box.IsDirty());
    EXPECT_FALSE(foreign.IsDirty());
}

// --- The control's messages --------------------------------------------------------

std::vector<UINT> seenCommands;
WNDPROC formProc = nullptr;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) seenCommands.push_back(HIWORD(wParam));
    return ::CallWindowProcW(formProc, window, message, wParam, lParam);
}

TEST_F(FrameBoxTest, TheControlsNotificationsStillReachItsWindow) {
    FrameBox box;
    ASSERT_TRUE(box.Attach(form.edit));
    formProc = skin::Subclass(form.Window(), RecordingProc);
    seenCommands.clear();
    ::SetWindowTextW(form.edit, L"新的名字");
    skin::Subclass(form.Window(), formProc);
    EXPECT_NE(std::find(seenCommands.begin(), seenCommands.end(), static_cast<UINT>(EN_CHANGE)), seenCommands.end());
}

// --- Resources ---------------------------------------------------------------------

TEST_F(FrameBoxTest, AttachPaintDetachFiftyTimesLeavesEveryCounter) {
    const Bytes icon = SolidPng(kRed), normal = SolidPng(kBlue), hot = SolidPng(kGreen);
    auto once = [&](int i) {
        HWND edit = ::CreateWindowExW(0, L"Edit", L"框", WS_CHILD | WS_VISIBLE | WS_BORDER, 200, 250, 120, 22,
                                      form.Window(), nullptr, nullptr, nullptr);
        FrameBox box;
        box.Attach(edit, i % 4, 0x00FF8800, i % 2 ? 0x00112233 : -1, 90);
        box.SetIcon(icon);
        box.AddButton(normal, &hot);
        ::UpdateWindow(box.Container());
        const POINT c = Centre(box.Items()[0]);
        ::SendMessageW(box.Container(), WM_MOUSEMOVE, 0, Point(c.x, c.y));
        ::SendMessageW(box.Container(), WM_LBUTTONDOWN, MK_LBUTTON, Point(c.x, c.y));
        ::SendMessageW(box.Container(), WM_LBUTTONUP, 0, Point(c.x, c.y));
        box.Present();
        box.Redraw();
        ::UpdateWindow(box.Container());
        HWND container = box.Container();
        if (i % 2) box.Detach();  // else the window's destruction detaches
        ::DestroyWindow(container);
        PumpMessages(2);
    };
    once(0);
    once(1);
    const long dcs = LiveHandleCount(HandleKind::Dc);
    const long objects = LiveHandleCount(HandleKind::GdiObject);
    const long windows = LiveHandleCount(HandleKind::Window);
    const long gx = GxObject::LiveCount();
    const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    const std::size_t table = skin::frameBoxTable.size();
    for (int i = 0; i < 50; ++i) once(i);
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), objects);
    EXPECT_EQ(LiveHandleCount(HandleKind::Window), windows);
    EXPECT_EQ(GxObject::LiveCount(), gx);
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_EQ(skin::frameBoxTable.size(), table);  // one entry, reused each time
    EXPECT_TRUE(skin::memoryDcList.empty());
}

}  // namespace
}  // namespace pelorin::test
