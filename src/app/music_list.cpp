#include "app/music_list.h"

#include "app/audio/playback.h"
#include "app/board.h"
#include "app/services/data_file.h"
#include "app/services/data_text.h"
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

std::vector<Song> SongsOf(const runtime::ListView& list) {
    std::vector<Song> songs;
    const int count = list.Count();
    songs.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) songs.push_back({list.GetText(i, 1), list.GetText(i, 2)});
    return songs;
}

// The file name without its directory and its last four characters (".mp3").
std::wstring SongName(const std::wstring& path) {
    const int slash = runtime::ReverseFind(path, L"\\");
    return runtime::Middle(path, slash + 1, runtime::Length(path) - slash - 4);
}

std::string AsString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

std::vector<Song> ParseListFile(std::string_view bytes) {
    std::vector<Song> songs;
    for (const runtime::TextLine& line : runtime::ReadDataText(bytes).lines) {
        std::vector<std::wstring> pieces = runtime::Split(line.text, kListSeparator);
        // A line without a name and a path (hand-edited, or empty) is skipped.
        if (pieces.size() < 2) continue;
        songs.push_back({std::move(pieces[0]), std::move(pieces[1])});
    }
    return songs;
}

std::string ListFileBytes(const std::vector<Song>& songs) {
    std::wstring text;
    for (const Song& song : songs) text += song.name + kListSeparator + song.path + L"\r\n";
    return ToGbk(text);
}

bool IsOwnListFile(std::string_view bytes) {
    return runtime::DetectTextEncoding(bytes) == runtime::TextEncoding::Gbk &&
           ListFileBytes(ParseListFile(bytes)) == bytes;
}

void LoadMusicList(Board& board) {
    const std::vector<Song> songs = ParseListFile(AsString(runtime::ReadFile(board.DataFile(kListFileName))));
    if (songs.empty()) return;
    runtime::ListView list = board.MusicList();
    // Redrawing after every item would make a long list slow to load.
    ::SendMessageW(list.Handle(), WM_SETREDRAW, FALSE, 0);
    for (const Song& song : songs) {
        // A path GBK cannot hold (from a file saved in another encoding) is
        // listed by its short form, as a chosen file would be, so the next
        // save stores it faithfully.
        const std::wstring path = runtime::StorablePath(song.path).value_or(song.path);
        AppendSong(list, runtime::ToText(list.Count() + 1), song.name, path);
    }
    ::SendMessageW(list.Handle(), WM_SETREDRAW, TRUE, 0);
}

// The file is replaced atomically, so a failed write keeps the previous list.
// A file the program did not write in its own form is kept in a backup by the
// first save that changes it. A name or path GBK cannot hold is never written
// garbled: the save is refused with a message.
void SaveMusicList(Board& board) {
    const std::vector<Song> songs = SongsOf(board.MusicList());
    for (const Song& song : songs) {
        if (!FitsGbk(song.name) || !FitsGbk(song.path)) {
            runtime::MessageBox(board.Window(), kUnstorableListMessage, MB_ICONERROR | MB_OK, kDuplicateSongTitle);
            return;
        }
    }
    const std::wstring file = board.DataFile(kListFileName);
    const std::string previous = AsString(runtime::ReadFile(file));
    runtime::ReplaceDataFile(file, previous, IsOwnListFile(previous), ListFileBytes(songs));
}

void OnAddSongClicked(Board& board) {
    runtime::FileDialog& dialog = board.AddSongDialog();
    dialog.initialDirectory = board.ProgramDirectory();
    dialog.filter = kSongFilter;
    if (!dialog.Open(board.Window())) return;
    const auto path = runtime::StorablePath(dialog.fileName);
    if (!path) {
        runtime::MessageBox(board.Window(), runtime::kUnstorablePathMessage, MB_ICONERROR | MB_OK, kDuplicateSongTitle);
        return;
    }
    const std::wstring name = SongName(*path);
    runtime::ListView list = board.MusicList();
    // Songs are told apart by name, not by path.
    if (list.Find(name, 1) >= 0) {
        runtime::MessageBox(board.Window(), kDuplicateSongMessage, MB_ICONERROR | MB_OK, kDuplicateSongTitle);
        return;
    }
    AppendSong(list, runtime::ToText(list.Count() + 1), name, *path);
    SaveMusicList(board);
}

void OnDeleteSongClicked(Board& board) {
    runtime::ListView list = board.MusicList();
    list.Delete(list.Selected());
    SaveMusicList(board);
}

void OnMusicListDoubleClicked(Board& board) {
    runtime::ListView list = board.MusicList();
    const int item = list.Selected();
    if (item < 0) return;  // no current item: nothing plays
    PlayMp3(list.GetText(item, 2), 1);
}

}  // namespace pelorin
