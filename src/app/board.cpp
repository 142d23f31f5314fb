#include "app/board.h"

namespace pelorin {

std::wstring Board::ControlText(ControlId id) const {
    HWND control = Control(id);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Board::SetControlText(ControlId id, const std::wstring& text) { ::SetWindowTextW(Control(id), text.c_str()); }

bool Board::IsChecked(ControlId id) const { return ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Board::SetTopmost(bool topmost) {
    ::SetWindowPos(Window(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace pelorin
