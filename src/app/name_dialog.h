#pragma once
// The button-name dialog of a slot assignment: "按钮名：", an edit box and
// 确认, which carries the typed name into the main window's hidden 编辑框1.

#include <windows.h>

namespace pelorin {

class Board;

inline constexpr const wchar_t* kNameDialogClass = L"PelorinButtonNameDialog";
inline constexpr int kNameDialogWidth = 314;
inline constexpr int kNameDialogHeight = 119;
// Child identifiers of the dialog's controls (its 标签1, 编辑框1 and 按钮1).
inline constexpr int kNameDialogLabelId = 101;
inline constexpr int kNameDialogEditId = 102;
inline constexpr int kNameDialogConfirmId = IDOK;

// The dialog's name box. It may sit inside a frame drawn around it rather
// than directly in the dialog, so it is looked for among all descendants.
HWND NameDialogEdit(HWND dialog);

// Shows the dialog modally over the board's window. True when 确认 was
// pressed (the hidden 编辑框1 then holds the typed name), false when the
// dialog was closed otherwise (the hidden 编辑框1 is unchanged).
bool ShowButtonNameDialog(Board& board);

}  // namespace pelorin
