#pragma once
// The music list: the list view 音乐列表 and its file "config.txt", one line
// per song: name, "----", full path, CR LF (GBK).

#include <string>
#include <string_view>
#include <vector>

namespace pelorin {

class Board;

inline constexpr const wchar_t* kListFileName = L"config.txt";
inline constexpr const wchar_t* kListSeparator = L"----";
inline constexpr const wchar_t* kDuplicateSongMessage = L"该音乐已经存在列表中";
inline constexpr const wchar_t* kDuplicateSongTitle = L"温馨提示";
inline constexpr const wchar_t* kUnstorableListMessage =
    L"列表中有歌曲的名称或路径含有无法保存的字符，列表没有保存。请删除该歌曲后再试。";
// The add dialog's filter: MP3 files first, as designed, then MP3 and WAV.
inline constexpr const wchar_t* kSongFilter = L"MP3文件|*.mp3|MP3和WAV文件|*.mp3;*.wav";

struct Song {
    std::wstring name;
    std::wstring path;
    bool operator==(const Song&) const = default;
};

// The songs of a list file's bytes, read by the rules of data_text.h: every
// line with a "----" gives its first two pieces; other lines are skipped.
std::vector<Song> ParseListFile(std::string_view bytes);
// The file's bytes for these songs, as a save writes them.
std::string ListFileBytes(const std::vector<Song>& songs);
// True when a save of what the bytes hold would write them back unchanged.
bool IsOwnListFile(std::string_view bytes);

void LoadMusicList(Board& board);
void SaveMusicList(Board& board);
void OnAddSongClicked(Board& board);
void OnDeleteSongClicked(Board& board);
void OnMusicListDoubleClicked(Board& board);

}  // namespace pelorin
