#include "skin/pictures/tip_window.h"

#include <commctrl.h>

namespace pelorin {

void TipWindow::Create(HWND owner, bool balloon) {
    owner_ = owner;
    DWORD style = TTS_ALWAYSTIP;
    if (balloon) style |= TTS_BALLOON;
    tip_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr));
    SetMaxTipWidth(kMaxTipWidth);
}

// The first-version record: every comctl32 version accepts it.
TOOLINFOW TipWindow::ToolRecord(UINT_PTR id) const {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = id;
    return info;
}

LRESULT TipWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tip_) return 0;  // Create failed or was never called: nothing to talk to
    return ::SendMessageW(tip_.Get(), message, wParam, lParam);
}

void TipWindow::AddTool(const std::optional<RECT>& rect, const std::wstring& text, UINT_PTR id) {
    TOOLINFOW info = ToolRecord(id);
    if (rect) {
        info.rect = *rect;
    } else {
        ::GetClientRect(owner_, &info.rect);
    }
    // The control copies the text; it never writes through this pointer.
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void TipWindow::AddCallbackTool(const RECT& rect, UINT_PTR id) {
    TOOLINFOW info = ToolRecord(id);
    info.rect = rect;
    info.lpszText = LPSTR_TEXTCALLBACKW;
    Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void TipWindow::SetTipBackColor(COLORREF colour) { Send(TTM_SETTIPBKCOLOR, colour, 0); }

void TipWindow::SetTipTextColor(COLORREF colour) { Send(TTM_SETTIPTEXTCOLOR, colour, 0); }

void TipWindow::SetMaxTipWidth(int width) { Send(TTM_SETMAXTIPWIDTH, 0, width); }

void TipWindow::DeleteTool(UINT_PTR id) {
    TOOLINFOW info = ToolRecord(id);
    Send(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

int TipWindow::GetToolCount() const { return static_cast<int>(Send(TTM_GETTOOLCOUNT, 0, 0)); }

void TipWindow::SetToolRect(UINT_PTR id, const RECT& rect) {
    TOOLINFOW info = ToolRecord(id);
    info.rect = rect;
    Send(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void TipWindow::UpdateTipText(UINT_PTR id, const std::wstring& text) {
    TOOLINFOW info = ToolRecord(id);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace pelorin
