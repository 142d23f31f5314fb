#include "list_test_form.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/windows/apply_skin.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinListTestForm";

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

std::vector<TestColumn> MusicListColumns() { return {{L"序", 50}, {L"歌曲名", 150}, {L"路径", 140}}; }

ListTestForm::ListTestForm() {
    savedEnabled_ = skin::skinDefaults.skinControlsEnabled;
    skin::skinDefaults.skinControlsEnabled = 1;
    RegisterFormClass(FormProc);
    window_ = ::CreateWindowExW(0, kFormClass, L"list test form", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, kLeft, kTop,
                                kWidth, kHeight, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    auto record = std::make_unique<skin::FormRecord>();
    record->window = window_;
    record->frameBuffer = skin::MemorySurface::Create(kWidth, kHeight);
    record->frameCopy = skin::MemorySurface::Create(kWidth, kHeight);
    std::fill_n(record->frameBuffer->Pixels(), kWidth * kHeight, kBackground);
    std::fill_n(record->frameCopy->Pixels(), kWidth * kHeight, 0xFF000000u);
    formIndex_ = skin::formRegistry.Append(std::move(record));
    skin::SetPropValue(window_, skin::prop::kListIndex, formIndex_);
    font_.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
    ::SetCursorPos(2, 2);  // away from the form
    PumpMessages(20);
}

ListTestForm::~ListTestForm() {
    ::DestroyWindow(window_);
    skin::formRegistry.Remove(skin::FindFormByWindow(window_));
    skin::skinDefaults.skinControlsEnabled = savedEnabled_;
    PumpMessages(10);
}

skin::FormRecord& ListTestForm::Record() { return skin::formRegistry[formIndex_]; }

HWND ListTestForm::AddListView(DWORD style, const std::vector<TestColumn>& columns, int rows, int x, int y, int w,
                               int h) {
    HWND list = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | style, x, y,
                                  w, h, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = columns[i].width;
        column.pszText = const_cast<wchar_t*>(columns[i].text.c_str());
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < rows; ++row) {
        std::wstring text = L"第" + std::to_wstring(row + 1) + L"首";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    PumpMessages(20);
    return list;
}

HWND ListTestForm::AddButton(int x, int y) {
    return ::CreateWindowExW(0, L"BUTTON", L"别处", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, 60, 24, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId_++)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

void ListTestForm::Attach() {
    skin::AttachListControls(formIndex_, window_);
    skin::AttachHeaders(formIndex_, window_);
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

skin::ListControlRecord& ListTestForm::ListOf(HWND control) {
    return Record().listControls[skin::GetPropInt(control, skin::prop::kListIndex)];
}

skin::HeaderRecord& ListTestForm::HeaderOf(HWND header) {
    return Record().listViews[skin::GetPropInt(header, skin::prop::kListIndex)];
}

Pixels ListTestForm::WindowPixels(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    HDC dc = ::GetWindowDC(window);
    Pixels out = ReadDc(dc, r.right - r.left, r.bottom - r.top);
    ::ReleaseDC(window, dc);
    return out;
}

SCROLLBARINFO ListTestForm::BarOf(HWND owner, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ::GetScrollBarInfo(owner, object, &info);
    return info;
}

LRESULT CALLBACK ListTestForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    return ::DefWindowProcW(window, message, wParam, lParam);
}

POINT ScreenPointOf(HWND window, int x, int y) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.left + x, r.top + y};
}

LPARAM PackScreen(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

void MoveTo(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    PumpMessages(30);
}

void ClickAt(POINT screen) {
    MoveTo(screen);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpMessages(100);
}

}  // namespace pelorin::test
