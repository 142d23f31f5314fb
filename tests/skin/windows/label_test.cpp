// Skinned labels on a skinned test form with a frame of known pixels: one
// clipped line without wrapping, an immediate repaint when the text changes,
// and the kept picture reused while the form is dragged but not after a
// resize.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include <algorithm>

#include "picture_test_util.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
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

constexpr wchar_t kLongText[] = L"这是一段很长很长的标签文字用来测试";

int Sum(GxArgb c) { return Red(c) + Green(c) + Blue(c); }

// Rows and columns holding dark ink over the known background.
struct InkBounds {
    int left = 100000, right = -1, top = 100000, bottom = -1;
    int Height() const { return bottom < 0 ? 0 : bottom - top + 1; }
};

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin::SkinStartup();
        skin::skinDefaults.skinControlsEnabled = 1;
        form.Apply();
        PumpMessages(30);
        form.SetKnownFrame();
    }
    HWND AddLabel(const wchar_t* text, int w = 120, int h = 40) {
        // Clear of the form's own controls.
        return ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, 180, 245, w, h, form.Window(), nullptr,
                                 nullptr, nullptr);
    }
    std::int32_t Index(HWND label) { return skin::FindLabel(form.FormIndex(), label); }
    Pixels Drawn(HWND label) { return form.Drawn(label); }
    // What the window shows now, read through its own DC without letting it
    // paint first.
    static Pixels ShownNow(HWND window) { return ClientPixels(window); }
    InkBounds Ink(const Pixels& p, HWND label) const {
        InkBounds b;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (Sum(p.At(x, y)) < Sum(form.BackgroundBehind(label, x, y)) - 150) {
                    b.left = std::min(b.left, x);
                    b.right = std::max(b.right, x);
                    b.top = std::min(b.top, y);
                    b.bottom = std::max(b.bottom, y);
                }
        return b;
    }

    EveryKindForm form;
};

TEST_F(LabelTest, SkinLabelFillsTheRecordAndRefusesWindowsOutsideForms) {
    HWND label = AddLabel(L"标签1");
    EXPECT_EQ(skin::SkinLabel(label, Colours(0x00FFFFFF, 0x00FF8800)), 1);
    const skin::LabelRecord& r = form.Record().labels[Index(label)];
    EXPECT_EQ(r.fontName, L"宋体");
    EXPECT_EQ(r.fontSize, 12);
    EXPECT_EQ(r.horizontalAlign, 0);
    EXPECT_EQ(r.verticalAlign, 1);
    EXPECT_TRUE(r.glowOn);
    EXPECT_EQ(r.glowColor, 0x00FF8800u);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(label, GWLP_WNDPROC)), skin::LabelProc);
    // Again: the settings change, the label is not subclassed twice.
    EXPECT_EQ(skin::SkinLabel(label, Colours(0x00000000)), 1);
    EXPECT_FALSE(form.Record().labels[Index(label)].glowOn);
    EXPECT_NE(form.Record().labels[Index(label)].previousProc, skin::LabelProc);
    ::SetWindowTextW(label, L"仍然可用");  // would recurse without end if subclassed twice

    HWND loose = ::CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(skin::SkinLabel(loose, {}), 0);
    ::DestroyWindow(loose);
}

TEST_F(LabelTest, WithoutWrapALongTextIsOneLineRunningOutOfTheLabel) {
    HWND label = AddLabel(kLongText);
    skin::SkinLabel(label, Colours(0x00000000));
    skin::DrawLabel(form.FormIndex(), Index(label));
    const InkBounds one = Ink(Drawn(label), label);
    EXPECT_GT(one.Height(), 6);
    EXPECT_LE(one.Height(), 14);
    EXPECT_LE(one.left, 2);                          // the layout starts 2 pixels left of the label
    EXPECT_GE(one.right, 120 - 3);                   // and runs on beyond its right edge
    EXPECT_NEAR((one.top + one.bottom) / 2, 20, 3);  // centred vertically

    skin::SkinLabel(label, Colours(0x00000000, std::nullopt, 1));
    skin::DrawLabel(form.FormIndex(), Index(label));
    EXPECT_GT(Ink(Drawn(label), label).Height(), 20);  // two lines
}

TEST_F(LabelTest, SetWindowTextRepaintsAtOnceOverTheUnchangedBackground) {
    HWND label = AddLabel(L"甲");
    skin::SkinLabel(label, Colours(0x00000000));
    ::UpdateWindow(label);
    PumpMessages(20);
    ::SetWindowTextW(label, L"乙乙乙乙乙");         // no message pumped after this
    EXPECT_GT(Ink(Drawn(label), label).right, 40);  // the kept picture has the new text
    const Pixels shown = ShownNow(label);
    const InkBounds ink = Ink(shown, label);
    EXPECT_GT(ink.right, 40);  // five characters, not one
    int notBackground = 0;
    for (int y = 0; y < shown.height; ++y)
        for (int x = ink.right + 3; x < shown.width; ++x)
            notBackground += Near(shown.At(x, y), form.BackgroundBehind(label, x, y), 2) ? 0 : 1;
    EXPECT_EQ(notBackground, 0);
    EXPECT_FALSE(form.Record().labels[Index(label)].backgroundStale);
}

TEST_F(LabelTest, DraggingTheFormReusesThePictureAResizeRebuildsIt) {
    HWND label = AddLabel(L"标签");
    skin::SkinLabel(label, Colours(0x00000000));
    skin::DrawLabel(form.FormIndex(), Index(label));
    // Mark the kept picture: a repaint that reuses it shows the mark.
    const RECT area = skin::ClientAreaInForm(label);
    skin::MemorySurface& copy = *form.Record().frameCopy;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) copy.Pixels()[y * copy.Width() + x] = 0xFFFF00FF;

    ::SendMessageW(form.Window(), WM_MOVING, 0, 0);
    form.Record().isActive = true;
    ::InvalidateRect(label, nullptr, TRUE);
    ::UpdateWindow(label);
    PumpMessages(100);
    EXPECT_TRUE(Near(WindowPixels(label).At(100, 20), 0xFFFF00FF, 2));
    EXPECT_FALSE(form.Record().labels[Index(label)].backgroundStale);
    ::SendMessageW(form.Window(), WM_EXITSIZEMOVE, 0, 0);

    RECT r{};
    ::GetWindowRect(form.Window(), &r);
    ::SetWindowPos(form.Window(), nullptr, 0, 0, r.right - r.left + 20, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(form.Record().labels[Index(label)].backgroundStale);
    PumpMessages(50);
    ::InvalidateRect(label, nullptr, FALSE);
    ::UpdateWindow(label);
    PumpMessages(100);
    EXPECT_FALSE(Near(WindowPixels(label).At(100, 20), 0xFFFF00FF, 40));
}

}  // namespace
}  // namespace pelorin::test
