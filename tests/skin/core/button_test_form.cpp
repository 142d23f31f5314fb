#include "button_test_form.h"

#include "skin/core/button_fade.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinButtonTestForm";

void RegisterFormClass(WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

Pixels ReadDc(HDC dc, int width, int height) {
    Pixels out(width, height);
    skin::SurfacePtr copy = skin::MemorySurface::Create(width, height);
    if (!copy) return out;
    ::BitBlt(copy->Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.At(x, y) = 0xFF000000u | (copy->PixelAt(x, y) & 0x00FFFFFF);
    return out;
}

}  // namespace

ButtonTestForm::ButtonTestForm() {
    RegisterFormClass(FormProc);
    window_ = ::CreateWindowExW(0, kFormClass, L"button test form", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kLeft,
                                kTop, kWidth, kHeight, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    auto record = std::make_unique<skin::FormRecord>();
    record->window = window_;
    record->frameBuffer = skin::MemorySurface::Create(kWidth, kHeight);
    record->frameCopy = skin::MemorySurface::Create(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) record->frameBuffer->Pixels()[y * kWidth + x] = Background(x, y);
    formIndex_ = skin::formRegistry.Append(std::move(record));
    skin::SetPropValue(window_, skin::prop::kListIndex, formIndex_);
    ::SetCursorPos(2, 2);  // away from the form
    PumpMessages(20);
}

ButtonTestForm::~ButtonTestForm() {
    skin::CancelFades();
    skin::fadeBlendObserver = nullptr;
    ::DestroyWindow(window_);
    skin::formRegistry.Remove(skin::FindFormByWindow(window_));
    PumpMessages(10);
}

skin::FormRecord& ButtonTestForm::Record() { return skin::formRegistry[formIndex_]; }

HWND ButtonTestForm::AddButton(std::int32_t kind, DWORD style, const std::wstring& caption, int x, int y, int w, int h,
                               COLORREF glowColor) {
    if (kind == skin::kPushButton) style |= BS_OWNERDRAW;
    const int id = nextId_++;
    HWND button = ::CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w,
                                    h, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    ::GetModuleHandleW(nullptr), nullptr);
    skin::FormRecord& form = Record();
    const std::int32_t index = form.buttons.Take();
    skin::ButtonRecord& record = form.buttons[index];
    record.window = button;
    record.kind = kind;
    record.caption = caption;
    record.glowColor = glowColor;
    record.checkState = static_cast<std::int32_t>(::SendMessageW(button, BM_GETCHECK, 0, 0));
    record.parent = window_;
    skin::SetPropValue(button, skin::prop::kFormIndex, formIndex_);
    skin::SetPropValue(button, skin::prop::kListIndex, index);
    skin::SetPropValue(button, skin::prop::kTextColor, 0x00FFFFFF);
    skin::SetPropValue(button, skin::prop::kDisabledTextColor, 0x00606060);
    if (kind == skin::kCheckBox) skin::SetPropValue(button, skin::prop::kCheckAnimation, 1);
    // The previous procedure is kept before the new one can receive anything.
    const WNDPROC previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(button, GWLP_WNDPROC));
    skin::SetPropValue(button, skin::prop::kPreviousProc, reinterpret_cast<std::intptr_t>(previous));
    record.previousProc = previous;
    skin::Subclass(button, skin::ButtonProc);
    ::UpdateWindow(window_);
    return button;
}

skin::ButtonRecord& ButtonTestForm::ButtonOf(HWND button) {
    return Record().buttons[skin::GetPropInt(button, skin::prop::kListIndex)];
}

Bytes ReadFramePicture(const wchar_t* name) { return ReadAll(ProgramFolder() + L"\\tp\\" + name); }

void ButtonTestForm::LoadButtonFrame(bool blueFocusedPicture) {
    const Bytes normal = ReadFramePicture(L"通常框.png");
    const Bytes hot = ReadFramePicture(L"兰边框.png");
    skin::FormRecord& form = Record();
    form.hasButtonFrame = form.buttonFrame.Load(normal, &hot, blueFocusedPicture ? &hot : nullptr, nullptr, 3, 3);
}

void ButtonTestForm::RemoveButtonFrame() {
    Record().hasButtonFrame = false;
    Record().buttonFrame = NineSliceFrame();
}

GxArgb ButtonTestForm::Background(int x, int y) {
    const GxArgb v = static_cast<GxArgb>(40 + (x + 2 * y) % 160);
    return 0xFF000000u | v << 16 | v << 8 | v;
}

GxArgb ButtonTestForm::BackgroundOf(HWND control, int x, int y) {
    const RECT r = skin::WindowRectInForm(control);
    return Background(r.left + x, r.top + y);
}

Pixels ButtonTestForm::WindowPixels(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    HDC dc = ::GetDC(control);
    Pixels out = ReadDc(dc, client.right, client.bottom);
    ::ReleaseDC(control, dc);
    return out;
}

Pixels ButtonTestForm::FrameCopyPixels(HWND control) {
    const RECT r = skin::WindowRectInForm(control);
    const skin::MemorySurface& copy = *Record().frameCopy;
    Pixels out(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.At(x, y) = 0xFF000000u | (copy.PixelAt(r.left + x, r.top + y) & 0x00FFFFFF);
    return out;
}

int ButtonTestForm::Clicks(HWND control) const {
    const auto found = clicks_.find(control);
    return found == clicks_.end() ? 0 : found->second;
}

LRESULT CALLBACK ButtonTestForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_BUTTON) break;
            skin::PaintPushButton(item->hwndItem, item->hDC, item->itemState, item->rcItem);
            return TRUE;
        }
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) ++clicks_[reinterpret_cast<HWND>(lParam)];
            return 0;
        case WM_ERASEBKGND: return 1;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void LoadCheckGlyphs() {
    if (skin::checkGlyphStrip.GetFrameCount() == 0)
        skin::checkGlyphStrip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
}

void MoveMouseOnto(HWND control, int x, int y) {
    POINT screen{x, y};
    ::ClientToScreen(control, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

}  // namespace pelorin::test
