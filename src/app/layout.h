#pragma once
// The main window's controls: names, kinds, parents, places and captions.
// One table; the window creates its controls with one loop over it.

#include <span>
#include <string>

namespace pelorin {

enum class ControlKind { GroupBox, Button, CheckBox, Slider, ListView, Edit, Label };

// Control identifiers, in the order of the layout table. Each control's
// WM_COMMAND/WM_NOTIFY carries it.
// clang-format off
enum ControlId : int {
    kNoControl = 0,
    kGroup1 = 1001,  // "常用音效"
    kButton1, kButton2, kButton3, kButton10, kButton4, kButton5, kButton6, kButton11,
    kButton7, kButton8, kButton9, kButton12,
    kGroup2,  // "自定义音效"
    kButton13, kButton14, kButton15, kButton16,
    kGroup3,  // "音效控制"
    kCheckBox1, kCheckBox2, kCheckBox3, kButton17, kButton18,
    kGroup4,  // "声音调节"
    kSlider1,
    kGroup5,  // music list
    kMusicList, kButton19, kButton20, kButton21, kEdit1,
    kGroup6,  // about
    kLabel1,
};
// clang-format on

struct ControlLayout {
    ControlId id;
    const wchar_t* name;  // the control's name in the program's design
    ControlKind kind;
    ControlId parent;              // kNoControl: the main window
    int left, top, width, height;  // relative to the parent's client area
    const wchar_t* caption;        // nullptr: computed (the about line)
    bool checked;
};

inline constexpr const wchar_t* kMainWindowTitle = L"Pelorin MINI版";
inline constexpr int kMainWindowWidth = 380;
inline constexpr int kExpandedHeight = 537;
inline constexpr int kCollapsedHeight = 271;
inline constexpr int kDesignLeft = 50;
inline constexpr int kDesignTop = 50;

// The maker's addresses, shown in the about line and used by the feedback button.
inline constexpr const wchar_t* kMakerHost = L"www.example.com";
inline constexpr const wchar_t* kMakerEmail = L"pelorin@example.com";
inline constexpr const wchar_t* kFeedbackPath = L"/post-129.html";

struct MusicListColumn {
    const wchar_t* header;
    int width;
};
inline constexpr MusicListColumn kMusicListColumns[] = {{L"序", 50}, {L"歌曲名", 150}, {L"路径", 140}};

// "PelorinMINI|网址:<site>|邮箱:<mail>", shown by 标签1.
std::wstring AboutText();
// The feedback page on the maker's site.
std::wstring FeedbackUrl();

std::span<const ControlLayout> MainWindowLayout();
const ControlLayout* FindLayout(ControlId id);

}  // namespace pelorin
