// Repeated paints of every control painter leave no surface, GDI handle, DC
// or GDI+ object behind.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "base/handle.h"
#include "skinned_test_form.h"
#include "graphics/gx_object.h"
#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"
#include "skin/core/slider_pictures.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

struct Counts {
    long gdiObjects = LiveHandleCount(HandleKind::GdiObject);
    long dcs = LiveHandleCount(HandleKind::Dc);
    long gdiplusObjects = GxObject::LiveCount();
    std::size_t surfaces = skin::memoryDcList.size();
};

void ExpectNoGrowth(const char* what, const std::function<void()>& paint) {
    paint();  // first use: the embedded pictures are read once
    const Counts before;
    for (int i = 0; i < 1000; ++i) paint();
    const Counts after;
    EXPECT_EQ(after.gdiObjects, before.gdiObjects) << what;
    EXPECT_EQ(after.dcs, before.dcs) << what;
    EXPECT_EQ(after.gdiplusObjects, before.gdiplusObjects) << what;
    EXPECT_EQ(after.surfaces, 0u) << what;
}

TEST(ControlResourcesTest, AThousandPaintsOfEachKindLeaveNothingBehind) {
    SkinnedTestForm form{KnownFrameForm(100, 80, 460, 320)};
    HWND pictured = form.Add(TRACKBAR_CLASSW, WS_VISIBLE | TBS_HORZ | TBS_NOTICKS, 20, 20, 344, 16);
    ASSERT_TRUE(skin::LoadSliderPictures(form.SliderOf(pictured), LoadEmbeddedPicture(EmbeddedPicture::SliderThumb),
                                         LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey),
                                         LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue)));
    HWND vector = form.Add(TRACKBAR_CLASSW, WS_VISIBLE | TBS_HORZ | TBS_ENABLESELRANGE, 20, 50, 344, 24);
    ::SendMessageW(vector, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    HWND edit =
        form.Add(L"Edit", WS_VISIBLE | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 90, 200, 120, L"", WS_EX_CLIENTEDGE);
    std::wstring text;
    for (int i = 0; i < 40; ++i)
        text += L"a long line of text that needs the horizontal bar " + std::to_wstring(i) + L"\r\n";
    ::SetWindowTextW(edit, text.c_str());
    HWND combo = form.Add(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 240, 90, 160, 200);
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一二三"));
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    HWND bar = form.Add(PROGRESS_CLASSW, WS_VISIBLE, 240, 130, 160, 20);
    ::SendMessageW(bar, PBM_SETPOS, 60, 0);
    PumpMessages(20);

    const auto index = [](HWND w) { return skin::GetPropInt(w, skin::prop::kListIndex); };
    ExpectNoGrowth("picture slider", [&] { skin::PaintSlider(form.FormIndex(), index(pictured)); });
    ExpectNoGrowth("vector slider", [&] { skin::PaintSlider(form.FormIndex(), index(vector)); });
    ExpectNoGrowth("edit frame", [&] { skin::PaintEditFrame(edit, false, true); });
    ExpectNoGrowth("vertical strip", [&] { skin::PaintScrollStripVertical(edit, skin::kStripSecondArrow); });
    ExpectNoGrowth("horizontal strip", [&] { skin::PaintScrollStripHorizontal(edit, skin::kStripThumb); });
    ExpectNoGrowth("combo box", [&] { skin::PaintComboBox(combo, true, true); });
    ExpectNoGrowth("progress bar", [&] { skin::PaintProgressBar(bar); });
}

}  // namespace
}  // namespace pelorin::test
