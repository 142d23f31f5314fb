#pragma once
// The main window: created from the layout table, its controls' events
// routed to the feature handlers (presets, slots, playback controls, music
// list, window options). It is the board the features act on, and it owns
// the broadcast settings (devices and global hotkeys).

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string>

#include "app/audio/system_volume.h"
#include "app/board.h"
#include "app/broadcast/broadcast.h"
#include "app/layout.h"
#include "app/services/dialogs.h"
#include "app/window_base.h"
#include "base/handle.h"
#include "skin/pictures/tip_window.h"

namespace pelorin {

class MainWindow : public WindowBase<MainWindow>, public Board {
public:
    struct Options {
        // Folder of the data files ("Data.ini", "config.txt", "tp", "yinxiao");
        // the program passes its own directory, tests a folder of their own.
        std::wstring programDirectory;
        // Post WM_QUIT when the window is destroyed (the program's main window).
        bool quitOnDestroy = true;
    };

    // Loads the window: creates it and its controls, runs the created event
    // (OnMainWindowCreated) and shows it. Null if the window cannot be made.
    static std::unique_ptr<MainWindow> Load(HINSTANCE instance, Options options);
    ~MainWindow();

    // The board.
    HWND Window() const override { return Handle(); }
    HWND Control(ControlId id) const override;
    const std::wstring& ProgramDirectory() const override { return options_.programDirectory; }
    runtime::FileDialog& SlotDialog(int slot) override { return slotDialogs_.at(static_cast<size_t>(slot - 1)); }
    runtime::FileDialog& AddSongDialog() override { return addSongDialog_; }
    TipWindow& SlotTip(int slot) override { return slotTips_.at(static_cast<size_t>(slot - 1)); }
    SystemVolume& Volume() override { return systemVolume_; }

    // Window state the handlers change.
    bool IsTopmost() const;
    int Height() const;
    void SetHeight(int height);
    // Flips between collapsed (271) and expanded (537); other heights stay.
    void ToggleExpanded();

    // The broadcast settings in force (read from "Data.ini" at start).
    Broadcast& Broadcasting() { return broadcast_; }
    const Broadcast& Broadcasting() const { return broadcast_; }
    // The "设置" dialog.
    void OpenSettings();
    // Fires an action as its hotkey does.
    void RunHotkeyAction(HotkeyAction action);

private:
    friend WindowBase<MainWindow>;

    explicit MainWindow(Options options);
    bool CreateControls();
    void OnMainWindowCreated();

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    void OnHScroll(HWND control);
    bool OnSetCursor(HWND over, int hitTest);
    void OnHotkey(int id);
    void OnDestroy();

    static LRESULT CALLBACK ForwardingGroupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SlotButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    Options options_;
    std::map<ControlId, HWND> controls_;
    UniqueFont font_;
    UniqueCursor cursor_;
    std::array<runtime::FileDialog, 4> slotDialogs_;
    std::array<TipWindow, 4> slotTips_;
    runtime::FileDialog addSongDialog_;
    SystemVolume systemVolume_;
    Broadcast broadcast_;
};

}  // namespace pelorin
