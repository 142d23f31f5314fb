#include "skin/pictures/tip_window.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "base/handle.h"
#include "test_support.h"

namespace pelorin {
namespace {

// A plain top-level window to carry the tools.
UniqueWindow MakeOwner(int width = 300, int height = 200) {
    static const wchar_t* const kClass = L"PelorinTipOwner";
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        return ::RegisterClassW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return UniqueWindow(::CreateWindowExW(0, kClass, L"owner", WS_OVERLAPPEDWINDOW, 10, 10, width, height, nullptr,
                                          nullptr, ::GetModuleHandleW(nullptr), nullptr));
}

struct ToolInfo {
    bool found = false;
    UINT flags = 0;
    HWND window = nullptr;
    RECT rect{};
    std::wstring text;
    bool callback = false;
};

ToolInfo QueryTool(const TipWindow& tips, HWND owner, UINT_PTR id) {
    wchar_t buffer[1024] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = buffer;
    ToolInfo out;
    out.found = ::SendMessageW(tips.GetTipHandle(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    out.flags = info.uFlags;
    out.window = info.hwnd;
    out.rect = info.rect;
    out.callback = info.lpszText == LPSTR_TEXTCALLBACKW;
    if (!out.callback && info.lpszText) out.text = info.lpszText;
    return out;
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

TEST(TipWindow, CreatesATopmostTooltipLimitedToSixHundredPixels) {
    const UniqueWindow owner = MakeOwner();
    TipWindow tips;
    EXPECT_EQ(tips.GetTipHandle(), nullptr);
    tips.Create(owner.Get());
    const HWND tip = tips.GetTipHandle();
    ASSERT_NE(tip, nullptr);
    wchar_t className[64] = {};
    ::GetClassNameW(tip, className, 64);
    EXPECT_EQ(_wcsicmp(className, L"tooltips_class32"), 0) << "class " << className;
    const LONG style = ::GetWindowLongW(tip, GWL_STYLE);
    EXPECT_TRUE(style & TTS_ALWAYSTIP);
    EXPECT_FALSE(style & TTS_BALLOON);
    EXPECT_TRUE(::GetWindowLongW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetAncestor(tip, GA_PARENT), ::GetDesktopWindow());
    EXPECT_EQ(::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600);
    EXPECT_EQ(tips.GetToolCount(), 0);

    TipWindow balloon;
    balloon.Create(owner.Get(), true);
    const LONG balloonStyle = ::GetWindowLongW(balloon.GetTipHandle(), GWL_STYLE);
    EXPECT_TRUE(balloonStyle & TTS_BALLOON);
    EXPECT_TRUE(balloonStyle & TTS_ALWAYSTIP);
    EXPECT_EQ(::SendMessageW(balloon.GetTipHandle(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
}

TEST(TipWindow, ToolsAreAddedCountedMovedRetextedAndDeleted) {
    const UniqueWindow owner = MakeOwner();
    TipWindow tips;
    tips.Create(owner.Get());
    const RECT minimize{2, 1, 28, 19};
    tips.AddTool(minimize, L"最小化", 1);
    tips.AddTool(std::nullopt, L"whole window", 2);
    const RECT callbackRect{30, 1, 56, 19};
    tips.AddCallbackTool(callbackRect, 3);
    EXPECT_EQ(tips.GetToolCount(), 3);

    ToolInfo first = QueryTool(tips, owner.Get(), 1);
    ASSERT_TRUE(first.found);
    EXPECT_TRUE(SameRect(first.rect, minimize));
    EXPECT_EQ(first.text, L"最小化");
    EXPECT_TRUE(first.flags & TTF_SUBCLASS);
    EXPECT_EQ(first.window, owner.Get());

    // Without a rectangle: the owner's client area of that moment.
    RECT client{};
    ::GetClientRect(owner.Get(), &client);
    ToolInfo whole = QueryTool(tips, owner.Get(), 2);
    ASSERT_TRUE(whole.found);
    EXPECT_TRUE(SameRect(whole.rect, client));
    ::SetWindowPos(owner.Get(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(QueryTool(tips, owner.Get(), 2).rect, client));

    EXPECT_TRUE(QueryTool(tips, owner.Get(), 3).callback);

    const RECT moved{60, 1, 86, 19};
    tips.SetToolRect(1, moved);
    tips.UpdateTipText(1, L"最大化");
    first = QueryTool(tips, owner.Get(), 1);
    EXPECT_TRUE(SameRect(first.rect, moved));
    EXPECT_EQ(first.text, L"最大化");

    tips.DeleteTool(1);
    EXPECT_EQ(tips.GetToolCount(), 2);
    EXPECT_FALSE(QueryTool(tips, owner.Get(), 1).found);
    tips.DeleteTool(2);
    tips.DeleteTool(3);
    EXPECT_EQ(tips.GetToolCount(), 0);
}

TEST(TipWindow, ColoursReachTheControl) {
    const UniqueWindow owner = MakeOwner();
    TipWindow tips;
    tips.Create(owner.Get());
    tips.SetTipBackColor(RGB(0x22, 0xCA, 0xDD));
    tips.SetTipTextColor(RGB(0xFF, 0x88, 0x00));
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(tips.GetTipHandle(), TTM_GETTIPBKCOLOR, 0, 0)),
              RGB(0x22, 0xCA, 0xDD));
    EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(tips.GetTipHandle(), TTM_GETTIPTEXTCOLOR, 0, 0)),
              RGB(0xFF, 0x88, 0x00));
}

// Rests the mouse on the middle of `owner` and waits for the tip to show;
// returns the shown tip's size (0 x 0 when it never showed).
SIZE HoverAndMeasure(const TipWindow& tips, HWND owner) {
    RECT area{};
    ::GetWindowRect(owner, &area);
    const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    // The tooltip watches the owner's mouse messages (TTF_SUBCLASS): leaving
    // every tool hides the tip, coming back shows it anew after a pause.
    ::SendMessageW(owner, WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
    ::SetCursorPos(centre.x, centre.y);
    POINT client = centre;
    ::ScreenToClient(owner, &client);
    ::SendMessageW(owner, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    if (!test::PumpUntil([&] { return ::IsWindowVisible(tips.GetTipHandle()) != FALSE; }, 5000)) return {0, 0};
    RECT shown{};
    ::GetWindowRect(tips.GetTipHandle(), &shown);
    return {shown.right - shown.left, shown.bottom - shown.top};
}

TEST(TipWindow, LongTextWrapsAtTheMaximumWidth) {
    const UniqueWindow owner = MakeOwner();
    ::ShowWindow(owner.Get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(owner.Get());
    TipWindow tips;
    tips.Create(owner.Get());
    tips.AddTool(std::nullopt, L"short", 1);
    const SIZE shortTip = HoverAndMeasure(tips, owner.Get());
    ASSERT_GT(shortTip.cy, 0) << "the tip never showed";

    std::wstring longText;
    for (int i = 0; i < 40; ++i) longText += L"sound effect board ";
    tips.UpdateTipText(1, longText);
    const SIZE wrapped = HoverAndMeasure(tips, owner.Get());
    EXPECT_LE(wrapped.cx, 600 + 40) << "the margins may add a little";
    EXPECT_GT(wrapped.cx, 300);
    EXPECT_GE(wrapped.cy, shortTip.cy * 2) << "several lines";

    // Without the limit the same text stays on one long line.
    tips.SetMaxTipWidth(-1);
    const SIZE unlimited = HoverAndMeasure(tips, owner.Get());
    EXPECT_GT(unlimited.cx, 1000);
    EXPECT_LT(unlimited.cy, shortTip.cy * 2);
}

TEST(TipWindow, WithoutCreateEveryOperationIsHarmless) {
    const UniqueWindow owner = MakeOwner();
    TipWindow tips;
    tips.AddTool(RECT{0, 0, 10, 10}, L"x", 1);
    tips.AddCallbackTool(RECT{0, 0, 10, 10}, 2);
    tips.SetToolRect(1, RECT{1, 1, 2, 2});
    tips.UpdateTipText(1, L"y");
    tips.SetTipBackColor(0);
    tips.DeleteTool(1);
    EXPECT_EQ(tips.GetToolCount(), 0);
    EXPECT_EQ(tips.GetTipHandle(), nullptr);
}

// The tooltip window goes with its TipWindow, so skinned dialogs opened again
// and again do not pile up hidden tooltip windows.
TEST(TipWindow, OwnsItsTooltipWindow) {
    const UniqueWindow owner = MakeOwner();
    const long windowsBefore = LiveHandleCount(HandleKind::Window);
    HWND first = nullptr;
    HWND moved = nullptr;
    {
        TipWindow tips;
        tips.Create(owner.Get());
        first = tips.GetTipHandle();
        tips.Create(owner.Get());  // a second Create replaces the first window
        EXPECT_FALSE(::IsWindow(first));
        moved = tips.GetTipHandle();
        TipWindow taken = std::move(tips);
        EXPECT_EQ(taken.GetTipHandle(), moved);
        EXPECT_TRUE(::IsWindow(moved));
    }
    EXPECT_FALSE(::IsWindow(moved));
    EXPECT_EQ(LiveHandleCount(HandleKind::Window), windowsBefore);
}

}  // namespace
}  // namespace pelorin
