// Repeated renders, caption redraws and close animations leave no GDI
// objects, memory DCs or GDI+ objects behind.
#include <gtest/gtest.h>

#include "base/handle.h"
#include "skinned_test_form.h"
#include "graphics/gx_object.h"
#include "skin/core/skin_registry.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/close_animation.h"
#include "skin/windows/frame_render.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

struct Counts {
    long gdi = LiveHandleCount(HandleKind::GdiObject);
    long dcs = LiveHandleCount(HandleKind::Dc);
    long gx = GxObject::LiveCount();
};

void ExpectSameCounts(const Counts& before) {
    const Counts now;
    EXPECT_EQ(now.gdi, before.gdi) << "GDI objects";
    EXPECT_EQ(now.dcs, before.dcs) << "memory DCs";
    EXPECT_EQ(now.gx, before.gx) << "GDI+ objects";
}

TEST(FrameResourcesTest, FiftyRendersWithPictureCaptionAndStatusAreaLeakNothing) {
    SkinThemeScope theme;
    skin::skinDefaults.skinBackgroundPicture = LoadEmbeddedPicture(EmbeddedPicture::Background);
    skin::skinDefaults.skinPictureMode = 3;
    FrameFormOptions options;
    options.maximizeBox = true;
    options.text = L"测试标题";
    SkinnedTestForm form{FrameForm(options)};
    form.Record().statusHeight = 18;
    form.Record().titleShadowColor = 0x00808080;
    skin::LayoutStatusArea(form.FormIndex());
    form.Show();
    const Counts before;
    for (int i = 0; i < 50; ++i) {
        form.Record().titleTextOutlined = (i % 2) == 1;
        form.Rerender();
        skin::SurfaceCanvas canvas(*form.Record().frameBuffer);
        ASSERT_TRUE(canvas);
        GxGraphics& graphics = canvas.Graphics();
        skin::DrawCaptionButton(form.FormIndex(), 1 + i % 3, graphics, false, i % 5 == 0, (i * 30) % 255);
        skin::DrawCaptionText(form.FormIndex(), graphics, false);
        skin::PresentFrame(form.FormIndex());
    }
    ExpectSameCounts(before);
}

TEST(FrameResourcesTest, TwentyCloseAnimationsLeakNothing) {
    SkinnedTestForm form{FrameForm()};
    form.Show();
    // The first animation makes the window layered for good.
    skin::PlayCloseAnimation(form.Window(), 1);
    const Counts before;
    for (int i = 0; i < 20; ++i) skin::PlayCloseAnimation(form.Window(), 1 + i % 9);
    ExpectSameCounts(before);
}

}  // namespace
}  // namespace pelorin::test
