#include "app/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include "app/audio/playback.h"
#include "app/child_controls.h"
#include "app/custom_slots.h"
#include "app/music_list.h"
#include "app/playback_controls.h"
#include "app/preset_sounds.h"
#include "app/resources/resource_ids.h"
#include "app/settings_dialog.h"
#include "app/skin_setup.h"
#include "app/startup_marks.h"
#include "app/subclass.h"
#include "app/window_options.h"

namespace pelorin {
namespace {

constexpr const wchar_t* kMainWindowClass = L"PelorinMainWindow";

struct KindClass {
    ControlKind kind;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

// How each kind of control of the layout is made.
constexpr KindClass kKindClasses[] = {
    {ControlKind::GroupBox, L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT},
    {ControlKind::Button, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ControlKind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {ControlKind::Slider, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | TBS_BOTH | WS_TABSTOP, 0},
    {ControlKind::ListView, WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {ControlKind::Edit, L"EDIT", ES_AUTOHSCROLL | WS_BORDER, 0},
    {ControlKind::Label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0},
};

const KindClass& ClassOf(ControlKind kind) {
    for (const auto& k : kKindClasses)
        if (k.kind == kind) return k;
    return kKindClasses[0];
}

WNDCLASSEXW MainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.hInstance = instance;
    wc.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconId));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    return wc;
}

}  // namespace

MainWindow::MainWindow(Options options) : options_(std::move(options)) {}

MainWindow::~MainWindow() {
    if (Handle() && ::IsWindow(Handle())) {
        options_.quitOnDestroy = false;
        ::DestroyWindow(Handle());
    }
}

std::unique_ptr<MainWindow> MainWindow::Load(HINSTANCE instance, Options options) {
    std::unique_ptr<MainWindow> window(new MainWindow(std::move(options)));
    RegisterClassOnce(MainWindowClass(instance));
    // Designed at 380 x 537; the created event collapses it before it is shown.
    // Its controls are made at WM_CREATE.
    const RECT designed{kDesignLeft, kDesignTop, kDesignLeft + kMainWindowWidth, kDesignTop + kExpandedHeight};
    HWND hwnd =
        window->CreateBound(WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, kMainWindowClass, kMainWindowTitle,
                            WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, designed, nullptr, instance);
    if (!hwnd) return nullptr;
    NoteStartup(StartupMark::ControlsCreated);
    window->OnMainWindowCreated();
    ::ShowWindow(hwnd, SW_SHOW);
    NoteStartup(StartupMark::Shown);
    ::UpdateWindow(hwnd);
    NoteStartup(StartupMark::FramePainted);
    return window;
}

LRESULT MainWindow::OnCreate() {
    if (CreateControls()) return 0;
    // The window is destroyed again at once: it is no program's main window yet.
    options_.quitOnDestroy = false;
    return -1;
}

bool MainWindow::CreateControls() {
    // 9-point 宋体, the font the captions are designed for.
    font_.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
    for (const ControlLayout& c : MainWindowLayout()) {
        const KindClass& kc = ClassOf(c.kind);
        HWND parent = c.parent == kNoControl ? Handle() : Control(c.parent);
        const std::wstring caption = c.caption ? c.caption : AboutText();
        const ChildControl child{c.id,    kc.windowClass, kc.style,        c.left,    c.top,
                                 c.width, c.height,       caption.c_str(), kc.exStyle};
        HWND control = CreateChildControl(parent, child, font_.Get());
        if (!control) return false;
        controls_[c.id] = control;
        if (c.kind == ControlKind::CheckBox) ::SendMessageW(control, BM_SETCHECK, c.checked ? BST_CHECKED : 0, 0);
        // A group box keeps its children's notifications to itself; forward
        // them so the main window's handlers see every control's events.
        if (c.kind == ControlKind::GroupBox) SubclassWindow(control, &MainWindow::ForwardingGroupProc);
    }
    runtime::ListView list = MusicList();
    ::SendMessageW(list.Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (const auto& column : kMusicListColumns) list.AddColumn(column.header, column.width);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        SubclassWindow(Control(SlotButton(slot)), &MainWindow::SlotButtonProc);
    return true;
}

void MainWindow::OnMainWindowCreated() {
    SkinHookA(ProgramDirectory());
    NoteStartup(StartupMark::FramesLoaded);
    SetTopmost(true);
    SetHeight(kCollapsedHeight);
    LoadMusicList(*this);
    RestoreSlots(*this);
    broadcast_.Restore(Handle(), DataFile(kSlotFile));
    cursor_.Reset(static_cast<HCURSOR>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramCursorId),
                                                    IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR)));
    NoteStartup(StartupMark::DataFilesRead);
    SkinHookB(*this, {[this] { ToggleExpanded(); }, [this] { OpenSettings(); }});
    NoteStartup(StartupMark::SkinApplied);
    SetUpVolume(*this);
}

HWND MainWindow::Control(ControlId id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

bool MainWindow::IsTopmost() const { return (::GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

int MainWindow::Height() const {
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

void MainWindow::SetHeight(int height) {
    RECT r{};
    ::GetWindowRect(Handle(), &r);
    ::SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ToggleExpanded() {
    const int height = Height();
    if (height == kCollapsedHeight) {
        SetHeight(kExpandedHeight);
    } else if (height == kExpandedHeight) {
        SetHeight(kCollapsedHeight);
    }
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: return OnCreate();
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
        case WM_HSCROLL: OnHScroll(reinterpret_cast<HWND>(lp)); return 0;
        case WM_HOTKEY: OnHotkey(static_cast<int>(wp)); return 0;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp))) return TRUE;
            break;
        case WM_CLOSE: ::DestroyWindow(Handle()); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefaultProc(msg, wp, lp);
}

void MainWindow::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    // Esc, as the message loop's IsDialogMessage turns it into IDCANCEL.
    if (id == IDCANCEL) {
        RunHotkeyAction(HotkeyAction::Stop);
        return;
    }
    const auto control = static_cast<ControlId>(id);
    switch (control) {
        case kButton17: OnResumeClicked(); return;
        case kButton18: OnPauseClicked(); return;
        case kCheckBox1: OnMuteClicked(*this); return;
        case kCheckBox2: OnTopmostClicked(*this); return;
        case kButton19: OnAddSongClicked(*this); return;
        case kButton20: OnDeleteSongClicked(*this); return;
        case kButton21: runtime::OpenUrl(FeedbackUrl()); return;
        default: break;
    }
    if (OnPresetClicked(ProgramDirectory(), control)) return;
    if (int slot = SlotOfButton(control)) OnSlotClicked(*this, slot);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.idFrom != kMusicList) return 0;
    switch (header.code) {
        case NM_DBLCLK: OnMusicListDoubleClicked(*this); return 0;
        // Nothing is kept per row: a list emptied at once (the window closing)
        // need not report each of its rows, which with a long list and the
        // skin's procedures on the way took over a minute.
        case LVN_DELETEALLITEMS: return TRUE;
        default: return 0;
    }
}

void MainWindow::OnHScroll(HWND control) {
    if (control == Control(kSlider1)) OnSliderMoved(*this);
}

bool MainWindow::OnSetCursor(HWND over, int hitTest) {
    if (!cursor_ || over != Handle() || hitTest != HTCLIENT) return false;
    ::SetCursor(cursor_.Get());
    return true;
}

void MainWindow::OnDestroy() {
    broadcast_.UnregisterHotkeys();
    if (options_.quitOnDestroy) ::PostQuitMessage(0);
}

void MainWindow::OpenSettings() { ShowSettingsDialog(*this, broadcast_); }

void MainWindow::OnHotkey(int id) {
    if (const std::optional<HotkeyAction> action = GlobalHotkeys::ActionOfId(id)) RunHotkeyAction(*action);
}

void MainWindow::RunHotkeyAction(HotkeyAction action) {
    // The presets in the order of their names "按钮1" ... "按钮12".
    constexpr ControlId kPresetButtons[] = {kButton1, kButton2, kButton3, kButton4,  kButton5,  kButton6,
                                            kButton7, kButton8, kButton9, kButton10, kButton11, kButton12};
    const int index = static_cast<int>(action);
    if (index <= static_cast<int>(HotkeyAction::Preset12)) {
        OnPresetClicked(ProgramDirectory(), kPresetButtons[index]);
        return;
    }
    switch (action) {
        case HotkeyAction::Slot1:
        case HotkeyAction::Slot2:
        case HotkeyAction::Slot3:
        case HotkeyAction::Slot4: OnSlotClicked(*this, index - static_cast<int>(HotkeyAction::Slot1) + 1); return;
        case HotkeyAction::Play: OnResumeClicked(); return;
        case HotkeyAction::Pause: OnPauseClicked(); return;
        case HotkeyAction::Stop: StopMp3(); return;
        default: return;
    }
}

LRESULT CALLBACK MainWindow::ForwardingGroupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT: return ::SendMessageW(::GetAncestor(hwnd, GA_ROOT), msg, wp, lp);
        case WM_ERASEBKGND: {
            // Children ask their parent to paint what lies behind them.
            RECT r{};
            ::GetClientRect(hwnd, &r);
            ::FillRect(reinterpret_cast<HDC>(wp), &r, ::GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
    }
    return CallKeptProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK MainWindow::SlotButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_RBUTTONDOWN) {
        HWND top = ::GetAncestor(hwnd, GA_ROOT);
        if (MainWindow* self = FromHandle(top))
            OnSlotRightButton(*self, SlotOfButton(static_cast<ControlId>(::GetDlgCtrlID(hwnd))));
        return 0;
    }
    return CallKeptProc(hwnd, msg, wp, lp);
}

}  // namespace pelorin
