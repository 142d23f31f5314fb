// The music list end to end: adding through the real file dialog, the
// duplicate message, deleting, "config.txt" byte for byte, restarts, playing
// by double-click, and list files that are broken in every way we know of.
#include "app_fixture.h"

#include <commdlg.h>
#include <dlgs.h>

#include <random>

#include "app/audio/playback_diagnostics.h"
#include "app/services/data_file.h"
#include "audio/wav_maker.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

struct Row {
    std::wstring number, name, path;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << "{" << ToUtf8(row.number) << ", " << ToUtf8(row.name) << ", " << ToUtf8(row.path) << "}";
}

std::string FileText(const std::wstring& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

// What a message box showed.
struct MessageBoxSeen {
    std::wstring title;
    std::wstring text;
    bool errorIcon = false;
    bool okOnly = false;
};

BOOL CALLBACK FindIcon(HWND child, LPARAM lp) {
    wchar_t name[16]{};
    ::GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"STATIC") == 0 && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(lp) = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

class MusicListTest : public MainWindowTest {
protected:
    void SetUp() override {
        for (const wchar_t* folder : {L"歌", L"别处"}) ::CreateDirectoryW(Data(folder).c_str(), nullptr);
        // Real sounds, so a double-click can be heard.
        ASSERT_TRUE(CopyPreset(L"霸气.mp3", Song(L"开场")));
        ASSERT_TRUE(CopyPreset(L"敲锣声音.mp3", Song(L"掌声")));
        ASSERT_TRUE(CopyPreset(L"版权.mp3", Song(L"结束")));
        ASSERT_TRUE(CopyPreset(L"卡通.mp3", Song(L"新歌")));
        ASSERT_TRUE(CopyPreset(L"卡通.mp3", Data(L"别处\\开场.mp3")));
    }
    std::wstring Song(const std::wstring& name) const { return Data(L"歌\\" + name + L".mp3"); }
    std::wstring ListFile() const { return Data(L"config.txt"); }

    // 按钮19 "添加音效" with `path` chosen in its file dialog. Notes the
    // dialog's folder, current filter and filter choices when asked.
    void Add(const std::wstring& path, std::wstring* folder = nullptr, std::wstring* filter = nullptr,
             std::vector<std::wstring>* filters = nullptr) {
        const size_t driven =
            WithModals([this] { Click(kButton19); }, {{kDialogClass, [&](HWND dialog) {
                                                           wchar_t text[MAX_PATH]{};
                                                           ::SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH,
                                                                          reinterpret_cast<LPARAM>(text));
                                                           if (folder) *folder = text;
                                                           ::GetDlgItemTextW(dialog, cmb1, text, MAX_PATH);
                                                           if (filter) *filter = text;
                                                           if (filters) *filters = FilterNames(dialog);
                                                           ChooseFile(dialog, path);
                                                       }}});
        ASSERT_EQ(driven, 1u);
        PumpMessages(20);
    }
    // An add that ends in a message box; returns what the box showed.
    MessageBoxSeen AddRefused(const std::wstring& path) {
        MessageBoxSeen seen;
        const size_t driven = WithModals([this] { Click(kButton19); },
                                         {{kDialogClass, [&](HWND dialog) { ChooseFile(dialog, path); }},
                                          {kDialogClass, [&](HWND box) {
                                               wchar_t title[128]{};
                                               ::GetWindowTextW(box, title, 128);
                                               seen.title = title;
                                               seen.text = MessageBoxText(box);
                                               HICON icon = nullptr;
                                               ::EnumChildWindows(box, &FindIcon, reinterpret_cast<LPARAM>(&icon));
                                               seen.errorIcon = icon && icon == ::LoadIconW(nullptr, IDI_ERROR);
                                               auto shown = [box](int id) {
                                                   HWND b = ::GetDlgItem(box, id);
                                                   return b && ::IsWindowVisible(b);
                                               };
                                               seen.okOnly = shown(IDOK) && !shown(IDCANCEL) && !shown(IDYES) &&
                                                             !shown(IDNO) && !shown(IDRETRY);
                                               PressOk(box);
                                           }}});
        EXPECT_EQ(driven, 2u) << "no message box";
        PumpMessages(20);
        return seen;
    }
    std::vector<Row> Rows() const {
        runtime::ListView list = window->MusicList();
        std::vector<Row> rows;
        for (int i = 0; i < list.Count(); ++i)
            rows.push_back({list.GetText(i, 0), list.GetText(i, 1), list.GetText(i, 2)});
        return rows;
    }
    void Select(int item) {
        runtime::ListView list = window->MusicList();
        list.Select(item);
        PumpMessages(10);
    }
    void ClearSelection() {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(window->MusicList().Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(&state));
        PumpMessages(10);
    }
    // A double click of the left button at a point of the list view.
    void DoubleClickAt(POINT point) {
        HWND list = window->MusicList().Handle();
        ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        ::SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        PumpMessages(20);
    }
    POINT ItemCenter(int item) const {
        RECT r{};
        r.left = LVIR_LABEL;
        ::SendMessageW(window->MusicList().Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(item),
                       reinterpret_cast<LPARAM>(&r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::string Line(const std::wstring& name, const std::wstring& path) const {
        return ToGbk(name + L"----" + path + L"\r\n");
    }
};

TEST_F(MusicListTest, AddingTwoSongsFillsTheListAndWritesTheFile) {
    LoadWindow();
    EXPECT_TRUE(Rows().empty());
    std::wstring folder, filter;
    std::vector<std::wstring> filters;
    Add(Song(L"开场"), &folder, &filter, &filters);
    EXPECT_EQ(folder, dir.Path()) << "the dialog opens in the program's folder";
    EXPECT_EQ(filter, L"MP3文件");
    EXPECT_EQ(filters, (std::vector<std::wstring>{L"MP3文件", L"MP3和WAV文件"}));
    Add(Song(L"掌声"));
    EXPECT_EQ(Rows(), (std::vector<Row>{{L"1", L"开场", Song(L"开场")}, {L"2", L"掌声", Song(L"掌声")}}));
    EXPECT_EQ(FileText(ListFile()), Line(L"开场", Song(L"开场")) + Line(L"掌声", Song(L"掌声")));
    EXPECT_FALSE(FileExists(ListFile() + L".bak"));
}

TEST_F(MusicListTest, SameSongNameFromAnotherFolderIsRefusedWithAMessage) {
    LoadWindow();
    Add(Song(L"开场"));
    const std::string stored = FileText(ListFile());
    const MessageBoxSeen seen = AddRefused(Data(L"别处\\开场.mp3"));
    EXPECT_EQ(seen.text, L"该音乐已经存在列表中");
    EXPECT_EQ(seen.title, L"温馨提示");
    EXPECT_TRUE(seen.errorIcon);
    EXPECT_TRUE(seen.okOnly);
    EXPECT_EQ(Rows(), (std::vector<Row>{{L"1", L"开场", Song(L"开场")}}));
    EXPECT_EQ(FileText(ListFile()), stored);
    EXPECT_TRUE(::IsWindowEnabled(window->Handle()));
}

TEST_F(MusicListTest, NumbersStayUntilARestartRenumbersThem) {
    LoadWindow();
    Add(Song(L"开场"));
    Add(Song(L"掌声"));
    Add(Song(L"结束"));
    Select(0);
    Click(kButton20);  // 删除音效
    EXPECT_EQ(Rows(), (std::vector<Row>{{L"2", L"掌声", Song(L"掌声")}, {L"3", L"结束", Song(L"结束")}}));
    EXPECT_EQ(FileText(ListFile()), Line(L"掌声", Song(L"掌声")) + Line(L"结束", Song(L"结束")));
    // The number of a new song is the count after adding it: a second "3".
    Add(Song(L"新歌"));
    EXPECT_EQ(Rows(),
              (std::vector<Row>{
                  {L"2", L"掌声", Song(L"掌声")}, {L"3", L"结束", Song(L"结束")}, {L"3", L"新歌", Song(L"新歌")}}));
    const std::string stored =
        Line(L"掌声", Song(L"掌声")) + Line(L"结束", Song(L"结束")) + Line(L"新歌", Song(L"新歌"));
    EXPECT_EQ(FileText(ListFile()), stored);

    // Deleting with nothing selected removes nothing and writes the file anew.
    ClearSelection();
    ASSERT_TRUE(::DeleteFileW(ListFile().c_str()));
    Click(kButton20);
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(FileText(ListFile()), stored);

    window.reset();
    LoadWindow();
    EXPECT_EQ(Rows(),
              (std::vector<Row>{
                  {L"1", L"掌声", Song(L"掌声")}, {L"2", L"结束", Song(L"结束")}, {L"3", L"新歌", Song(L"新歌")}}));
    EXPECT_EQ(FileText(ListFile()), stored);
}

TEST_F(MusicListTest, DeletingTheLastSongLeavesAnEmptyFile) {
    LoadWindow();
    Add(Song(L"开场"));
    Select(0);
    Click(kButton20);
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(FileExists(ListFile()));
    EXPECT_EQ(FileText(ListFile()), "");
    window.reset();
    LoadWindow();
    EXPECT_TRUE(Rows().empty());
}

TEST_F(MusicListTest, DoubleClickPlaysTheSelectedSongAndNothingWithoutSelection) {
    LoadWindow();
    Add(Song(L"开场"));
    Add(Song(L"掌声"));
    window->ToggleExpanded();  // the list is in the lower half
    PumpMessages(20);
    const std::optional<PcmSound> sound = DecodeWhole(Song(L"掌声"));
    ASSERT_TRUE(sound);

    Select(1);
    DoubleClickAt(ItemCenter(1));
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound), *sound));

    // No current item: a double click on the empty part of the list plays nothing.
    ClearSelection();
    const std::uint64_t handled = GetPlaybackStats().playsHandled;
    const size_t heard = capture.size();
    RECT client{};
    ::GetClientRect(window->MusicList().Handle(), &client);
    DoubleClickAt({client.right / 2, client.bottom - 5});
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(GetPlaybackStats().playsHandled, handled);
    EXPECT_EQ(FirstAudible(ReadCapture(), heard), kNone);
}

// A WAV file is added like an MP3 (its name without ".wav") and plays.
TEST_F(MusicListTest, WavSongIsAddedAndPlays) {
    WavFile wav;
    wav.samples = TestSignal(2, 16, 44100, 22050);
    WriteAll(Data(L"歌\\鼓声.wav"), wav.Bytes());
    LoadWindow();
    Add(Data(L"歌\\鼓声.wav"));
    EXPECT_EQ(Rows(), (std::vector<Row>{{L"1", L"鼓声", Data(L"歌\\鼓声.wav")}}));
    EXPECT_EQ(FileText(ListFile()), Line(L"鼓声", Data(L"歌\\鼓声.wav")));
    window->ToggleExpanded();
    PumpMessages(20);
    Select(0);
    DoubleClickAt(ItemCenter(0));
    ASSERT_TRUE(WaitUntilPlayed());
    const PcmSound sound = Expected16(wav);
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound), sound));
}

TEST_F(MusicListTest, MissingOrEmptyListFileGivesAnEmptyList) {
    LoadWindow();
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(FileExists(ListFile())) << "loading wrote the list file";
    window.reset();
    WriteAll(ListFile(), std::string());
    LoadWindow();
    EXPECT_TRUE(Rows().empty());
    Add(Song(L"开场"));
    EXPECT_EQ(FileText(ListFile()), Line(L"开场", Song(L"开场")));
}

// A path GBK cannot hold (an emoji in the file name) is listed and stored by
// its short 8.3 path, which leads to the same file; without a short name the
// add is refused with a message.
TEST_F(MusicListTest, PathThatGbkCannotHoldIsStoredInShortFormOrRefused) {
    const std::wstring emoji = Data(L"歌\\欢呼\U0001F389.mp3");
    ASSERT_TRUE(CopyPreset(L"炸弹.mp3", emoji));
    wchar_t shortBuffer[MAX_PATH]{};
    const DWORD n = ::GetShortPathNameW(emoji.c_str(), shortBuffer, MAX_PATH);
    const bool hasShortForm = n > 0 && FitsGbk(std::wstring(shortBuffer, n));
    LoadWindow();
    if (hasShortForm) {
        Add(emoji);
        const std::vector<Row> rows = Rows();
        ASSERT_EQ(rows.size(), 1u);
        const std::wstring stored = rows[0].path;
        EXPECT_TRUE(FitsGbk(stored));
        EXPECT_TRUE(FitsGbk(rows[0].name));
        wchar_t longBuffer[MAX_PATH]{};
        ::GetLongPathNameW(stored.c_str(), longBuffer, MAX_PATH);
        EXPECT_EQ(std::wstring(longBuffer), emoji);
        EXPECT_EQ(FileText(ListFile()), Line(rows[0].name, stored));
        window.reset();
        LoadWindow();
        EXPECT_EQ(Rows(), rows);
        // And it plays.
        const std::optional<PcmSound> sound = DecodeWhole(emoji);
        ASSERT_TRUE(sound);
        window->ToggleExpanded();
        Select(0);
        DoubleClickAt(ItemCenter(0));
        ASSERT_TRUE(WaitUntilPlayed());
        const Samples capture = ReadCapture();
        EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound), *sound));
    } else {
        const MessageBoxSeen seen = AddRefused(emoji);
        EXPECT_EQ(seen.title, L"温馨提示");
        EXPECT_TRUE(Rows().empty());
        EXPECT_FALSE(FileExists(ListFile()));
    }
}

std::string Gbk(const std::wstring& text) { return ToGbk(text); }

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

std::string ManyLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += Gbk(L"歌曲" + std::to_wstring(i) + L"----D:\\音乐\\歌曲" + std::to_wstring(i) + L".mp3\r\n");
    return text;
}

// Broken list files: each loads what it can, the program keeps working,
// nothing is written at start-up or close, and a file that the next save
// cannot write back as it is (lines skipped, bytes that are not GBK, pieces
// cut off) is copied to "config.txt.bak" by the first save that changes it.
class BrokenMusicListFileTest : public MusicListTest {
protected:
    // Loads the window over `bytes` as "config.txt"; then the program must
    // still add a song, and nothing of the old file may be lost.
    void Check(const std::string& bytes, const std::vector<std::pair<std::wstring, std::wstring>>& expected,
               bool backedUp) {
        WriteAll(ListFile(), bytes);
        const FolderFiles before = FilesIn(dir.Path());
        LoadWindow();
        const std::vector<Row> rows = Rows();
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].number, std::to_wstring(i + 1));
            EXPECT_EQ(rows[i].name, expected[i].first);
            EXPECT_EQ(rows[i].path, expected[i].second);
        }
        window.reset();
        EXPECT_EQ(FilesIn(dir.Path()), before) << "loading or closing wrote a file";

        LoadWindow();
        Add(Song(L"新歌"));
        std::string saved;
        for (const auto& [name, path] : expected) saved += Gbk(name + L"----" + path + L"\r\n");
        saved += Line(L"新歌", Song(L"新歌"));
        EXPECT_EQ(FileText(ListFile()), saved);
        if (backedUp) {
            EXPECT_EQ(FileText(ListFile() + L".bak"), bytes) << "what the save dropped was not kept";
        } else {
            EXPECT_FALSE(FileExists(ListFile() + L".bak"));
        }

        window.reset();
        LoadWindow();
        EXPECT_EQ(Rows().size(), expected.size() + 1);
        EXPECT_EQ(Rows().back(), (Row{std::to_wstring(expected.size() + 1), L"新歌", Song(L"新歌")}));
        if (backedUp) {
            EXPECT_EQ(FileText(ListFile() + L".bak"), bytes);
        }
        EXPECT_FALSE(FileExists(runtime::BackupPath(ListFile(), 1)));
    }
};

TEST_F(BrokenMusicListFileTest, LinesWithoutTheSeparatorAreSkippedAndKept) {
    Check(Gbk(L"甲----C:\\歌\\甲.mp3\r\n没有分隔的一行\r\n乙----C:\\歌\\乙.mp3\r\n"),
          {{L"甲", L"C:\\歌\\甲.mp3"}, {L"乙", L"C:\\歌\\乙.mp3"}}, true);
}

TEST_F(BrokenMusicListFileTest, EmptyLinesAreSkipped) {
    Check(Gbk(L"\r\n甲----C:\\歌\\甲.mp3\r\n\r\n\r\n乙----C:\\歌\\乙.mp3\r\n\r\n"),
          {{L"甲", L"C:\\歌\\甲.mp3"}, {L"乙", L"C:\\歌\\乙.mp3"}}, true);
}

TEST_F(BrokenMusicListFileTest, BytesThatAreNotGbkAreKept) {
    const std::string bytes = Gbk(L"甲----C:\\歌\\") + "\x80\xFF\xFE" + ".mp3\r\n" + Gbk(L"乙----C:\\歌\\乙.mp3\r\n");
    WriteAll(ListFile(), bytes);
    LoadWindow();
    ASSERT_EQ(Rows().size(), 2u);
    EXPECT_EQ(Rows()[1], (Row{L"2", L"乙", L"C:\\歌\\乙.mp3"}));
    EXPECT_FALSE(FileExists(ListFile() + L".bak"));
    Add(Song(L"新歌"));
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(FileText(ListFile() + L".bak"), bytes);
}

// A path holding "----" is cut on load: only the first two pieces count.
TEST_F(BrokenMusicListFileTest, SeparatorInsideAPathIsKept) {
    Check(Gbk(L"甲----C:\\a----b.mp3\r\n"), {{L"甲", L"C:\\a"}}, true);
}

// LF and CR alone end lines as CR LF does; the save writes CR LF.
TEST_F(BrokenMusicListFileTest, LfAndCrLineEndsEndLinesAndAreKept) {
    Check(Gbk(L"甲----C:\\甲.mp3\n乙----C:\\乙.mp3\r丙----C:\\丙.mp3\n"),
          {{L"甲", L"C:\\甲.mp3"}, {L"乙", L"C:\\乙.mp3"}, {L"丙", L"C:\\丙.mp3"}}, true);
}

TEST_F(BrokenMusicListFileTest, TwentyThousandLinesLoadAndAreKept) {
    const std::string bytes = ManyLines(20000);
    std::vector<std::pair<std::wstring, std::wstring>> expected;
    for (int i = 1; i <= 20000; ++i)
        expected.push_back({L"歌曲" + std::to_wstring(i), L"D:\\音乐\\歌曲" + std::to_wstring(i) + L".mp3"});
    Check(bytes, expected, false);
}

TEST_F(BrokenMusicListFileTest, FiveMegabytesOfRandomBytesLoadAndAreKept) {
    const std::string bytes = RandomBytes(5u << 20, 3);
    WriteAll(ListFile(), bytes);
    LoadWindow();
    EXPECT_FALSE(FileExists(ListFile() + L".bak"));
    const size_t loaded = Rows().size();
    Add(Song(L"新歌"));
    EXPECT_EQ(Rows().size(), loaded + 1);
    EXPECT_EQ(Rows().back().name, L"新歌");
    EXPECT_EQ(FileText(ListFile() + L".bak"), bytes);
    window.reset();
    LoadWindow();
    EXPECT_EQ(Rows().size(), loaded + 1);
    EXPECT_EQ(FileText(ListFile() + L".bak"), bytes);
}

TEST_F(BrokenMusicListFileTest, LastLineWithoutLineEndLoads) {
    Check(Gbk(L"甲----C:\\歌\\甲.mp3\r\n乙----C:\\歌\\乙.mp3"),
          {{L"甲", L"C:\\歌\\甲.mp3"}, {L"乙", L"C:\\歌\\乙.mp3"}}, true);
}

}  // namespace
}  // namespace pelorin::test
