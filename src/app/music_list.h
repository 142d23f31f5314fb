#pragma once
// The music list: the list view 音乐列表 and its file "config.txt", one line
// per song: name, "----", full path, CR LF (GBK).

namespace pelorin {

class MainWindow;

inline constexpr const wchar_t* kListFileName = L"config.txt";
inline constexpr const wchar_t* kListSeparator = L"----";
inline constexpr const wchar_t* kDuplicateSongMessage = L"该音乐已经存在列表中";
inline constexpr const wchar_t* kDuplicateSongTitle = L"温馨提示";

void LoadMusicList(MainWindow& window);
void SaveMusicList(MainWindow& window);
void OnAddSongClicked(MainWindow& window);
void OnDeleteSongClicked(MainWindow& window);
void OnMusicListDoubleClicked(MainWindow& window);

}  // namespace pelorin
