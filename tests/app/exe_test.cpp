// The real program: started as its own process, closed through its window.
#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "app/services/file_io.h"
#include "program_process.h"

namespace pelorin::test {
namespace {

TEST(Program, ClosingTheMainWindowEndsTheProcessWithCodeZero) {
    const std::wstring exe = runtime::ProgramDirectory() + L"\\pelorin.exe";
    ASSERT_TRUE(FileExists(exe));
    ProgramProcess program(exe);
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_TRUE(main) << "the program's main window never appeared";
    wchar_t title[64]{};
    ::GetWindowTextW(main, title, 64);
    EXPECT_STREQ(title, L"Pelorin MINI版");
    RECT r{};
    ::GetWindowRect(main, &r);
    EXPECT_EQ(r.bottom - r.top, 271);
    EXPECT_TRUE(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);

    EXPECT_EQ(program.CloseAndWait(main), 0u);
}

}  // namespace
}  // namespace pelorin::test
