#include "other_kinds_form.h"

#include <commctrl.h>

#include "base/handle.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/container.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/skin_startup.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinOtherKindsTestForm";
constexpr wchar_t kPaintedClass[] = L"PelorinPaintedTestChild";

LRESULT CALLBACK PaintedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PaintDc paint(window);
        RECT client{};
        ::GetClientRect(window, &client);
        UniqueBrush brush(::CreateSolidBrush(OtherKindsForm::kChildColor));
        ::FillRect(paint.Get(), &client, brush.Get());
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClasses(WNDPROC formProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = formProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
    wc.lpfnWndProc = PaintedProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kPaintedClass;
    ::RegisterClassExW(&wc);
}

HWND Child(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h, int id, DWORD exStyle = 0) {
    return ::CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}

// 16 x 16 images of one opaque colour.
HIMAGELIST SolidImages(int count, COLORREF color) {
    HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, count, 0);
    UniqueBitmap bitmap;
    {
        WindowDc screen(nullptr);
        bitmap.Reset(::CreateCompatibleBitmap(screen.Get(), 16, 16));
    }
    {
        UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.Get(), bitmap.Get());
        UniqueBrush brush(::CreateSolidBrush(color));
        const RECT all{0, 0, 16, 16};
        ::FillRect(dc.Get(), &all, brush.Get());
    }
    for (int i = 0; i < count; ++i) ::ImageList_Add(images, bitmap.Get(), nullptr);
    return images;
}

void AddToolbarButtons(HWND toolbar, HIMAGELIST images) {
    ::SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    ::SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(28, 26));
    ::SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TBBUTTON buttons[3]{};
    for (int i = 0; i < 2; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = OtherKindsForm::kFirstCommand + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
        buttons[i].iString = -1;
    }
    buttons[2].fsStyle = BTNS_SEP;
    ::SendMessageW(toolbar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons));
}

void AddTabs(HWND tab) {
    const wchar_t* texts[] = {L"第一页", L"第二页", L"第三页"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(texts[i]);
        ::SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

LPARAM Pack(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

}  // namespace

OtherKindsForm::OtherKindsForm() {
    RegisterClasses(ClassProc);
    skin::SkinStartup();
    skin::skinDefaults.skinControlsEnabled = 1;
    skin::skinDefaults.firstSizePending = 0;
    window_ = ::CreateWindowExW(0, kFormClass, L"其他控件", WS_POPUP, 100, 80, kWidth, kHeight, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&messages_));
    upDown = Child(window_, UPDOWN_CLASSW, 0, 20, 60, 18, 30, 401);
    upDownHorz = Child(window_, UPDOWN_CLASSW, UDS_HORZ, 50, 60, 30, 18, 402);
    for (HWND u : {upDown, upDownHorz}) {
        ::SendMessageW(u, UDM_SETRANGE32, 0, 100);
        ::SendMessageW(u, UDM_SETPOS32, 0, 50);
    }
    toolbar = Child(window_, TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 20,
                    110, 180, 32, 403);
    images_ = SolidImages(2, RGB(0, 255, 0));
    AddToolbarButtons(toolbar, images_);
    tab = Child(window_, WC_TABCONTROLW, WS_CLIPSIBLINGS, 220, 50, 180, 120, 404);
    ::SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    AddTabs(tab);
    painted = Child(window_, kPaintedClass, 0, 20, 200, 60, 40, 405, WS_EX_TRANSPARENT);
    transparentEdit = Child(window_, L"Edit", WS_BORDER, 100, 200, 80, 22, 406, WS_EX_TRANSPARENT);

    skin::SkinSettings settings;
    settings.titleHeight = 30;
    skin::ApplySkin(window_, settings);
    skin::AttachContainer(tab);
    ::SetCursorPos(2, 2);  // away from the form
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
    PumpMessages(40);
}

OtherKindsForm::~OtherKindsForm() {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
    PumpMessages(10);
    ::ImageList_Destroy(images_);
}

std::int32_t OtherKindsForm::FormIndex() const { return skin::FindFormByWindow(window_); }

skin::FormRecord& OtherKindsForm::Record() const { return skin::formRegistry[FormIndex()]; }

Pixels OtherKindsForm::Drawn(HWND control) const {
    const RECT area = skin::ClientAreaInForm(control);
    Pixels out(area.right - area.left, area.bottom - area.top);
    const skin::MemorySurface* copy = Record().frameCopy.get();
    if (!copy) return out;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.At(x, y) = 0xFF000000u | (copy->PixelAt(area.left + x, area.top + y) & 0x00FFFFFF);
    return out;
}

GxArgb OtherKindsForm::BackgroundBehind(HWND control, int x, int y) const {
    const RECT area = skin::ClientAreaInForm(control);
    const skin::MemorySurface* frame = Record().frameBuffer.get();
    return frame ? 0xFF000000u | (frame->PixelAt(area.left + x, area.top + y) & 0x00FFFFFF) : 0;
}

void OtherKindsForm::Press(HWND control, POINT client) {
    ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, Pack(client));
}

void OtherKindsForm::Release(HWND control, POINT client) { ::SendMessageW(control, WM_LBUTTONUP, 0, Pack(client)); }

LRESULT CALLBACK OtherKindsForm::ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* messages = reinterpret_cast<KindMessages*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (messages) switch (message) {
            case WM_NOTIFY: messages->notifyCodes.push_back(reinterpret_cast<const NMHDR*>(lParam)->code); break;
            case WM_VSCROLL: ++messages->vScrolls; break;
            case WM_HSCROLL: ++messages->hScrolls; break;
            case WM_COMMAND: messages->commands.push_back(LOWORD(wParam)); break;
            default: break;
        }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace pelorin::test
