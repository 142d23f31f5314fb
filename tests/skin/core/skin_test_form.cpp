#include "skin_test_form.h"

#include <windows.h>
#include <commctrl.h>

#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/container.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinSkinTestForm";

LRESULT CALLBACK TestFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterFormClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = TestFormProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           DWORD exStyle = 0) {
    static int nextId = 300;
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

}  // namespace

SkinTestForm::SkinTestForm(DWORD style) {
    RegisterFormClass();
    window_ = ::CreateWindowExW(0, kFormClass, L"skin test form", style | WS_CLIPCHILDREN, kLeft, kTop, kWidth, kHeight,
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    pushButton = Child(window_, L"BUTTON", L"按钮1", BS_PUSHBUTTON, 10, 40, 80, 24);
    defaultButton = Child(window_, L"BUTTON", L"默认", BS_DEFPUSHBUTTON, 100, 40, 80, 24);
    userButton = Child(window_, L"BUTTON", L"用户", BS_USERBUTTON, 190, 40, 80, 24);
    ownerDrawn = Child(window_, L"BUTTON", L"自绘", BS_OWNERDRAW, 280, 40, 80, 24);
    checkBox = Child(window_, L"BUTTON", L"选择框1", BS_AUTOCHECKBOX, 10, 70, 100, 20);
    plainCheckBox = Child(window_, L"BUTTON", L"选择框2", BS_CHECKBOX, 120, 70, 100, 20);
    threeState = Child(window_, L"BUTTON", L"三态", BS_AUTO3STATE, 230, 70, 80, 20);
    radio = Child(window_, L"BUTTON", L"单选", BS_RADIOBUTTON, 10, 95, 80, 20);
    autoRadio = Child(window_, L"BUTTON", L"自动单选", BS_AUTORADIOBUTTON, 100, 95, 100, 20);
    slider = Child(window_, TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS, 10, 120, 200, 24);
    edit = Child(window_, L"Edit", L"编辑框1", WS_BORDER | ES_AUTOHSCROLL, 10, 150, 150, 22);
    scrolledEdit =
        Child(window_, L"Edit", L"多行", WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, 170, 150, 150, 80);
    groupBox = Child(window_, L"BUTTON", L"分组框1", BS_GROUPBOX, 10, 180, 150, 100);
    groupCheckBox = Child(groupBox, L"BUTTON", L"组内选择框", BS_AUTOCHECKBOX, 10, 30, 120, 20);
    ::SetCursorPos(2, 2);  // away from the form
    PumpMessages(20);
}

SkinTestForm::~SkinTestForm() {
    // The form procedure releases the record on WM_NCDESTROY.
    ::DestroyWindow(window_);
    PumpMessages(10);
}

std::int32_t SkinTestForm::Apply(const skin::SkinSettings& settings) {
    skin::ApplySkin(window_, settings);
    return FormIndex();
}

std::int32_t SkinTestForm::FormIndex() const { return skin::FindFormByWindow(window_); }

skin::FormRecord& SkinTestForm::Record() { return skin::formRegistry[FormIndex()]; }

GxArgb SkinTestForm::Background(int x, int y) {
    // Every channel moves differently, so a background copied from the wrong
    // place never matches by accident.
    const GxArgb r = static_cast<GxArgb>((x * 3 + y) % 256);
    const GxArgb g = static_cast<GxArgb>((y * 5 + 17) % 256);
    const GxArgb b = static_cast<GxArgb>((x + y * 7 + 90) % 256);
    return 0xFF000000u | r << 16 | g << 8 | b;
}

GxArgb SkinTestForm::BackgroundBehind(HWND control, int x, int y) {
    const RECT r = skin::ClientRectInForm(control);
    return Background(r.left + x, r.top + y);
}

void SkinTestForm::SetKnownFrame(GxArgb copyColor) {
    skin::FormRecord& record = Record();
    RECT client{};
    ::GetClientRect(window_, &client);
    record.frameBuffer = skin::MemorySurface::Create(client.right, client.bottom);
    record.frameCopy = skin::MemorySurface::Create(client.right, client.bottom);
    if (!record.frameBuffer || !record.frameCopy) return;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            record.frameBuffer->Pixels()[y * client.right + x] = Background(x, y);
            record.frameCopy->Pixels()[y * client.right + x] = copyColor;
        }
}

std::int32_t AttachTestContainer(std::int32_t form, HWND container) {
    skin::FormRecord* record = skin::formRegistry.At(form);
    if (!record) return 0;
    skin::AttachContainer(container);
    return skin::formRegistry[form].containers.Find(container);
}

Pixels DcPixels(HDC dc, int width, int height) {
    Pixels out(width, height);
    skin::SurfacePtr copy = skin::MemorySurface::Create(width, height);
    if (!copy) return out;
    ::BitBlt(copy->Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.At(x, y) = copy->PixelAt(x, y);
    return out;
}

Pixels WindowPixels(HWND window) {
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    // From the screen at the window's place: what is really shown there.
    HDC screen = ::GetDC(nullptr);
    Pixels out(client.right, client.bottom);
    skin::SurfacePtr copy = skin::MemorySurface::Create(client.right, client.bottom);
    if (copy) {
        ::BitBlt(copy->Dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) out.At(x, y) = 0xFF000000u | (copy->PixelAt(x, y) & 0x00FFFFFF);
    }
    ::ReleaseDC(nullptr, screen);
    return out;
}

Pixels SurfacePixels(const skin::MemorySurface& surface) {
    Pixels out(surface.Width(), surface.Height());
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x) out.At(x, y) = surface.PixelAt(x, y);
    return out;
}

}  // namespace pelorin::test
