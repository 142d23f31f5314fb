// "窗口最前" and "程序优化", and the events of controls inside group boxes
// reaching the main window's handlers.
#include "app_fixture.h"

namespace pelorin::test {
namespace {

class WindowOptionsTest : public MainWindowTest {};

TEST_F(WindowOptionsTest, TopmostFollowsItsCheckBox) {
    LoadWindow();
    ASSERT_TRUE(window->IsTopmost());
    Click(kCheckBox2);
    EXPECT_FALSE(window->IsChecked(kCheckBox2));
    EXPECT_FALSE(window->IsTopmost());
    Click(kCheckBox2);
    EXPECT_TRUE(window->IsChecked(kCheckBox2));
    EXPECT_TRUE(window->IsTopmost());
}

TEST_F(WindowOptionsTest, UncheckedTopmostLetsAnotherWindowCoverIt) {
    LoadWindow();
    // A button answers hit tests (a static control is transparent to them).
    HWND other = ::CreateWindowExW(0, L"BUTTON", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 600, 600, nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages(10);
    // While topmost, the program stays above a normal window.
    EXPECT_EQ(::GetAncestor(::WindowFromPoint({60, 150}), GA_ROOT), window->Handle());
    Click(kCheckBox2);
    PumpMessages(100);  // the click activated the program; let that settle first
    ::SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpMessages(100);
    EXPECT_EQ(::GetAncestor(::WindowFromPoint({60, 150}), GA_ROOT), other);
    Click(kCheckBox2);
    PumpMessages(10);
    EXPECT_EQ(::GetAncestor(::WindowFromPoint({60, 150}), GA_ROOT), window->Handle());
    ::DestroyWindow(other);
}

TEST_F(WindowOptionsTest, ProgramOptimisationChangesOnlyItsOwnMark) {
    LoadWindow();
    for (int i = 0; i < 5; ++i) {
        Click(kCheckBox3);
        EXPECT_EQ(window->IsChecked(kCheckBox3), i % 2 == 0 ? false : true);
        EXPECT_TRUE(window->IsTopmost());
        EXPECT_TRUE(window->IsChecked(kCheckBox2));
        EXPECT_EQ(window->ControlText(kCheckBox1), L"开启静音");
        EXPECT_EQ(window->Height(), 271);
    }
    EXPECT_FALSE(FileExists(Data(L"Data.ini")));
    EXPECT_FALSE(FileExists(Data(L"config.txt")));
}

// A group box does not pass its children's notifications on by itself.
TEST_F(WindowOptionsTest, EventsOfControlsInsideGroupBoxesReachTheHandlers) {
    LoadWindow();
    // 分组框3: the mute box's click flips its caption.
    Click(kCheckBox1);
    EXPECT_EQ(window->ControlText(kCheckBox1), L"关闭静音");
    Click(kCheckBox1);
    EXPECT_EQ(window->ControlText(kCheckBox1), L"开启静音");
    // 分组框5: deleting (with nothing selected) rewrites the list file.
    Click(kButton20);
    EXPECT_TRUE(FileExists(Data(L"config.txt")));
    EXPECT_TRUE(ReadAll(Data(L"config.txt")).empty());
}

}  // namespace
}  // namespace pelorin::test
