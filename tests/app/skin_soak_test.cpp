// A long session in the skinned window: thousands of hover moves, check-box
// clicks, expanding and collapsing, and name dialogs opened and closed. Every
// resource counter ends where it stood after the first round of the same
// work, and the private bytes stay within 1 MB.
#include <windows.h>
#include <psapi.h>

#include "app/name_dialog.h"
#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skin/core/button_fade.h"
#include "skin/core/skin_registry.h"
#include "skin_setup_fixture.h"

namespace pelorin::test {
namespace {

constexpr ControlId kHoverButtons[] = {kButton1,  kButton2,  kButton3,  kButton4,  kButton5,  kButton6,  kButton7,
                                       kButton8,  kButton9,  kButton10, kButton11, kButton12, kButton13, kButton14,
                                       kButton15, kButton16, kButton17, kButton18};

struct Counters {
    long dcs = LiveHandleCount(HandleKind::Dc);
    long gdiObjects = LiveHandleCount(HandleKind::GdiObject);
    long gx = GxObject::LiveCount();
    DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    size_t surfaces = skin::memoryDcList.size();
    size_t fades = skin::fadeList.size();
    std::int32_t forms = skin::formRegistry.Size();
    std::uint64_t privateBytes = [] {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        counters.cb = sizeof(counters);
        ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof(counters));
        return static_cast<std::uint64_t>(counters.PrivateUsage);
    }();
};

HWND openDialog = nullptr;
int dialogsSeen = 0;

void CALLBACK CloseNameDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = ::FindWindowW(kNameDialogClass, nullptr);
    if (!dialog) return;
    ::KillTimer(nullptr, timer);
    openDialog = dialog;
    ++dialogsSeen;
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
}

class SkinSoakTest : public SkinnedWindowTest {
protected:
    void Hover(int moves) {
        HWND previous = nullptr;
        for (int i = 0; i < moves; ++i) {
            const HWND button = window->Control(kHoverButtons[i % std::size(kHoverButtons)]);
            if (previous) ::SendMessageW(previous, WM_MOUSELEAVE, 0, 0);
            ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(6 + i % 20, 8));
            previous = button;
            if (i % 40 == 0) PumpMessages(1);
        }
        if (previous) ::SendMessageW(previous, WM_MOUSELEAVE, 0, 0);
        PumpUntil([] { return skin::fadeList.empty(); }, 5000);
    }
    void ClickCheckBox(int clicks) {
        for (int i = 0; i < clicks; ++i) ::SendMessageW(window->Control(kCheckBox3), BM_CLICK, 0, 0);
        PumpMessages(10);
    }
    void ExpandAndCollapse(int cycles) {
        for (int i = 0; i < 2 * cycles; ++i) {
            ClickCaptionButton(L"更多功能");
            ::UpdateWindow(window->Handle());
        }
    }
    void NameDialogs(int count) {
        for (int i = 0; i < count; ++i) {
            ::SetTimer(nullptr, 0, 20, &CloseNameDialog);
            ShowButtonNameDialog(*window);
        }
        PumpMessages(20);
    }
    void Session(int scale) {
        Hover(100 * scale);
        ClickCheckBox(2 * scale);
        ExpandAndCollapse(scale);
        NameDialogs(scale / 5 == 0 ? 1 : scale / 5);
    }
};

TEST_F(SkinSoakTest, ALongSessionLeavesEveryCounterWhereItStarted) {
    LoadSkinned();
    Session(1);  // the first round fills what lives for the whole run (caches, the dialog class)
    const int dialogsBefore = dialogsSeen;
    const Counters before;
    Hover(10000);
    ClickCheckBox(200);
    ExpandAndCollapse(100);
    NameDialogs(20);
    const Counters after;
    EXPECT_EQ(dialogsSeen - dialogsBefore, 20) << "not every name dialog came up";
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    EXPECT_EQ(after.surfaces, before.surfaces);
    EXPECT_EQ(after.fades, before.fades);
    EXPECT_EQ(after.forms, before.forms) << "a name dialog's form record outlived it";
    EXPECT_LT(static_cast<double>(after.privateBytes) - static_cast<double>(before.privateBytes), 1024.0 * 1024.0);
    EXPECT_FALSE(::IsWindow(openDialog));
    EXPECT_EQ(window->Height(), kCollapsedHeight);
}

}  // namespace
}  // namespace pelorin::test
