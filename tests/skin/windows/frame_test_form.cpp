#include "frame_test_form.h"

#include <algorithm>

#include "base/handle.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/frame_render.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinFrameTestForm";
constexpr int kButtonStep = 27;

void RegisterFormClass(WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
}

skin::CaptionButton MakeButton(std::int32_t kind, EmbeddedPicture picture, const wchar_t* tip) {
    skin::CaptionButton button;
    button.kind = kind;
    button.width = kind == skin::kCaptionClose ? 38 : 26;
    button.height = 18;
    button.picture = LoadEmbeddedPicture(picture);
    if (kind == skin::kCaptionMaximize) button.altPicture = LoadEmbeddedPicture(EmbeddedPicture::CaptionRestore);
    button.tooltip = tip;
    return button;
}

// The caption strip as the attach step lays it out: right-aligned, buttons
// 27 pixels apart, the close button 40 wide.
void LayoutButtons(skin::FormRecord& form, int clientWidth) {
    form.captionStripWidth = 3;
    for (const skin::CaptionButton& b : form.captionButtons) form.captionStripWidth += b.width;
    form.captionStripWidth += static_cast<std::int32_t>(form.captionButtons.size()) - 1;
    form.captionStripLeft = clientWidth - form.captionStripWidth + 1;
    form.captionStripHeight = 22;
    form.captionStripTop = 0;
    for (std::size_t i = 0; i < form.captionButtons.size(); ++i) {
        skin::CaptionButton& b = form.captionButtons[i];
        const int left = form.captionStripLeft + 2 + static_cast<int>(i) * kButtonStep;
        const int width = b.kind == skin::kCaptionClose ? 40 : 26;
        b.rect = RECT{left, form.captionStripTop + 1, left + width, form.captionStripTop + 1 + 18};
    }
}

}  // namespace

FrameTestForm::FrameTestForm(const FrameFormOptions& options) {
    RegisterFormClass(FormProc);
    DWORD style = WS_POPUP | WS_SYSMENU;
    if (options.minimizeBox) style |= WS_MINIMIZEBOX;
    if (options.maximizeBox) style |= WS_MAXIMIZEBOX;
    window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kFormClass, options.text.c_str(), style, options.left, options.top,
                                options.width, options.height, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);

    auto record = std::make_unique<skin::FormRecord>();
    skin::FormRecord& form = *record;
    form.window = window_;
    form.titleHeight = std::max<std::int32_t>(options.titleHeight, 25);
    form.hasTitleBar = options.hasTitleBar;
    form.resizable = false;
    form.hasMinimizeButton = options.minimizeBox;
    form.hasMaximizeButton = options.maximizeBox;
    form.hasCloseButton = options.hasTitleBar;
    form.hasOwnIcon = true;
    form.maxTrackWidth = ::GetSystemMetrics(SM_CXSCREEN);
    form.maxTrackHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (form.hasMinimizeButton)
        form.captionButtons.push_back(MakeButton(skin::kCaptionMinimize, EmbeddedPicture::CaptionMinimize, L"最小化"));
    if (form.hasMaximizeButton)
        form.captionButtons.push_back(MakeButton(skin::kCaptionMaximize, EmbeddedPicture::CaptionMaximize, L"最大化"));
    if (form.hasCloseButton)
        form.captionButtons.push_back(MakeButton(skin::kCaptionClose, EmbeddedPicture::CaptionClose, L"关闭"));
    LayoutButtons(form, options.width);
    form.renderPending = true;
    form.clientWidth = options.width;
    form.clientHeight = options.height;
    skin::skinDefaults.frameBorderWidth = 3;
    const std::int32_t index = skin::formRegistry.Append(std::move(record));
    skin::SetPropValue(window_, skin::prop::kListIndex, index);
}

FrameTestForm::~FrameTestForm() {
    const std::int32_t index = skin::FindFormByWindow(window_);
    ::DestroyWindow(window_);
    if (index) skin::formRegistry.Remove(index);
    PumpMessages(10);
}

std::int32_t FrameTestForm::FormIndex() const { return skin::FindFormByWindow(window_); }

skin::FormRecord& FrameTestForm::Record() { return skin::formRegistry[FormIndex()]; }

void FrameTestForm::Show() {
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

void FrameTestForm::Rerender() {
    Record().renderPending = true;
    ::InvalidateRect(window_, nullptr, FALSE);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

Pixels SurfacePixels(HDC dc, int x, int y, int width, int height) {
    Pixels out(width, height);
    skin::SurfacePtr copy = skin::MemorySurface::Create(width, height);
    if (!copy) return out;
    ::BitBlt(copy->Dc(), 0, 0, width, height, dc, x, y, SRCCOPY);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) out.At(col, row) = 0xFF000000u | (copy->PixelAt(col, row) & 0x00FFFFFF);
    return out;
}

Pixels FrameTestForm::ScreenPixels() const {
    // The screen receives what a window draws once its thread looks at its messages.
    PumpMessages(20);
    RECT client{};
    ::GetClientRect(window_, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    WindowDc screen(nullptr);
    return SurfacePixels(screen.Get(), origin.x, origin.y, client.right, client.bottom);
}

Pixels FrameTestForm::FrameCopyPixels() {
    const skin::MemorySurface& copy = *Record().frameCopy;
    return SurfacePixels(copy.Dc(), 0, 0, copy.Width(), copy.Height());
}

Pixels FrameTestForm::FrameBufferPixels() {
    const skin::MemorySurface& buffer = *Record().frameBuffer;
    return SurfacePixels(buffer.Dc(), 0, 0, buffer.Width(), buffer.Height());
}

LRESULT CALLBACK FrameTestForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            const std::int32_t form = skin::FindFormByWindow(window);
            if (!form) break;
            PaintDc paint(window);
            if (skin::formRegistry[form].renderPending)
                skin::RenderFrame(form, paint.Get(), true);
            else
                skin::PresentFrame(form);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

SkinThemeScope::SkinThemeScope()
    : backgroundColor_(skin::skinDefaults.skinBackgroundColor),
      picture_(skin::skinDefaults.skinBackgroundPicture),
      mode_(skin::skinDefaults.skinPictureMode),
      themeColor_(skin::skinDefaults.themeColor) {}

SkinThemeScope::~SkinThemeScope() {
    skin::skinDefaults.skinBackgroundColor = backgroundColor_;
    skin::skinDefaults.skinBackgroundPicture = picture_;
    skin::skinDefaults.skinPictureMode = mode_;
    skin::skinDefaults.themeColor = themeColor_;
}

GxArgb Opaque(COLORREF color) { return skin::ToArgb(color) | 0xFF000000u; }

Bytes SolidPicture(int w, int h, GxArgb color) { return EncodePixels(Pixels(w, h, color)); }

}  // namespace pelorin::test
