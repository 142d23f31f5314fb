// The broadcast settings in "Data.ini": hotkey texts, the two sections of
// their own, old files kept byte for byte, and a file that cannot be written.
#include "app_fixture.h"

#include "app/broadcast/broadcast_settings.h"
#include "app/broadcast/hotkey_text.h"
#include "app/services/ini_file.h"
#include "base/text.h"

namespace pelorin::test {
namespace {

TEST(HotkeyText, ReadsAndWritesTheStoredForm) {
    struct Case {
        const wchar_t* text;
        UINT modifiers;
        UINT key;
        const wchar_t* written;  // how it is stored again
    };
    const Case cases[] = {
        {L"Ctrl+Alt+F1", MOD_CONTROL | MOD_ALT, VK_F1, L"Ctrl+Alt+F1"},
        {L"alt + ctrl + f12", MOD_CONTROL | MOD_ALT, VK_F12, L"Ctrl+Alt+F12"},
        {L"Shift+Win+A", MOD_SHIFT | MOD_WIN, 'A', L"Shift+Win+A"},
        {L"Ctrl+Num +", MOD_CONTROL, VK_ADD, L"Ctrl+Num +"},
        {L"Ctrl+Shift+Page Down", MOD_CONTROL | MOD_SHIFT, VK_NEXT, L"Ctrl+Shift+Page Down"},
        {L"Ctrl+Num 7", MOD_CONTROL, VK_NUMPAD7, L"Ctrl+Num 7"},
        {L"F11", 0, VK_F11, L"F11"},
        {L"Alt+9", MOD_ALT, '9', L"Alt+9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(ToUtf8(c.text));
        const std::optional<Hotkey> hotkey = ParseHotkey(c.text);
        ASSERT_TRUE(hotkey);
        EXPECT_EQ(hotkey->modifiers, c.modifiers);
        EXPECT_EQ(hotkey->key, c.key);
        EXPECT_EQ(FormatHotkey(*hotkey), c.written);
    }
    for (const wchar_t* bad : {L"", L"Ctrl", L"Ctrl+Alt", L"Ctrl+Banana", L"Ctrl+Ctrl+A", L"A+B", L"CtrlA",
                               L"Ctrl++A", L"+F1", L"Ctrl+F25", L"热键"}) {
        EXPECT_FALSE(ParseHotkey(bad)) << ToUtf8(bad);
    }
}

TEST(HotkeyText, AgreesWithThePlatformHotkeyControl) {
    // The control's own value for Ctrl+Shift+Delete and back.
    HWND control = ::CreateWindowExW(0, HOTKEY_CLASSW, L"", WS_POPUP, 0, 0, 120, 20, nullptr, nullptr,
                                     ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(control);
    const Hotkey hotkey{MOD_CONTROL | MOD_SHIFT, VK_DELETE};
    ::SendMessageW(control, HKM_SETHOTKEY, HotkeyToControlValue(hotkey), 0);
    const auto value = static_cast<WORD>(::SendMessageW(control, HKM_GETHOTKEY, 0, 0));
    EXPECT_EQ(HotkeyFromControlValue(value), std::optional<Hotkey>(hotkey));
    ::SendMessageW(control, HKM_SETHOTKEY, 0, 0);
    EXPECT_FALSE(HotkeyFromControlValue(static_cast<WORD>(::SendMessageW(control, HKM_GETHOTKEY, 0, 0))));
    ::DestroyWindow(control);
}

class BroadcastSettingsFile : public MainWindowTest {
protected:
    // A Data.ini as the program wrote it before it had settings: two slots,
    // GBK, CR LF.
    std::string OldDataFile() const {
        return ToGbk(L"[按钮记录]\r\n按钮1=掌声\r\n按钮2=口哨\r\n\r\n[音乐播放]\r\n音乐1=D:\\音效\\掌声.mp3\r\n"
                     L"音乐2=D:\\音效\\口哨.mp3\r\n");
    }
    static BroadcastSettings Proposed() {
        BroadcastSettings settings;
        settings.outputDevice = L"Out: cable";
        settings.monitorDevice = L"默认";
        settings.monitorVolume = 35;
        settings.hotkeys[static_cast<size_t>(HotkeyAction::Preset3)] = L"Ctrl+Alt+F9";
        settings.hotkeys[static_cast<size_t>(HotkeyAction::Stop)] = L"Ctrl+Alt+F10";
        return settings;
    }
};

TEST_F(BroadcastSettingsFile, MissingSectionsReadAsTheDefaults) {
    const BroadcastSettings defaults = LoadBroadcastSettings(Data(L"Data.ini"));
    EXPECT_EQ(defaults, BroadcastSettings{});
    EXPECT_EQ(defaults.outputDevice, L"默认");
    EXPECT_EQ(defaults.monitorDevice, L"");
    EXPECT_EQ(defaults.monitorVolume, 100);

    // Volumes that are no number read as 100; numbers beyond are clamped.
    for (const auto& [text, volume] : {std::pair{L"150", 100}, {L"abc", 100}, {L"-5", 100}, {L" 42 ", 42},
                                       {L"0", 0}, {L"7x", 100}}) {
        ASSERT_TRUE(runtime::WriteIni(Data(L"Data.ini"), L"设置", L"监听音量", text));
        EXPECT_EQ(LoadBroadcastSettings(Data(L"Data.ini")).monitorVolume, volume) << ToUtf8(text);
    }
}

TEST_F(BroadcastSettingsFile, OldFileKeepsItsBytesAndGainsTheTwoSections) {
    const std::string old = OldDataFile();
    WriteAll(Data(L"Data.ini"), old);
    LoadWindow();
    EXPECT_EQ(window->ControlText(kButton13), L"掌声");
    EXPECT_EQ(window->Broadcasting().Settings(), BroadcastSettings{});

    const auto change = window->Broadcasting().Confirm(Proposed());
    ASSERT_EQ(change.saved, runtime::IniWriteResult::Written);
    EXPECT_TRUE(change.taken.empty());

    const Bytes bytes = ReadAll(Data(L"Data.ini"));
    const std::string written(bytes.begin(), bytes.end());
    ASSERT_GE(written.size(), old.size());
    EXPECT_EQ(written.substr(0, old.size()), old) << "the old sections changed";
    const std::wstring added = FromGbk(written.substr(old.size()));
    EXPECT_NE(added.find(L"[设置]"), std::wstring::npos);
    EXPECT_NE(added.find(L"[快捷键]"), std::wstring::npos);
    EXPECT_NE(added.find(L"按钮3=Ctrl+Alt+F9"), std::wstring::npos);

    // Read back as stored, and the slots as they were.
    EXPECT_EQ(LoadBroadcastSettings(Data(L"Data.ini")), Proposed());
    EXPECT_EQ(window->Broadcasting().Settings(), Proposed());
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"音乐播放", L"音乐2"), L"D:\\音效\\口哨.mp3");
    EXPECT_EQ(runtime::ReadIni(Data(L"Data.ini"), L"设置", L"监听音量"), L"35");

    // A restarted window reads the same settings.
    window.reset();
    LoadWindow();
    EXPECT_EQ(window->Broadcasting().Settings(), Proposed());
    EXPECT_EQ(window->ControlText(kButton14), L"口哨");
}

TEST_F(BroadcastSettingsFile, ReadOnlyFileKeepsItsBytesAndNothingTakesEffect) {
    const std::string old = OldDataFile() + ToGbk(L"[快捷键]\r\n按钮1=Ctrl+Alt+F7\r\n");
    WriteAll(Data(L"Data.ini"), old);
    ASSERT_TRUE(::SetFileAttributesW(Data(L"Data.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    LoadWindow();
    ASSERT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset1), HotkeyState::Active);

    const auto change = window->Broadcasting().Confirm(Proposed());
    EXPECT_NE(change.saved, runtime::IniWriteResult::Written);
    const Bytes bytes = ReadAll(Data(L"Data.ini"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), old);
    // The settings in force stay those of the file: its key still works, the new ones do not.
    EXPECT_EQ(window->Broadcasting().Settings().outputDevice, L"默认");
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset1), HotkeyState::Active);
    EXPECT_EQ(window->Broadcasting().Hotkeys().StateOf(HotkeyAction::Preset3), HotkeyState::None);
    EXPECT_FALSE(::RegisterHotKey(nullptr, 77, MOD_CONTROL | MOD_ALT, VK_F7)) << "Ctrl+Alt+F7 is no longer held";
    EXPECT_TRUE(::RegisterHotKey(nullptr, 78, MOD_CONTROL | MOD_ALT, VK_F9)) << "the unsaved Ctrl+Alt+F9 is held";
    ::UnregisterHotKey(nullptr, 78);
    ::SetFileAttributesW(Data(L"Data.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace pelorin::test
