// The settings dialog "设置" as a user meets it: opened by its caption-bar
// button, skinned like the name dialog, worked by keyboard and mouse, and
// what 确认 leaves in "Data.ini" (or, when it cannot write, does not).
#include <windows.h>
#include <commctrl.h>

#include "app/audio/output_devices.h"
#include "app/broadcast/broadcast_settings.h"
#include "app/services/ini_file.h"
#include "app/settings_dialog.h"
#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin_setup_fixture.h"

namespace pelorin::test {
namespace {

constexpr int kTabOrder[] = {kSettingsOutputComboId, kSettingsMonitorComboId, kSettingsVolumeSliderId,
                             kSettingsHotkeyListId,  kSettingsHotkeyEditId,   kSettingsAssignId,
                             kSettingsClearId,       kSettingsConfirmId,      kSettingsCancelId};
constexpr int kDialogButtons[] = {kSettingsAssignId, kSettingsClearId, kSettingsConfirmId, kSettingsCancelId};

class SettingsDialogTest : public SkinnedWindowTest {
protected:
    // Clicks 设置 and drives the settings dialog with `drive`, then any
    // further modal windows with `more`. Returns how many were driven.
    size_t WithDialog(std::function<void(HWND)> drive, std::vector<ModalStep> more = {}) {
        std::vector<ModalStep> steps{{kSettingsDialogClass, [drive](HWND d) {
                                          PumpMessages(150);
                                          drive(d);
                                      }}};
        for (ModalStep& step : more) steps.push_back(std::move(step));
        const size_t driven = WithModals([this] { ClickCaptionButton(L"设置"); }, std::move(steps));
        PumpMessages(50);
        return driven;
    }
    std::wstring Stored(const wchar_t* section, const wchar_t* key) const {
        return runtime::ReadIni(Data(L"Data.ini"), section, key);
    }
    void WriteData(const std::wstring& ini) { WriteAll(Data(L"Data.ini"), ToGbk(ini)); }
};

HWND Item(HWND dialog, int id) { return SettingsDialogControl(dialog, id); }

std::wstring Cell(HWND dialog, int row, int column) {
    wchar_t text[256]{};
    ListView_GetItemText(Item(dialog, kSettingsHotkeyListId), row, column, text, 256);
    return text;
}

std::wstring ComboText(HWND dialog, int id) {
    const HWND combo = Item(dialog, id);
    const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return L"";
    std::wstring text(static_cast<size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)), L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256]{};
    ::GetWindowTextW(window, text, 256);
    return text;
}

void SelectRow(HWND dialog, int row) {
    ListView_SetItemState(Item(dialog, kSettingsHotkeyListId), row, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
}

// Puts a key into the hotkey control and presses 设定 with the mouse.
void AssignKey(HWND dialog, int row, WORD controlValue) {
    SelectRow(dialog, row);
    ::SendMessageW(Item(dialog, kSettingsHotkeyEditId), HKM_SETHOTKEY, controlValue, 0);
    ClickWithMouse(Item(dialog, kSettingsAssignId));
}

constexpr WORD ControlKey(BYTE modifiers, BYTE key) { return static_cast<WORD>(modifiers << 8 | key); }

// A key press as the modal loop receives it: posted to the focused control,
// so the loop's IsDialogMessage sees it. Nothing may pump after it in the
// driver.
void PostKey(UINT key) {
    const HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, key, 1);
    ::PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
}

RECT RectInDialog(HWND dialog, HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// ----------------------------------------------------------------- caption button and skin

TEST_F(SettingsDialogTest, TheSettingsButtonSitsLeftOfMoreAndOpensTheSkinnedDialog) {
    LoadSkinned();
    const skin::CaptionButton* settings = CaptionButtonWithTip(L"设置");
    const skin::CaptionButton* more = CaptionButtonWithTip(L"更多功能");
    const skin::CaptionButton* minimize = CaptionButtonOfKind(skin::kCaptionMinimize);
    ASSERT_TRUE(settings && more && minimize);
    EXPECT_LE(settings->rect.right, more->rect.left);
    EXPECT_LE(more->rect.right, minimize->rect.left);
    // The gear is drawn in its place on the caption strip.
    const Pixels shown = Screen();
    EXPECT_GT(CountWhitish(shown, settings->rect), 20) << "no gear on the 设置 button";

    struct Seen {
        bool skinned = false, buttonFrame = false;
        std::int32_t closeAnimation = 0;
        std::wstring title;
        RECT client{};
        int skinnedButtons = 0, ownerDrawn = 0, skinnedLabels = 0;
        bool combosSkinned = false, listSkinned = false, sliderSkinned = false;
        bool confirmFrame = false, cancelFrame = false;
        double comboDifference = 0;
        bool hotkeyFramed = false;
        std::wstring frameClass;
        RECT hotkeyInFrame{}, frameClient{};
        GxArgb frameTop = 0;
        int confirmBottom = 0;
        int rows = 0;
    } seen;
    const size_t driven = WithDialog([&](HWND dialog) {
        ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages(150);
        const std::int32_t index = skin::FindFormByWindow(dialog);
        skin::FormRecord* form = skin::formRegistry.At(index);
        seen.skinned = form != nullptr;
        seen.title = TextOf(dialog);
        ::GetClientRect(dialog, &seen.client);
        seen.rows = ListView_GetItemCount(Item(dialog, kSettingsHotkeyListId));
        seen.confirmBottom = RectInDialog(dialog, Item(dialog, kSettingsConfirmId)).bottom;
        if (form) {
            seen.closeAnimation = form->closeAnimation;
            seen.buttonFrame = form->hasButtonFrame;
            for (int id : kDialogButtons) {
                const HWND b = Item(dialog, id);
                seen.skinnedButtons += skin::FindButton(index, b) > 0;
                seen.ownerDrawn += (::GetWindowLongPtrW(b, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
            }
            for (int id : kSettingsLabelIds) seen.skinnedLabels += skin::FindLabel(index, Item(dialog, id)) > 0;
            seen.combosSkinned = skin::FindComboBox(index, Item(dialog, kSettingsOutputComboId)) > 0 &&
                                 skin::FindComboBox(index, Item(dialog, kSettingsMonitorComboId)) > 0;
            seen.listSkinned = skin::FindListControl(index, Item(dialog, kSettingsHotkeyListId)) > 0;
            seen.sliderSkinned = skin::FindSlider(index, Item(dialog, kSettingsVolumeSliderId)) > 0;
            const Pixels dialogPixels = ClientOnScreen(dialog);
            seen.confirmFrame = ShowsFrameOn(
                *form, dialogPixels, RectInDialog(dialog, Item(dialog, kSettingsConfirmId)), FrameState::Normal);
            seen.cancelFrame = ShowsFrameOn(*form, dialogPixels, RectInDialog(dialog, Item(dialog, kSettingsCancelId)),
                                            FrameState::Normal);

            // The same combo box, unskinned, in a plain window of its own.
            const HWND skinnedCombo = Item(dialog, kSettingsOutputComboId);
            RECT comboRect{};
            ::GetWindowRect(skinnedCombo, &comboRect);
            const int w = comboRect.right - comboRect.left, h = comboRect.bottom - comboRect.top;
            const HWND plain =
                ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 700, 700, w + 20, h + 20,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            const HWND plainCombo = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0,
                                                      0, w, 200, plain, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            ::SendMessageW(plainCombo, WM_SETFONT, ::SendMessageW(skinnedCombo, WM_GETFONT, 0, 0), FALSE);
            const std::wstring text = ComboText(dialog, kSettingsOutputComboId);
            ::SendMessageW(plainCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            ::SendMessageW(plainCombo, CB_SETCURSEL, 0, 0);
            PumpMessages(100);
            const Pixels unskinned = ClientOnScreen(plain);
            const RECT inDialog = RectInDialog(dialog, skinnedCombo);
            double sum = 0;
            int n = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x, ++n) {
                    const GxArgb a = dialogPixels.At(inDialog.left + x, inDialog.top + y), b = unskinned.At(x, y);
                    sum +=
                        (std::abs(Red(a) - Red(b)) + std::abs(Green(a) - Green(b)) + std::abs(Blue(a) - Blue(b))) / 3.0;
                }
            seen.comboDifference = n ? sum / n : 0;
            ::DestroyWindow(plain);
        }
        const HWND hotkey = Item(dialog, kSettingsHotkeyEditId);
        const HWND frame = ::GetParent(hotkey);
        seen.hotkeyFramed = frame != dialog && skin::GetPropInt(hotkey, skin::prop::kFramed) == 1;
        wchar_t name[32]{};
        ::GetClassNameW(frame, name, 32);
        seen.frameClass = name;
        ::GetWindowRect(hotkey, &seen.hotkeyInFrame);
        ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&seen.hotkeyInFrame), 2);
        ::GetClientRect(frame, &seen.frameClient);
        const Pixels framePixels = ClientOnScreen(frame);
        seen.frameTop = framePixels.At(seen.frameClient.right / 2, 0);
        CancelDialog(dialog);
    });
    ASSERT_EQ(driven, 1u) << "the 设置 button opened no dialog";
    EXPECT_TRUE(seen.skinned) << "the dialog has no form record";
    EXPECT_EQ(seen.title, L"设置");
    EXPECT_EQ(seen.closeAnimation, 2);
    EXPECT_TRUE(seen.buttonFrame);
    EXPECT_EQ(seen.client.right, kSettingsDialogWidth) << "the platform frame is still there";
    EXPECT_EQ(seen.client.bottom, kSettingsDialogHeight);
    EXPECT_LE(seen.confirmBottom, seen.client.bottom) << "确认 is cut off";
    EXPECT_EQ(seen.rows, kHotkeyActionCount);
    EXPECT_EQ(seen.skinnedButtons, 4);
    EXPECT_EQ(seen.ownerDrawn, 4);
    EXPECT_EQ(seen.skinnedLabels, static_cast<int>(std::size(kSettingsLabelIds)));
    EXPECT_TRUE(seen.combosSkinned);
    EXPECT_TRUE(seen.listSkinned);
    EXPECT_TRUE(seen.sliderSkinned);
    EXPECT_TRUE(seen.confirmFrame);
    EXPECT_TRUE(seen.cancelFrame);
    EXPECT_GT(seen.comboDifference, 20.0) << "the combo box looks like the platform's";
    EXPECT_TRUE(seen.hotkeyFramed) << "the hotkey control is not inside its frame box";
    EXPECT_EQ(seen.frameClass, L"Static");
    EXPECT_EQ(seen.hotkeyInFrame.left, 3);
    EXPECT_EQ(seen.hotkeyInFrame.top, 3);
    EXPECT_EQ(seen.frameClient.right - seen.hotkeyInFrame.right, 3);
    EXPECT_GT(Blue(seen.frameTop), 200) << Hex(seen.frameTop);
    EXPECT_LT(Red(seen.frameTop), 60) << Hex(seen.frameTop);
}

// ----------------------------------------------------------------- keyboard

TEST_F(SettingsDialogTest, TabWalksTheControlsAndEscClosesWithoutWritingAnything) {
    WriteData(L"[按钮记录]\r\n按钮1=掌声\r\n[设置]\r\n监听音量=70\r\n");
    LoadSkinned();
    const FolderFiles before = FilesIn(dir.Path());
    const BroadcastSettings inForce = window->Broadcasting().Settings();
    std::vector<int> focused;
    HWND dialogSeen = nullptr;
    const size_t driven = WithDialog([&](HWND dialog) {
        dialogSeen = dialog;
        ::SetFocus(Item(dialog, kSettingsOutputComboId));
        for (size_t i = 0; i < std::size(kTabOrder); ++i) {
            MSG tab{::GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
            ::IsDialogMessageW(dialog, &tab);
            focused.push_back(::GetDlgCtrlID(::GetFocus()));
        }
        // Changes that Esc must throw away.
        ::SendMessageW(Item(dialog, kSettingsVolumeSliderId), WM_KEYDOWN, VK_HOME, 0);
        AssignKey(dialog, 0, ControlKey(HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F5));
        ::SetFocus(Item(dialog, kSettingsHotkeyListId));
        PostKey(VK_ESCAPE);
    });
    ASSERT_EQ(driven, 1u);
    // From 输出设备 on, each control once, round to 输出设备 again.
    std::vector<int> expected(std::begin(kTabOrder) + 1, std::end(kTabOrder));
    expected.push_back(kSettingsOutputComboId);
    EXPECT_EQ(focused, expected);
    EXPECT_FALSE(::IsWindow(dialogSeen)) << "Esc left the dialog open";
    EXPECT_TRUE(FilesIn(dir.Path()) == before) << "Esc wrote to the folder";
    EXPECT_EQ(window->Broadcasting().Settings(), inForce);
}

// ----------------------------------------------------------------- what 确认 stores

TEST_F(SettingsDialogTest, DevicesVolumeAndAHotkeyChosenInTheControlsAreStoredByEnter) {
    const std::vector<std::wstring> devices = OutputDeviceNames();
    if (devices.empty()) GTEST_SKIP() << "no output device to choose";
    const std::wstring slots = L"[按钮记录]\r\n按钮1=掌声\r\n[音乐播放]\r\n音乐1=" + Data(L"掌声.mp3") + L"\r\n";
    WriteData(slots);
    LoadSkinned();
    std::wstring volumeShown, keyShown, outputShown, monitorShown;
    HWND dialogSeen = nullptr;
    const size_t driven = WithDialog([&](HWND dialog) {
        dialogSeen = dialog;
        // 输出设备: the last entry; 监听设备: 无, 默认, then the first device.
        const HWND output = Item(dialog, kSettingsOutputComboId);
        ::SetFocus(output);
        ::SendMessageW(output, WM_KEYDOWN, VK_END, 0);
        const HWND monitor = Item(dialog, kSettingsMonitorComboId);
        ::SetFocus(monitor);
        ::SendMessageW(monitor, WM_KEYDOWN, VK_HOME, 0);
        ::SendMessageW(monitor, WM_KEYDOWN, VK_DOWN, 0);
        ::SendMessageW(monitor, WM_KEYDOWN, VK_DOWN, 0);
        // 监听音量: Home, then two pages of 10.
        const HWND slider = Item(dialog, kSettingsVolumeSliderId);
        ::SetFocus(slider);
        ::SendMessageW(slider, WM_KEYDOWN, VK_HOME, 0);
        ::SendMessageW(slider, WM_KEYDOWN, VK_NEXT, 0);
        ::SendMessageW(slider, WM_KEYDOWN, VK_NEXT, 0);
        PumpMessages(20);
        volumeShown = TextOf(Item(dialog, kSettingsVolumeValueId));
        // 敲锣声音 (按钮2) gets Ctrl+Alt+F7.
        AssignKey(dialog, 1, ControlKey(HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F7));
        keyShown = Cell(dialog, 1, 1);
        outputShown = ComboText(dialog, kSettingsOutputComboId);
        monitorShown = ComboText(dialog, kSettingsMonitorComboId);
        ::SetFocus(Item(dialog, kSettingsHotkeyListId));
        PostKey(VK_RETURN);
    });
    ASSERT_EQ(driven, 1u);
    EXPECT_FALSE(::IsWindow(dialogSeen)) << "Enter did not confirm";
    EXPECT_EQ(volumeShown, L"20");
    EXPECT_EQ(keyShown, L"Ctrl+Alt+F7");
    EXPECT_EQ(outputShown, devices.back());
    EXPECT_EQ(monitorShown, devices.front());
    EXPECT_EQ(Stored(kSettingsSection, kOutputDeviceKey), devices.back());
    EXPECT_EQ(Stored(kSettingsSection, kMonitorDeviceKey), devices.front());
    EXPECT_EQ(Stored(kSettingsSection, kMonitorVolumeKey), L"20");
    EXPECT_EQ(Stored(kHotkeySection, L"按钮2"), L"Ctrl+Alt+F7");
    EXPECT_EQ(Stored(kHotkeySection, L"按钮1"), L"");
    EXPECT_EQ(window->Broadcasting().Settings().hotkeys[1], L"Ctrl+Alt+F7");
    EXPECT_EQ(window->Broadcasting().Settings().monitorVolume, 20);
    // The slot sections keep their bytes.
    const Bytes after = ReadAll(Data(L"Data.ini"));
    const std::string text(after.begin(), after.end());
    EXPECT_NE(text.find(ToGbk(slots)), std::string::npos) << "the slot sections changed";
}

TEST_F(SettingsDialogTest, AStoredDeviceThatIsNotPresentIsShownMissingAndKeptByConfirm) {
    WriteData(L"[设置]\r\n输出设备=USB 耳机\r\n监听设备=蓝牙音箱\r\n监听音量=40\r\n");
    LoadSkinned();
    std::wstring outputShown, monitorShown;
    int outputCount = 0;
    const size_t driven = WithDialog([&](HWND dialog) {
        outputShown = ComboText(dialog, kSettingsOutputComboId);
        monitorShown = ComboText(dialog, kSettingsMonitorComboId);
        outputCount = static_cast<int>(::SendMessageW(Item(dialog, kSettingsOutputComboId), CB_GETCOUNT, 0, 0));
        MouseClick(Item(dialog, kSettingsConfirmId));
    });
    ASSERT_EQ(driven, 1u);
    EXPECT_EQ(outputShown, std::wstring(L"USB 耳机") + kMissingDeviceMark);
    EXPECT_EQ(monitorShown, std::wstring(L"蓝牙音箱") + kMissingDeviceMark);
    // 默认, the present devices and the missing one.
    EXPECT_EQ(outputCount, static_cast<int>(OutputDeviceNames().size()) + 2);
    EXPECT_EQ(Stored(kSettingsSection, kOutputDeviceKey), L"USB 耳机");
    EXPECT_EQ(Stored(kSettingsSection, kMonitorDeviceKey), L"蓝牙音箱");
    EXPECT_EQ(Stored(kSettingsSection, kMonitorVolumeKey), L"40");
}

TEST_F(SettingsDialogTest, AReadOnlyDataFileKeepsItsBytesAndTheDialogStaysOpenWithAMessage) {
    WriteData(L"[按钮记录]\r\n按钮1=掌声\r\n[设置]\r\n监听音量=70\r\n");
    LoadSkinned();
    ::SetFileAttributesW(Data(L"Data.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    const Bytes before = ReadAll(Data(L"Data.ini"));
    std::wstring message;
    bool stillOpen = false;
    HWND dialogSeen = nullptr;
    const size_t driven = WithDialog(
        [&](HWND dialog) {
            dialogSeen = dialog;
            ::SendMessageW(Item(dialog, kSettingsVolumeSliderId), WM_KEYDOWN, VK_HOME, 0);
            ::PostMessageW(Item(dialog, kSettingsConfirmId), BM_CLICK, 0, 0);
        },
        {{kDialogClass,
          [&](HWND box) {
              message = MessageBoxText(box);
              PressOk(box);
          }},
         {kSettingsDialogClass, [&](HWND dialog) {
              stillOpen = dialog == dialogSeen;
              CancelDialog(dialog);
          }}});
    ::SetFileAttributesW(Data(L"Data.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(driven, 3u);
    EXPECT_NE(message.find(L"没有保存"), std::wstring::npos) << ToUtf8(message);
    EXPECT_TRUE(stillOpen) << "the dialog closed although nothing was saved";
    EXPECT_EQ(ReadAll(Data(L"Data.ini")), before);
    EXPECT_EQ(window->Broadcasting().Settings().monitorVolume, 70);
}

// ----------------------------------------------------------------- hotkeys

TEST_F(SettingsDialogTest, KeysTakenElsewhereOrByAnotherRowAreRefusedAndRowsShowTheirState) {
    // Another window of this test holds Ctrl+Alt+F9 and Ctrl+Alt+F10.
    const HWND holder = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(::RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, VK_F9));
    ASSERT_TRUE(::RegisterHotKey(holder, 2, MOD_CONTROL | MOD_ALT, VK_F10));
    WriteData(L"[快捷键]\r\n按钮1=Ctrl+Alt+F1\r\n播放=Ctrl+Alt+F10\r\n停止=Ctrl+Nonsense\r\n");
    LoadSkinned();
    std::wstring presetShown, playShown, stopShown, slotShown;
    std::wstring afterTaken, takenMessage, afterDuplicate, duplicateMessage, afterFree, afterClear;
    std::wstring confirmMessage, lateShown;
    bool lateRegistered = false;
    const size_t driven = WithDialog(
        [&](HWND dialog) {
            presetShown = Cell(dialog, 0, 1);
            playShown = Cell(dialog, static_cast<int>(HotkeyAction::Play), 1);
            stopShown = Cell(dialog, static_cast<int>(HotkeyAction::Stop), 1);
            slotShown = Cell(dialog, static_cast<int>(HotkeyAction::Slot1), 0);
            const HWND message = Item(dialog, kSettingsMessageId);
            // Held by the other window: the row keeps Ctrl+Alt+F1.
            AssignKey(dialog, 0, ControlKey(HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F9));
            afterTaken = Cell(dialog, 0, 1);
            takenMessage = TextOf(message);
            // Already 群众笑声's key: 敲锣声音 stays empty.
            AssignKey(dialog, 1, ControlKey(HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F1));
            afterDuplicate = Cell(dialog, 1, 1);
            duplicateMessage = TextOf(message);
            // A free key is taken over; 清除 empties 停止.
            AssignKey(dialog, 2, ControlKey(HOTKEYF_SHIFT, VK_F11));
            afterFree = Cell(dialog, 2, 1);
            SelectRow(dialog, static_cast<int>(HotkeyAction::Stop));
            ClickWithMouse(Item(dialog, kSettingsClearId));
            afterClear = Cell(dialog, static_cast<int>(HotkeyAction::Stop), 1);
            // A key free when set and taken by the time of 确认.
            AssignKey(dialog, 3, ControlKey(HOTKEYF_CONTROL | HOTKEYF_ALT, VK_F8));
            lateShown = Cell(dialog, 3, 1);
            lateRegistered = ::RegisterHotKey(holder, 3, MOD_CONTROL | MOD_ALT, VK_F8);
            ::PostMessageW(Item(dialog, kSettingsConfirmId), BM_CLICK, 0, 0);
        },
        // 确认 tells which new key was taken meanwhile.
        {{kDialogClass, [&](HWND box) {
              confirmMessage = MessageBoxText(box);
              PressOk(box);
          }}});
    ::DestroyWindow(holder);
    EXPECT_EQ(driven, 2u);
    EXPECT_EQ(presetShown, L"Ctrl+Alt+F1");
    EXPECT_EQ(playShown, std::wstring(L"Ctrl+Alt+F10") + kTakenMark);
    EXPECT_EQ(stopShown, std::wstring(L"Ctrl+Nonsense") + kUnreadableMark);
    // The slot has no name yet (no "按钮记录" in the file).
    EXPECT_EQ(slotShown, L"自定义1");
    EXPECT_EQ(afterTaken, L"Ctrl+Alt+F1");
    EXPECT_NE(takenMessage.find(kTakenMark), std::wstring::npos) << ToUtf8(takenMessage);
    EXPECT_EQ(afterDuplicate, L"");
    EXPECT_NE(duplicateMessage.find(L"群众笑声"), std::wstring::npos) << ToUtf8(duplicateMessage);
    EXPECT_EQ(afterFree, L"Shift+F11");
    EXPECT_EQ(afterClear, L"");
    EXPECT_EQ(lateShown, L"Ctrl+Alt+F8");
    ASSERT_TRUE(lateRegistered);
    EXPECT_NE(confirmMessage.find(FindLayout(kButton4)->caption), std::wstring::npos) << ToUtf8(confirmMessage);
    EXPECT_EQ(Stored(kHotkeySection, L"按钮4"), L"");
    EXPECT_EQ(Stored(kHotkeySection, L"按钮1"), L"Ctrl+Alt+F1");
    EXPECT_EQ(Stored(kHotkeySection, L"按钮2"), L"");
    EXPECT_EQ(Stored(kHotkeySection, L"按钮3"), L"Shift+F11");
    EXPECT_EQ(Stored(kHotkeySection, L"停止"), L"");
    const Bytes ini = ReadAll(Data(L"Data.ini"));
    const std::string text(ini.begin(), ini.end());
    EXPECT_EQ(text.find("F9"), std::string::npos) << "the taken key was stored";
    EXPECT_EQ(text.find("F8"), std::string::npos) << "the key taken meanwhile was stored";
}

// ----------------------------------------------------------------- resources

struct Counters {
    long dcs = LiveHandleCount(HandleKind::Dc);
    long gdiObjects = LiveHandleCount(HandleKind::GdiObject);
    long gx = GxObject::LiveCount();
    DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    std::int32_t forms = skin::formRegistry.Size();
};

TEST_F(SettingsDialogTest, OpeningPaintingAndClosingTheDialogAgainLeavesEveryCounterWhereItStood) {
    LoadSkinned();
    const auto round = [this] {
        return WithDialog([](HWND dialog) {
            ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            AssignKey(dialog, 5, ControlKey(HOTKEYF_CONTROL, VK_F6));
            ::SendMessageW(Item(dialog, kSettingsVolumeSliderId), WM_KEYDOWN, VK_PRIOR, 0);
            PumpMessages(30);
            CancelDialog(dialog);
        });
    };
    ASSERT_EQ(round(), 1u);  // the first round fills the skin's caches
    const Counters before;
    size_t driven = 0;
    for (int i = 0; i < 6; ++i) driven += round();
    PumpMessages(50);
    const Counters after;
    EXPECT_EQ(driven, 6u);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.forms, before.forms) << "a settings dialog's form record outlived it";
}

}  // namespace
}  // namespace pelorin::test
