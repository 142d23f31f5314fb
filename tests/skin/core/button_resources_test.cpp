// Painting, fading and animating over and over leaves no surface, fade, GDI
// handle, DC or GDI+ object behind.

#include <gtest/gtest.h>

#include "skinned_test_form.h"
#include "graphics/gx_object.h"
#include "skin/core/button_fade.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "test_support.h"

namespace pelorin {
namespace {

struct Counts {
    long gdi = LiveHandleCount(HandleKind::GdiObject);
    long dcs = LiveHandleCount(HandleKind::Dc);
    long gx = GxObject::LiveCount();
};

TEST(ButtonResources, ThousandsOfPaintsHundredFadesAndTwentyAnimationsLeaveNothingBehind) {
    test::LoadCheckGlyphs();
    test::SkinnedTestForm form{test::KnownFrameForm(120, 100, 320, 200)};
    form.LoadButtonFrame();
    HWND plain = form.AddButton(BS_PUSHBUTTON, L"群众笑声", 40, 30, 80, 24);
    HWND glow = form.AddButton(BS_PUSHBUTTON, L"群众笑声", 40, 60, 80, 24, 0x00FF8800);
    HWND box = form.AddButton(BS_AUTOCHECKBOX, L"静音", 40, 100, 120, 20, 0x00FF8800);
    // Automatic: the attach step leaves a plain BS_RADIOBUTTON to the platform.
    HWND radio = form.AddButton(BS_AUTORADIOBUTTON, L"选项", 40, 130, 120, 20);
    test::PumpMessages(20);
    const Counts before;

    int completedFades = 0;
    skin::fadeBlendObserver = [&](HWND, std::int32_t alpha) {
        if (alpha == 250) ++completedFades;
    };
    const UINT states[] = {0, ODS_FOCUS, ODS_SELECTED | ODS_FOCUS, ODS_DISABLED};
    {
        HDC dc = ::GetDC(plain);
        for (int i = 0; i < 1000; ++i) {
            const RECT rect{0, 0, 80, 24};
            skin::PaintPushButton(i % 2 ? plain : glow, dc, states[i % 4], rect);
        }
        ::ReleaseDC(plain, dc);
    }
    for (int i = 0; i < 1000; ++i) skin::PaintCheckBox(box, i % 3 ? 0 : ODS_HOTLIGHT, i % 2 == 0, i % 5);
    for (int i = 0; i < 1000; ++i) skin::PaintRadioButton(radio, i % 2 ? 0 : ODS_SELECTED);
    EXPECT_TRUE(skin::memoryDcList.empty());

    // 100 fades: every fifth runs to its end, the others are stopped by the
    // next paint half-way, as moving across buttons does.
    for (int i = 0; i < 100; ++i) {
        skin::RepaintButton(i % 2 ? plain : glow, 0, true);
        ASSERT_EQ(skin::fadeList.size(), 1u);
        if (i % 5 == 4)
            ASSERT_TRUE(test::PumpUntil([] { return skin::fadeList.empty(); }, 2000));
        else
            test::PumpMessages(45);
    }
    skin::RepaintButton(plain, 0, false);
    EXPECT_TRUE(skin::fadeList.empty());
    EXPECT_EQ(completedFades, 20);

    for (int i = 0; i < 20; ++i) {
        ::SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);  // twenty toggles

    test::PumpMessages(50);
    EXPECT_TRUE(skin::memoryDcList.empty());
    EXPECT_TRUE(skin::fadeList.empty());
    const Counts after;
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.gx, before.gx);
}

}  // namespace
}  // namespace pelorin
