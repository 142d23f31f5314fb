#include "app/name_dialog.h"

#include "app/main_window.h"
#include "app/services/dialogs.h"
#include "app/skin_setup.h"

namespace pelorin {
namespace {

struct NameDialogState {
    MainWindow* main;
    bool confirmed = false;
};

struct DialogControl {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    int left, top, width, height;
    const wchar_t* caption;
};

constexpr DialogControl kDialogControls[] = {
    {kNameDialogLabelId, L"STATIC", SS_LEFT, 8, 37, 40, 24, L"按钮名："},
    {kNameDialogEditId, L"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 54, 38, 248, 20, L""},
    {kNameDialogConfirmId, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 222, 77, 80, 32, L"确认"},
};

BOOL CALLBACK FindNameEdit(HWND child, LPARAM found) {
    if (::GetDlgCtrlID(child) != kNameDialogEditId) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

void OnConfirm(HWND dialog, NameDialogState& state) {
    HWND edit = NameDialogEdit(dialog);
    std::wstring name(static_cast<size_t>(::GetWindowTextLengthW(edit)) + 1, L'\0');
    name.resize(static_cast<size_t>(::GetWindowTextW(edit, name.data(), static_cast<int>(name.size()))));
    state.main->SetControlText(kEdit1, name);
    state.confirmed = true;
    runtime::CloseWindow(dialog);
}

void OnCreate(HWND dialog, NameDialogState& state) {
    // The same font as the main window's controls.
    auto font = reinterpret_cast<HFONT>(::SendMessageW(state.main->Control(kEdit1), WM_GETFONT, 0, 0));
    for (const DialogControl& c : kDialogControls) {
        HWND control = ::CreateWindowExW(0, c.windowClass, c.caption, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top,
                                         c.width, c.height, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                         ::GetModuleHandleW(nullptr), nullptr);
        if (font) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SkinHookD(dialog, state.main->ProgramDirectory());
}

LRESULT CALLBACK NameDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* state = reinterpret_cast<NameDialogState*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_CREATE:
            if (state) OnCreate(hwnd, *state);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wp) == kNameDialogConfirmId && state) OnConfirm(hwnd, *state);
            return 0;
        case WM_SETFOCUS:
            // The dialog is there to type a name: the keyboard goes to the
            // name box whenever the dialog is activated.
            ::SetFocus(NameDialogEdit(hwnd));
            return 0;
        case WM_CLOSE: ::DestroyWindow(hwnd); return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND NameDialogEdit(HWND dialog) {
    HWND edit = nullptr;
    ::EnumChildWindows(dialog, &FindNameEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

bool ShowButtonNameDialog(MainWindow& window) {
    runtime::RegisterDialogClass(kNameDialogClass, &NameDialogProc);
    NameDialogState state{&window};
    runtime::LoadWindowModal(window.Handle(), [&](HWND owner) {
        RECT r{};
        ::GetWindowRect(owner, &r);
        const int left = r.left + ((r.right - r.left) - kNameDialogWidth) / 2;
        const int top = r.top + 60;
        // Owned by the main window, so it stays above it; empty title.
        return ::CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kNameDialogClass, L"",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU, left, top, kNameDialogWidth, kNameDialogHeight,
                                 owner, nullptr, ::GetModuleHandleW(nullptr), &state);
    });
    return state.confirmed;
}

}  // namespace pelorin
