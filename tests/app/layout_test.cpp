// The main window as the program builds it: every control of the layout in
// place, the collapsed start, expanding and collapsing.
#include "app_fixture.h"

namespace pelorin::test {
namespace {

const wchar_t* ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
        case ControlKind::Button:
        case ControlKind::CheckBox: return L"Button";
        case ControlKind::Slider: return L"msctls_trackbar32";
        case ControlKind::ListView: return L"SysListView32";
        case ControlKind::Edit: return L"Edit";
        case ControlKind::Label: return L"Static";
    }
    return L"";
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[256]{};
    ::GetWindowTextW(hwnd, text, 256);
    return text;
}

class LayoutTest : public MainWindowTest {};

TEST_F(LayoutTest, EveryControlHasItsClassParentPlaceCaptionAndCheckState) {
    LoadWindow();
    for (const ControlLayout& c : MainWindowLayout()) {
        SCOPED_TRACE(testing::Message() << "control id " << c.id);
        HWND control = window->Control(c.id);
        ASSERT_TRUE(control);
        wchar_t cls[64]{};
        ::GetClassNameW(control, cls, 64);
        EXPECT_EQ(_wcsicmp(cls, ExpectedClass(c.kind)), 0) << "class " << testing::PrintToString(std::wstring(cls));
        HWND expectedParent = c.parent == kNoControl ? window->Handle() : window->Control(c.parent);
        EXPECT_EQ(::GetParent(control), expectedParent);
        RECT r = RectInParent(control);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        const bool slotButton = c.id >= kButton13 && c.id <= kButton16;  // captions come from "Data.ini"
        if (!slotButton) {
            EXPECT_EQ(WindowText(control), c.caption ? c.caption : AboutText());
        }
        if (c.kind == ControlKind::CheckBox) {
            EXPECT_EQ(::SendMessageW(control, BM_GETCHECK, 0, 0), c.checked ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

TEST_F(LayoutTest, TheCheckBoxesStartAsDesigned) {
    LoadWindow();
    EXPECT_FALSE(window->IsChecked(kCheckBox1));
    EXPECT_TRUE(window->IsChecked(kCheckBox2));
    EXPECT_TRUE(window->IsChecked(kCheckBox3));
    EXPECT_EQ(window->ControlText(kCheckBox1), L"开启静音");
}

TEST_F(LayoutTest, MusicListHasItsThreeColumns) {
    LoadWindow();
    HWND list = window->Control(kMusicList);
    EXPECT_EQ(::GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    const std::pair<const wchar_t*, int> expected[] = {{L"序", 50}, {L"歌曲名", 150}, {L"路径", 140}};
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 3);
    for (int i = 0; i < 3; ++i) {
        wchar_t text[32]{};
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = text;
        col.cchTextMax = 32;
        ASSERT_TRUE(::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&col)));
        EXPECT_STREQ(text, expected[i].first);
        EXPECT_EQ(col.cx, expected[i].second);
    }
}

TEST_F(LayoutTest, AboutLineHasItsThreeFieldsAndFeedbackPageItsPath) {
    LoadWindow();
    const std::wstring about = window->ControlText(kLabel1);
    ASSERT_EQ(std::count(about.begin(), about.end(), L'|'), 2);
    EXPECT_EQ(about.rfind(L"PelorinMINI|网址:", 0), 0u);
    EXPECT_NE(about.find(L"|邮箱:"), std::wstring::npos);
    EXPECT_NE(about.find(kMakerHost), std::wstring::npos);
    EXPECT_EQ(FeedbackUrl(), std::wstring(L"http://") + kMakerHost + L"/post-129.html");
}

TEST_F(LayoutTest, FirstRunWithoutDataFilesIsCollapsedTopmostAndEmpty) {
    LoadWindow();
    RECT r{};
    ::GetWindowRect(window->Handle(), &r);
    EXPECT_EQ(r.right - r.left, 380);
    EXPECT_EQ(r.bottom - r.top, 271);
    EXPECT_TRUE(::IsWindowVisible(window->Handle()));
    EXPECT_TRUE(window->IsTopmost());
    EXPECT_EQ(window->MusicList().Count(), 0);
    for (ControlId slot : {kButton13, kButton14, kButton15, kButton16}) EXPECT_EQ(window->ControlText(slot), L"");
    // Nothing is written at start-up.
    EXPECT_FALSE(FileExists(Data(L"Data.ini")));
    EXPECT_FALSE(FileExists(Data(L"config.txt")));
}

TEST_F(LayoutTest, TheSkinFrameIsTheOnlyFrame) {
    LoadWindow();
    const auto style = ::GetWindowLongPtrW(window->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU) << "Alt+Space and Alt+F4 need the system menu";
    RECT window_rect{}, client{};
    ::GetWindowRect(window->Handle(), &window_rect);
    ::GetClientRect(window->Handle(), &client);
    EXPECT_EQ(client.right, window_rect.right - window_rect.left);
    EXPECT_EQ(client.bottom, window_rect.bottom - window_rect.top);
    wchar_t title[64]{};
    ::GetWindowTextW(window->Handle(), title, 64);
    EXPECT_STREQ(title, L"Pelorin MINI版");
}

// Height of the main window when it was first shown, seen by a hook.
int shownHeight = -1;

LRESULT CALLBACK WatchShow(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == WM_SHOWWINDOW && msg->wParam) {
        wchar_t cls[64]{};
        ::GetClassNameW(msg->hwnd, cls, 64);
        RECT r{};
        ::GetWindowRect(msg->hwnd, &r);
        if (wcscmp(cls, L"PelorinMainWindow") == 0 && shownHeight < 0) shownHeight = r.bottom - r.top;
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
}

// The window is never seen at its designed height before the user expands it.
TEST_F(LayoutTest, NeverShownAtTheDesignedHeight) {
    HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &WatchShow, nullptr, ::GetCurrentThreadId());
    LoadWindow();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(shownHeight, 271);
}

TEST_F(LayoutTest, ToggleExpandedFlipsBetweenTheTwoHeightsOnly) {
    LoadWindow();
    auto size = [&] {
        RECT r{};
        ::GetWindowRect(window->Handle(), &r);
        return std::pair{static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
    };
    window->ToggleExpanded();
    EXPECT_EQ(size(), std::pair(380, 537));
    window->ToggleExpanded();
    EXPECT_EQ(size(), std::pair(380, 271));
    window->SetHeight(300);
    window->ToggleExpanded();
    EXPECT_EQ(size(), std::pair(380, 300)) << "other heights are left as they are";
}

TEST_F(LayoutTest, MusicListKeepsItsContentsWhileCollapsed) {
    WriteAll(Data(L"config.txt"), std::string("a----C:\\a.mp3\r\n"));
    LoadWindow();
    EXPECT_EQ(window->MusicList().Count(), 1);
    window->ToggleExpanded();
    window->ToggleExpanded();
    EXPECT_EQ(window->MusicList().Count(), 1);
    EXPECT_EQ(window->MusicList().GetText(0, 2), L"C:\\a.mp3");
}

TEST_F(LayoutTest, HiddenNameFieldIsOutsideItsGroupAtEitherHeight) {
    LoadWindow();
    HWND edit = window->Control(kEdit1);
    RECT inParent = RectInParent(edit);
    RECT groupClient{};
    ::GetClientRect(::GetParent(edit), &groupClient);
    RECT overlap{};
    EXPECT_FALSE(::IntersectRect(&overlap, &inParent, &groupClient)) << "编辑框1 must never be visible";
    window->ToggleExpanded();
    inParent = RectInParent(edit);
    EXPECT_FALSE(::IntersectRect(&overlap, &inParent, &groupClient));
}

TEST_F(LayoutTest, CollapsedWindowShowsTheRowsDownToTheVolumeGroupOnly) {
    LoadWindow();
    RECT volume = RectInParent(window->Control(kGroup4));
    RECT list = RectInParent(window->Control(kGroup5));
    EXPECT_LE(volume.bottom, 271);
    EXPECT_GE(list.top, 271);
}

TEST_F(LayoutTest, AltF4ClosesTheWindow) {
    LoadWindow();
    HWND hwnd = window->Handle();
    ::SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages(10);
    EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
}  // namespace pelorin::test

namespace pelorin::test {
namespace {

TEST(MainWindowLifetime, RepeatedLoadsAndPaintsLeaveNoHandlesBehind) {
    TempDir dir;
    const long gdi = LiveHandleCount(HandleKind::GdiObject);
    const long cursors = LiveHandleCount(HandleKind::Cursor);
    for (int i = 0; i < 10; ++i) {
        auto window = MainWindow::Load(::GetModuleHandleW(nullptr), {dir.Path(), false});
        ASSERT_TRUE(window);
        for (int p = 0; p < 10; ++p) {
            ::RedrawWindow(window->Handle(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        window->ToggleExpanded();
        EXPECT_GE(LiveHandleCount(HandleKind::GdiObject), gdi + 1) << "the window's font is counted while it lives";
    }
    PumpMessages(10);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), gdi);
    EXPECT_EQ(LiveHandleCount(HandleKind::Cursor), cursors);
}

}  // namespace
}  // namespace pelorin::test
