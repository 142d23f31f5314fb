// Repeated header draws and border paints leave no handle, DC, surface or
// GDI+ object behind; the header's image list outlives the header.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/handle.h"
#include "graphics/gx_object.h"
#include "skinned_test_form.h"
#include "skin/core/skin_registry.h"
#include "skin/windows/box_frame.h"
#include "skin/windows/header_painter.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// Every pixel of the known frame the lists are drawn on.
constexpr GxArgb kBackground = 0xFF506070;

struct Counters {
    long gdi = LiveHandleCount(HandleKind::GdiObject);
    long dcs = LiveHandleCount(HandleKind::Dc);
    long icons = LiveHandleCount(HandleKind::Icon);
    long gx = GxObject::LiveCount();
    std::size_t surfaces = skin::memoryDcList.size();
};

TEST(ListResourcesTest, AThousandHeaderDrawsAndBorderPaintsLeaveEveryCounterWhereItStarted) {
    SkinnedTestForm form{FormAt(100, 80, 460, 460)};
    HWND list = form.AddListView(0, MusicListColumns(), 60);
    HWND header = ListView_GetHeader(list);
    // One column with an icon, so that the icon path runs too.
    HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    ::ImageList_AddIcon(images, ::LoadIconW(nullptr, IDI_APPLICATION));
    Header_SetImageList(header, images);
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = HDF_LEFT | HDF_STRING | HDF_IMAGE;
    item.iImage = 0;
    Header_SetItem(header, 1, &item);
    form.ApplyOnKnownFrame(kBackground);
    const std::int32_t headerIndex = skin::FindHeader(form.FormIndex(), header);
    const std::int32_t listIndex = skin::FindListControl(form.FormIndex(), list);
    ASSERT_NE(headerIndex, 0);
    ASSERT_NE(listIndex, 0);
    ASSERT_EQ(form.HeaderOf(header).imageList, images);
    skin::DrawHeader(form.FormIndex(), headerIndex);
    skin::DrawBoxFrame(form.FormIndex(), listIndex, false, true);

    const Counters before;
    for (int i = 0; i < 1000; ++i) {
        skin::DrawHeader(form.FormIndex(), headerIndex);
        skin::DrawBoxFrame(form.FormIndex(), listIndex, i % 2 == 0, i % 3 == 0);
    }
    const Counters after;
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.icons, before.icons);
    EXPECT_EQ(after.gx, before.gx);
    EXPECT_EQ(after.surfaces, before.surfaces);

    // The image list belongs to the test, not to the header's skin.
    ::DestroyWindow(list);
    PumpMessages(10);
    EXPECT_EQ(::ImageList_GetImageCount(images), 1);
    EXPECT_TRUE(::ImageList_Destroy(images));
}

}  // namespace
}  // namespace pelorin::test
