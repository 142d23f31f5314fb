#include "app/custom_slots.h"

#include "app/audio/playback.h"
#include "app/board.h"
#include "app/name_dialog.h"
#include "app/services/ini_file.h"
#include "app/services/storable_path.h"
#include "base/text.h"

namespace pelorin {
namespace {

struct Slot {
    ControlId button;
    const wchar_t* nameKey;
    const wchar_t* pathKey;
};

// Slot N's file dialog is the board's SlotDialog(N).
constexpr Slot kSlots[kSlotCount] = {
    {kButton13, L"按钮1", L"音乐1"},
    {kButton14, L"按钮2", L"音乐2"},
    {kButton15, L"按钮3", L"音乐3"},
    {kButton16, L"按钮4", L"音乐4"},
};

const Slot& SlotAt(int slot) { return kSlots[slot - 1]; }

constexpr const wchar_t* kUnstorableNameMessage = L"按钮名中含有无法保存的字符，请换一个名字。";
constexpr const wchar_t* kUnstorableFileMessage =
    L"Data.ini 中另一个按钮的名称或路径含有无法保存的字符，这次的设置没有保存。请先重新设置那个按钮。";
constexpr const wchar_t* kNoticeTitle = L"温馨提示";

}  // namespace

ControlId SlotButton(int slot) { return SlotAt(slot).button; }

int SlotOfButton(ControlId button) {
    for (int i = 0; i < kSlotCount; ++i)
        if (kSlots[i].button == button) return i + 1;
    return 0;
}

void RestoreSlots(Board& board) {
    const std::wstring ini = board.DataFile(kSlotFile);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        board.SetControlText(SlotAt(slot).button, runtime::ReadIni(ini, kSlotNameSection, SlotAt(slot).nameKey));
        // A path GBK cannot hold (from a file saved in another encoding) is
        // kept by its short form, as a chosen file would be.
        const std::wstring path = runtime::ReadIni(ini, kSlotPathSection, SlotAt(slot).pathKey);
        board.SlotDialog(slot).fileName = runtime::StorablePath(path).value_or(path);
        UpdateSlotTip(board, slot);
    }
}

void UpdateSlotTip(Board& board, int slot) {
    TipWindow& tip = board.SlotTip(slot);
    const bool empty = board.SlotDialog(slot).fileName.empty();
    if (!tip.GetTipHandle()) {
        if (!empty) return;
        tip.Create(board.Control(SlotAt(slot).button));
    }
    tip.DeleteTool(1);
    if (empty) tip.AddTool(std::nullopt, kEmptySlotTip, 1);
}

// The path is not tested first: an empty or stale one plays nothing.
void OnSlotClicked(Board& board, int slot) { PlayMp3(board.SlotDialog(slot).fileName); }

void OnSlotRightButton(Board& board, int slot) {
    const Slot& s = SlotAt(slot);
    runtime::FileDialog& dialog = board.SlotDialog(slot);
    const std::wstring previousPath = dialog.fileName;

    board.SetTopmost(false);
    dialog.filter = kSlotFilter;
    // Cancelling keeps the previous path; the name is asked for either way.
    if (dialog.Open(board.Window())) {
        if (auto storable = runtime::StorablePath(dialog.fileName)) {
            dialog.fileName = *storable;
        } else {
            dialog.fileName = previousPath;
            runtime::MessageBox(board.Window(), runtime::kUnstorablePathMessage, MB_ICONERROR | MB_OK, kNoticeTitle);
            board.SetTopmost(board.IsChecked(kCheckBox2));
            return;
        }
    }

    const bool confirmed = ShowButtonNameDialog(board);
    // Closing the name dialog without 确认 leaves the slot as it was: caption,
    // path and both stored keys.
    if (!confirmed) {
        dialog.fileName = previousPath;
    } else {
        const std::wstring name = board.ControlText(kEdit1);
        if (!FitsGbk(name)) {
            dialog.fileName = previousPath;
            runtime::MessageBox(board.Window(), kUnstorableNameMessage, MB_ICONERROR | MB_OK, kNoticeTitle);
        } else {
            // Both keys in one replacement of the file.
            const runtime::IniEntry entries[] = {{kSlotNameSection, s.nameKey, name},
                                                 {kSlotPathSection, s.pathKey, dialog.fileName}};
            if (runtime::WriteIni(board.DataFile(kSlotFile), entries) == runtime::IniWriteResult::Unstorable) {
                dialog.fileName = previousPath;
                runtime::MessageBox(board.Window(), kUnstorableFileMessage, MB_ICONERROR | MB_OK, kNoticeTitle);
            } else {
                board.SetControlText(s.button, name);
            }
        }
    }
    UpdateSlotTip(board, slot);
    board.SetTopmost(board.IsChecked(kCheckBox2));
}

}  // namespace pelorin
