// A real window showing every picture of the program at 1:1 and the two
// button frames drawn as buttons. The test reads the window's pixels back; with
// PELORIN_PICTURES_SCREENSHOT set to a file path it also saves them as PNG
// (that is how docs/pictures.png is made).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/handle.h"
#include "graphics/gx_bitmap.h"
#include "graphics/gx_graphics.h"
#include "picture_test_util.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/pictures/nine_slice_frame.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Blue;
using test::Hex;
using test::Red;

constexpr int kWidth = 800;
constexpr int kHeight = 460;
constexpr GxArgb kPanel = 0xFF182438;

struct Label {
    int x;
    int y;
    const wchar_t* text;
};

struct Placement {
    EmbeddedPicture id;
    int x;
    int y;
};

// Everything drawn, in window coordinates.
struct Showcase {
    GxBitmap sheet;
    std::vector<Label> labels;
    RECT hotButton{};   // the hot frame drawn as an 80 x 24 button on the panel
    POINT separator{};  // a separator pixel of the check-mark strip
};

void DrawPicture(GxGraphics& g, const Bytes& bytes, int x, int y) {
    GxImage image;
    if (image.LoadFromBytes(bytes))
        g.DrawImageRect(image, static_cast<float>(x), static_cast<float>(y), static_cast<float>(image.GetWidth()),
                        static_cast<float>(image.GetHeight()));
}

bool BuildShowcase(Showcase& show) {
    const Bytes normal = test::ReadAll(test::ProgramFolder() + L"\\tp\\通常框.png");
    const Bytes hot = test::ReadAll(test::ProgramFolder() + L"\\tp\\兰边框.png");
    NineSliceFrame frame;
    if (!frame.Load(normal, &hot, nullptr, nullptr, 3, 3)) return false;
    if (!show.sheet.Create(kWidth, kHeight)) return false;
    GxGraphics g;
    if (!g.CreateFromImage(show.sheet)) return false;
    g.Clear(kPanel);

    // The background at 1:1 with buttons on it, as the skin shows them.
    DrawPicture(g, LoadEmbeddedPicture(EmbeddedPicture::Background), 10, 10);
    const auto button = [&](int x, int y, int w, bool isHot) {
        frame.SetBounds(x, y, w, 24);
        isHot ? frame.DrawHot(g) : frame.DrawNormal(g);
    };
    button(40, 180, 80, false);
    button(140, 180, 80, true);
    button(40, 220, 105, false);
    button(165, 220, 105, true);
    show.labels.push_back({40, 160, L"buttons on the background"});

    const int left = 470;
    int y = 14;
    const auto row = [&](const wchar_t* label, int height) {
        show.labels.push_back({left, y, label});
        y += 18;
        const int top = y;
        y += height + 14;
        return top;
    };
    int top = row(L"button frames from the tp folder: normal, hot (16 x 16)", 16);
    DrawPicture(g, normal, left, top);
    DrawPicture(g, hot, left + 30, top);

    top = row(L"80 x 24 buttons: normal, hot", 24);
    button(left, top, 80, false);
    button(left + 100, top, 80, true);
    show.hotButton = {left + 100, top, left + 180, top + 24};

    top = row(L"check-mark strip (131 x 16)", 16);
    DrawPicture(g, LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip), left, top);
    show.separator = {left + 21, top + 2};

    top = row(L"caption glyphs: help, menu, min, max, restore, close, more", 18);
    int x = left;
    for (const EmbeddedPicture id :
         {EmbeddedPicture::CaptionHelp, EmbeddedPicture::CaptionMenu, EmbeddedPicture::CaptionMinimize,
          EmbeddedPicture::CaptionMaximize, EmbeddedPicture::CaptionRestore, EmbeddedPicture::CaptionClose,
          EmbeddedPicture::CaptionMore}) {
        const Bytes bytes = LoadEmbeddedPicture(id);
        DrawPicture(g, bytes, x, top);
        x += (id == EmbeddedPicture::CaptionClose ? 38 : 26) + 6;
    }

    top = row(L"scroll chevrons, combo chevron (14 x 14)", 14);
    x = left;
    for (const EmbeddedPicture id :
         {EmbeddedPicture::ScrollUp, EmbeddedPicture::ScrollDown, EmbeddedPicture::ScrollLeft,
          EmbeddedPicture::ScrollRight, EmbeddedPicture::ComboChevron}) {
        DrawPicture(g, LoadEmbeddedPicture(id), x, top);
        x += 22;
    }

    top = row(L"slider thumb (13 x 15), channels (24 x 4)", 15);
    DrawPicture(g, LoadEmbeddedPicture(EmbeddedPicture::SliderThumb), left, top);
    DrawPicture(g, LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey), left + 30, top + 5);
    DrawPicture(g, LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue), left + 64, top + 5);

    top = row(L"a slider drawn from them", 15);
    NineSliceFrame grey;
    NineSliceFrame blue;
    NineSliceFrame thumb;
    const Bytes greyBytes = LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey);
    const Bytes blueBytes = LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue);
    const Bytes thumbBytes = LoadEmbeddedPicture(EmbeddedPicture::SliderThumb);
    grey.Load(greyBytes, &greyBytes);
    blue.Load(blueBytes, &blueBytes);
    thumb.Load(thumbBytes, &thumbBytes);
    grey.SetBounds(left, top + 5, 240, 4);
    grey.DrawNormal(g);
    blue.SetBounds(left, top + 5, 150, 4);
    blue.DrawNormal(g);
    thumb.SetBounds(left + 144, top, 13, 15);
    thumb.DrawNormal(g);
    return true;
}

LRESULT CALLBACK ShowcaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* show = reinterpret_cast<Showcase*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && show) {
        PaintDc paint(window);
        {
            GxGraphics g;
            if (g.CreateFromHDC(paint.Get()))
                g.DrawImageRect(show->sheet, 0, 0, static_cast<float>(kWidth), static_cast<float>(kHeight));
        }
        ::SetBkMode(paint.Get(), TRANSPARENT);
        ::SetTextColor(paint.Get(), RGB(230, 236, 245));
        const ScopedSelect font(paint.Get(), ::GetStockObject(DEFAULT_GUI_FONT));
        for (const Label& label : show->labels)
            ::TextOutW(paint.Get(), label.x, label.y, label.text, static_cast<int>(wcslen(label.text)));
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// The window's pixels as a bitmap (32-bit, top-down).
struct Capture {
    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
    const std::uint32_t* bits = nullptr;
    GxArgb At(int x, int y) const { return 0xFF000000u | (bits[y * kWidth + x] & 0xFFFFFF); }
};

bool CaptureWindow(HWND window, Capture& capture) {
    capture.dc.Reset(::CreateCompatibleDC(nullptr));
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    capture.bitmap.Reset(::CreateDIBSection(capture.dc.Get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!capture.bitmap) return false;
    capture.bits = static_cast<const std::uint32_t*>(bits);
    const WindowDc source(window);
    const ScopedSelect select(capture.dc.Get(), capture.bitmap.Get());
    const bool ok = ::BitBlt(capture.dc.Get(), 0, 0, kWidth, kHeight, source.Get(), 0, 0, SRCCOPY) != FALSE;
    ::GdiFlush();
    return ok;
}

// Writes beside the target, then renames over it.
bool SaveAtomically(const std::wstring& path, const Bytes& bytes) {
    const std::wstring temp = path + L".tmp";
    test::WriteAll(temp, bytes);
    return ::MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::wstring ScreenshotPath() {
    const wchar_t* value = _wgetenv(L"PELORIN_PICTURES_SCREENSHOT");
    if (!value || !*value) return {};
    std::wstring path = value;
    if (path[0] == L'/') {  // a Unix path handed through Wine
        for (wchar_t& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

TEST(PictureShowcase, WindowShowsEveryPictureAndBothFramesAsButtons) {
    Showcase show;
    ASSERT_TRUE(BuildShowcase(show));
    WNDCLASSW wc{};
    wc.lpfnWndProc = ShowcaseProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PelorinPictureShowcase";
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
    const UniqueWindow window(::CreateWindowExW(0, wc.lpszClassName, L"Pelorin pictures", WS_POPUP, 0, 0, kWidth,
                                                kHeight, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(window);
    ::SetWindowLongPtrW(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&show));
    ::ShowWindow(window.Get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window.Get());
    test::PumpMessages(300);
    ::RedrawWindow(window.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    Capture capture;
    ASSERT_TRUE(CaptureWindow(window.Get(), capture));
    EXPECT_EQ(capture.At(show.separator.x, show.separator.y), 0xFFFF00FFu) << "the strip at 1:1";
    const GxArgb hotEdge = capture.At((show.hotButton.left + show.hotButton.right) / 2, show.hotButton.top);
    EXPECT_GT(Blue(hotEdge), Red(hotEdge) + 100) << "blue edge of the hot button " << Hex(hotEdge);
    const GxArgb hotCorner = capture.At(show.hotButton.left, show.hotButton.top);
    EXPECT_NE(hotCorner, hotEdge) << "rounded corner";
    EXPECT_EQ(capture.At(kWidth - 2, kHeight - 2), kPanel);

    const std::wstring screenshot = ScreenshotPath();
    if (!screenshot.empty()) {
        GxBitmap shot;
        ASSERT_TRUE(shot.CreateFromHBITMAP(capture.bitmap.Get()));
        const Bytes png = shot.SaveToBytes(std::wstring(kGxFormatPng));
        ASSERT_FALSE(png.empty());
        EXPECT_TRUE(SaveAtomically(screenshot, png));
    }
    ::SetWindowLongPtrW(window.Get(), GWLP_USERDATA, 0);
}

}  // namespace
}  // namespace pelorin
