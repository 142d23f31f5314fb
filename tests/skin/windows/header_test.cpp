// The column header of a list view drawn by the skin, read back from the
// screen: the flat look of a header without buttons, the hot and pressed
// shades of a clickable one under real pointer input, text placement with
// the ellipsis, and the last cell reaching the list's right edge.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/header_painter.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// Every pixel of the known frame the lists are drawn on.
constexpr GxArgb kBackground = 0xFF506070;

RECT ItemRect(HWND header, int column) {
    RECT r{};
    Header_GetItemRect(header, column, &r);
    return r;
}

int Sum(GxArgb c) { return Red(c) + Green(c) + Blue(c); }

// Ink of black text over the cell: much darker than the cell's own shade,
// taken at the same row from `clearX`, a column without text.
struct Ink {
    int first = -1;  // first and last ink column in [from, to)
    int last = -1;
};

Ink FindInk(const Pixels& p, int from, int to, int clearX) {
    Ink ink;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < p.height; ++y)
            if (Sum(p.At(x, y)) < Sum(p.At(clearX, y)) - 150) {
                if (ink.first < 0) ink.first = x;
                ink.last = x;
                break;
            }
    return ink;
}

// Number of rows between the topmost and the lowest ink pixel of [from, to).
int InkHeight(const Pixels& p, int from, int to, int clearX) {
    int top = p.height, bottom = -1;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < p.height; ++y)
            if (Sum(p.At(x, y)) < Sum(p.At(clearX, y)) - 150) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom < 0 ? 0 : bottom - top + 1;
}

class HeaderTest : public ::testing::Test {
protected:
    HWND AddAttachedList(DWORD style, const std::vector<TestColumn>& columns) {
        HWND list = form.AddListView(style, columns);
        form.ApplyOnKnownFrame(kBackground);
        header = ListView_GetHeader(list);
        ::UpdateWindow(header);
        return list;
    }
    Pixels HeaderPixels() {
        ::UpdateWindow(header);
        return WholeWindowPixels(header);
    }
    POINT CentreOf(int column) {
        const RECT r = ItemRect(header, column);
        return ScreenPointOf(header, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void Press(bool down) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        ::SendInput(1, &input, sizeof(INPUT));
        PumpMessages(60);
    }

    SkinnedTestForm form{FormAt(100, 80, 460, 460)};
    HWND header = nullptr;
};

TEST_F(HeaderTest, AHeaderWithoutButtonsShowsTheFlatGradientAndNeverTheHotOrPressedShade) {
    AddAttachedList(LVS_NOSORTHEADER, MusicListColumns());
    ASSERT_NE(skin::FindHeader(form.FormIndex(), header), 0);
    EXPECT_FALSE(form.HeaderOf(header).clickable);
    const Pixels before = HeaderPixels();
    // Theme at alpha 60 at the top of a cell, fading towards alpha 10 below.
    const RECT first = ItemRect(header, 0);
    const GxArgb top = before.At(first.left + 2, 0);
    EXPECT_TRUE(Near(top, Over(skin::ToArgb(skin::skinDefaults.themeColor, 60), kBackground), 8)) << Hex(top);
    const GxArgb bottom = before.At(first.left + 2, before.height - 1);
    EXPECT_TRUE(Near(bottom, Over(skin::ToArgb(skin::skinDefaults.themeColor, 10), kBackground), 8)) << Hex(bottom);

    MoveTo(CentreOf(1));
    EXPECT_EQ(form.HeaderOf(header).hotColumn, 2) << "the pointer did not reach the header";
    const Pixels hot = HeaderPixels();
    Press(true);
    const Pixels pressed = HeaderPixels();
    Press(false);
    const RECT second = ItemRect(header, 1);
    for (int y = 0; y < before.height; ++y)
        for (int x = second.left; x < second.right; ++x) {
            ASSERT_TRUE(Near(hot.At(x, y), before.At(x, y), 2)) << x << "," << y;
            ASSERT_TRUE(Near(pressed.At(x, y), before.At(x, y), 2)) << x << "," << y;
        }
}

TEST_F(HeaderTest, AClickableHeaderShadesTheColumnUnderThePointerAndThePressedColumn) {
    AddAttachedList(0, MusicListColumns());
    EXPECT_TRUE(form.HeaderOf(header).clickable);
    const Pixels before = HeaderPixels();
    const RECT second = ItemRect(header, 1);
    const int x = second.left + 2, y = 1;
    // White at alpha 80 at the top of a clickable cell.
    EXPECT_TRUE(Near(before.At(x, y), Over(0x50FFFFFF, kBackground), 10)) << Hex(before.At(x, y));

    MoveTo(CentreOf(1));
    const Pixels hot = HeaderPixels();
    // The hot overlay starts with the theme colour at alpha 60.
    const GxArgb expectedHot = Over(skin::ToArgb(skin::skinDefaults.themeColor, 60), before.At(x, 0));
    EXPECT_TRUE(Near(hot.At(x, 0), expectedHot, 10)) << Hex(hot.At(x, 0)) << " " << Hex(expectedHot);
    // The other columns stay as they were.
    const RECT first = ItemRect(header, 0);
    EXPECT_TRUE(Near(hot.At(first.left + 2, 0), before.At(first.left + 2, 0), 2));

    Press(true);
    EXPECT_EQ(form.HeaderOf(header).pressedColumn, 2);
    const Pixels pressed = HeaderPixels();
    EXPECT_FALSE(Near(pressed.At(x, pressed.height - 2), hot.At(x, hot.height - 2), 6))
        << Hex(pressed.At(x, pressed.height - 2));
    Press(false);
    EXPECT_EQ(form.HeaderOf(header).pressedColumn, 0);

    // Away from the header: no column is hot any more.
    MoveTo({2, 2});
    EXPECT_TRUE(PumpUntil([&] { return form.HeaderOf(header).hotColumn == 0; }, 2000));
    EXPECT_TRUE(Near(HeaderPixels().At(x, 0), before.At(x, 0), 2));
}

TEST_F(HeaderTest, ACentredColumnWithTooLongATextStartsAtTheMarginAndEndsWithAnEllipsis) {
    AddAttachedList(
        0,
        {{L"序", 50}, {L"歌曲名歌曲名歌曲名歌曲名", 80, LVCFMT_CENTER}, {L"路径", 140, LVCFMT_CENTER}, {L"备注", 80}});
    const int margin = Header_GetBitmapMargin(header);
    const Pixels p = HeaderPixels();
    const RECT narrow = ItemRect(header, 1);
    const Ink ink = FindInk(p, narrow.left, narrow.right - 1, narrow.left + 1);
    ASSERT_GE(ink.first, 0) << "no text drawn";
    EXPECT_GE(ink.first - narrow.left, margin);
    EXPECT_LE(ink.first - narrow.left, margin + 2);
    EXPECT_LE(ink.last, narrow.right - margin);
    // An ellipsis ends the text: only the low dots in its last columns.
    EXPECT_LE(InkHeight(p, ink.last - 5, ink.last + 1, narrow.left + 1), 3);

    // A centred text that fits is centred and ends with its own last glyph.
    const RECT wide = ItemRect(header, 2);
    const Ink fits = FindInk(p, wide.left, wide.right - 1, wide.left + 1);
    ASSERT_GE(fits.first, 0);
    const int left = fits.first - wide.left, right = wide.right - 1 - fits.last;
    EXPECT_NEAR(left, right, 2 * margin + 4);
    EXPECT_GE(InkHeight(p, fits.last - 5, fits.last + 1, wide.left + 1), 6);
}

TEST_F(HeaderTest, AfterAColumnIsNarrowedTheLastCellReachesTheListsRightEdge) {
    HWND list = AddAttachedList(0, MusicListColumns());
    ::SendMessageW(list, LVM_SETCOLUMNWIDTH, 2, 60);
    // Whatever was on screen before, the whole width is drawn again.
    {
        HDC dc = ::GetDC(header);
        HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
        RECT all{};
        ::GetClientRect(header, &all);
        ::FillRect(dc, &all, red);
        ::DeleteObject(red);
        ::ReleaseDC(header, dc);
    }
    ::InvalidateRect(header, nullptr, TRUE);
    const Pixels p = HeaderPixels();
    RECT client{};
    ::GetClientRect(list, &client);
    const RECT last = ItemRect(header, 2);
    ASSERT_LT(last.right, client.right - 10) << "the columns still reach the edge";
    ASSERT_LE(client.right, p.width);
    const int edge = static_cast<int>(client.right);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < edge; ++x) ASSERT_NE(p.At(x, y), 0xFFFF0000u) << x << "," << y << " left undrawn";
    // Past the column's own end (where its separator would have been) the
    // cell's shade goes on, up to its separator at the edge.
    const GxArgb shade = p.At(last.left + 2, 1);
    for (int x = last.right - 1; x < edge - 1; ++x) ASSERT_TRUE(Near(p.At(x, 1), shade, 3)) << x;
    EXPECT_FALSE(Near(p.At(edge - 1, 1), shade, 6)) << "no separator at the edge";

    // The header's picture is in the form's composite copy too.
    const RECT inForm = skin::ClientRectInForm(header);
    const skin::MemorySurface& copy = *form.Record().frameCopy;
    for (int x : {2, static_cast<int>(last.left) + 2, edge - 1})
        EXPECT_TRUE(Near(0xFF000000u | copy.PixelAt(inForm.left + x, inForm.top + 1), p.At(x, 1), 2)) << x;
}

}  // namespace
}  // namespace pelorin::test
