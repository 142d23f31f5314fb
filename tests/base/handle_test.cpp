#include "base/handle.h"
#include "base/scoped_dc.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin {
namespace {

TEST(UniqueHandle, CountsLiveGdiObjectsAndReleasesThem) {
    const long before = LiveHandleCount(HandleKind::GdiObject);
    {
        UniqueBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        ASSERT_TRUE(brush);
        EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), before + 1);
        HBRUSH raw = brush.Get();
        EXPECT_NE(::GetObjectType(raw), 0u);
        UniqueBrush moved(std::move(brush));
        EXPECT_FALSE(brush);
        EXPECT_EQ(moved.Get(), raw);
        EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), before + 1);
    }
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), before);
}

TEST(UniqueHandle, ResetClosesThePreviousHandle) {
    const long before = LiveHandleCount(HandleKind::GdiObject);
    UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    HPEN first = pen.Get();
    pen.Reset(::CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    EXPECT_EQ(::GetObjectType(first), 0u) << "the first pen must have been deleted";
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), before + 1);
    HPEN released = pen.Release();
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), before);
    ::DeleteObject(released);
}

TEST(UniqueHandle, MoveAssignmentClosesTheTargetsHandle) {
    UniqueBrush a(::CreateSolidBrush(RGB(1, 1, 1)));
    UniqueBrush b(::CreateSolidBrush(RGB(2, 2, 2)));
    HBRUSH oldA = a.Get();
    a = std::move(b);
    EXPECT_EQ(::GetObjectType(oldA), 0u);
    EXPECT_TRUE(a);
    EXPECT_FALSE(b);
}

TEST(UniqueHandle, InvalidFileHandleIsEmpty) {
    UniqueFile file(::CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(LiveHandleCount(HandleKind::Kernel), 0);
}

TEST(ScopedSelect, RestoresThePreviousObject) {
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    UniqueBrush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BRUSH);
    {
        ScopedSelect select(dc.Get(), brush.Get());
        EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), original);
}

TEST(UniqueHandle, RepeatedCreateAndDestroyEndsWhereItStarted) {
    const long gdi = LiveHandleCount(HandleKind::GdiObject);
    const long dcs = LiveHandleCount(HandleKind::Dc);
    for (int i = 0; i < 500; ++i) {
        UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.Get(), 16, 16));
        ScopedSelect select(dc.Get(), bitmap.Get());
    }
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), gdi);
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
}

// A window lends the DC of its client area or of the whole window with its
// frame; each clips to what it was lent for.
TEST(LentDc, ClipToTheClientAreaOrToTheWholeWindow) {
    UniqueWindow window(::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                          150, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    RECT whole{}, client{};
    ::GetWindowRect(window.Get(), &whole);
    ::GetClientRect(window.Get(), &client);
    ASSERT_LT(client.right, whole.right - whole.left) << "the window has a frame";
    const auto clipSize = [](HDC dc) {
        RECT clip{};
        ::GetClipBox(dc, &clip);
        return SIZE{clip.right - clip.left, clip.bottom - clip.top};
    };
    SIZE lentClient{}, lentWhole{};
    {
        const WindowDc dc(window.Get());
        ASSERT_TRUE(dc.Get());
        lentClient = clipSize(dc.Get());
    }
    {
        const WholeWindowDc dc(window.Get());
        ASSERT_TRUE(dc.Get());
        lentWhole = clipSize(dc.Get());
    }
    EXPECT_EQ(lentClient.cx, client.right);
    EXPECT_EQ(lentClient.cy, client.bottom);
    EXPECT_EQ(lentWhole.cx, whole.right - whole.left);
    EXPECT_EQ(lentWhole.cy, whole.bottom - whole.top);
}

}  // namespace
}  // namespace pelorin
