// Data files written by other programs: the reading rules (encodings, line
// ends, NUL bytes), the list file and "Data.ini" read in every form, and the
// backups kept before the program rewrites such a file in its own form.
#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "app/music_list.h"
#include "app/services/data_file.h"
#include "app/services/data_text.h"
#include "app/services/ini_file.h"
#include "app/services/storable_path.h"
#include "text_forms.h"

namespace pelorin::test {
namespace {

using runtime::DetectTextEncoding;
using runtime::TextEncoding;

std::string FileText(const std::wstring& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

const std::wstring kTwoSongs = L"开场----D:\\音乐\\开场.mp3\r\n掌声----D:\\音乐\\掌声.mp3\r\n";
const std::vector<Song> kTwoSongsParsed = {{L"开场", L"D:\\音乐\\开场.mp3"}, {L"掌声", L"D:\\音乐\\掌声.mp3"}};

TEST(ReadingRules, TheSameTwoSongListInEveryFormGivesTheSameTwoSongs) {
    for (const TextForm& form : TextForms()) {
        SCOPED_TRACE(form.name);
        const std::string bytes = form.encode(kTwoSongs);
        EXPECT_EQ(DetectTextEncoding(bytes), form.encoding);
        EXPECT_EQ(ParseListFile(bytes), kTwoSongsParsed);
        // Only the program's own form is written back unchanged by a save.
        EXPECT_EQ(IsOwnListFile(bytes), form.ownForm);
    }
    // The last line without a line end, and one song only.
    EXPECT_EQ(ParseListFile(ToUtf8(L"开场----D:\\音乐\\开场.mp3")), (std::vector<Song>{kTwoSongsParsed[0]}));
}

TEST(ReadingRules, GbkThatIsAlsoValidUtf8StaysGbk) {
    // Pure ASCII is both.
    const std::string ascii = "intro----C:\\music\\intro.mp3\r\n";
    EXPECT_EQ(DetectTextEncoding(ascii), TextEncoding::Gbk);
    EXPECT_EQ(ParseListFile(ascii), (std::vector<Song>{{L"intro", L"C:\\music\\intro.mp3"}}));
    // "陆路" in GBK is C2 BD C2 B7, valid UTF-8 ("½·") made of two-byte
    // sequences, each of which is a GBK character too: GBK it stays.
    const std::string luLu = ToGbk(L"陆路----D:\\陆路.mp3\r\n");
    ASSERT_EQ(luLu.substr(0, 4), "\xC2\xBD\xC2\xB7");
    EXPECT_EQ(DetectTextEncoding(luLu), TextEncoding::Gbk);
    EXPECT_EQ(ParseListFile(luLu), (std::vector<Song>{{L"陆路", L"D:\\陆路.mp3"}}));
    // For the same reason UTF-8 text whose only non-ASCII letters take two
    // bytes reads as GBK: "Café" (C3 A9) is "Caf茅". A BOM settles it.
    EXPECT_EQ(DetectTextEncoding(ToUtf8(L"Café----C:\\Café.mp3\r\n")), TextEncoding::Gbk);
    EXPECT_EQ(ParseListFile("\xEF\xBB\xBF" + ToUtf8(L"Café----C:\\Café.mp3\r\n")),
              (std::vector<Song>{{L"Café", L"C:\\Café.mp3"}}));
    // "联通" in GBK (C1 AA CD A8) looks like UTF-8 to lax readers; C1 never
    // starts a UTF-8 sequence.
    EXPECT_EQ(DetectTextEncoding(ToGbk(L"联通----C:\\联通.mp3\r\n")), TextEncoding::Gbk);
    // One three-byte sequence decides for UTF-8, whatever else the file holds.
    EXPECT_EQ(DetectTextEncoding(ToUtf8(L"Café 开----x\r\n")), TextEncoding::Utf8);
}

TEST(ReadingRules, BytesThatAreNotWellFormedUtf8AreGbk) {
    const std::string utf8 = ToUtf8(L"开场----D:\\音乐\\开场.mp3\r\n");
    const std::string broken[] = {
        utf8 + "\x80",                          // a stray continuation byte
        utf8 + "\xE5\xBC",                      // a sequence cut by the end of the file
        utf8 + "\xC0\xAF",                      // an overlong form
        utf8 + "\xED\xA0\x80",                  // a surrogate
        utf8 + "\xF4\x90\x80\x80",              // above U+10FFFF
        utf8 + ToGbk(L"掌声----D:\\掌声.mp3"),  // GBK appended to UTF-8
    };
    for (const std::string& bytes : broken) {
        EXPECT_EQ(DetectTextEncoding(bytes), TextEncoding::Gbk);
        EXPECT_NO_THROW(ParseListFile(bytes));
    }
    // A four-byte sequence (an emoji) is a pair of GBK characters unless its
    // third byte is 80: alone it does not decide.
    EXPECT_EQ(DetectTextEncoding(ToUtf8(L"\U0001F389")), TextEncoding::Gbk);   // F0 9F 8E 89
    EXPECT_EQ(DetectTextEncoding(ToUtf8(L"\U0001F000")), TextEncoding::Utf8);  // F0 9F 80 80
    EXPECT_EQ(DetectTextEncoding(ToUtf8(L"\U0001F389 开")), TextEncoding::Utf8);
}

TEST(ReadingRules, CrLfLfAndCrEachEndALineAndNulEndsNothing) {
    const runtime::DataText data = runtime::ReadDataText("a\r\nb\nc\rd\r\r\ne");
    std::vector<std::wstring> texts;
    std::vector<std::string> ends;
    for (const runtime::TextLine& line : data.lines) {
        texts.push_back(line.text);
        ends.push_back(std::string(line.end));
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"a", L"b", L"c", L"d", L"", L"e"}));
    EXPECT_EQ(ends, (std::vector<std::string>{"\r\n", "\n", "\r", "\r", "\r\n", ""}));

    // NUL bytes (an editor that saved UTF-16 without a mark, a damaged file)
    // are dropped from names and paths and end no line.
    using namespace std::string_literals;
    EXPECT_EQ(ParseListFile(ToGbk(L"开") + "\0"s + ToGbk(L"场----D:\\") + "\0\0"s + "x.mp3\r\n"),
              (std::vector<Song>{{L"开场", L"D:\\x.mp3"}}));
    EXPECT_EQ(ParseListFile(Utf16(L"开\0场----D:\\x.mp3\0\r\n"s, false)), (std::vector<Song>{{L"开场", L"D:\\x.mp3"}}));
    EXPECT_EQ(ParseListFile("\xEF\xBB\xBF"s + ToUtf8(L"开场----D:\\x.mp3") + "\0\r\n"s),
              (std::vector<Song>{{L"开场", L"D:\\x.mp3"}}));
    // UTF-16 without a whole last unit, and a lone surrogate: read, no crash.
    EXPECT_EQ(ParseListFile(Utf16(L"a----b\r\n", false) + "x"), (std::vector<Song>{{L"a", L"b"}}));
    EXPECT_EQ(ParseListFile(Utf16(L"a\xD800----b\r\n", true)).size(), 1u);
    EXPECT_TRUE(ParseListFile("\xFF\xFE").empty());
    EXPECT_TRUE(ParseListFile("\xEF\xBB\xBF").empty());
}

// "Data.ini" with slot 1 assigned, in every form.
TEST(ReadingRules, TheSameSlotInEveryFormOfDataIniReadsTheSame) {
    TempDir dir;
    const std::wstring ini = dir.File(L"Data.ini");
    const std::wstring text = L"[按钮记录]\r\n按钮1=掌声\r\n[音乐播放]\r\n音乐1=D:\\音乐\\掌声.mp3\r\n";
    for (const TextForm& form : TextForms()) {
        SCOPED_TRACE(form.name);
        WriteAll(ini, form.encode(text));
        EXPECT_EQ(runtime::ReadIni(ini, L"按钮记录", L"按钮1"), L"掌声");
        EXPECT_EQ(runtime::ReadIni(ini, L"音乐播放", L"音乐1"), L"D:\\音乐\\掌声.mp3");
        EXPECT_EQ(runtime::ReadIni(ini, L"音乐播放", L"音乐2"), L"");
    }
    // GBK that is valid UTF-8 by accident stays GBK.
    WriteAll(ini, ToGbk(L"[按钮记录]\r\n按钮1=陆路\r\n"));
    EXPECT_EQ(runtime::ReadIni(ini, L"按钮记录", L"按钮1"), L"陆路");
    WriteAll(ini, std::string("[a]\r\nk=plain ascii\r\n"));
    EXPECT_EQ(runtime::ReadIni(ini, L"a", L"k"), L"plain ascii");
}

class Backups : public ::testing::Test {
protected:
    std::wstring File() const { return dir.File(L"config.txt"); }
    std::wstring Backup(int n) const { return runtime::BackupPath(File(), n); }
    int FileCount() const {
        int files = 0;
        WIN32_FIND_DATAW fd;
        HANDLE find = ::FindFirstFileW(dir.File(L"*").c_str(), &fd);
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
        } while (::FindNextFileW(find, &fd));
        ::FindClose(find);
        return files;
    }
    // A file in another form, replaced by the program's bytes.
    bool Episode(const std::string& foreign, const std::string& own = "own\r\n") {
        WriteAll(File(), foreign);
        return runtime::ReplaceDataFile(File(), foreign, false, own);
    }
    TempDir dir;
};

TEST_F(Backups, TheFirstChangingSaveKeepsTheOriginalAndLaterOnesDoNot) {
    // A file in the program's own form needs no backup.
    WriteAll(File(), std::string_view("own\r\n"));
    ASSERT_TRUE(runtime::ReplaceDataFile(File(), "own\r\n", true, "changed\r\n"));
    EXPECT_EQ(FileCount(), 1);
    // A save that does not change a foreign file keeps nothing either.
    WriteAll(File(), std::string_view("same"));
    ASSERT_TRUE(runtime::ReplaceDataFile(File(), "same", false, "same"));
    EXPECT_EQ(FileCount(), 1);

    ASSERT_TRUE(Episode("first foreign"));
    EXPECT_EQ(FileText(File()), "own\r\n");
    EXPECT_EQ(FileText(Backup(0)), "first foreign");
    // The file is in the program's form now.
    ASSERT_TRUE(runtime::ReplaceDataFile(File(), "own\r\n", true, "more\r\n"));
    EXPECT_EQ(FileCount(), 2);

    // A second episode keeps the first backup and numbers the new one.
    ASSERT_TRUE(Episode("second foreign"));
    EXPECT_EQ(FileText(Backup(0)), "first foreign");
    EXPECT_EQ(FileText(Backup(1)), "second foreign");
    // Bytes a backup holds already are not kept twice.
    ASSERT_TRUE(Episode("first foreign"));
    ASSERT_TRUE(Episode("second foreign"));
    EXPECT_EQ(FileCount(), 3);
}

TEST_F(Backups, AtMostFiveNumberedBackupsTheNewestKept) {
    for (int i = 0; i <= 8; ++i) ASSERT_TRUE(Episode("foreign " + std::to_string(i)));
    EXPECT_EQ(FileText(Backup(0)), "foreign 0");
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(FileExists(Backup(n))) << n;
    for (int n = 4; n <= 8; ++n) EXPECT_EQ(FileText(Backup(n)), "foreign " + std::to_string(n)) << n;
    EXPECT_EQ(FileCount(), 7);  // the file, its first backup and five numbered ones
    // Files that merely look like backups are left alone.
    WriteAll(dir.File(L"config.txt.x1.bak"), std::string_view("other"));
    WriteAll(dir.File(L"config.txt.1.bak.txt"), std::string_view("other"));
    ASSERT_TRUE(Episode("foreign 9"));
    EXPECT_EQ(FileText(Backup(9)), "foreign 9");
    EXPECT_FALSE(FileExists(Backup(4)));
    EXPECT_EQ(FileText(dir.File(L"config.txt.x1.bak")), "other");
    EXPECT_EQ(FileText(dir.File(L"config.txt.1.bak.txt")), "other");
}

TEST_F(Backups, WhenTheBackupCannotBeWrittenTheFileIsNotReplaced) {
    ASSERT_TRUE(Episode("first foreign"));
    // The next backup's temporary file cannot be created.
    const std::wstring blocker = Backup(1) + L".new-" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW(blocker.c_str(), nullptr));
    EXPECT_FALSE(Episode("second foreign"));
    EXPECT_EQ(FileText(File()), "second foreign");
    EXPECT_FALSE(FileExists(Backup(1)));
    ::RemoveDirectoryW(blocker.c_str());
}

class ForeignDataIni : public ::testing::Test {
protected:
    std::wstring Ini() const { return dir.File(L"Data.ini"); }
    TempDir dir;
};

TEST_F(ForeignDataIni, FirstWriteConvertsToGbkCrLfAndKeepsTheOriginal) {
    const std::string utf8 =
        "\xEF\xBB\xBF" + ToUtf8(L"; 手改\n[按钮记录]\n按钮1=掌声\n[音乐播放]\n音乐1=D:\\音乐\\掌声.mp3\n");
    WriteAll(Ini(), utf8);
    const runtime::IniEntry entries[] = {{L"按钮记录", L"按钮2", L"锣"}, {L"音乐播放", L"音乐2", L"D:\\锣.mp3"}};
    ASSERT_EQ(runtime::WriteIni(Ini(), entries), runtime::IniWriteResult::Written);
    EXPECT_EQ(FileText(Ini()),
              ToGbk(L"; 手改\r\n[按钮记录]\r\n按钮1=掌声\r\n按钮2=锣\r\n[音乐播放]\r\n音乐1=D:\\音乐\\掌声."
                    L"mp3\r\n音乐2=D:\\锣.mp3\r\n"));
    EXPECT_EQ(FileText(Ini() + L".bak"), utf8);
    // Now GBK: later writes change lines in place and keep no more backups.
    ASSERT_TRUE(runtime::WriteIni(Ini(), L"按钮记录", L"按钮1", L"新名"));
    EXPECT_EQ(runtime::ReadIni(Ini(), L"按钮记录", L"按钮1"), L"新名");
    EXPECT_FALSE(FileExists(runtime::BackupPath(Ini(), 1)));
    EXPECT_EQ(FileText(Ini() + L".bak"), utf8);

    // Edited again elsewhere (UTF-16 this time): a numbered backup.
    const std::string utf16 = Utf16(L"[按钮记录]\r\n按钮1=二\r\n", false);
    WriteAll(Ini(), utf16);
    ASSERT_TRUE(runtime::WriteIni(Ini(), L"按钮记录", L"按钮1", L"三"));
    EXPECT_EQ(FileText(Ini()), ToGbk(L"[按钮记录]\r\n按钮1=三\r\n"));
    EXPECT_EQ(FileText(Ini() + L".bak"), utf8);
    EXPECT_EQ(FileText(runtime::BackupPath(Ini(), 1)), utf16);
}

// A value GBK cannot hold, from a UTF-8 file: a path is written by its short
// form; anything else stops the write before a byte is changed.
TEST_F(ForeignDataIni, ValuesGbkCannotHoldAreNeverWrittenGarbled) {
    const std::wstring song = dir.File(L"欢呼\U0001F389.mp3");
    WriteAll(song, std::string_view("x"));
    const std::string withPath = ToUtf8(L"[音乐播放]\r\n音乐1=" + song + L"\r\n");
    WriteAll(Ini(), withPath);
    EXPECT_EQ(runtime::ReadIni(Ini(), L"音乐播放", L"音乐1"), song);
    const std::optional<std::wstring> shortForm = runtime::StorablePath(song);
    const bool written = runtime::WriteIni(Ini(), L"音乐播放", L"音乐2", L"D:\\锣.mp3");
    EXPECT_EQ(written, shortForm.has_value());
    if (shortForm) {
        EXPECT_EQ(FileText(Ini()), ToGbk(L"[音乐播放]\r\n音乐1=" + *shortForm + L"\r\n音乐2=D:\\锣.mp3\r\n"));
        EXPECT_EQ(FileText(Ini() + L".bak"), withPath);
    } else {
        EXPECT_EQ(FileText(Ini()), withPath);
    }

    const std::string withName = ToUtf8(L"[按钮记录]\r\n按钮1=派对\U0001F389\r\n");
    WriteAll(Ini(), withName);
    EXPECT_EQ(runtime::ReadIni(Ini(), L"按钮记录", L"按钮1"), L"派对\U0001F389");
    const runtime::IniEntry other{L"按钮记录", L"按钮2", L"锣"};
    EXPECT_EQ(runtime::WriteIni(Ini(), std::span(&other, 1)), runtime::IniWriteResult::Unstorable);
    EXPECT_EQ(FileText(Ini()), withName);
    // Replacing the value that GBK cannot hold is what makes the file storable.
    const runtime::IniEntry same{L"按钮记录", L"按钮1", L"派对"};
    EXPECT_EQ(runtime::WriteIni(Ini(), std::span(&same, 1)), runtime::IniWriteResult::Written);
    EXPECT_EQ(FileText(Ini()), ToGbk(L"[按钮记录]\r\n按钮1=派对\r\n"));
}

}  // namespace
}  // namespace pelorin::test
