// The close animations on real windows: the frames' rectangles, opacities
// and pauses as reported just before each frame is shown, the window moved
// by each shown frame, and the snapshot they show.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/close_animation.h"
#include "skin/windows/window_snapshot.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr int kLeft = 100;
constexpr int kTop = 40;

// Records the frames of the animations played while it lives, and checks
// that the window shows each frame's rectangle once the next one comes.
class FrameRecorder {
public:
    explicit FrameRecorder(HWND window) : window_(window) {
        skin::closeAnimationObserver = [this](const skin::CloseAnimationFrame& frame) {
            if (!frames.empty()) {
                RECT r{};
                ::GetWindowRect(window_, &r);
                const skin::CloseAnimationFrame& last = frames.back();
                if (last.width > 0 && last.height > 0 &&
                    (r.left != last.x || r.top != last.y || r.right - r.left != last.width ||
                     r.bottom - r.top != last.height))
                    ++framesNotShown;
            }
            frames.push_back(frame);
        };
    }
    ~FrameRecorder() { skin::closeAnimationObserver = nullptr; }
    FrameRecorder(const FrameRecorder&) = delete;
    FrameRecorder& operator=(const FrameRecorder&) = delete;

    DWORD TotalPause() const {
        return std::accumulate(frames.begin(), frames.end(), DWORD{0},
                               [](DWORD sum, const skin::CloseAnimationFrame& f) { return sum + f.delayMs; });
    }
    std::vector<int> Alphas() const {
        std::vector<int> out;
        for (const auto& f : frames) out.push_back(f.alpha);
        return out;
    }

    std::vector<skin::CloseAnimationFrame> frames;
    int framesNotShown = 0;

private:
    HWND window_;
};

bool IsLayered(HWND window) { return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

class CloseAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { skin::skinDefaults.skinBackgroundColor = 0x00306090; }
    SkinThemeScope theme_;
};

TEST_F(CloseAnimationTest, VariantTwoShrinksByTwoPercentAndGrowsBack) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    FrameRecorder recorder(form.Window());
    const DWORD start = ::GetTickCount();
    skin::PlayCloseAnimation(form.Window(), 2);
    const DWORD elapsed = ::GetTickCount() - start;

    ASSERT_EQ(recorder.frames.size(), 10u);
    const auto& f = recorder.frames;
    // dx = 7, dy = 10; half steps 3.5 and 5, truncated each frame.
    EXPECT_EQ(f[0].x, kLeft + 3);
    EXPECT_EQ(f[0].y, kTop + 5);
    EXPECT_EQ(f[0].width, 373);
    EXPECT_EQ(f[0].height, 527);
    EXPECT_EQ(f[4].width, 345);
    EXPECT_EQ(f[4].height, 487);
    EXPECT_EQ(f[4].x, kLeft + 15);
    EXPECT_EQ(f[4].y, kTop + 25);
    EXPECT_EQ(f[9].width, 380);
    EXPECT_EQ(f[9].height, 537);
    EXPECT_EQ(f[9].y, kTop);
    EXPECT_EQ(recorder.Alphas(), (std::vector<int>{230, 205, 180, 155, 130, 105, 80, 55, 30, 5}));
    std::vector<DWORD> pauses;
    for (const auto& frame : f) pauses.push_back(frame.delayMs);
    EXPECT_EQ(pauses, (std::vector<DWORD>{28, 26, 24, 22, 20, 18, 16, 14, 12, 10}));
    EXPECT_EQ(recorder.TotalPause(), 190u);
    EXPECT_GE(elapsed, 170u) << "the pauses are slept";
    EXPECT_EQ(recorder.framesNotShown, 0) << "every frame moves the window";
    EXPECT_TRUE(IsLayered(form.Window()));
    EXPECT_TRUE(::IsWindow(form.Window())) << "the close itself is not the animation's business";
}

TEST_F(CloseAnimationTest, VariantThreeFadesInPlaceDownToZero) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    FrameRecorder recorder(form.Window());
    skin::PlayCloseAnimation(form.Window(), 3);
    ASSERT_EQ(recorder.frames.size(), 10u);
    for (const auto& frame : recorder.frames) {
        EXPECT_EQ(frame.x, kLeft);
        EXPECT_EQ(frame.y, kTop);
        EXPECT_EQ(frame.width, 380);
        EXPECT_EQ(frame.height, 537);
    }
    EXPECT_EQ(recorder.Alphas(), (std::vector<int>{230, 205, 180, 155, 130, 105, 80, 55, 30, 0}));
    std::vector<DWORD> pauses;
    for (const auto& frame : recorder.frames) pauses.push_back(frame.delayMs);
    EXPECT_EQ(pauses, (std::vector<DWORD>{77, 71, 62, 50, 35, 17, 1, 1, 1, 1}));
    EXPECT_EQ(recorder.TotalPause(), 316u);
}

TEST_F(CloseAnimationTest, VariantZeroAndOutOfRangeValuesPlayNothing) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    FrameRecorder recorder(form.Window());
    for (std::int32_t variant : {0, 10, -1, 99}) skin::PlayCloseAnimation(form.Window(), variant);
    EXPECT_TRUE(recorder.frames.empty());
    EXPECT_FALSE(IsLayered(form.Window()));
    RECT r{};
    ::GetWindowRect(form.Window(), &r);
    EXPECT_EQ(r.left, kLeft);
    EXPECT_EQ(r.right - r.left, 380);
}

// The last frame of each collapsing variant on 380 x 537 (dx 38, dy 53).
struct Collapse {
    std::int32_t variant;
    int x, y, w, h;
};

class CollapseTest : public CloseAnimationTest, public ::testing::WithParamInterface<Collapse> {};

TEST_P(CollapseTest, LastFrameAndPauses) {
    const Collapse c = GetParam();
    SkinnedTestForm form{FrameForm()};
    form.Show();
    FrameRecorder recorder(form.Window());
    skin::PlayCloseAnimation(form.Window(), c.variant);
    ASSERT_EQ(recorder.frames.size(), 10u);
    const auto& last = recorder.frames.back();
    EXPECT_EQ(last.x, kLeft + c.x);
    EXPECT_EQ(last.y, kTop + c.y);
    EXPECT_EQ(last.width, c.w);
    EXPECT_EQ(last.height, c.h);
    EXPECT_EQ(recorder.frames.front().delayMs, 19u);
    EXPECT_EQ(recorder.TotalPause(), 145u);
    EXPECT_EQ(recorder.frames.back().alpha, 5);
    EXPECT_EQ(recorder.framesNotShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Variants, CollapseTest,
                         ::testing::Values(Collapse{1, 190, 260, 0, 7},   // to the centre (19, 26.5 -> 26 a frame)
                                           Collapse{4, 0, 260, 380, 7},   // to the middle row
                                           Collapse{5, 0, 0, 380, 7},     // upwards
                                           Collapse{6, 0, 530, 380, 7},   // downwards
                                           Collapse{7, 0, 0, 0, 537},     // to the left
                                           Collapse{8, 380, 0, 0, 537},   // to the right
                                           Collapse{9, 190, 0, 0, 537}),  // to the middle column
                         [](const ::testing::TestParamInfo<Collapse>& run) {
                             return "Variant" + std::to_string(run.param.variant);
                         });

TEST_F(CloseAnimationTest, AnAlreadyLayeredWindowAnimatesTheSameWay) {
    std::vector<skin::CloseAnimationFrame> plainFrames;
    {
        SkinnedTestForm form{FrameForm()};
        form.Show();
        FrameRecorder recorder(form.Window());
        skin::PlayCloseAnimation(form.Window(), 2);
        plainFrames = recorder.frames;
    }
    SkinnedTestForm form{FrameForm()};
    form.Show();
    ::SetWindowLongPtrW(form.Window(), GWL_EXSTYLE, ::GetWindowLongPtrW(form.Window(), GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(form.Window(), 0, 128, LWA_ALPHA);
    PumpMessages(20);
    FrameRecorder recorder(form.Window());
    skin::PlayCloseAnimation(form.Window(), 2);
    ASSERT_EQ(recorder.frames.size(), plainFrames.size());
    for (std::size_t i = 0; i < plainFrames.size(); ++i) {
        EXPECT_EQ(recorder.frames[i].x, plainFrames[i].x) << i;
        EXPECT_EQ(recorder.frames[i].y, plainFrames[i].y) << i;
        EXPECT_EQ(recorder.frames[i].width, plainFrames[i].width) << i;
        EXPECT_EQ(recorder.frames[i].height, plainFrames[i].height) << i;
        EXPECT_EQ(recorder.frames[i].alpha, plainFrames[i].alpha) << i;
    }
    EXPECT_EQ(recorder.framesNotShown, 0);
    EXPECT_TRUE(IsLayered(form.Window()));
}

TEST_F(CloseAnimationTest, SnapshotOfASkinnedFormIsItsCompositeMadeOpaque) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    skin::SurfacePtr snapshot = skin::SnapshotWindow(form.Window());
    ASSERT_TRUE(snapshot);
    ASSERT_EQ(snapshot->Width(), 380);
    ASSERT_EQ(snapshot->Height(), 537);
    const Pixels copy = form.FrameCopyPixels();
    int differing = 0;
    int transparent = 0;
    for (int y = 0; y < 537; ++y)
        for (int x = 0; x < 380; ++x) {
            if ((snapshot->PixelAt(x, y) | 0xFF000000u) != copy.At(x, y)) ++differing;
            if ((snapshot->PixelAt(x, y) >> 24) != 0xFF) ++transparent;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(transparent, 0);
}

LRESULT CALLBACK PaintRed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(window, &ps);
        HBRUSH red = ::CreateSolidBrush(0x000000FF);
        ::FillRect(dc, &ps.rcPaint, red);
        ::DeleteObject(red);
        ::EndPaint(window, &ps);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(CloseAnimationTest, SnapshotOfAPlainWindowIsWhatItShows) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PaintRed;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PelorinSnapshotPlain";
    ::RegisterClassExW(&wc);
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 600, 300, 120, 80,
                                    nullptr, nullptr, wc.hInstance, nullptr);
    ::UpdateWindow(window);
    PumpMessages(30);
    skin::SurfacePtr snapshot = skin::SnapshotWindow(window);
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->Width(), 120);
    EXPECT_TRUE(Near(snapshot->PixelAt(60, 40), 0xFFFF0000, 2)) << Hex(snapshot->PixelAt(60, 40));
    EXPECT_TRUE(Near(snapshot->PixelAt(0, 0), 0xFFFF0000, 2));
    FrameRecorder recorder(window);
    skin::PlayCloseAnimation(window, 9);
    EXPECT_EQ(recorder.frames.size(), 10u) << "any window can be animated";
    ::DestroyWindow(window);
}

}  // namespace
}  // namespace pelorin::test
