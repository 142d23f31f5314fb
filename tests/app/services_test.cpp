// The runtime services: the GBK INI file, atomic whole-file writes and the
// text toolkit.
#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "app/services/file_io.h"
#include "app/services/ini_file.h"
#include "app/services/storable_path.h"
#include "app/services/text_ops.h"

namespace pelorin::test {
namespace {

using runtime::ReadIni;
using runtime::WriteIni;

std::string FileText(const std::wstring& path) {
    Bytes b = ReadAll(path);
    return std::string(b.begin(), b.end());
}

TEST(IniFile, WritesGbkBytesWithSectionsInTheOrderFirstWritten) {
    TempDir dir;
    const std::wstring ini = dir.File(L"Data.ini");
    ASSERT_TRUE(WriteIni(ini, L"按钮记录", L"按钮1", L"掌声"));
    ASSERT_TRUE(WriteIni(ini, L"音乐播放", L"音乐1", L"D:\\音乐\\掌声.mp3"));
    EXPECT_EQ(FileText(ini), ToGbk(L"[按钮记录]\r\n按钮1=掌声\r\n[音乐播放]\r\n音乐1=D:\\音乐\\掌声.mp3\r\n"));
    // A key of the first section goes into that section, after its last key.
    ASSERT_TRUE(WriteIni(ini, L"按钮记录", L"按钮2", L"锣"));
    ASSERT_TRUE(WriteIni(ini, L"按钮记录", L"按钮1", L"新名"));
    EXPECT_EQ(FileText(ini),
              ToGbk(L"[按钮记录]\r\n按钮1=新名\r\n按钮2=锣\r\n[音乐播放]\r\n音乐1=D:\\音乐\\掌声.mp3\r\n"));
    EXPECT_EQ(ReadIni(ini, L"按钮记录", L"按钮2"), L"锣");
    EXPECT_EQ(ReadIni(ini, L"音乐播放", L"音乐1"), L"D:\\音乐\\掌声.mp3");
}

TEST(IniFile, MissingFileSectionOrKeyReadsEmpty) {
    TempDir dir;
    const std::wstring ini = dir.File(L"Data.ini");
    EXPECT_EQ(ReadIni(ini, L"按钮记录", L"按钮1"), L"");
    WriteAll(ini, ToGbk(L"[按钮记录]\r\n按钮1=掌声\r\n"));
    EXPECT_EQ(ReadIni(ini, L"音乐播放", L"按钮1"), L"");
    EXPECT_EQ(ReadIni(ini, L"按钮记录", L"按钮2"), L"");
    EXPECT_EQ(ReadIni(dir.File(L"nothing.ini"), L"a", L"b"), L"");
}

TEST(IniFile, MatchesSectionsAndKeysLikeThePlatform) {
    TempDir dir;
    const std::wstring ini = dir.File(L"x.ini");
    WriteAll(ini,
             std::string("; comment\r\n[Sounds]\r\n  Slot = a=b=c  \r\nQuoted=\"x y\"\r\n[sounds]\r\nslot=second\r\n"));
    EXPECT_EQ(ReadIni(ini, L"SOUNDS", L"slot"), L"a=b=c");
    EXPECT_EQ(ReadIni(ini, L"sounds", L"quoted"), L"x y");
    ASSERT_TRUE(WriteIni(ini, L"SOUNDS", L"SLOT", L"v=1"));
    EXPECT_EQ(ReadIni(ini, L"Sounds", L"Slot"), L"v=1");
    EXPECT_EQ(FileText(ini), "; comment\r\n[Sounds]\r\nSLOT=v=1\r\nQuoted=\"x y\"\r\n[sounds]\r\nslot=second\r\n");
}

TEST(IniFile, LinesItDoesNotChangeKeepTheirBytes) {
    TempDir dir;
    const std::wstring ini = dir.File(L"x.ini");
    // A line with bytes that are not GBK, and LF-only line ends.
    const std::string junk = "junk \x80\xFF\xFE line\n";
    WriteAll(ini, junk + "[a]\nk=1\n");
    ASSERT_TRUE(WriteIni(ini, L"a", L"k", L"2"));
    EXPECT_EQ(FileText(ini), junk + "[a]\nk=2\n");
}

TEST(IniFile, RefusesValuesItCannotStoreFaithfully) {
    TempDir dir;
    const std::wstring ini = dir.File(L"x.ini");
    ASSERT_TRUE(WriteIni(ini, L"a", L"k", L"old"));
    EXPECT_FALSE(WriteIni(ini, L"a", L"k", L"two\r\nlines"));
    EXPECT_FALSE(WriteIni(ini, L"a", L"k", L"emoji \U0001F3B5"));
    EXPECT_EQ(ReadIni(ini, L"a", L"k"), L"old");
}

TEST(IniFile, HugeAndBinaryFilesNeitherCrashNorHang) {
    TempDir dir;
    const std::wstring ini = dir.File(L"big.ini");
    std::string big = "[s]\r\n";
    for (int i = 0; i < 100000; ++i) big += "key" + std::to_string(i) + "=value" + std::to_string(i) + "\r\n";
    WriteAll(ini, big);
    EXPECT_EQ(ReadIni(ini, L"s", L"key99999"), L"value99999");
    ASSERT_TRUE(WriteIni(ini, L"s", L"key5", L"changed"));
    EXPECT_EQ(ReadIni(ini, L"s", L"key5"), L"changed");
    EXPECT_EQ(ReadIni(ini, L"s", L"key99998"), L"value99998");

    const std::wstring bin = dir.File(L"bin.ini");
    std::string noise(200000, '\0');
    unsigned x = 12345;
    for (auto& c : noise) c = static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    WriteAll(bin, noise);
    EXPECT_EQ(ReadIni(bin, L"按钮记录", L"按钮1"), L"");
    EXPECT_TRUE(WriteIni(bin, L"按钮记录", L"按钮1", L"ok"));
    EXPECT_EQ(ReadIni(bin, L"按钮记录", L"按钮1"), L"ok");
}

TEST(FileIo, WriteReplacesTheFileAndLeavesNothingBeside) {
    TempDir dir;
    const std::wstring file = dir.File(L"config.txt");
    ASSERT_TRUE(runtime::WriteFile(file, std::string_view("first")));
    ASSERT_TRUE(runtime::WriteFile(file, std::string_view("second, longer")));
    EXPECT_EQ(FileText(file), "second, longer");
    ASSERT_TRUE(runtime::WriteFile(file, std::string_view("")));
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(ReadAll(file).empty());
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW(dir.File(L"*").c_str(), &fd);
    int files = 0;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (::FindNextFileW(find, &fd));
    ::FindClose(find);
    EXPECT_EQ(files, 1) << "no temporary file may stay beside the target";
}

TEST(FileIo, AFailedWriteLeavesThePreviousFileIntact) {
    TempDir dir;
    const std::wstring file = dir.File(L"config.txt");
    ASSERT_TRUE(runtime::WriteFile(file, std::string_view("precious")));
    // The target cannot be replaced: another program holds it open without
    // sharing.
    {
        HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(runtime::WriteFile(file, std::string_view("new")));
        ::CloseHandle(held);
    }
    EXPECT_EQ(FileText(file), "precious");
    // The target is read-only.
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(runtime::WriteFile(file, std::string_view("new")));
    ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileText(file), "precious");
    // The folder is gone: nothing can be written at all.
    EXPECT_FALSE(runtime::WriteFile(dir.File(L"missing\\config.txt"), std::string_view("x")));
    // The target is a folder.
    ::CreateDirectoryW(dir.File(L"folder").c_str(), nullptr);
    EXPECT_FALSE(runtime::WriteFile(dir.File(L"folder"), std::string_view("x")));
}

TEST(FileIo, ReadAndDeleteOfMissingFilesAreHarmless) {
    TempDir dir;
    EXPECT_TRUE(runtime::ReadFile(dir.File(L"none")).empty());
    runtime::DeleteFile(dir.File(L"none"));
    ASSERT_TRUE(runtime::WriteFile(dir.File(L"f"), std::string_view("x")));
    runtime::DeleteFile(dir.File(L"f"));
    EXPECT_FALSE(FileExists(dir.File(L"f")));
}

TEST(FileIo, ProgramDirectoryIsTheExecutablesFolder) {
    const std::wstring d = runtime::ProgramDirectory();
    ASSERT_FALSE(d.empty());
    EXPECT_NE(d.back(), L'\\');
    EXPECT_TRUE(FileExists(d + L"\\app_tests.exe"));
}

TEST(TextOps, SplitDropsOnlyTheTrailingEmptyPiece) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(runtime::Split(L"", L"\r\n"), V{});
    EXPECT_EQ(runtime::Split(L"a\r\nb\r\n", L"\r\n"), (V{L"a", L"b"}));
    EXPECT_EQ(runtime::Split(L"a\r\n\r\nb", L"\r\n"), (V{L"a", L"", L"b"}));
    EXPECT_EQ(runtime::Split(L"n----p----q", L"----"), (V{L"n", L"p", L"q"}));
    EXPECT_EQ(runtime::Split(L"no separator", L"----"), (V{L"no separator"}));
}

TEST(TextOps, PositionsAreOneBasedCharacters) {
    EXPECT_EQ(runtime::ReverseFind(L"D:\\音乐\\掌声.mp3", L"\\"), 6);
    EXPECT_EQ(runtime::ReverseFind(L"abc", L"\\"), 0);
    EXPECT_EQ(runtime::Middle(L"D:\\音乐\\掌声.mp3", 7, 2), L"掌声");
    EXPECT_EQ(runtime::Middle(L"abc", 2, 100), L"bc");
    EXPECT_EQ(runtime::Middle(L"abc", 5, 1), L"");
    EXPECT_EQ(runtime::Middle(L"abc", 1, -3), L"");
    EXPECT_EQ(runtime::Length(L"音乐"), 2);
    EXPECT_EQ(runtime::ToText(42), L"42");
}

TEST(StorablePath, KeepsGbkPathsAndNeverReturnsACorruptedOne) {
    TempDir dir;
    EXPECT_EQ(runtime::StorablePath(L"D:\\音乐\\掌声.mp3"), std::wstring(L"D:\\音乐\\掌声.mp3"));
    const std::wstring emoji = dir.File(L"song \U0001F3B5.mp3");
    WriteAll(emoji, std::string("x"));
    auto stored = runtime::StorablePath(emoji);
    if (stored) {
        EXPECT_TRUE(FitsGbk(*stored));
        EXPECT_TRUE(FileExists(*stored)) << "the short form must name the same file";
    }
    EXPECT_FALSE(runtime::StorablePath(dir.File(L"missing \U0001F3B5.mp3")));
}

}  // namespace
}  // namespace pelorin::test
