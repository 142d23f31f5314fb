// Opening and closing skinned forms and running hover fades gives back
// every handle, DC, GDI+ object, surface, record and timer.

#include <gtest/gtest.h>

#include <memory>

#include "base/handle.h"
#include "skinned_test_form.h"
#include "graphics/gx_object.h"
#include "skin/core/skin_registry.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

struct Counts {
    long gdi = LiveHandleCount(HandleKind::GdiObject);
    long dcs = LiveHandleCount(HandleKind::Dc);
    long windows = LiveHandleCount(HandleKind::Window);
    long gx = GxObject::LiveCount();
    std::size_t surfaces = skin::memoryDcList.size();
    std::int32_t forms = skin::formRegistry.Size();
};

void ExpectSame(const Counts& before, const Counts& after) {
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.surfaces, before.surfaces);
    EXPECT_EQ(after.forms, before.forms);
}

TEST(FormResources, FiftyFormsOpenedAndClosedLeaveNothing) {
    { SkinnedTestForm warmUp{TestWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)}; }
    const Counts before;
    for (int i = 0; i < 50; ++i) {
        SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)};
        MoveMouseOnto(w.Window(), w.ButtonCentre(1 + i % 3));
        if (i % 2) ::SendMessageW(w.Window(), WM_CLOSE, 0, 0);
    }
    PumpMessages(30);
    ExpectSame(before, Counts{});
}

TEST(FormResources, FiveHundredHoverFadesLeaveNothingAndStopTheTimer) {
    SkinnedTestForm w{TestWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX)};
    MoveMouseOnto(w.Window(), POINT{150, 250});
    PumpMessages(30);
    const Counts before;
    const HWND window = w.Window();
    for (int i = 0; i < 500; ++i) {
        MoveMouseOnto(w.Window(), w.ButtonCentre(1 + i % 3));
        // The hover timer's ticks, as the platform delivers them.
        for (int tick = 0; tick < 9; ++tick) ::SendMessageW(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    }
    MoveMouseOnto(w.Window(), POINT{150, 250});
    ASSERT_TRUE(PumpUntil(
        [&] { return !w.Record().hoverTimerOn && w.Record().leaveFade.button == 0 && w.Record().hotButton == 0; },
        2000));
    EXPECT_FALSE(::KillTimer(window, reinterpret_cast<UINT_PTR>(window)));
    ExpectSame(before, Counts{});
}

}  // namespace
}  // namespace pelorin::test
