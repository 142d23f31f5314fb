// Global hotkeys: real key presses through SendInput while another window
// has the focus, heard in the captured output; keys other programs hold;
// restarts; stored texts that are no hotkey.
#include "app_fixture.h"

#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/broadcast/broadcast_settings.h"
#include "app/services/ini_file.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

// Presses modifiers and a key and lets them go, as the keyboard does.
void PressKeys(std::initializer_list<WORD> modifiers, WORD key) {
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD m : modifiers) add(m, false);
    add(key, false);
    add(key, true);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) add(*it, true);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A plain top-level window standing for another program in the foreground.
class OtherWindow {
public:
    OtherWindow() {
        hwnd_ = ::CreateWindowExW(0, L"EDIT", L"另一个程序", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 500, 300, 100,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetForegroundWindow(hwnd_);
        ::SetFocus(hwnd_);
        PumpMessages(50);
    }
    ~OtherWindow() { ::DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

class GlobalHotkeyTest : public MainWindowTest {
protected:
    void TearDown() override {
        MainWindowTest::TearDown();
        ShutdownPlayback();
    }
    void StoreKeys(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> keys) {
        std::vector<runtime::IniEntry> entries;
        for (const auto& [name, text] : keys) entries.push_back({L"快捷键", name, text});
        ASSERT_EQ(runtime::WriteIni(Data(L"Data.ini"), entries), runtime::IniWriteResult::Written);
    }
    PcmSound Decoded(const std::wstring& presetFile) {
        std::optional<PcmSound> sound = DecodeWhole(Data(L"yinxiao\\" + presetFile));
        EXPECT_TRUE(sound) << "cannot decode " << ToUtf8(presetFile);
        return sound.value_or(PcmSound{});
    }
};

TEST_F(GlobalHotkeyTest, KeysPressedInAnotherProgramPlayAndStop) {
    if (CapturePath().empty()) GTEST_SKIP() << "needs the harness's audio capture (scripts/test.sh)";
    ASSERT_TRUE(CopyPresets(dir.Path()));
    StoreKeys({{L"按钮1", L"Ctrl+Alt+F1"}, {L"按钮2", L"Ctrl+Alt+F2"}, {L"停止", L"Ctrl+Alt+F3"}});
    LoadWindow();
    for (HotkeyAction action : {HotkeyAction::Preset1, HotkeyAction::Preset2, HotkeyAction::Stop})
        ASSERT_EQ(window->Broadcasting().Hotkeys().StateOf(action), HotkeyState::Active);
    OtherWindow other;
    ASSERT_EQ(::GetForegroundWindow(), other.Handle());

    // 按钮2 (敲锣声音) plays whole.
    const PcmSound gong = Decoded(L"敲锣声音.mp3");
    PressKeys({VK_CONTROL, VK_MENU}, VK_F2);
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().playsStarted >= 1; }, 3000)) << "the hotkey played nothing";
    ASSERT_TRUE(WaitUntilPlayed());
    Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, gong), gong));
    EXPECT_EQ(::GetForegroundWindow(), other.Handle()) << "the program took the focus";

    // 按钮1 (群众笑声, long) starts; 停止 ends it well before its end.
    const PcmSound laughter = Decoded(L"群众笑声.mp3");
    const size_t before = ReadCapture().size();
    PressKeys({VK_CONTROL, VK_MENU}, VK_F1);
    const size_t quarter = static_cast<size_t>(laughter.format.sampleRate * laughter.format.channels / 4);
    ASSERT_TRUE(WaitForCapture(before + quarter));
    PressKeys({VK_CONTROL, VK_MENU}, VK_F3);
    // The hotkey arrives as a message: pumped here as the program's loop would.
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Idle; }, 3000))
        << "停止 did not stop the sound";
    ASSERT_TRUE(WaitUntilPlayed(3000));
    capture = ReadCapture();
    EXPECT_LT(capture.size() - before, laughter.samples.size() / 2) << "the sound played on after 停止";
    EXPECT_NE(FirstAudible(capture, before), kNone);
}

TEST_F(GlobalHotkeyTest, KeyHeldByAnotherProgramIsTakenAndNotStored) {
    OtherWindow other;
    ASSERT_TRUE(::RegisterHotKey(other.Handle(), 1, MOD_CONTROL | MOD_ALT, VK_F5));
    StoreKeys({{L"按钮1", L"Ctrl+Alt+F5"}, {L"按钮2", L"Ctrl+Alt+F6"}});
    LoadWindow();
    // At start: shown as taken, kept in the file (the other program may end).
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset1), HotkeyState::Taken);
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset2), HotkeyState::Active);
    EXPECT_EQ(window->Broadcasting().Settings().hotkeys[0], L"Ctrl+Alt+F5");
    EXPECT_FALSE(window->Broadcasting().Hotkeys().IsAvailable(Hotkey{MOD_CONTROL | MOD_ALT, VK_F5}));
    EXPECT_TRUE(window->Broadcasting().Hotkeys().IsAvailable(Hotkey{MOD_CONTROL | MOD_ALT, VK_F6}))
        << "its own key is available";

    // A new key another program holds is reported and not stored: the action keeps its old key.
    BroadcastSettings proposed = window->Broadcasting().Settings();
    proposed.hotkeys[1] = L"Ctrl+Alt+F5";
    proposed.hotkeys[2] = L"Ctrl+Alt+F8";
    const auto change = window->Broadcasting().Confirm(proposed);
    ASSERT_EQ(change.saved, runtime::IniWriteResult::Written);
    ASSERT_EQ(change.taken.size(), 1u);
    EXPECT_EQ(change.taken[0], HotkeyAction::Preset2);
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"快捷键", L"按钮2"), L"Ctrl+Alt+F6");
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"快捷键", L"按钮3"), L"Ctrl+Alt+F8");
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"快捷键", L"按钮1"), L"Ctrl+Alt+F5");
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset2), HotkeyState::Active);
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset3), HotkeyState::Active);
    ::UnregisterHotKey(other.Handle(), 1);
}

TEST_F(GlobalHotkeyTest, RestartRestoresEveryKeyAndUnreadableTextsAreKept) {
    std::vector<std::pair<std::wstring, std::wstring>> keys;
    for (int i = 0; i < kHotkeyActionCount; ++i)
        keys.emplace_back(HotkeyKeyName(HotkeyActionAt(i)), L"Ctrl+Shift+" + std::wstring(1, L'A' + i));
    keys[5].second = L"Ctrl+香蕉";  // no hotkey: fires nothing, written back as it is
    std::vector<runtime::IniEntry> entries;
    for (const auto& [name, text] : keys) entries.push_back({L"快捷键", name, text});
    ASSERT_EQ(runtime::WriteIni(Data(L"Data.ini"), entries), runtime::IniWriteResult::Written);

    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run == 0 ? "first start" : "after a restart");
        LoadWindow();
        for (int i = 0; i < kHotkeyActionCount; ++i)
            EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyActionAt(i)),
                      i == 5 ? HotkeyState::Unreadable : HotkeyState::Active)
                << ToUtf8(keys[static_cast<size_t>(i)].first);
        EXPECT_EQ(window->Broadcasting().Settings().hotkeys[5], L"Ctrl+香蕉");
        // Saving other changes keeps the unreadable text.
        BroadcastSettings proposed = window->Broadcasting().Settings();
        proposed.monitorVolume = 60 + run;
        ASSERT_EQ(window->Broadcasting().Confirm(proposed).saved, runtime::IniWriteResult::Written);
        EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"快捷键", L"按钮6"), L"Ctrl+香蕉");
        window.reset();
        PumpMessages(20);
        // Closed, the program holds none of its keys.
        EXPECT_TRUE(::RegisterHotKey(nullptr, 90, MOD_CONTROL | MOD_SHIFT, 'A')) << "a key outlived the window";
        ::UnregisterHotKey(nullptr, 90);
    }
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"设置", L"监听音量"), L"61");
}

}  // namespace
}  // namespace pelorin::test
