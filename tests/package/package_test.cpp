// A release package as a user unpacks it: the folder "Pelorin MINI版" named by
// PELORIN_PACKAGE_DIR (tests/scripts/package_check.sh unpacks a zip of
// dist/ and sets it). What the folder holds, the version in the program's
// file properties, the notes as Notepad reads them; then the program started
// from there, skinned on screen, a preset played into the captured output,
// and after closing nothing written beside it but config.txt and Data.ini.
#include <gtest/gtest.h>

#include <set>

#include "../app/app_fixture.h"
#include "../app/program_process.h"
#include "../app/skin_setup_fixture.h"
#include "../app/sound_check.h"
#include "app/layout.h"
#include "app/services/file_io.h"

namespace pelorin::test {
namespace {

using Names = std::set<std::wstring>;

Names SubfoldersOf(const std::wstring& folder) {
    Names names;
    WIN32_FIND_DATAW found{};
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..") names.insert(name);
    } while (::FindNextFileW(find, &found));
    ::FindClose(find);
    return names;
}

Names NamesOf(const FolderFiles& files) {
    Names names;
    for (const auto& [name, bytes] : files) names.insert(name);
    return names;
}

// A string of the program's version resource ("" when missing).
std::wstring VersionString(const std::wstring& exe, const std::wstring& block, const std::wstring& key) {
    DWORD ignored = 0;
    std::vector<BYTE> info(::GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    if (info.empty() || !::GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data())) return {};
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\" + block + L"\\" + key;
    if (!::VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
    return static_cast<const wchar_t*>(value);
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK FindControl(HWND child, LPARAM lp) {
    auto* search = reinterpret_cast<ControlSearch*>(lp);
    if (::GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

// A control of another process's window, at any depth.
HWND ControlOf(HWND main, int id) {
    ControlSearch search{id, nullptr};
    ::EnumChildWindows(main, &FindControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH]{};
        const DWORD n = ::GetEnvironmentVariableW(L"PELORIN_PACKAGE_DIR", folder, MAX_PATH);
        if (n == 0 || n >= MAX_PATH)
            GTEST_SKIP() << "PELORIN_PACKAGE_DIR is not set: tests/scripts/package_check.sh runs this with an "
                            "unpacked package";
        package = folder;
        ASSERT_TRUE(FileExists(Exe())) << "no pelorin.exe in " << Utf8(package);
    }
    std::wstring Exe() const { return package + L"\\pelorin.exe"; }
    static std::string Utf8(const std::wstring& text) {
        std::string out(
            static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr)),
            '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
        out.pop_back();
        return out;
    }

    std::wstring package;
};

TEST_F(PackageTest, HoldsTheProgramItsFoldersAsBuiltAndNotesNotepadReads) {
    EXPECT_EQ(NamesOf(FilesIn(package)), (Names{L"pelorin.exe", L"使用说明.txt"}));
    EXPECT_EQ(SubfoldersOf(package), (Names{L"tp", L"yinxiao"}));
    for (const wchar_t* folder : {L"tp", L"yinxiao"}) {
        SCOPED_TRACE(Utf8(folder));
        const FolderFiles built = FilesIn(runtime::ProgramDirectory() + L"\\" + folder);
        EXPECT_FALSE(built.empty());
        EXPECT_TRUE(FilesIn(package + L"\\" + folder) == built) << "differs from the build's folder";
        EXPECT_TRUE(SubfoldersOf(package + L"\\" + folder).empty());
    }

    const std::wstring version = L"" PELORIN_VERSION_TEXT;
    const struct {
        const wchar_t* block;
        const wchar_t* key;
        std::wstring expected;
    } strings[] = {
        {L"080404B0", L"ProductName", L"Pelorin MINI版"},
        {L"080404B0", L"FileVersion", version},
        {L"080404B0", L"ProductVersion", version},
        {L"080404B0", L"OriginalFilename", L"pelorin.exe"},
        {L"080404B0", L"FileDescription", L"Pelorin MINI版 音效板"},
        {L"040904B0", L"ProductName", L"Pelorin MINI版"},
        {L"040904B0", L"FileVersion", version},
    };
    for (const auto& s : strings)
        EXPECT_EQ(Utf8(VersionString(Exe(), s.block, s.key)), Utf8(s.expected)) << Utf8(s.block) << " " << Utf8(s.key);
    EXPECT_NE(VersionString(Exe(), L"080404B0", L"LegalCopyright").find(L"©"), std::wstring::npos);

    // UTF-16LE with its byte-order mark, every line ended by CR LF.
    const Bytes notes = ReadAll(package + L"\\使用说明.txt");
    ASSERT_GE(notes.size(), 4u);
    ASSERT_EQ(notes.size() % 2, 0u);
    EXPECT_TRUE(notes[0] == 0xFF && notes[1] == 0xFE) << "no UTF-16LE byte-order mark";
    std::wstring text(notes.size() / 2 - 1, L'\0');
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<wchar_t>(notes[2 + 2 * i] | notes[3 + 2 * i] << 8);
    size_t bareEnds = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) ++bareEnds;
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) ++bareEnds;
    }
    EXPECT_EQ(bareEnds, 0u) << "line ends other than CR LF";
    EXPECT_TRUE(text.ends_with(L"\r\n"));
    for (const wchar_t* phrase : {L"Pelorin MINI版 " PELORIN_VERSION_TEXT, L"pelorin.exe", L"config.txt", L"Data.ini",
                                  L"虚拟声卡", L"输出设备", L"监听设备", L"设置", L"快捷键"})
        EXPECT_NE(text.find(phrase), std::wstring::npos) << "the notes never say " << Utf8(phrase);
}

TEST_F(PackageTest, StartsSkinnedPlaysAPresetAndWritesOnlyItsTwoFilesBesideItself) {
    const FolderFiles filesBefore = FilesIn(package);
    const FolderFiles tpBefore = FilesIn(package + L"\\tp"), presetsBefore = FilesIn(package + L"\\yinxiao");
    const std::optional<PcmSound> laughter = DecodeWhole(package + L"\\yinxiao\\群众笑声.mp3");
    ASSERT_TRUE(laughter);
    // Started from somewhere else: whatever it writes must go beside the
    // program, never into the current folder.
    TempDir elsewhere;
    ProgramProcess program(Exe(), elsewhere.Path());
    ASSERT_TRUE(program.Started());
    const HWND main = program.WaitForMainWindow();
    ASSERT_TRUE(main) << "the main window never appeared";

    // Skinned: the rounded outline, the stretched background picture and the
    // white title on it.
    RECT window{};
    ::GetWindowRect(main, &window);
    UniqueRegion outline(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(main, outline.Get()), ERROR) << "the window has no region of its own";
    EXPECT_FALSE(::PtInRegion(outline.Get(), 0, 0)) << "the corner is not rounded off";
    EXPECT_TRUE(::PtInRegion(outline.Get(), (window.right - window.left) / 2, (window.bottom - window.top) / 2));
    Pixels shown;
    int compared = 0, matching = 0, title = 0;
    PumpUntil(
        [&] {
            shown = ClientOnScreen(main);
            const Pixels expected = StretchedBackground(shown.width, shown.height);
            compared = matching = title = 0;
            for (int y = 40; y < shown.height - 8; y += 7)
                for (int x = 8; x < shown.width - 8; x += 7) {
                    if (::ChildWindowFromPointEx(main, POINT{x, y}, CWP_SKIPINVISIBLE) != main) continue;
                    ++compared;
                    matching += Near(shown.At(x, y), expected.At(x, y), 24);
                }
            for (int y = 2; y < 24; ++y)
                for (int x = 2; x < 140; ++x) title += IsWhitish(shown.At(x, y));
            return compared > 40 && matching == compared && title > 60;
        },
        10000);
    EXPECT_GT(compared, 40) << "too few background points to judge";
    EXPECT_EQ(matching, compared) << "points that do not show the background picture";
    EXPECT_GT(title, 60) << "no title text";

    const HWND preset = ControlOf(main, kButton1);
    ASSERT_TRUE(preset);
    wchar_t caption[32]{};
    ::GetWindowTextW(preset, caption, 32);
    EXPECT_STREQ(caption, L"群众笑声");
    ::PostMessageW(preset, BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitForCapture(laughter->samples.size(), 30000)) << "the capture never held the whole sound";
    Samples capture;
    PumpUntil(
        [&] {
            capture = ReadCapture();
            const size_t at = LocateSound(capture, *laughter);
            return at != kNone && at + laughter->samples.size() <= capture.size();
        },
        20000);
    PumpMessages(250);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *laughter), *laughter)) << "the preset was not played whole";

    EXPECT_EQ(program.CloseAndWait(main), 0u);
    FolderFiles filesAfter = FilesIn(package);
    for (const wchar_t* written : {L"config.txt", L"Data.ini"}) filesAfter.erase(written);
    EXPECT_TRUE(filesAfter == filesBefore) << "files beside the program other than config.txt and Data.ini changed";
    EXPECT_EQ(SubfoldersOf(package), (Names{L"tp", L"yinxiao"}));
    EXPECT_TRUE(FilesIn(package + L"\\tp") == tpBefore);
    EXPECT_TRUE(FilesIn(package + L"\\yinxiao") == presetsBefore);
    EXPECT_TRUE(FilesIn(elsewhere.Path()).empty() && SubfoldersOf(elsewhere.Path()).empty())
        << "the program wrote into its current folder";
}

}  // namespace
}  // namespace pelorin::test
