// Containers on a skinned test form with a frame of known pixels: the group
// box's rounded rings and its caption placed by the alignment bits over the
// restored background, the tint, and the stale flags when a container moves.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include <string>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "picture_test_util.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/container.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/label.h"
#include "skin/windows/skin_startup.h"
#include "skinned_test_form.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

skin::LabelSettings Colours(COLORREF text, std::optional<COLORREF> glow = std::nullopt, std::int32_t wrap = 0) {
    skin::LabelSettings s;
    s.textColor = text;
    s.glowColor = glow;
    s.wrap = wrap;
    return s;
}

skin::ContainerSettings Settings(std::optional<bool> self, std::optional<COLORREF> tint,
                                 std::optional<std::uint8_t> alpha, std::optional<std::int32_t> panel) {
    skin::ContainerSettings s;
    s.selfPainted = self;
    s.tint = tint;
    s.panelAlpha = alpha;
    s.drawPanel = panel;
    return s;
}

constexpr int kBoxW = 150;
constexpr int kBoxH = 90;

int Sum(GxArgb c) { return Red(c) + Green(c) + Blue(c); }

class ContainerTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::SkinStartup();
        skin::skinDefaults.skinControlsEnabled = 1;
        form.Apply();
        PumpMessages(30);
        form.SetKnownFrame();
    }

    HWND AddGroupBox(const wchar_t* caption, DWORD align, int x = 20, int y = 20, int w = kBoxW, int h = kBoxH) {
        HWND box = ::CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX | align, x, y, w, h,
                                     form.Window(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return box;
    }
    std::int32_t Index(HWND box) { return skin::FindContainer(form.FormIndex(), box); }
    skin::ContainerRecord& Record(HWND box) { return form.Record().containers[Index(box)]; }

    // The box as last drawn, from the form's frameCopy.
    Pixels Drawn(HWND box) { return form.Drawn(box); }
    Pixels Draw(HWND box) {
        skin::DrawContainer(form.FormIndex(), Index(box));
        return Drawn(box);
    }
    bool IsBackground(const Pixels& p, HWND box, int x, int y) {
        return Near(p.At(x, y), form.BackgroundBehind(box, x, y), 1);
    }
    // The light inner ring runs along row 6; the caption box takes it out
    // (the caption's dark ink never makes a pixel lighter).
    bool RingAt(const Pixels& p, HWND box, int x) {
        return Sum(p.At(x, 6)) > Sum(form.BackgroundBehind(box, x, 6)) + 8;
    }
    // First and last column of the gap in the top ring (straight part only).
    std::pair<int, int> Gap(const Pixels& p, HWND box) {
        int first = -1, last = -1;
        for (int x = 5; x < p.width - 5; ++x)
            if (!RingAt(p, box, x)) {
                if (first < 0) first = x;
                last = x;
            }
        return {first, last};
    }

    EveryKindForm form;
};

TEST_F(ContainerTest, AttachKeepsTheSettingsAndDefaults) {
    HWND box = AddGroupBox(L"分组框1", 0);
    skin::AttachContainer(box);
    ASSERT_GT(Index(box), 0);
    const skin::ContainerRecord& r = Record(box);
    EXPECT_EQ(r.kind, skin::kGroupBox);
    EXPECT_TRUE(r.selfPainted);
    EXPECT_EQ(r.settingB, 0u);
    EXPECT_EQ(r.panelAlpha, 255);
    EXPECT_EQ(r.drawPanel, 0);
    EXPECT_EQ(r.width, kBoxW);
    EXPECT_EQ(r.height, kBoxH);
    EXPECT_EQ(r.previousProc, reinterpret_cast<WNDPROC>(::GetPropW(box, L"Hw_hProc")));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(box, GWLP_WNDPROC)), skin::ContainerProc);
    // A second attach changes nothing.
    const std::int32_t count = form.Record().containers.Size();
    skin::AttachContainer(box);
    EXPECT_EQ(form.Record().containers.Size(), count);

    HWND panel = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 20, 80, 60, form.Window(), nullptr,
                                   nullptr, nullptr);
    skin::AttachContainer(panel, Settings(false, 0x00112233, 90, 1));
    const skin::ContainerRecord& p = Record(panel);
    EXPECT_EQ(p.kind, skin::kOtherContainer);
    EXPECT_FALSE(p.selfPainted);
    EXPECT_EQ(p.settingB, 0x00112233u);
    EXPECT_EQ(p.panelAlpha, 90);
    EXPECT_EQ(p.drawPanel, 1);
}

TEST_F(ContainerTest, CaptionWithoutAlignmentBitsEndsTenPixelsFromTheRightEdge) {
    HWND box = AddGroupBox(L"分组框1", 0);
    skin::AttachContainer(box);
    const Pixels p = Draw(box);
    const auto [first, last] = Gap(p, box);
    ASSERT_GT(first, 10);
    EXPECT_EQ(last, kBoxW - 11);
    EXPECT_TRUE(RingAt(p, box, kBoxW - 10));
    EXPECT_TRUE(RingAt(p, box, first - 1));
}

TEST_F(ContainerTest, CaptionWithLeftBitStartsTenPixelsFromTheLeftEdge) {
    HWND box = AddGroupBox(L"分组框1", BS_LEFT);
    skin::AttachContainer(box);
    const Pixels p = Draw(box);
    const auto [first, last] = Gap(p, box);
    EXPECT_EQ(first, 10);
    EXPECT_TRUE(RingAt(p, box, 9));
    EXPECT_LT(last, kBoxW / 2);
    // Under the caption, away from its ink, the form's own pixels.
    for (int y = 1; y <= 15; ++y) EXPECT_TRUE(IsBackground(p, box, 10, y)) << y;
}

TEST_F(ContainerTest, CaptionWithCenterBitsIsCentred) {
    HWND box = AddGroupBox(L"分组框1", BS_CENTER);
    skin::AttachContainer(box);
    const Pixels p = Draw(box);
    const auto [first, last] = Gap(p, box);
    ASSERT_GT(first, 10);
    EXPECT_NEAR(first + last + 1, kBoxW, 2);
}

TEST_F(ContainerTest, CentredCaptionWiderThanTheBoxStartsLeftOfIt) {
    HWND box = AddGroupBox(L"一个比分组框宽得多的标题文字", BS_CENTER, 20, 20, 80, 60);
    skin::AttachContainer(box);
    const Pixels p = Draw(box);
    // No ring on the whole straight top edge, and ink at both ends: the text
    // runs out on both sides.
    EXPECT_EQ(Gap(p, box).first, 5);
    EXPECT_EQ(Gap(p, box).second, p.width - 6);
    auto inkIn = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 1; y < 16; ++y)
                if (Sum(p.At(x, y)) < Sum(form.BackgroundBehind(box, x, y)) - 150) return true;
        return false;
    };
    EXPECT_TRUE(inkIn(0, 4));
    EXPECT_TRUE(inkIn(p.width - 4, p.width));
}

TEST_F(ContainerTest, FrameHasADarkOuterAndALightInnerRing) {
    HWND box = AddGroupBox(L"框", BS_LEFT);
    skin::AttachContainer(box);
    const Pixels p = Draw(box);
    const int midY = kBoxH / 2;
    const int midX = kBoxW / 2;
    auto behind = [&](int x, int y) { return form.BackgroundBehind(box, x, y); };
    const GxArgb dark = 0x28000000;   // black at alpha 40
    const GxArgb light = 0x5AFFFFFF;  // white at alpha 90
    EXPECT_TRUE(Near(p.At(0, midY), Over(dark, behind(0, midY)), 12)) << Hex(p.At(0, midY));
    EXPECT_TRUE(Near(p.At(1, midY), Over(light, behind(1, midY)), 12)) << Hex(p.At(1, midY));
    EXPECT_TRUE(IsBackground(p, box, 3, midY));
    EXPECT_TRUE(Near(p.At(kBoxW - 1, midY), Over(dark, behind(kBoxW - 1, midY)), 12));
    EXPECT_TRUE(Near(p.At(kBoxW - 2, midY), Over(light, behind(kBoxW - 2, midY)), 12));
    EXPECT_TRUE(Near(p.At(midX, kBoxH - 1), Over(dark, behind(midX, kBoxH - 1)), 12));
    EXPECT_TRUE(Near(p.At(midX, kBoxH - 2), Over(light, behind(midX, kBoxH - 2)), 12));
    EXPECT_TRUE(Near(p.At(midX, 5), Over(dark, behind(midX, 5)), 12));
    EXPECT_TRUE(Near(p.At(midX, 6), Over(light, behind(midX, 6)), 12));
    // Above the frame and inside it: the form.
    EXPECT_TRUE(IsBackground(p, box, midX, 2));
    EXPECT_TRUE(IsBackground(p, box, midX, midY));
}

TEST_F(ContainerTest, ATintColoursTheContainerAndItsChildrensBackgrounds) {
    HWND box = AddGroupBox(L"分组框", BS_LEFT, 20, 20, 160, 100);
    HWND inside = ::CreateWindowExW(0, L"BUTTON", L"按钮1", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 40, 80, 24, box,
                                    nullptr, nullptr, nullptr);
    skin::AttachContainer(box, Settings(std::nullopt, 0x000000FF, 255, std::nullopt));
    const Pixels p = Draw(box);
    auto red = [](GxArgb c) { return Red(c) > 200 && Green(c) < 40 && Blue(c) < 40; };
    EXPECT_TRUE(red(p.At(120, 80))) << Hex(p.At(120, 80));
    EXPECT_FALSE(red(p.At(80, 2)));  // above the rounded panel: the form
    ::InvalidateRect(inside, nullptr, TRUE);
    PumpMessages(30);
    const Pixels button = WindowPixels(inside);
    EXPECT_TRUE(red(button.At(0, 0))) << Hex(button.At(0, 0));
}

TEST_F(ContainerTest, AButtonInsideAGroupBoxLooksExactlyAsTheSameButtonOnTheForm) {
    const auto makeButton = [](HWND parent, int x, int y) {
        HWND b = ::CreateWindowExW(0, L"BUTTON", L"确定", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, y, 80, 24, parent,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return b;
    };
    const auto shown = [](HWND button) {
        ::RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpMessages(30);
        return WindowPixels(button);
    };
    // On the form at (60, 60) of its client area.
    HWND onForm = makeButton(form.Window(), 60, 60);
    skin::AttachPushButtons(form.FormIndex(), form.Window());
    ASSERT_GT(skin::FindButton(form.FormIndex(), onForm), 0);
    const Pixels alone = shown(onForm);
    ::DestroyWindow(onForm);
    PumpMessages(30);

    // The same button at the same place of the form, inside a group box.
    HWND box = AddGroupBox(L"分组", 0, 20, 20, 200, 120);
    HWND inside = makeButton(box, 40, 40);
    skin::AttachContainer(box);
    ASSERT_GT(skin::FindButton(form.FormIndex(), inside), 0) << "the container did not attach its button";
    ASSERT_EQ(skin::ClientAreaInForm(inside).left, 60);
    // The box paints first, its button after it, as on screen, over the same
    // known frame (attaching may have rendered the form's own anew).
    PumpMessages(30);
    form.SetKnownFrame();
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(30);
    const Pixels boxed = shown(inside);
    ASSERT_EQ(boxed.width, alone.width);
    int differing = 0;
    for (int y = 0; y < alone.height; ++y)
        for (int x = 0; x < alone.width; ++x)
            if (!Near(boxed.At(x, y), alone.At(x, y), 6)) {
                if (differing++ < 5)
                    ADD_FAILURE() << "(" << x << ", " << y << "): " << Hex(boxed.At(x, y)) << " inside, "
                                  << Hex(alone.At(x, y)) << " on the form";
            }
    EXPECT_EQ(differing, 0);
}

TEST_F(ContainerTest, MovingAContainerMarksTheFormsContainersStaleAndRepaintsItOnce) {
    // In the form's free right-hand column.
    HWND first = AddGroupBox(L"一", BS_LEFT, 340, 100, 70, 70);
    HWND second = AddGroupBox(L"二", BS_LEFT, 340, 0, 70, 38);
    skin::AttachContainer(first);
    skin::AttachContainer(second);
    Draw(first);
    Draw(second);
    ASSERT_FALSE(Record(first).backgroundStale);
    ASSERT_FALSE(Record(second).backgroundStale);

    ::SetWindowPos(first, nullptr, 340, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(Record(first).backgroundStale);
    EXPECT_TRUE(Record(second).backgroundStale);
    EXPECT_TRUE(Record(second).secondaryStale);
    ::UpdateWindow(first);
    EXPECT_FALSE(Record(first).backgroundStale);
    const Pixels moved = Drawn(first);
    EXPECT_TRUE(IsBackground(moved, first, 30, 40));  // rebuilt at the new place

    // Drawn once: a repaint without erasing shows the kept picture.
    const RECT area = skin::ClientAreaInForm(first);
    skin::MemorySurface& copy = *form.Record().frameCopy;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) copy.Pixels()[y * copy.Width() + x] = 0xFFFF00FF;
    ::InvalidateRect(first, nullptr, FALSE);
    ::UpdateWindow(first);
    PumpMessages(100);
    const Pixels again = WindowPixels(first);
    EXPECT_TRUE(Near(again.At(30, 40), 0xFFFF00FF, 2)) << Hex(again.At(30, 40));
}

TEST_F(ContainerTest, DestroyingFormsWithContainersAndLabelsLeavesEveryCounter) {
    auto once = [] {
        EveryKindForm other;
        other.Apply();
        other.SetKnownFrame();
        skin::AttachContainer(other.groupBox);
        HWND label = ::CreateWindowExW(0, L"STATIC", L"关于", WS_CHILD | WS_VISIBLE, 200, 250, 150, 20, other.Window(),
                                       nullptr, nullptr, nullptr);
        skin::SkinLabel(label, Colours(0x00FFFFFF, 0x00FF8800));
        ::InvalidateRect(other.groupBox, nullptr, TRUE);
        ::SetWindowTextW(label, L"关于本程序");
        PumpMessages(5);
    };
    once();
    const long dcs = LiveHandleCount(HandleKind::Dc);
    const long objects = LiveHandleCount(HandleKind::GdiObject);
    const long gx = GxObject::LiveCount();
    const DWORD gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 50; ++i) once();
    EXPECT_EQ(LiveHandleCount(HandleKind::Dc), dcs);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), objects);
    EXPECT_EQ(GxObject::LiveCount(), gx);
    EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), gdi + 2);
    EXPECT_TRUE(skin::memoryDcList.empty());
}

}  // namespace
}  // namespace pelorin::test
