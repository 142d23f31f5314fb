// The resize borders and corners of a skinned form, and moving it by its
// surface, through real messages to a real window.

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr int W = kTestWindowWidth;
constexpr int H = kTestWindowHeight;

HCURSOR Cursor(const wchar_t* id) { return ::LoadCursorW(nullptr, id); }

// The cursor a mouse move to the point leaves, starting from the arrow.
HCURSOR CursorAt(SkinnedTestForm& w, POINT p) {
    ::SetCursor(Cursor(IDC_ARROW));
    ::SendMessageW(w.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    return ::GetCursor();
}

TEST(FormZones, CornerAndLeftEdgeCursors) {
    SkinnedTestForm w{TestWindow()};
    for (int x = 0; x <= 10; x += 5)
        for (int y = 0; y <= 10; y += 5) EXPECT_EQ(CursorAt(w, {x, y}), Cursor(IDC_SIZENWSE)) << x << "," << y;
    EXPECT_EQ(CursorAt(w, {11, 5}), Cursor(IDC_ARROW));  // past the corner, below the 3-pixel top edge
    for (int x = 0; x <= 3; ++x) EXPECT_EQ(CursorAt(w, {x, 100}), Cursor(IDC_SIZEWE)) << x;
    EXPECT_EQ(CursorAt(w, {4, 100}), Cursor(IDC_ARROW));
    EXPECT_EQ(CursorAt(w, {2, 11}), Cursor(IDC_SIZEWE));
    EXPECT_EQ(CursorAt(w, {2, H - 11}), Cursor(IDC_SIZEWE));
    EXPECT_EQ(CursorAt(w, {2, 10}), Cursor(IDC_SIZENWSE));
    EXPECT_EQ(CursorAt(w, {2, H - 10}), Cursor(IDC_SIZENESW));
    EXPECT_EQ(CursorAt(w, {W - 2, 100}), Cursor(IDC_SIZEWE));
    EXPECT_EQ(CursorAt(w, {100, H - 2}), Cursor(IDC_SIZENS));
    EXPECT_EQ(CursorAt(w, {W - 3, H - 3}), Cursor(IDC_SIZENWSE));
    EXPECT_EQ(CursorAt(w, {150, 200}), Cursor(IDC_ARROW));
}

struct ZoneCase {
    POINT point;
    WPARAM command;
};

TEST(FormZones, APressInAZoneSendsItsSizeCommand) {
    SkinnedTestForm w{TestWindow()};
    const ZoneCase cases[] = {
        {{1, 200}, 0xF001}, {{W - 1, 200}, 0xF002}, {{100, 1}, 0xF003},       {{100, H - 1}, 0xF006},
        {{4, 4}, 0xF004},   {{4, H - 4}, 0xF007},   {{W - 4, H - 4}, 0xF008},
    };
    for (const ZoneCase& c : cases) {
        w.Messages().sysCommands.clear();
        Press(w.Window(), c.point);
        ASSERT_EQ(w.Messages().sysCommands.size(), 1u) << c.point.x << "," << c.point.y;
        EXPECT_EQ(w.Messages().sysCommands[0], c.command) << c.point.x << "," << c.point.y;
        EXPECT_TRUE(w.Messages().nonClientPresses.empty());
    }
    // The top-right corner lies under the caption strip: a press there is the button's.
    w.Messages().sysCommands.clear();
    Press(w.Window(), {W - 4, 4});
    EXPECT_TRUE(w.Messages().sysCommands.empty());
    EXPECT_TRUE(w.Messages().nonClientPresses.empty());
}

TEST(FormZones, APressOnTheSurfaceMovesTheWindowWhenDragByBody) {
    SkinnedTestForm w{TestWindow()};
    Press(w.Window(), {150, 250});
    ASSERT_EQ(w.Messages().nonClientPresses.size(), 1u);
    EXPECT_EQ(w.Messages().nonClientPresses[0], static_cast<WPARAM>(HTCAPTION));
    EXPECT_TRUE(w.Messages().sysCommands.empty());

    // Not on a child window: the press belongs to the child.
    HWND child = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 100, 300, 80, 40, w.Window(), nullptr,
                                   nullptr, nullptr);
    w.Messages().nonClientPresses.clear();
    Press(w.Window(), {120, 310});
    EXPECT_TRUE(w.Messages().nonClientPresses.empty());
    ::DestroyWindow(child);

    skin::SkinSettings settings = TestWindowSettings();
    settings.dragByBody = false;
    SkinnedTestForm fixed{TestWindow(0, settings)};
    Press(fixed.Window(), {150, 250});
    EXPECT_TRUE(fixed.Messages().nonClientPresses.empty());
}

TEST(FormZones, ANonResizableWindowHasNoZones) {
    skin::SkinSettings settings = TestWindowSettings();
    settings.resizable = false;
    SkinnedTestForm w{TestWindow(0, settings)};
    EXPECT_EQ(CursorAt(w, {4, 4}), Cursor(IDC_ARROW));
    EXPECT_EQ(CursorAt(w, {1, 200}), Cursor(IDC_ARROW));
    Press(w.Window(), {1, 200});
    Press(w.Window(), {4, 4});
    EXPECT_TRUE(w.Messages().sysCommands.empty());
    // It still moves by its surface (the edge is surface now).
    EXPECT_EQ(w.Messages().nonClientPresses.size(), 2u);
}

}  // namespace
}  // namespace pelorin::test
