#include "app/settings_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "app/audio/output_devices.h"
#include "app/broadcast/hotkey_text.h"
#include "app/board.h"
#include "app/broadcast/broadcast.h"
#include "app/child_controls.h"
#include "app/dialog_skin.h"
#include "app/layout.h"
#include "app/services/dialogs.h"
#include "app/window_base.h"

namespace pelorin {
namespace {

// One entry of a device list: what it shows and what it stores.
struct DeviceChoice {
    std::wstring text;
    std::wstring value;
};

struct SettingsDialogState {
    SettingsDialogState(Board& onBoard, Broadcast& inForce) : board(onBoard), broadcast(inForce) {}

    Board& board;
    Broadcast& broadcast;
    // The hotkeys as the dialog shows them; devices and volume are read from
    // their controls at 确认.
    BroadcastSettings proposed;
    std::vector<DeviceChoice> outputs;
    std::vector<DeviceChoice> monitors;
    bool saved = false;
};

constexpr DWORD kTab = WS_TABSTOP;
// The skin draws the title strip over the top 37 pixels; the controls start
// below it, as in the button-name dialog.
constexpr ChildControl kDialogControls[] = {
    {kSettingsOutputLabelId, L"STATIC", SS_LEFT, 12, 40, 74, 20, L"输出设备"},
    {kSettingsOutputComboId, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | kTab, 90, 38, 298, 200, L""},
    {kSettingsMonitorLabelId, L"STATIC", SS_LEFT, 12, 70, 74, 20, L"监听设备"},
    {kSettingsMonitorComboId, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | kTab, 90, 68, 298, 200, L""},
    {kSettingsVolumeLabelId, L"STATIC", SS_LEFT, 12, 100, 74, 20, L"监听音量"},
    {kSettingsVolumeSliderId, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | kTab, 90, 98, 252, 24, L""},
    {kSettingsVolumeValueId, L"STATIC", SS_LEFT, 350, 100, 38, 20, L""},
    {kSettingsHotkeyLabelId, L"STATIC", SS_LEFT, 12, 128, 120, 20, L"快捷键"},
    {kSettingsHotkeyListId, WC_LISTVIEWW,
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER | kTab, 12, 150, 376, 198, L""},
    {kSettingsHotkeyEditId, HOTKEY_CLASSW, kTab, 15, 359, 184, 22, L""},
    {kSettingsAssignId, L"BUTTON", BS_PUSHBUTTON | kTab, 214, 356, 84, 28, L"设定"},
    {kSettingsClearId, L"BUTTON", BS_PUSHBUTTON | kTab, 304, 356, 84, 28, L"清除"},
    {kSettingsMessageId, L"STATIC", SS_LEFT, 12, 392, 376, 32, L""},
    {kSettingsConfirmId, L"BUTTON", BS_DEFPUSHBUTTON | kTab, 218, 430, 80, 32, L"确认"},
    {kSettingsCancelId, L"BUTTON", BS_PUSHBUTTON | kTab, 308, 430, 80, 32, L"取消"},
};

constexpr int kActionColumnWidth = 150;
constexpr int kKeyColumnWidth = 200;

// The preset buttons by their number: Preset1 is 按钮1 (kButton1), and so on.
constexpr std::array<ControlId, 12> kPresetButtons = {kButton1, kButton2, kButton3, kButton4,  kButton5,  kButton6,
                                                      kButton7, kButton8, kButton9, kButton10, kButton11, kButton12};
constexpr std::array<ControlId, 4> kSlotButtons = {kButton13, kButton14, kButton15, kButton16};
constexpr int kFirstSlotAction = static_cast<int>(HotkeyAction::Slot1);

BOOL CALLBACK FindControl(HWND child, LPARAM lp) {
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(lp);
    if (::GetDlgCtrlID(child) != search->first) return TRUE;
    search->second = child;
    return FALSE;
}

// What the list shows for an action.
std::wstring ActionCaption(const Board& board, HotkeyAction action) {
    const int index = static_cast<int>(action);
    if (index < kFirstSlotAction) {
        const ControlLayout* layout = FindLayout(kPresetButtons[static_cast<size_t>(index)]);
        return layout && layout->caption ? layout->caption : HotkeyKeyName(action);
    }
    if (action < HotkeyAction::Play) {
        const int slot = index - kFirstSlotAction;
        std::wstring caption = board.ControlText(kSlotButtons[static_cast<size_t>(slot)]);
        return caption.empty() ? L"自定义" + std::to_wstring(slot + 1) : caption;
    }
    switch (action) {
        case HotkeyAction::Play: return L"播放";
        case HotkeyAction::Pause: return L"暂停";
        default: return L"停止";
    }
}

// A device list: the fixed entries, every present device, and the stored
// device at the end when it is not present now (shown as missing, kept as
// it is stored). `selected` is the stored device's entry.
std::vector<DeviceChoice> DeviceChoices(const std::vector<std::wstring>& present, const std::wstring& stored,
                                        bool withNone, size_t& selected) {
    std::vector<DeviceChoice> choices;
    if (withNone) choices.push_back({kNoMonitorChoice, L""});
    choices.push_back({kDefaultDeviceName, kDefaultDeviceName});
    for (const std::wstring& name : present) choices.push_back({name, name});
    // An output names always some device: none stored means the default.
    const std::wstring wanted = !withNone && stored.empty() ? std::wstring(kDefaultDeviceName) : stored;
    const auto known =
        std::find_if(choices.begin(), choices.end(), [&](const DeviceChoice& c) { return c.value == wanted; });
    if (known == choices.end()) {
        choices.push_back({wanted + kMissingDeviceMark, wanted});
        selected = choices.size() - 1;
    } else {
        selected = static_cast<size_t>(known - choices.begin());
    }
    return choices;
}

void FillCombo(HWND combo, const std::vector<DeviceChoice>& choices, size_t selected) {
    for (const DeviceChoice& c : choices)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.text.c_str()));
    ::SendMessageW(combo, CB_SETCURSEL, selected, 0);
}

std::wstring ChosenDevice(HWND combo, const std::vector<DeviceChoice>& choices) {
    const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<size_t>(index) >= choices.size()) return choices.front().value;
    return choices[static_cast<size_t>(index)].value;
}

// The key column: the key by its name, marked when another program holds
// the key the program runs with now, or the raw stored text when it names
// no key.
std::wstring KeyText(const Broadcast& broadcast, HotkeyAction action, const std::wstring& stored) {
    if (stored.empty()) return {};
    const std::optional<Hotkey> hotkey = ParseHotkey(stored);
    if (!hotkey) return stored + kUnreadableMark;
    const bool inForce = broadcast.Settings().hotkeys[static_cast<size_t>(action)] == stored;
    const bool taken = inForce && broadcast.Hotkeys().StateOf(action) == HotkeyState::Taken;
    return FormatHotkey(*hotkey) + (taken ? kTakenMark : L"");
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ShowRow(HWND dialog, const SettingsDialogState& state, int row) {
    const HotkeyAction action = HotkeyActionAt(row);
    SetCell(SettingsDialogControl(dialog, kSettingsHotkeyListId), row, 1,
            KeyText(state.broadcast, action, state.proposed.hotkeys[static_cast<size_t>(row)]));
}

void FillHotkeyList(HWND dialog, const SettingsDialogState& state) {
    const HWND list = SettingsDialogControl(dialog, kSettingsHotkeyListId);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const std::pair<const wchar_t*, int> columns[] = {{L"动作", kActionColumnWidth}, {L"快捷键", kKeyColumnWidth}};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i].first);
        column.cx = columns[i].second;
        column.iSubItem = i;
        ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < kHotkeyActionCount; ++row) {
        const std::wstring caption = ActionCaption(state.board, HotkeyActionAt(row));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(caption.c_str());
        ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        ShowRow(dialog, state, row);
    }
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ShowVolume(HWND dialog) {
    const LRESULT volume = ::SendMessageW(SettingsDialogControl(dialog, kSettingsVolumeSliderId), TBM_GETPOS, 0, 0);
    ::SetWindowTextW(SettingsDialogControl(dialog, kSettingsVolumeValueId), std::to_wstring(volume).c_str());
}

void ShowMessage(HWND dialog, const std::wstring& text) {
    ::SetWindowTextW(SettingsDialogControl(dialog, kSettingsMessageId), text.c_str());
}

int SelectedRow(HWND dialog) {
    return static_cast<int>(::SendMessageW(SettingsDialogControl(dialog, kSettingsHotkeyListId), LVM_GETNEXTITEM,
                                           static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// 设定: the hotkey control's key for the selected row, unless another row
// has it or another program holds it (the row then keeps its key).
void OnAssign(HWND dialog, SettingsDialogState& state) {
    const int row = SelectedRow(dialog);
    if (row < 0 || row >= kHotkeyActionCount) return ShowMessage(dialog, L"请先在列表中选一个动作。");
    const auto value =
        static_cast<WORD>(::SendMessageW(SettingsDialogControl(dialog, kSettingsHotkeyEditId), HKM_GETHOTKEY, 0, 0));
    const std::optional<Hotkey> hotkey = HotkeyFromControlValue(value);
    if (!hotkey) return ShowMessage(dialog, L"请先在快捷键框中按下要设定的键。");
    const std::wstring name = FormatHotkey(*hotkey);
    for (int other = 0; other < kHotkeyActionCount; ++other) {
        if (other == row) continue;
        const std::optional<Hotkey> held = ParseHotkey(state.proposed.hotkeys[static_cast<size_t>(other)]);
        if (held && *held == *hotkey)
            return ShowMessage(dialog, name + L" 已是“" + ActionCaption(state.board, HotkeyActionAt(other)) +
                                           L"”的快捷键，没有设定。");
    }
    if (!state.broadcast.Hotkeys().IsAvailable(*hotkey))
        return ShowMessage(dialog, name + kTakenMark + L"：另一个程序在使用这个键，没有设定。");
    state.proposed.hotkeys[static_cast<size_t>(row)] = name;
    ShowRow(dialog, state, row);
    ShowMessage(dialog, L"");
}

void OnClear(HWND dialog, SettingsDialogState& state) {
    const int row = SelectedRow(dialog);
    if (row < 0 || row >= kHotkeyActionCount) return ShowMessage(dialog, L"请先在列表中选一个动作。");
    state.proposed.hotkeys[static_cast<size_t>(row)].clear();
    ::SendMessageW(SettingsDialogControl(dialog, kSettingsHotkeyEditId), HKM_SETHOTKEY, 0, 0);
    ShowRow(dialog, state, row);
    ShowMessage(dialog, L"");
}

// A newly selected row puts its key into the hotkey control.
void OnRowSelected(HWND dialog, const SettingsDialogState& state, int row) {
    const std::optional<Hotkey> hotkey = ParseHotkey(state.proposed.hotkeys[static_cast<size_t>(row)]);
    ::SendMessageW(SettingsDialogControl(dialog, kSettingsHotkeyEditId), HKM_SETHOTKEY,
                   hotkey ? HotkeyToControlValue(*hotkey) : 0, 0);
}

std::wstring NotSavedText(runtime::IniWriteResult result) {
    return result == runtime::IniWriteResult::Unstorable ? L"设置中含有无法保存的字符，没有保存。"
                                                         : L"设置没有保存：Data.ini 无法写入。";
}

void OnConfirm(HWND dialog, SettingsDialogState& state) {
    BroadcastSettings proposed = state.proposed;
    proposed.outputDevice = ChosenDevice(SettingsDialogControl(dialog, kSettingsOutputComboId), state.outputs);
    proposed.monitorDevice = ChosenDevice(SettingsDialogControl(dialog, kSettingsMonitorComboId), state.monitors);
    proposed.monitorVolume =
        static_cast<int>(::SendMessageW(SettingsDialogControl(dialog, kSettingsVolumeSliderId), TBM_GETPOS, 0, 0));
    const Broadcast::SettingsChange change = state.broadcast.Confirm(proposed);
    if (change.saved != runtime::IniWriteResult::Written) {
        // Nothing changed: the dialog stays, with the user's choices.
        runtime::MessageBox(dialog, NotSavedText(change.saved), MB_ICONERROR, kSettingsMessageTitle);
        return;
    }
    state.saved = true;
    if (!change.taken.empty()) {
        std::wstring actions;
        for (HotkeyAction action : change.taken)
            actions += (actions.empty() ? L"" : L"、") + ActionCaption(state.board, action);
        runtime::MessageBox(dialog, L"这些动作的快捷键已被其他程序占用，仍用原来的快捷键：" + actions, MB_ICONWARNING,
                            kSettingsMessageTitle);
    }
    runtime::CloseWindow(dialog);
}

void OnCreate(HWND dialog, SettingsDialogState& state) {
    // The same font as the main window's controls.
    auto font = reinterpret_cast<HFONT>(::SendMessageW(state.board.Control(kEdit1), WM_GETFONT, 0, 0));
    CreateChildControls(dialog, kDialogControls, font);
    const BroadcastSettings& current = state.broadcast.Settings();
    state.proposed = current;
    const std::vector<std::wstring> devices = OutputDeviceNames();
    size_t output = 0, monitor = 0;
    state.outputs = DeviceChoices(devices, current.outputDevice, false, output);
    state.monitors = DeviceChoices(devices, current.monitorDevice, true, monitor);
    FillCombo(SettingsDialogControl(dialog, kSettingsOutputComboId), state.outputs, output);
    FillCombo(SettingsDialogControl(dialog, kSettingsMonitorComboId), state.monitors, monitor);
    const HWND slider = SettingsDialogControl(dialog, kSettingsVolumeSliderId);
    ::SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, kMaxMonitorVolume));
    ::SendMessageW(slider, TBM_SETPAGESIZE, 0, 10);
    ::SendMessageW(slider, TBM_SETPOS, TRUE, std::clamp(current.monitorVolume, 0, kMaxMonitorVolume));
    ShowVolume(dialog);
    FillHotkeyList(dialog, state);
    OnRowSelected(dialog, state, 0);
    SkinDialog(dialog, state.board.ProgramDirectory(),
               {.glowingLabels = kSettingsLabelIds,
                .pictureSlider = kSettingsVolumeSliderId,
                .framedControl = kSettingsHotkeyEditId,
                .framedAfter = kSettingsHotkeyListId});
}

LRESULT OnNotify(HWND dialog, const SettingsDialogState& state, const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(kSettingsHotkeyListId) || header.code != LVN_ITEMCHANGED) return 0;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selectedNow = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (selectedNow && change.iItem >= 0 && change.iItem < kHotkeyActionCount)
        OnRowSelected(dialog, state, change.iItem);
    return 0;
}

void OnCommand(HWND dialog, SettingsDialogState& state, int id) {
    switch (id) {
        case kSettingsConfirmId: OnConfirm(dialog, state); break;
        case kSettingsCancelId: runtime::CloseWindow(dialog); break;
        case kSettingsAssignId: OnAssign(dialog, state); break;
        case kSettingsClearId: OnClear(dialog, state); break;
        default: break;
    }
}

// The dialog window; its handlers above act on its state.
class SettingsDialog : public WindowBase<SettingsDialog> {
public:
    SettingsDialog(Board& board, Broadcast& broadcast) : state_(board, broadcast) {}

    // Runs the dialog modally; true when 确认 saved the settings.
    bool Show() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_HOTKEY_CLASS | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&controls);
        RegisterClassOnce(runtime::DialogWindowClass(kSettingsDialogClass));
        runtime::LoadWindowModal(state_.board.Window(), [this](HWND owner) {
            const POINT at = PlaceOverOwner(owner, kSettingsDialogWidth, 40);
            // Owned by the board's window, so it stays above it.
            return CreateBound(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kSettingsDialogClass, kSettingsDialogTitle,
                               WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               {at.x, at.y, at.x + kSettingsDialogWidth, at.y + kSettingsDialogHeight}, owner,
                               ::GetModuleHandleW(nullptr));
        });
        return state_.saved;
    }

private:
    friend WindowBase<SettingsDialog>;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
        switch (msg) {
            case WM_CREATE: OnCreate(Handle(), state_); return 0;
            case WM_COMMAND: OnCommand(Handle(), state_, LOWORD(wp)); return 0;
            case WM_NOTIFY: return OnNotify(Handle(), state_, *reinterpret_cast<const NMHDR*>(lp));
            case WM_HSCROLL: OnHScroll(reinterpret_cast<HWND>(lp)); return 0;
            case DM_GETDEFID: return MAKELRESULT(kSettingsConfirmId, DC_HASDEFID);  // Enter = 确认
            case WM_SETFOCUS: ::SetFocus(SettingsDialogControl(Handle(), kSettingsOutputComboId)); return 0;
            case WM_CLOSE: ::DestroyWindow(Handle()); return 0;
        }
        return DefaultProc(msg, wp, lp);
    }

    void OnHScroll(HWND control) {
        if (control == SettingsDialogControl(Handle(), kSettingsVolumeSliderId)) ShowVolume(Handle());
    }

    SettingsDialogState state_;
};

}  // namespace

HWND SettingsDialogControl(HWND dialog, int id) {
    std::pair<int, HWND> search{id, nullptr};
    ::EnumChildWindows(dialog, &FindControl, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

bool ShowSettingsDialog(Board& board, Broadcast& broadcast) { return SettingsDialog(board, broadcast).Show(); }

}  // namespace pelorin
