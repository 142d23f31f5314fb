#include "app/layout.h"

namespace pelorin {
namespace {

using K = ControlKind;

constexpr ControlLayout kLayout[] = {
    {kGroup1, L"分组框1", K::GroupBox, kNoControl, 8, 32, 364, 112, L"常用音效", false},
    {kButton1, L"按钮1", K::Button, kGroup1, 8, 16, 80, 24, L"群众笑声", false},
    {kButton2, L"按钮2", K::Button, kGroup1, 96, 16, 80, 24, L"敲锣声音", false},
    {kButton3, L"按钮3", K::Button, kGroup1, 184, 16, 80, 24, L"敲钟声音", false},
    {kButton10, L"按钮10", K::Button, kGroup1, 272, 16, 80, 24, L"炸弹爆炸", false},
    {kButton4, L"按钮4", K::Button, kGroup1, 8, 48, 80, 24, L"乌鸦飞过", false},
    {kButton5, L"按钮5", K::Button, kGroup1, 96, 48, 80, 24, L"哈里路亚", false},
    {kButton6, L"按钮6", K::Button, kGroup1, 184, 48, 80, 24, L"霸气开场", false},
    {kButton11, L"按钮11", K::Button, kGroup1, 272, 48, 80, 24, L"音效版权", false},
    {kButton7, L"按钮7", K::Button, kGroup1, 8, 80, 80, 24, L"卡通音效", false},
    {kButton8, L"按钮8", K::Button, kGroup1, 96, 80, 80, 24, L"新闻联播", false},
    {kButton9, L"按钮9", K::Button, kGroup1, 184, 80, 80, 24, L"非诚勿扰亮灯", false},
    {kButton12, L"按钮12", K::Button, kGroup1, 272, 80, 80, 24, L"非诚勿扰灭灯", false},
    {kGroup2, L"分组框2", K::GroupBox, kNoControl, 8, 145, 186, 77, L"自定义音效", false},
    {kButton13, L"按钮13", K::Button, kGroup2, 8, 16, 80, 24, L"自定义①", false},
    {kButton14, L"按钮14", K::Button, kGroup2, 96, 16, 80, 24, L"自定义②", false},
    {kButton15, L"按钮15", K::Button, kGroup2, 8, 48, 80, 24, L"自定义③", false},
    {kButton16, L"按钮16", K::Button, kGroup2, 96, 48, 80, 24, L"自定义④", false},
    {kGroup3, L"分组框3", K::GroupBox, kNoControl, 192, 145, 180, 77, L"音效控制", false},
    {kCheckBox1, L"选择框1", K::CheckBox, kGroup3, 9, 18, 80, 16, L"开启静音", false},
    {kCheckBox2, L"选择框2", K::CheckBox, kGroup3, 9, 35, 80, 16, L"窗口最前", true},
    {kCheckBox3, L"选择框3", K::CheckBox, kGroup3, 9, 52, 80, 16, L"程序优化", true},
    {kButton17, L"按钮17", K::Button, kGroup3, 88, 16, 80, 24, L"播放", false},
    {kButton18, L"按钮18", K::Button, kGroup3, 88, 48, 80, 24, L"暂停", false},
    {kGroup4, L"分组框4", K::GroupBox, kNoControl, 8, 224, 364, 40, L"声音调节", false},
    {kSlider1, L"滑块条1", K::Slider, kGroup4, 8, 16, 344, 16, L"", false},
    {kGroup5, L"分组框5", K::GroupBox, kNoControl, 8, 272, 364, 216, L"", false},
    {kMusicList, L"音乐列表", K::ListView, kGroup5, 9, 17, 345, 152, L"", false},
    {kButton19, L"按钮19", K::Button, kGroup5, 8, 180, 105, 24, L"添加音效", false},
    {kButton20, L"按钮20", K::Button, kGroup5, 129, 180, 105, 24, L"删除音效", false},
    {kButton21, L"按钮21", K::Button, kGroup5, 248, 180, 105, 24, L"意见反馈", false},
    {kEdit1, L"编辑框1", K::Edit, kGroup5, 392, 8, 64, 20, L"", false},
    {kGroup6, L"分组框6", K::GroupBox, kNoControl, 8, 488, 364, 40, L"", false},
    {kLabel1, L"标签1", K::Label, kGroup6, 17, 16, 332, 16, nullptr, false},  // caption: AboutText()
};

}  // namespace

std::wstring AboutText() { return std::wstring(L"PelorinMINI|网址:") + kMakerHost + L"|邮箱:" + kMakerEmail; }

std::wstring FeedbackUrl() { return std::wstring(L"http://") + kMakerHost + kFeedbackPath; }

std::span<const ControlLayout> MainWindowLayout() { return kLayout; }

const ControlLayout* FindLayout(ControlId id) {
    for (const auto& c : kLayout)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace pelorin
