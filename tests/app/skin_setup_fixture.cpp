#include "skin_setup_fixture.h"

#include <algorithm>
#include <cmath>

#include "graphics/gx_graphics.h"
#include "skin/core/skin_registry.h"
#include "skin/core/memory_surface.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/pictures/nine_slice_frame.h"

namespace pelorin::test {
namespace {

constexpr const wchar_t* kFramePictures[] = {L"通常框.png", L"兰边框.png"};

Bytes ShippedFramePicture(const wchar_t* name) { return ReadAll(ProgramFolder() + L"\\tp\\" + name); }

// The shipped frames, loaded as the program loads them.
const NineSliceFrame& ReferenceFrame() {
    static const NineSliceFrame frame = [] {
        NineSliceFrame f;
        const Bytes normal = ShippedFramePicture(kFramePictures[0]);
        const Bytes hot = ShippedFramePicture(kFramePictures[1]);
        f.Load(normal, &hot, nullptr, nullptr, 3, 3);
        return f;
    }();
    return frame;
}

Pixels DrawnFrame(int width, int height, FrameState state) {
    return Render(width, height, 0, [&](GxGraphics& g) {
        NineSliceFrame frame = ReferenceFrame();
        frame.SetBounds(0, 0, width, height);
        if (state == FrameState::Hot)
            frame.DrawHot(g);
        else
            frame.DrawNormal(g);
    });
}

int ChannelDistance(GxArgb a, GxArgb b) {
    return std::max({std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b))});
}

}  // namespace

void SkinnedWindowTest::LoadSkinned(bool withFramePictures) {
    if (withFramePictures) {
        ::CreateDirectoryW(Data(L"tp").c_str(), nullptr);
        for (const wchar_t* name : kFramePictures) WriteAll(Data(std::wstring(L"tp\\") + name), ShippedFramePicture(name));
    }
    LoadWindow();
    // The first render and the controls' first paints.
    ::RedrawWindow(window->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(100);
}

skin::FormRecord& SkinnedWindowTest::Form() const {
    skin::FormRecord* form = skin::formRegistry.At(skin::FindFormByWindow(window->Handle()));
    if (!form) throw std::runtime_error("the main window is not skinned");
    return *form;
}

const skin::CaptionButton* SkinnedWindowTest::CaptionButtonOfKind(std::int32_t kind) const {
    for (const skin::CaptionButton& b : Form().captionButtons)
        if (b.kind == kind) return &b;
    return nullptr;
}

const skin::CaptionButton* SkinnedWindowTest::CaptionButtonWithTip(const std::wstring& tooltip) const {
    for (const skin::CaptionButton& b : Form().captionButtons)
        if (b.kind == skin::kCaptionCustom && b.tooltip == tooltip) return &b;
    return nullptr;
}

void SkinnedWindowTest::ClickCaptionButton(std::int32_t kind) {
    PressCaptionButton(CaptionButtonOfKind(kind));
}

void SkinnedWindowTest::ClickCaptionButton(const std::wstring& tooltip) {
    PressCaptionButton(CaptionButtonWithTip(tooltip));
}

void SkinnedWindowTest::PressCaptionButton(const skin::CaptionButton* button) {
    ASSERT_TRUE(button);
    const LPARAM at = MAKELPARAM((button->rect.left + button->rect.right) / 2, (button->rect.top + button->rect.bottom) / 2);
    const HWND hwnd = window->Handle();
    ::SendMessageW(hwnd, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
    PumpMessages(50);
}

void SkinnedWindowTest::MouseClick(HWND control) { ClickWithMouse(control); }

void ClickWithMouse(HWND control) {
    RECT r{};
    ::GetClientRect(control, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    ::SendMessageW(control, WM_MOUSEMOVE, 0, at);
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(control, WM_LBUTTONUP, 0, at);
    PumpMessages(10);
}

Pixels SkinnedWindowTest::Screen() const { return ClientOnScreen(window->Handle()); }

Pixels ClientOnScreen(HWND hwnd) {
    ::UpdateWindow(hwnd);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd, &origin);
    Pixels out(client.right, client.bottom);
    skin::SurfacePtr copy = skin::MemorySurface::Create(client.right, client.bottom);
    if (!copy) return out;
    const HDC screen = ::GetDC(nullptr);
    ::BitBlt(copy->Dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) out.At(x, y) = 0xFF000000u | (copy->PixelAt(x, y) & 0x00FFFFFF);
    return out;
}

RECT SkinnedWindowTest::ClientRectOf(HWND control) const {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, window->Handle(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Pixels StretchedBackground(int width, int height) {
    const Pixels source = DecodePixels(LoadEmbeddedPicture(EmbeddedPicture::Background));
    Pixels out(width, height);
    if (source.width == 0) return out;
    // Each target pixel is the average of the source pixels it covers.
    for (int y = 0; y < height; ++y) {
        const int y0 = y * source.height / height;
        const int y1 = std::max(y0 + 1, (y + 1) * source.height / height);
        for (int x = 0; x < width; ++x) {
            const int x0 = x * source.width / width;
            const int x1 = std::max(x0 + 1, (x + 1) * source.width / width);
            int r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx, ++n) {
                    const GxArgb c = source.At(sx, sy);
                    r += Red(c), g += Green(c), b += Blue(c);
                }
            out.At(x, y) = 0xFF000000u | static_cast<GxArgb>(r / n) << 16 | static_cast<GxArgb>(g / n) << 8 |
                           static_cast<GxArgb>(b / n);
        }
    }
    return out;
}

bool SkinnedWindowTest::ShowsBackground(int x, int y) const {
    const HWND main = window->Handle();
    const HWND over = ::ChildWindowFromPointEx(main, POINT{x, y}, CWP_SKIPINVISIBLE);
    if (over == main) return true;
    wchar_t name[32]{};
    ::GetClassNameW(over, name, 32);
    if (::lstrcmpiW(name, L"Button") != 0 || (::GetWindowLongPtrW(over, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
        return false;
    const RECT box = ClientRectOf(over);
    if (x < box.left + 8 || x >= box.right - 8 || y < box.top + 18 || y >= box.bottom - 8) return false;
    POINT inside{x - box.left, y - box.top};
    return ::ChildWindowFromPointEx(over, inside, CWP_SKIPINVISIBLE) == over;
}

::testing::AssertionResult SkinnedWindowTest::ShowsFrame(const Pixels& shown, const RECT& rect,
                                                         FrameState state) const {
    return ShowsFrameOn(Form(), shown, rect, state);
}

::testing::AssertionResult ShowsFrameOn(const skin::FormRecord& form, const Pixels& shown, const RECT& rect,
                                        FrameState state) {
    if (!form.frameBuffer) return ::testing::AssertionFailure() << "no rendered background";
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const Pixels normal = DrawnFrame(w, h, FrameState::Normal);
    const Pixels hot = DrawnFrame(w, h, FrameState::Hot);
    int compared = 0, matching = 0;
    // The frame's outer ring lies over the form background only (the body
    // is clipped inside it): there the screen shows frame over background.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x > 1 && x < w - 2 && y > 1 && y < h - 2) continue;
            const GxArgb under = 0xFF000000u | form.frameBuffer->PixelAt(rect.left + x, rect.top + y);
            const GxArgb overNormal = Over(normal.At(x, y), under);
            const GxArgb overHot = Over(hot.At(x, y), under);
            if (ChannelDistance(overNormal, overHot) < 40) continue;
            ++compared;
            const GxArgb wanted = state == FrameState::Hot ? overHot : overNormal;
            matching += ChannelDistance(shown.At(rect.left + x, rect.top + y), wanted) <= 24;
        }
    if (compared < 10) return ::testing::AssertionFailure() << "only " << compared << " telling frame pixels";
    if (matching * 10 < compared * 9)
        return ::testing::AssertionFailure() << matching << " of " << compared << " frame pixels shown";
    return ::testing::AssertionSuccess() << matching << " of " << compared << " frame pixels shown";
}

RECT SkinnedWindowTest::GlyphRect(ControlId checkBox) const {
    const RECT r = ClientRectOf(window->Control(checkBox));
    const int top = r.top + (r.bottom - r.top - 14) / 2;
    return RECT{r.left, top, r.left + 16, top + 14};
}

bool IsWhitish(GxArgb c) { return Red(c) > 200 && Green(c) > 200 && Blue(c) > 200; }

int Luminance(GxArgb c) { return (Red(c) * 299 + Green(c) * 587 + Blue(c) * 114) / 1000; }

int CountWhitish(const Pixels& p, const RECT& r) {
    int count = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(p.height, r.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(p.width, r.right); ++x) count += IsWhitish(p.At(x, y));
    return count;
}

int CountDark(const Pixels& p, const RECT& r) {
    int count = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(p.height, r.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(p.width, r.right); ++x) count += Luminance(p.At(x, y)) < 60;
    return count;
}

double ShareOfColor(const Pixels& p, const RECT& r, COLORREF color) {
    const GxArgb wanted = 0xFF000000u | GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
    int count = 0, total = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(p.height, r.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(p.width, r.right); ++x, ++total)
            count += Near(p.At(x, y), wanted, 8);
    return total ? static_cast<double>(count) / total : 1.0;
}

double MeanDifference(const Pixels& p, const RECT& a, const RECT& b) {
    const int w = std::min(a.right - a.left, b.right - b.left), h = std::min(a.bottom - a.top, b.bottom - b.top);
    double sum = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const GxArgb u = p.At(a.left + x, a.top + y), v = p.At(b.left + x, b.top + y);
            sum += (std::abs(Red(u) - Red(v)) + std::abs(Green(u) - Green(v)) + std::abs(Blue(u) - Blue(v))) / 3.0;
        }
    return w > 0 && h > 0 ? sum / (w * h) : 0;
}

}  // namespace pelorin::test
