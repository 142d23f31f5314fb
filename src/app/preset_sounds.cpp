#include "app/preset_sounds.h"

#include "app/audio/playback.h"

namespace pelorin {
namespace {

struct Preset {
    ControlId button;
    const wchar_t* file;  // relative to the program directory
};

// Several file names differ from the captions; the table is exact.
// clang-format off
constexpr Preset kPresets[] = {
    {kButton1, L"yinxiao\\群众笑声.mp3"},   {kButton2, L"yinxiao\\敲锣声音.mp3"},
    {kButton3, L"yinxiao\\敲钟声.mp3"},     {kButton4, L"yinxiao\\乌鸦飞过.mp3"},
    {kButton5, L"yinxiao\\哈里路亚.mp3"},   {kButton6, L"yinxiao\\霸气.mp3"},
    {kButton7, L"yinxiao\\卡通.mp3"},       {kButton8, L"yinxiao\\新闻联播.mp3"},
    {kButton9, L"yinxiao\\非诚勿扰亮灯.mp3"}, {kButton10, L"yinxiao\\炸弹.mp3"},
    {kButton11, L"yinxiao\\版权.mp3"},      {kButton12, L"yinxiao\\非诚勿扰灭灯.mp3"},
};
// clang-format on

std::wstring PresetPath(const std::wstring& programDirectory, const Preset& preset) {
    return programDirectory + L"\\" + preset.file;
}

}  // namespace

// The files are looked up beside the program, not in the working directory,
// so a program started from a shortcut or another folder still plays them.
bool OnPresetClicked(const std::wstring& programDirectory, ControlId button) {
    for (const Preset& p : kPresets) {
        if (p.button != button) continue;
        PlayMp3(PresetPath(programDirectory, p));
        return true;
    }
    return false;
}

std::vector<std::wstring> PresetFiles(const std::wstring& programDirectory) {
    std::vector<std::wstring> files;
    for (const Preset& p : kPresets) files.push_back(PresetPath(programDirectory, p));
    return files;
}

}  // namespace pelorin
