// Entry point of every test program: the platform services the program
// itself starts before its first window (GDI+, COM, common controls).
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

int wmain(int argc, wchar_t** argv) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();

    Gdiplus::GdiplusShutdown(token);
    ::CoUninitialize();
    return result;
}
