#include "app/music_list.h"

#include "app/app_globals.h"
#include "app/audio/playback.h"
#include "app/main_window.h"
#include "app/services/file_io.h"
#include "app/services/storable_path.h"
#include "app/services/text_ops.h"
#include "base/text.h"

namespace pelorin {
namespace {

void AppendSong(runtime::ListView& list, const std::wstring& number, const std::wstring& name,
                const std::wstring& path) {
    int item = list.Append();
    list.SetText(item, 0, number);
    list.SetText(item, 1, name);
    list.SetText(item, 2, path);
}

// The list file's bytes for the list as it stands: every item's name, "----",
// its path and CR LF.
std::string ListFileBytes(const runtime::ListView& list) {
    std::wstring text;
    const int count = list.Count();
    for (int i = 0; i < count; ++i) text += list.GetText(i, 1) + kListSeparator + list.GetText(i, 2) + L"\r\n";
    return ToGbk(text);
}

// The file name without its directory and its last four characters (".mp3").
std::wstring SongName(const std::wstring& path) {
    const int slash = runtime::ReverseFind(path, L"\\");
    return runtime::Middle(path, slash + 1, runtime::Length(path) - slash - 4);
}

}  // namespace

void LoadMusicList(MainWindow& window) {
    const std::wstring file = window.DataFile(kListFileName);
    const Bytes bytes = runtime::ReadFile(file);
    const std::wstring text = FromGbk(bytes);
    if (text.empty()) return;
    runtime::ListView list = window.MusicList();
    // Redrawing after every item would make a long list slow to load.
    ::SendMessageW(list.Handle(), WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& line : runtime::Split(text, L"\r\n")) {
        std::vector<std::wstring> pieces = runtime::Split(line, kListSeparator);
        // A line without a name and a path (hand-edited, or empty) is skipped.
        if (pieces.size() < 2) continue;
        AppendSong(list, runtime::ToText(list.Count() + 1), pieces[0], pieces[1]);
    }
    ::SendMessageW(list.Handle(), WM_SETREDRAW, TRUE, 0);
    // The next save rewrites the file from the list. When that would not give
    // back these very bytes (skipped lines, pieces after a second "----", LF
    // line ends, bytes that are not GBK), keep them in a copy beside it.
    if (ListFileBytes(list) != std::string(bytes.begin(), bytes.end())) runtime::WriteFile(file + L".bak", bytes);
}

// The file is replaced atomically, so a failed write keeps the previous list.
void SaveMusicList(MainWindow& window) { runtime::WriteFile(listFilePath, ListFileBytes(window.MusicList())); }

void OnAddSongClicked(MainWindow& window) {
    runtime::FileDialog& dialog = window.AddSongDialog();
    dialog.initialDirectory = window.ProgramDirectory();
    dialog.filter = L"MP3文件|*.mp3";
    if (!dialog.Open(window.Handle())) return;
    const auto path = runtime::StorablePath(dialog.fileName);
    if (!path) {
        runtime::MessageBox(window.Handle(), runtime::kUnstorablePathMessage, MB_ICONERROR | MB_OK,
                            kDuplicateSongTitle);
        return;
    }
    const std::wstring name = SongName(*path);
    runtime::ListView list = window.MusicList();
    // Songs are told apart by name, not by path.
    if (list.Find(name, 1) >= 0) {
        runtime::MessageBox(window.Handle(), kDuplicateSongMessage, MB_ICONERROR | MB_OK, kDuplicateSongTitle);
        return;
    }
    AppendSong(list, runtime::ToText(list.Count() + 1), name, *path);
    SaveMusicList(window);
}

void OnDeleteSongClicked(MainWindow& window) {
    runtime::ListView list = window.MusicList();
    list.Delete(list.Selected());
    SaveMusicList(window);
}

void OnMusicListDoubleClicked(MainWindow& window) {
    runtime::ListView list = window.MusicList();
    const int item = list.Selected();
    if (item < 0) return;  // no current item: nothing plays
    PlayMp3(list.GetText(item, 2), 1);
}

}  // namespace pelorin
