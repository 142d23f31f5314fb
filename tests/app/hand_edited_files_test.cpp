// "config.txt" and "Data.ini" edited by hand in other editors, through the
// real main window: they load as meant, nothing is written at start-up or
// close, and the first save that changes them keeps their bytes in a backup.
#include "app_fixture.h"

#include "app/custom_slots.h"
#include "app/music_list.h"
#include "app/services/data_file.h"
#include "app/services/storable_path.h"
#include "sound_check.h"
#include "text_forms.h"

namespace pelorin::test {
namespace {

std::string FileText(const std::wstring& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

using SongRows = std::vector<std::vector<std::wstring>>;  // number, name, path

class HandEditedFilesTest : public MainWindowTest {
protected:
    std::wstring ListFile() const { return Data(L"config.txt"); }
    std::wstring Ini() const { return Data(L"Data.ini"); }
    SongRows Rows() const {
        runtime::ListView list = window->MusicList();
        SongRows rows;
        for (int i = 0; i < list.Count(); ++i)
            rows.push_back({list.GetText(i, 0), list.GetText(i, 1), list.GetText(i, 2)});
        return rows;
    }
    // Selects an item and clicks 按钮20 "删除音效", which saves the list.
    void Delete(int item) {
        window->MusicList().Select(item);
        PumpMessages(10);
        Click(kButton20);
    }
};

TEST_F(HandEditedFilesTest, BothFilesInEveryFormLoadAsMeantAndNothingIsWritten) {
    const std::wstring list = L"开场----D:\\音乐\\开场.mp3\r\n掌声----D:\\音乐\\掌声.mp3\r\n";
    const std::wstring ini =
        L"[按钮记录]\r\n按钮1=掌声\r\n按钮2=锣 2\r\n[音乐播放]\r\n音乐1=D:\\音乐\\掌声.mp3\r\n音乐2=D:\\锣.mp3\r\n";
    for (const TextForm& form : TextForms()) {
        SCOPED_TRACE(form.name);
        WriteAll(ListFile(), form.encode(list));
        WriteAll(Ini(), form.encode(ini));
        const FolderFiles before = FilesIn(dir.Path());
        LoadWindow();
        EXPECT_EQ(Rows(), (SongRows{{L"1", L"开场", L"D:\\音乐\\开场.mp3"}, {L"2", L"掌声", L"D:\\音乐\\掌声.mp3"}}));
        EXPECT_EQ(window->ControlText(SlotButton(1)), L"掌声");
        EXPECT_EQ(window->SlotDialog(1).fileName, L"D:\\音乐\\掌声.mp3");
        EXPECT_EQ(window->ControlText(SlotButton(2)), L"锣 2");
        EXPECT_EQ(window->SlotDialog(2).fileName, L"D:\\锣.mp3");
        EXPECT_EQ(window->ControlText(SlotButton(3)), L"");
        window.reset();
        PumpMessages(10);
        EXPECT_EQ(FilesIn(dir.Path()), before) << "start-up or close wrote a file";
    }
}

TEST_F(HandEditedFilesTest, FirstSaveWritesGbkCrLfAndKeepsTheOriginalAndASecondEpisodeNumbersItsBackup) {
    const std::string utf8 = ToUtf8(L"开场----D:\\音乐\\开场.mp3\n掌声----D:\\音乐\\掌声.mp3\n结束----D:\\结束.mp3\n");
    WriteAll(ListFile(), utf8);
    LoadWindow();
    ASSERT_EQ(Rows().size(), 3u);
    Delete(0);
    EXPECT_EQ(FileText(ListFile()), ToGbk(L"掌声----D:\\音乐\\掌声.mp3\r\n结束----D:\\结束.mp3\r\n"));
    EXPECT_EQ(FileText(ListFile() + L".bak"), utf8);
    // The file is the program's own now: later saves keep no more copies.
    Delete(0);
    EXPECT_EQ(FileText(ListFile()), ToGbk(L"结束----D:\\结束.mp3\r\n"));
    window.reset();
    EXPECT_EQ(FilesIn(dir.Path()).size(), 2u);
    EXPECT_EQ(FileText(ListFile() + L".bak"), utf8);

    // Edited by hand once more, in UTF-16 this time.
    const std::string utf16 = Utf16(L"甲----C:\\甲.mp3\r\n乙----C:\\乙.mp3\r\n", false);
    WriteAll(ListFile(), utf16);
    LoadWindow();
    EXPECT_EQ(Rows(), (SongRows{{L"1", L"甲", L"C:\\甲.mp3"}, {L"2", L"乙", L"C:\\乙.mp3"}}));
    Delete(1);
    EXPECT_EQ(FileText(ListFile()), ToGbk(L"甲----C:\\甲.mp3\r\n"));
    EXPECT_EQ(FileText(ListFile() + L".bak"), utf8);
    EXPECT_EQ(FileText(runtime::BackupPath(ListFile(), 1)), utf16);
    window.reset();
    LoadWindow();
    EXPECT_EQ(Rows(), (SongRows{{L"1", L"甲", L"C:\\甲.mp3"}}));
}

// A name GBK cannot hold (an emoji typed in a UTF-8 editor) is shown as it
// was written, but never saved garbled: the save is refused with a message,
// until that song is deleted.
TEST_F(HandEditedFilesTest, ANameGbkCannotHoldStopsTheSaveWithAMessageUntilItIsDeleted) {
    const std::string utf8 = ToUtf8(L"派对\U0001F389----D:\\派对.mp3\r\n开场----D:\\开场.mp3\r\n");
    WriteAll(ListFile(), utf8);
    LoadWindow();
    EXPECT_EQ(Rows(), (SongRows{{L"1", L"派对\U0001F389", L"D:\\派对.mp3"}, {L"2", L"开场", L"D:\\开场.mp3"}}));

    std::wstring shown;
    const size_t boxes = WithModals([this] { Delete(1); }, {{kDialogClass, [&](HWND box) {
                                                                 shown = MessageBoxText(box);
                                                                 PressOk(box);
                                                             }}});
    EXPECT_EQ(boxes, 1u);
    EXPECT_EQ(shown, kUnstorableListMessage);
    EXPECT_EQ(FileText(ListFile()), utf8) << "the list was saved garbled";
    EXPECT_FALSE(FileExists(ListFile() + L".bak"));

    const size_t more = WithModals([this] { Delete(0); }, {{kDialogClass, [](HWND box) { PressOk(box); }}});
    EXPECT_EQ(more, 0u) << "a message though the list can be saved now";
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(FileText(ListFile()), "");
    EXPECT_EQ(FileText(ListFile() + L".bak"), utf8);
}

// A path GBK cannot hold (from a UTF-8 file) is taken by its short form when
// the file system has one, in the list and in a slot, so it plays and the
// next save stores it faithfully.
TEST_F(HandEditedFilesTest, PathsGbkCannotHoldAreTakenByTheirShortForm) {
    const std::wstring song = Data(L"欢呼\U0001F389.mp3");
    ASSERT_TRUE(CopyPreset(L"炸弹.mp3", song));
    const std::optional<std::wstring> shortForm = runtime::StorablePath(song);
    WriteAll(ListFile(), ToUtf8(L"欢呼\U0001F389----" + song + L"\r\n"));
    WriteAll(Ini(), ToUtf8(L"[按钮记录]\r\n按钮1=欢呼\r\n[音乐播放]\r\n音乐1=" + song + L"\r\n"));
    LoadWindow();
    const std::wstring expectedPath = shortForm.value_or(song);
    EXPECT_EQ(Rows(), (SongRows{{L"1", L"欢呼\U0001F389", expectedPath}}));
    EXPECT_EQ(window->SlotDialog(1).fileName, expectedPath);
    if (shortForm) {
        wchar_t longPath[MAX_PATH]{};
        ::GetLongPathNameW(shortForm->c_str(), longPath, MAX_PATH);
        EXPECT_EQ(std::wstring(longPath), song);
    }

    const std::optional<PcmSound> sound = DecodeWhole(song);
    ASSERT_TRUE(sound);
    Click(SlotButton(1));
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound), *sound));
}

}  // namespace
}  // namespace pelorin::test
