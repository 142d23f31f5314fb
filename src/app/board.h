#pragma once
// The sound board as its features see it: the controls of the main window by
// their layout identifiers, the components of the layout that are no windows
// (file dialogs, tooltips, the volume control) and the folder of the data
// files. The main window is the board; the features (slots, music list,
// playback controls, window options, the dialogs) act through this much of it.

#include <windows.h>

#include <string>

#include "app/audio/system_volume.h"
#include "app/layout.h"
#include "app/services/dialogs.h"
#include "app/services/list_view.h"
#include "skin/pictures/tip_window.h"

namespace pelorin {

class Board {
public:
    // The board's own window: the owner of the dialogs it opens.
    virtual HWND Window() const = 0;
    virtual HWND Control(ControlId id) const = 0;
    // Folder of the data files ("Data.ini", "config.txt", "tp", "yinxiao").
    virtual const std::wstring& ProgramDirectory() const = 0;

    // Slot N's file dialog (1 to 4), which also keeps the slot's file.
    virtual runtime::FileDialog& SlotDialog(int slot) = 0;
    virtual runtime::FileDialog& AddSongDialog() = 0;
    // The tooltip of a custom slot's button.
    virtual TipWindow& SlotTip(int slot) = 0;
    virtual SystemVolume& Volume() = 0;

    // A data file beside the program: ProgramDirectory() + "\" + name.
    std::wstring DataFile(const std::wstring& name) const { return ProgramDirectory() + L"\\" + name; }
    runtime::ListView MusicList() const { return runtime::ListView(Control(kMusicList)); }
    std::wstring ControlText(ControlId id) const;
    void SetControlText(ControlId id, const std::wstring& text);
    bool IsChecked(ControlId id) const;
    // Keeps the board's window above all others or lets it go back.
    void SetTopmost(bool topmost);

protected:
    Board() = default;
    ~Board() = default;
    Board(const Board&) = default;
    Board& operator=(const Board&) = default;
};

}  // namespace pelorin
