#include "app/name_dialog.h"

#include "app/board.h"
#include "app/child_controls.h"
#include "app/dialog_skin.h"
#include "app/services/dialogs.h"
#include "app/window_base.h"

namespace pelorin {
namespace {

constexpr ChildControl kDialogControls[] = {
    {kNameDialogLabelId, L"STATIC", SS_LEFT, 8, 37, 40, 24, L"按钮名："},
    {kNameDialogEditId, L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 54, 38, 248, 20, L""},
    {kNameDialogConfirmId, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 222, 77, 80, 32, L"确认"},
};

constexpr int kGlowingLabels[] = {kNameDialogLabelId};

BOOL CALLBACK FindNameEdit(HWND child, LPARAM found) {
    if (::GetDlgCtrlID(child) != kNameDialogEditId) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

class NameDialog : public WindowBase<NameDialog> {
public:
    explicit NameDialog(Board& board) : board_(board) {}

    // Runs the dialog modally; true when 确认 was pressed.
    bool Show() {
        RegisterClassOnce(runtime::DialogWindowClass(kNameDialogClass));
        runtime::LoadWindowModal(board_.Window(), [this](HWND owner) {
            const POINT at = PlaceOverOwner(owner, kNameDialogWidth, 60);
            // Owned by the board's window, so it stays above it; empty title.
            return CreateBound(
                WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kNameDialogClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                {at.x, at.y, at.x + kNameDialogWidth, at.y + kNameDialogHeight}, owner, ::GetModuleHandleW(nullptr));
        });
        return confirmed_;
    }

private:
    friend WindowBase<NameDialog>;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_CREATE: OnCreate(); return 0;
            case WM_COMMAND: OnCommand(LOWORD(wp)); return 0;
            case WM_SETFOCUS: OnSetFocus(); return 0;
            case WM_CLOSE: ::DestroyWindow(Handle()); return 0;
        }
        return DefaultProc(msg, wp, lp);
    }

    void OnCreate() {
        // The same font as the main window's controls.
        auto font = reinterpret_cast<HFONT>(::SendMessageW(board_.Control(kEdit1), WM_GETFONT, 0, 0));
        CreateChildControls(Handle(), kDialogControls, font);
        SkinDialog(Handle(), board_.ProgramDirectory(),
                   {.glowingLabels = kGlowingLabels, .framedControl = kNameDialogEditId, .blueText = true});
    }

    void OnCommand(int id) {
        if (id == kNameDialogConfirmId) OnConfirm();
    }

    void OnConfirm() {
        HWND edit = NameDialogEdit(Handle());
        std::wstring name(static_cast<size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
        name.resize(static_cast<size_t>(::GetWindowTextW(edit, name.data(), static_cast<int>(name.size()))));
        board_.SetControlText(kEdit1, name);
        confirmed_ = true;
        runtime::CloseWindow(Handle());
    }

    // The dialog is there to type a name: the keyboard goes to the name box
    // whenever the dialog is activated.
    void OnSetFocus() { ::SetFocus(NameDialogEdit(Handle())); }

    Board& board_;
    bool confirmed_ = false;
};

}  // namespace

HWND NameDialogEdit(HWND dialog) {
    HWND edit = nullptr;
    ::EnumChildWindows(dialog, &FindNameEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

bool ShowButtonNameDialog(Board& board) { return NameDialog(board).Show(); }

}  // namespace pelorin
