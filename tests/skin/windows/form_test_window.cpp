#include "form_test_window.h"

#include <commctrl.h>

#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/skinned_form_proc.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kClassName[] = L"PelorinSkinnedFormTestWindow";

void RegisterTestClass(WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

LPARAM Pack(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

}  // namespace

skin::SkinSettings SkinnedTestWindow::DefaultSettings() {
    skin::SkinSettings settings;
    settings.titleHeight = 30;
    return settings;
}

SkinnedTestWindow::SkinnedTestWindow(DWORD extraStyle, skin::SkinSettings settings,
                                     const std::function<void(HWND)>& addChildren) {
    RegisterTestClass(ClassProc);
    // What the skin start-up sets; the process's first size change has
    // happened long before a test window appears.
    skin::skinDefaults.skinControlsEnabled = 1;
    skin::skinDefaults.firstSizePending = 0;
    window_ = ::CreateWindowExW(0, kClassName, L"测试窗口", WS_POPUP | extraStyle, kLeft, kTop, kWidth, kHeight,
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&messages_));
    if (addChildren) addChildren(window_);
    skin::ApplySkin(window_, settings);
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

SkinnedTestWindow::~SkinnedTestWindow() {
    if (Alive()) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_);
    }
    PumpMessages(10);
}

std::int32_t SkinnedTestWindow::FormIndex() const { return skin::FindFormByWindow(window_); }

skin::FormRecord& SkinnedTestWindow::Record() const { return skin::formRegistry[FormIndex()]; }

POINT SkinnedTestWindow::ButtonCentre(std::int32_t button) const {
    const RECT& r = Record().captionButtons.at(static_cast<std::size_t>(button - 1)).rect;
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::wstring SkinnedTestWindow::ToolText(UINT_PTR id) const {
    wchar_t text[80]{};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = window_;
    info.uId = id;
    info.lpszText = text;
    ::SendMessageW(Record().tooltip.GetTipHandle(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

void SkinnedTestWindow::MoveTo(POINT client) {
    POINT screen = client;
    ::ClientToScreen(window_, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(window_, WM_MOUSEMOVE, 0, Pack(client));
}

void SkinnedTestWindow::Press(POINT client) { ::SendMessageW(window_, WM_LBUTTONDOWN, MK_LBUTTON, Pack(client)); }

void SkinnedTestWindow::Release(POINT client) { ::SendMessageW(window_, WM_LBUTTONUP, 0, Pack(client)); }

void SkinnedTestWindow::Click(POINT client) {
    Press(client);
    Release(client);
}

Pixels SkinnedTestWindow::ClientPixels() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    Pixels out(client.right, client.bottom);
    skin::SurfacePtr copy = skin::MemorySurface::Create(client.right, client.bottom);
    HDC dc = ::GetDC(window_);
    if (copy && dc) {
        ::BitBlt(copy->Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) out.At(x, y) = 0xFF000000u | (copy->PixelAt(x, y) & 0x00FFFFFF);
    }
    if (dc) ::ReleaseDC(window_, dc);
    return out;
}

LRESULT CALLBACK SkinnedTestWindow::ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* messages = reinterpret_cast<FormMessages*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_SYSCOMMAND:
            if (messages) messages->sysCommands.push_back(wParam);
            if ((wParam & 0xFFF0) == SC_SIZE) return 0;  // no modal size loop in a test
            break;
        case WM_NCLBUTTONDOWN:
            if (messages) messages->nonClientPresses.push_back(wParam);
            return 0;  // no modal move loop in a test
        case WM_STYLECHANGED:
            if (messages && wParam == static_cast<WPARAM>(GWL_EXSTYLE) &&
                (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & WS_EX_LAYERED))
                messages->becameLayered = true;
            break;
        case WM_NCDESTROY:
            if (messages) {
                messages->destroyed = true;
                messages->procedureRestored =
                    ::GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(skin::SkinnedFormProc);
            }
            break;
        case WM_DRAWITEM:
            if (messages) ++messages->drawItems;
            break;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND AddChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h, const wchar_t* text) {
    static int nextId = 300;
    return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

Bytes SolidPicture(int width, int height, GxArgb color) { return EncodePixels(Pixels(width, height, color)); }

}  // namespace pelorin::test
