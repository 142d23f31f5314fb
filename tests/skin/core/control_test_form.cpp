#include "control_test_form.h"

#include <commctrl.h>

#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinControlTestForm";

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

HWND CreateChild(const wchar_t* kind, DWORD style, DWORD exStyle, int x, int y, int w, int h, HWND parent, int id) {
    return ::CreateWindowExW(exStyle, kind, L"", WS_CHILD | style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

ControlTestForm::ControlTestForm() {
    RegisterFormClass(FormProc);
    window_ = ::CreateWindowExW(0, kFormClass, L"control test form", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kLeft,
                                kTop, kWidth, kHeight, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    auto record = std::make_unique<skin::FormRecord>();
    record->window = window_;
    record->frameBuffer = skin::MemorySurface::Create(kWidth, kHeight);
    record->frameCopy = skin::MemorySurface::Create(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) record->frameBuffer->Pixels()[y * kWidth + x] = Background(x, y);
    formIndex_ = skin::formRegistry.Append(std::move(record));
    skin::SetPropValue(window_, skin::prop::kListIndex, formIndex_);
    horizontalScrolls_ = 0;
    ::SetCursorPos(2, 2);  // away from the form
    PumpMessages(20);
}

ControlTestForm::~ControlTestForm() {
    ::DestroyWindow(window_);
    skin::formRegistry.Remove(skin::FindFormByWindow(window_));
    PumpMessages(10);
}

skin::FormRecord& ControlTestForm::Record() { return skin::formRegistry[formIndex_]; }

void ControlTestForm::Register(HWND control, std::int32_t index, WNDPROC procedure, WNDPROC& previous) {
    skin::SetPropValue(control, skin::prop::kFormIndex, formIndex_);
    skin::SetPropValue(control, skin::prop::kListIndex, index);
    previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(control, GWLP_WNDPROC));
    skin::SetPropValue(control, skin::prop::kPreviousProc, reinterpret_cast<std::intptr_t>(previous));
    skin::Subclass(control, procedure);
}

HWND ControlTestForm::AddPanel(int x, int y, int w, int h) {
    return CreateChild(L"Static", WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, 0, x, y, w, h, window_, nextId_++);
}

HWND ControlTestForm::AddSlider(DWORD style, int x, int y, int w, int h) {
    HWND slider = CreateChild(TRACKBAR_CLASSW, WS_VISIBLE | style, 0, x, y, w, h, window_, nextId_++);
    skin::FormRecord& form = Record();
    const std::int32_t index = form.sliders.Take();
    skin::SliderRecord& record = form.sliders[index];
    record.window = slider;
    record.vertical = (style & TBS_VERT) != 0;
    record.tickPlacement = (style & TBS_NOTICKS) ? 3 : (style & TBS_TOP) ? 0 : (style & TBS_BOTH) ? 2 : 1;
    record.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
    Register(slider, index, skin::SliderProc, record.previousProc);
    return slider;
}

skin::SliderRecord& ControlTestForm::SliderOf(HWND slider) {
    return Record().sliders[skin::GetPropInt(slider, skin::prop::kListIndex)];
}

HWND ControlTestForm::AddEdit(DWORD style, DWORD exStyle, int x, int y, int w, int h, HWND parent) {
    HWND edit = CreateChild(L"Edit", style, exStyle, x, y, w, h, parent ? parent : window_, nextId_++);
    skin::FormRecord& form = Record();
    const std::int32_t index = form.edits.Take();
    form.edits[index].window = edit;
    const bool visible = (style & WS_VISIBLE) != 0;
    // The strip finds its owner's record through the owner's properties.
    skin::SetPropValue(edit, skin::prop::kFormIndex, formIndex_);
    skin::SetPropValue(edit, skin::prop::kListIndex, index);
    if (style & WS_VSCROLL) form.edits[index].vStrip = skin::CreateScrollStrip(edit, true, visible);
    if (style & WS_HSCROLL) form.edits[index].hStrip = skin::CreateScrollStrip(edit, false, visible);
    Register(edit, index, skin::EditProc, form.edits[index].previousProc);
    skin::SetPropValue(edit, skin::prop::kTextColor, 0);
    skin::SetPropValue(edit, skin::prop::kDisabledTextColor, 0x00606060);
    return edit;
}

skin::EditRecord& ControlTestForm::EditOf(HWND edit) {
    return Record().edits[skin::GetPropInt(edit, skin::prop::kListIndex)];
}

HWND ControlTestForm::AddComboBox(DWORD style, int x, int y, int w, int h) {
    HWND combo = CreateChild(L"ComboBox", WS_VISIBLE | style, 0, x, y, w, h, window_, nextId_++);
    skin::FormRecord& form = Record();
    const std::int32_t index = form.comboBoxes.Take();
    form.comboBoxes[index].window = combo;
    Register(combo, index, skin::ComboProc, form.comboBoxes[index].previousProc);
    return combo;
}

HWND ControlTestForm::AddProgressBar(DWORD style, int x, int y, int w, int h) {
    HWND bar = CreateChild(PROGRESS_CLASSW, style, 0, x, y, w, h, window_, nextId_++);
    skin::FormRecord& form = Record();
    const std::int32_t index = form.progressBars.Take();
    skin::ProgressRecord& record = form.progressBars[index];
    record.window = bar;
    record.vertical = (style & PBS_VERTICAL) != 0;
    record.barColor = skin::skinDefaults.themeColor;
    Register(bar, index, skin::ProgressProc, record.previousProc);
    return bar;
}

GxArgb ControlTestForm::Background(int x, int y) {
    const GxArgb v = static_cast<GxArgb>(40 + (x + 2 * y) % 160);
    return 0xFF000000u | v << 16 | v << 8 | v;
}

void ControlTestForm::FillFrameCopy(GxArgb color) {
    skin::MemorySurface& copy = *Record().frameCopy;
    std::fill(copy.Pixels(), copy.Pixels() + copy.Width() * copy.Height(), color);
}

Pixels ControlTestForm::WindowPixels(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    HDC dc = ::GetWindowDC(window);
    Pixels out = ReadDc(dc, r.right - r.left, r.bottom - r.top);
    ::ReleaseDC(window, dc);
    return out;
}

Pixels ControlTestForm::FrameCopyPixels(HWND window) {
    const RECT r = skin::WindowRectInForm(window);
    const skin::MemorySurface& copy = *Record().frameCopy;
    Pixels out(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.At(x, y) = 0xFF000000u | (copy.PixelAt(r.left + x, r.top + y) & 0x00FFFFFF);
    return out;
}

LRESULT CALLBACK ControlTestForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL: ++horizontalScrolls_; return 0;
        case WM_ERASEBKGND: return 1;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

POINT ScreenPointOf(HWND window, int x, int y) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.left + x, r.top + y};
}

LPARAM PackScreen(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

void ClickAt(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    PumpMessages(20);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpMessages(100);
}

}  // namespace pelorin::test
