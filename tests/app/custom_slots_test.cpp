// The four custom slots end to end: a right-click, the real open-file dialog,
// the real button-name dialog, "Data.ini" byte for byte, and what a click on
// the slot then plays.
#include "app_fixture.h"

#include <random>

#include "app/audio/playback_diagnostics.h"
#include "app/custom_slots.h"
#include "app/name_dialog.h"
#include "audio/wav_maker.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

constexpr const wchar_t* kNoticeTitle = L"温馨提示";

std::string Gbk(const std::wstring& text) { return ToGbk(text); }
std::string FileText(const std::wstring& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

BOOL CALLBACK CountNameDialogs(HWND hwnd, LPARAM count) {
    wchar_t name[64]{};
    ::GetClassNameW(hwnd, name, 64);
    if (wcscmp(name, kNameDialogClass) == 0) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

class CustomSlotTest : public MainWindowTest {
protected:
    void SetUp() override {
        ::CreateDirectoryW(Data(L"音效").c_str(), nullptr);
        // Two different sounds the slots are given.
        ASSERT_TRUE(CopyPreset(L"敲锣声音.mp3", Data(L"音效\\掌声.mp3")));
        ASSERT_TRUE(CopyPreset(L"卡通.mp3", Data(L"音效\\弹簧 boing.mp3")));
    }
    std::wstring SoundA() const { return Data(L"音效\\掌声.mp3"); }
    std::wstring SoundB() const { return Data(L"音效\\弹簧 boing.mp3"); }

    // What the test saw while the button-name dialog was up.
    struct DuringNameDialog {
        bool seen = false;
        bool mainEnabled = true;
        bool mainTopmost = true;
        std::wstring title = L"?";
        std::wstring label;
        std::wstring initialName = L"?";
        SIZE size{};
    };

    // The name dialog driver: notes what it sees, then types `name` and
    // presses 确认, or (no name) closes the dialog with its close box.
    std::function<void(HWND)> NameDialog(std::optional<std::wstring> name, DuringNameDialog* seen = nullptr) {
        return [this, name, seen](HWND dialog) {
            if (seen) {
                seen->seen = true;
                seen->mainEnabled = ::IsWindowEnabled(window->Handle()) != FALSE;
                seen->mainTopmost = window->IsTopmost();
                wchar_t text[256]{};
                ::GetWindowTextW(dialog, text, 256);
                seen->title = text;
                ::GetDlgItemTextW(dialog, kNameDialogLabelId, text, 256);
                seen->label = text;
                ::GetWindowTextW(NameDialogEdit(dialog), text, 256);
                seen->initialName = text;
                RECT r{};
                ::GetWindowRect(dialog, &r);
                seen->size = {r.right - r.left, r.bottom - r.top};
            }
            if (name) {
                ::SetWindowTextW(NameDialogEdit(dialog), name->c_str());
                ::PostMessageW(::GetDlgItem(dialog, kNameDialogConfirmId), BM_CLICK, 0, 0);
            } else {
                ::PostMessageW(dialog, WM_CLOSE, 0, 0);
            }
        };
    }
    static std::function<void(HWND)> Choose(const std::wstring& path) {
        return [path](HWND dialog) { ChooseFile(dialog, path); };
    }
    static std::function<void(HWND)> Cancel() {
        return [](HWND dialog) { CancelDialog(dialog); };
    }
    // Right button down on slot `slot`, driving the modal windows it opens.
    size_t RightClick(int slot, std::vector<ModalStep> steps) {
        HWND button = window->Control(SlotButton(slot));
        const size_t driven = WithModals(
            [button] { ::SendMessageW(button, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)); }, std::move(steps));
        PumpMessages(20);
        return driven;
    }
    // A full assignment: file chosen, name confirmed.
    void Assign(int slot, const std::wstring& path, const std::wstring& name) {
        ASSERT_EQ(RightClick(slot, {{kDialogClass, Choose(path)}, {kNameDialogClass, NameDialog(name)}}), 2u);
    }
    // Clicks slot `slot` and checks that it plays `path`.
    void ExpectSlotPlays(int slot, const std::wstring& path) {
        const std::optional<PcmSound> sound = DecodeWhole(path);
        ASSERT_TRUE(sound);
        const size_t before = CaptureEnd(sound->format);
        Click(SlotButton(slot));
        ASSERT_TRUE(WaitUntilPlayed());
        const Samples capture = ReadCapture();
        EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound, before), *sound));
    }
    static size_t CaptureEnd(const PcmFormat& next) {
        const PlaybackStats stats = GetPlaybackStats();
        if (!stats.deviceFormat || !(*stats.deviceFormat == next)) return 0;
        return ReadCapture().size();
    }
    void ExpectSlot(int slot, const std::wstring& caption, const std::wstring& path) {
        EXPECT_EQ(window->ControlText(SlotButton(slot)), caption) << "slot " << slot;
        EXPECT_EQ(window->SlotDialog(slot).fileName, path) << "slot " << slot;
    }
};

TEST_F(CustomSlotTest, AssignmentShowsTheNameStoresBothKeysAndAClickPlaysTheFile) {
    LoadWindow();
    // No "Data.ini": the designed captions give way to empty ones.
    for (int slot = 1; slot <= 4; ++slot) ExpectSlot(slot, L"", L"");

    DuringNameDialog seen;
    ASSERT_EQ(RightClick(1, {{kDialogClass, Choose(SoundA())}, {kNameDialogClass, NameDialog(L"掌声", &seen)}}), 2u);
    ASSERT_TRUE(seen.seen);
    EXPECT_FALSE(seen.mainEnabled) << "the main window takes input while the name dialog is up";
    EXPECT_FALSE(seen.mainTopmost) << "the main window stays topmost over the dialogs";
    EXPECT_EQ(seen.title, L"");
    EXPECT_EQ(seen.label, L"按钮名：");
    EXPECT_EQ(seen.initialName, L"");
    EXPECT_EQ(seen.size.cx, 314);
    EXPECT_EQ(seen.size.cy, 119);

    ExpectSlot(1, L"掌声", SoundA());
    for (int slot = 2; slot <= 4; ++slot) ExpectSlot(slot, L"", L"");
    EXPECT_EQ(FileText(Data(L"Data.ini")),
              Gbk(L"[按钮记录]\r\n按钮1=掌声\r\n[音乐播放]\r\n音乐1=" + SoundA() + L"\r\n"));
    EXPECT_TRUE(::IsWindowEnabled(window->Handle()));
    EXPECT_TRUE(window->IsTopmost());
    ExpectSlotPlays(1, SoundA());
}

// The name can be typed at once and confirmed with Enter: the keys go to the
// control that has the focus, as a keyboard's would.
TEST_F(CustomSlotTest, NameIsTypedIntoTheFocusedBoxAndEnterConfirmsIt) {
    LoadWindow();
    const std::wstring typed = L"敲锣 2";
    auto typeAndEnter = [&](HWND) {
        HWND focus = ::GetFocus();
        for (wchar_t c : typed) ::PostMessageW(focus, WM_CHAR, c, 1);
        ::PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
        ::PostMessageW(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
    };
    ASSERT_EQ(RightClick(2, {{kDialogClass, Choose(SoundA())}, {kNameDialogClass, typeAndEnter}}), 2u);
    ExpectSlot(2, typed, SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")),
              Gbk(L"[按钮记录]\r\n按钮2=" + typed + L"\r\n[音乐播放]\r\n音乐2=" + SoundA() + L"\r\n"));
}

TEST_F(CustomSlotTest, SlotsThreeAndFourNeverMix) {
    LoadWindow();
    Assign(4, SoundB(), L"四号");
    Assign(3, SoundA(), L"三号");
    ExpectSlot(3, L"三号", SoundA());
    ExpectSlot(4, L"四号", SoundB());
    ExpectSlot(1, L"", L"");
    ExpectSlot(2, L"", L"");
    // Keys in the order they were first written.
    EXPECT_EQ(FileText(Data(L"Data.ini")), Gbk(L"[按钮记录]\r\n按钮4=四号\r\n按钮3=三号\r\n[音乐播放]\r\n音乐4=" +
                                               SoundB() + L"\r\n音乐3=" + SoundA() + L"\r\n"));
    ExpectSlotPlays(4, SoundB());
    ExpectSlotPlays(3, SoundA());
    ExpectSlotPlays(4, SoundB());

    // Every name dialog is gone once closed.
    int nameDialogs = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountNameDialogs, reinterpret_cast<LPARAM>(&nameDialogs));
    EXPECT_EQ(nameDialogs, 0);

    // Reassigning slot 3 touches slot 3 alone.
    Assign(3, SoundB(), L"三号新");
    ExpectSlot(3, L"三号新", SoundB());
    ExpectSlot(4, L"四号", SoundB());
    EXPECT_EQ(FileText(Data(L"Data.ini")), Gbk(L"[按钮记录]\r\n按钮4=四号\r\n按钮3=三号新\r\n[音乐播放]\r\n音乐4=" +
                                               SoundB() + L"\r\n音乐3=" + SoundB() + L"\r\n"));
}

TEST_F(CustomSlotTest, CancellingTheFileDialogAndConfirmingRenamesAndKeepsTheFile) {
    LoadWindow();
    Assign(2, SoundA(), L"锣");
    ASSERT_EQ(RightClick(2, {{kDialogClass, Cancel()}, {kNameDialogClass, NameDialog(L"新名")}}), 2u);
    ExpectSlot(2, L"新名", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")),
              Gbk(L"[按钮记录]\r\n按钮2=新名\r\n[音乐播放]\r\n音乐2=" + SoundA() + L"\r\n"));
    ExpectSlotPlays(2, SoundA());

    // An empty name is a name too: an empty caption, stored empty.
    ASSERT_EQ(RightClick(2, {{kDialogClass, Cancel()}, {kNameDialogClass, NameDialog(L"")}}), 2u);
    ExpectSlot(2, L"", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")), Gbk(L"[按钮记录]\r\n按钮2=\r\n[音乐播放]\r\n音乐2=" + SoundA() + L"\r\n"));

    // Cancelling the first assignment of an empty slot: a name, no file.
    ASSERT_EQ(RightClick(1, {{kDialogClass, Cancel()}, {kNameDialogClass, NameDialog(L"空")}}), 2u);
    ExpectSlot(1, L"空", L"");
    EXPECT_EQ(FileText(Data(L"Data.ini")),
              Gbk(L"[按钮记录]\r\n按钮2=\r\n按钮1=空\r\n[音乐播放]\r\n音乐2=" + SoundA() + L"\r\n音乐1=\r\n"));
    // Its click plays nothing, and the board goes on.
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    Click(kButton13);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(GetPlaybackStats().playsStarted, started);
    ExpectSlotPlays(2, SoundA());
}

TEST_F(CustomSlotTest, ClosingTheNameDialogWithoutConfirmingChangesNothing) {
    LoadWindow();
    // Never assigned: closing leaves the slot empty and writes no file.
    ASSERT_EQ(RightClick(1, {{kDialogClass, Choose(SoundA())}, {kNameDialogClass, NameDialog(std::nullopt)}}), 2u);
    ExpectSlot(1, L"", L"");
    EXPECT_FALSE(FileExists(Data(L"Data.ini")));

    Assign(1, SoundA(), L"掌声");
    const std::string stored = FileText(Data(L"Data.ini"));
    // A new file chosen, then the dialog closed: slot 1 keeps name, file and keys.
    ASSERT_EQ(RightClick(1, {{kDialogClass, Choose(SoundB())}, {kNameDialogClass, NameDialog(std::nullopt)}}), 2u);
    ExpectSlot(1, L"掌声", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")), stored);
    ExpectSlotPlays(1, SoundA());

    // Another slot closed without confirming does not take slot 1's name.
    ASSERT_EQ(RightClick(2, {{kDialogClass, Choose(SoundB())}, {kNameDialogClass, NameDialog(std::nullopt)}}), 2u);
    ExpectSlot(2, L"", L"");
    ExpectSlot(1, L"掌声", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")), stored);
    EXPECT_TRUE(::IsWindowEnabled(window->Handle()));
}

TEST_F(CustomSlotTest, RestartRestoresCaptionsAndPaths) {
    LoadWindow();
    Assign(1, SoundA(), L"掌声");
    Assign(3, SoundB(), L"弹簧 声");
    Assign(4, SoundA(), L"");
    window.reset();
    PumpMessages(20);

    LoadWindow();
    ExpectSlot(1, L"掌声", SoundA());
    ExpectSlot(2, L"", L"");
    ExpectSlot(3, L"弹簧 声", SoundB());
    ExpectSlot(4, L"", SoundA());
    ExpectSlotPlays(3, SoundB());
    ExpectSlotPlays(1, SoundA());
}

TEST_F(CustomSlotTest, TopmostAfterAnAssignmentFollowsTheCheckBox) {
    LoadWindow();
    Click(kCheckBox2);  // 窗口最前 off
    ASSERT_FALSE(window->IsTopmost());
    DuringNameDialog seen;
    ASSERT_EQ(RightClick(1, {{kDialogClass, Choose(SoundA())}, {kNameDialogClass, NameDialog(L"掌声", &seen)}}), 2u);
    EXPECT_FALSE(seen.mainTopmost);
    EXPECT_FALSE(window->IsTopmost()) << "confirming made the window topmost against 窗口最前";
    EXPECT_FALSE(window->IsChecked(kCheckBox2));
    ASSERT_EQ(RightClick(1, {{kDialogClass, Cancel()}, {kNameDialogClass, NameDialog(std::nullopt)}}), 2u);
    EXPECT_FALSE(window->IsTopmost());

    Click(kCheckBox2);  // 窗口最前 on
    ASSERT_TRUE(window->IsTopmost());
    seen = {};
    ASSERT_EQ(RightClick(1, {{kDialogClass, Cancel()}, {kNameDialogClass, NameDialog(std::nullopt, &seen)}}), 2u);
    EXPECT_FALSE(seen.mainTopmost);
    EXPECT_TRUE(window->IsTopmost()) << "closing the name dialog left the window below others";
    Assign(2, SoundB(), L"二");
    EXPECT_TRUE(window->IsTopmost());
    EXPECT_TRUE(window->IsChecked(kCheckBox2));
}

// A name GBK cannot hold would come back garbled from "Data.ini": refused
// with a message, the slot as it was.
TEST_F(CustomSlotTest, NameThatCannotBeStoredIsRefused) {
    LoadWindow();
    Assign(1, SoundA(), L"掌声");
    const std::string stored = FileText(Data(L"Data.ini"));
    std::wstring title, text;
    ASSERT_EQ(RightClick(1, {{kDialogClass, Choose(SoundB())},
                             {kNameDialogClass, NameDialog(L"笑\U0001F602")},
                             {kDialogClass,
                              [&](HWND box) {
                                  wchar_t t[128]{};
                                  ::GetWindowTextW(box, t, 128);
                                  title = t;
                                  text = MessageBoxText(box);
                                  PressOk(box);
                              }}}),
              3u);
    EXPECT_EQ(title, kNoticeTitle);
    EXPECT_FALSE(text.empty());
    ExpectSlot(1, L"掌声", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")), stored);
}

// A file whose path GBK cannot hold (an emoji in its name) is stored by its
// short 8.3 path, which leads to the same file; where the file system has no
// short name, the choice is refused with a message and nothing changes.
TEST_F(CustomSlotTest, PathThatGbkCannotHoldIsStoredInShortFormOrRefused) {
    const std::wstring emoji = Data(L"音效\\笑声\U0001F602.mp3");
    ASSERT_TRUE(CopyPreset(L"卡通.mp3", emoji));
    wchar_t shortBuffer[MAX_PATH]{};
    const DWORD n = ::GetShortPathNameW(emoji.c_str(), shortBuffer, MAX_PATH);
    const std::wstring shortPath(shortBuffer, n);
    const bool hasShortForm = n > 0 && FitsGbk(shortPath);
    LoadWindow();

    if (hasShortForm) {
        Assign(2, emoji, L"笑声");
        const std::wstring stored = window->SlotDialog(2).fileName;
        EXPECT_TRUE(FitsGbk(stored)) << "a path GBK cannot hold was kept";
        wchar_t longBuffer[MAX_PATH]{};
        ::GetLongPathNameW(stored.c_str(), longBuffer, MAX_PATH);
        EXPECT_EQ(std::wstring(longBuffer), emoji) << "the stored path leads elsewhere";
        EXPECT_EQ(FileText(Data(L"Data.ini")),
                  Gbk(L"[按钮记录]\r\n按钮2=笑声\r\n[音乐播放]\r\n音乐2=" + stored + L"\r\n"));
        ExpectSlotPlays(2, emoji);
        // And it still leads there after a restart.
        window.reset();
        LoadWindow();
        ExpectSlot(2, L"笑声", stored);
        ExpectSlotPlays(2, emoji);
    } else {
        std::wstring title;
        ASSERT_EQ(RightClick(2, {{kDialogClass, Choose(emoji)},
                                 {kDialogClass,
                                  [&](HWND box) {
                                      wchar_t t[128]{};
                                      ::GetWindowTextW(box, t, 128);
                                      title = t;
                                      PressOk(box);
                                  }}}),
                  2u);
        EXPECT_EQ(title, kNoticeTitle);
        ExpectSlot(2, L"", L"");
        EXPECT_FALSE(FileExists(Data(L"Data.ini")));
    }
}

TEST_F(CustomSlotTest, BrokenDataIniLoadsAndLosesNothingOnTheNextAssignment) {
    // Garbage lines, bytes that are not GBK (nor UTF-8, and no byte-order
    // mark first), a name of 100 000 characters, a path of 40 000, a number
    // far too big, a key without a section.
    const std::wstring hugeName(100000, L'长');
    const std::wstring hugePath = L"C:\\" + std::wstring(40000, L'p') + L".mp3";
    const std::string original =
        "\x80\xFF\xFE\x01garbage\x80\x80 line\r\n=no key\r\n按钮1=outside any section\r\n" + Gbk(L"[按钮记录]\r\n") +
        "\x81\x30 not gbk\r\n" +
        Gbk(L"按钮1=" + hugeName + L"\r\n按钮2=99999999999999999999999999\r\n[音乐播放]\r\n音乐1=" + hugePath +
            L"\r\n音乐2=" + SoundA());
    WriteAll(Data(L"Data.ini"), original);
    LoadWindow();
    ExpectSlot(1, hugeName, hugePath);
    ExpectSlot(2, L"99999999999999999999999999", SoundA());
    ExpectSlot(3, L"", L"");

    // The huge path plays nothing; the board goes on.
    Click(kButton13);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(FirstAudible(ReadCapture()), kNone);
    ExpectSlotPlays(2, SoundA());

    // Assigning slot 3 adds its two keys and keeps every other byte.
    Assign(3, SoundB(), L"三");
    const std::string expected =
        "\x80\xFF\xFE\x01garbage\x80\x80 line\r\n=no key\r\n按钮1=outside any section\r\n" + Gbk(L"[按钮记录]\r\n") +
        "\x81\x30 not gbk\r\n" +
        Gbk(L"按钮1=" + hugeName + L"\r\n按钮2=99999999999999999999999999\r\n按钮3=三\r\n" + L"[音乐播放]\r\n音乐1=" +
            hugePath + L"\r\n音乐2=" + SoundA() + L"\r\n音乐3=" + SoundB() + L"\r\n");
    EXPECT_EQ(FileText(Data(L"Data.ini")), expected);
    window.reset();
    LoadWindow();
    ExpectSlot(1, hugeName, hugePath);
    ExpectSlot(3, L"三", SoundB());
}

// A "Data.ini" saved by another editor (UTF-8 with a mark, LF line ends)
// reads as written; the first assignment writes the whole file as GBK CR LF
// and keeps the original bytes in "Data.ini.bak".
TEST_F(CustomSlotTest, FirstAssignmentAfterAUtf8DataIniWritesGbkAndKeepsTheOriginal) {
    const std::wstring text = L"[按钮记录]\n按钮1=掌声\n[音乐播放]\n音乐1=" + SoundA() + L"\n";
    const std::string original = "\xEF\xBB\xBF" + ToUtf8(text);
    WriteAll(Data(L"Data.ini"), original);
    LoadWindow();
    ExpectSlot(1, L"掌声", SoundA());
    Assign(2, SoundB(), L"弹簧");
    EXPECT_EQ(FileText(Data(L"Data.ini")), Gbk(L"[按钮记录]\r\n按钮1=掌声\r\n按钮2=弹簧\r\n[音乐播放]\r\n音乐1=" +
                                               SoundA() + L"\r\n音乐2=" + SoundB() + L"\r\n"));
    EXPECT_EQ(FileText(Data(L"Data.ini.bak")), original);
    window.reset();
    LoadWindow();
    ExpectSlot(1, L"掌声", SoundA());
    ExpectSlot(2, L"弹簧", SoundB());
    EXPECT_EQ(FilesIn(dir.Path()).size(), 2u) << "more than the file and its one backup";
}

// Another slot's name in a UTF-8 "Data.ini" that GBK cannot hold (an emoji):
// assigning a slot would have to write it garbled, so the assignment is
// refused with a message and nothing changes; reassigning that slot itself
// replaces the name and writes the file.
TEST_F(CustomSlotTest, AnotherSlotsNameGbkCannotHoldRefusesTheAssignmentUntilThatSlotIsReassigned) {
    const std::string original =
        ToUtf8(L"[按钮记录]\r\n按钮1=派对\U0001F389\r\n[音乐播放]\r\n音乐1=" + SoundA() + L"\r\n");
    WriteAll(Data(L"Data.ini"), original);
    LoadWindow();
    ExpectSlot(1, L"派对\U0001F389", SoundA());
    std::wstring shown;
    ASSERT_EQ(RightClick(2, {{kDialogClass, Choose(SoundB())},
                             {kNameDialogClass, NameDialog(L"弹簧")},
                             {kDialogClass,
                              [&](HWND box) {
                                  shown = MessageBoxText(box);
                                  PressOk(box);
                              }}}),
              3u);
    EXPECT_NE(shown.find(L"Data.ini"), std::wstring::npos) << ToUtf8(shown);
    ExpectSlot(2, L"", L"");
    EXPECT_EQ(FileText(Data(L"Data.ini")), original);
    EXPECT_FALSE(FileExists(Data(L"Data.ini.bak")));

    Assign(1, SoundA(), L"派对");
    ExpectSlot(1, L"派对", SoundA());
    EXPECT_EQ(FileText(Data(L"Data.ini")),
              Gbk(L"[按钮记录]\r\n按钮1=派对\r\n[音乐播放]\r\n音乐1=" + SoundA() + L"\r\n"));
    EXPECT_EQ(FileText(Data(L"Data.ini.bak")), original);
}

// The slot's dialog offers WAV files; a WAV in a slot plays like an MP3.
TEST_F(CustomSlotTest, WavFileInASlotPlays) {
    WavFile wav;
    wav.channels = 1;
    wav.sampleRate = 22050;
    wav.bits = 24;
    wav.samples = TestSignal(1, 24, 22050, 11025);
    const std::wstring path = Data(L"音效\\鼓.wav");
    WriteAll(path, wav.Bytes());
    LoadWindow();
    std::vector<std::wstring> filters;
    ASSERT_EQ(RightClick(3, {{kDialogClass,
                              [&](HWND dialog) {
                                  filters = FilterNames(dialog);
                                  ChooseFile(dialog, path);
                              }},
                             {kNameDialogClass, NameDialog(L"鼓")}}),
              2u);
    EXPECT_EQ(filters, (std::vector<std::wstring>{L"MP3文件", L"MP3和WAV文件", L"所有文件"}));
    ExpectSlot(3, L"鼓", path);
    const PcmSound sound = Expected16(wav);
    Click(SlotButton(3));
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(GetPlaybackStats().deviceFormat, std::optional<PcmFormat>(PcmFormat{1, 22050}));
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound), sound));
}

TEST_F(CustomSlotTest, RandomBytesAsDataIniLoadAndAreKept) {
    std::mt19937 random(11);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    WriteAll(Data(L"Data.ini"), noise);
    LoadWindow();
    ASSERT_TRUE(::IsWindow(window->Handle()));
    Assign(1, SoundA(), L"掌声");
    EXPECT_EQ(window->ControlText(kButton13), L"掌声");
    const std::string now = FileText(Data(L"Data.ini"));
    ASSERT_GE(now.size(), noise.size());
    EXPECT_TRUE(now.compare(0, noise.size(), noise) == 0) << "bytes of the old file were lost";
    window.reset();
    LoadWindow();
    ExpectSlot(1, L"掌声", SoundA());
    ExpectSlotPlays(1, SoundA());
}

}  // namespace
}  // namespace pelorin::test
