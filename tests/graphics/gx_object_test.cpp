// Ownership of native objects and the last-status value shared by all wrappers.

#include <gtest/gtest.h>

#include <type_traits>

#include "graphics/gx.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using test::kRed;

static_assert(!std::is_copy_constructible_v<GxPen> && !std::is_copy_assignable_v<GxPen>);
static_assert(!std::is_copy_constructible_v<GxBitmap> && !std::is_copy_assignable_v<GxBitmap>);
static_assert(std::is_nothrow_move_constructible_v<GxBitmap> && std::is_nothrow_move_assignable_v<GxBitmap>);
static_assert(std::is_nothrow_move_constructible_v<GxSolidBrush> && std::is_nothrow_move_assignable_v<GxPath>);

TEST(GxLastStatus, BoolOperationReportsSuccessAndFailure) {
    GxPen pen;
    EXPECT_FALSE(pen.SetWidth(3.0f));  // no pen yet
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
    ASSERT_TRUE(pen.Create1(kRed, 1.0f));
    EXPECT_EQ(gxLastStatus, Gdiplus::Ok);
    EXPECT_TRUE(pen.SetWidth(3.0f));
    EXPECT_EQ(gxLastStatus, Gdiplus::Ok);
}

TEST(GxLastStatus, ValueOperationReturnsZeroOnFailure) {
    GxPen pen;
    EXPECT_EQ(pen.GetWidth(), 0.0f);
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
    ASSERT_TRUE(pen.Create1(kRed, 2.5f));
    EXPECT_EQ(pen.GetWidth(), 2.5f);
    EXPECT_EQ(gxLastStatus, Gdiplus::Ok);
    EXPECT_EQ(pen.GetColor(), kRed);
    EXPECT_EQ(gxLastStatus, Gdiplus::Ok);

    GxFontFamily family;
    EXPECT_EQ(family.GetName(), L"");  // texts come back empty
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
}

TEST(GxLastStatus, RecordOperationReturnsEmptyRecordOnFailure) {
    GxPath path;
    GxRectF bounds = path.GetWorldBounds();
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(bounds.Width, 0.0f);
    EXPECT_EQ(bounds.Height, 0.0f);

    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(2, 3, 10, 20));
    bounds = path.GetWorldBounds();
    EXPECT_EQ(gxLastStatus, Gdiplus::Ok);
    EXPECT_FLOAT_EQ(bounds.X, 2);
    EXPECT_FLOAT_EQ(bounds.Y, 3);
    EXPECT_FLOAT_EQ(bounds.Width, 10);
    EXPECT_FLOAT_EQ(bounds.Height, 20);
}

TEST(GxLastStatus, DrawingWithAnEmptyWrapperFailsAndDrawsNothing) {
    test::Canvas canvas(8, 8, test::kWhite);
    GxSolidBrush noBrush;
    EXPECT_FALSE(canvas.graphics.FillRectangle(noBrush, 0, 0, 8, 8));
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
    canvas.Done();
    EXPECT_TRUE(test::PixelNear(canvas.bitmap, 4, 4, test::kWhite, 0));
}

TEST(GxObject, LiveCountFollowsCreateAndDispose) {
    const long before = GxObject::LiveCount();
    {
        GxPen pen;
        EXPECT_EQ(GxObject::LiveCount(), before);
        ASSERT_TRUE(pen.Create1(kRed, 1));
        EXPECT_EQ(GxObject::LiveCount(), before + 1);
        // A second create releases the first pen instead of leaking it.
        ASSERT_TRUE(pen.Create1(kRed, 2));
        EXPECT_EQ(GxObject::LiveCount(), before + 1);
        EXPECT_TRUE(pen.Dispose());
        EXPECT_TRUE(pen.IsEmpty());
        EXPECT_EQ(GxObject::LiveCount(), before);
        EXPECT_FALSE(pen.Dispose());  // nothing left to delete
        ASSERT_TRUE(pen.Create1(kRed, 1));
    }
    // Destruction released the last pen.
    EXPECT_EQ(GxObject::LiveCount(), before);
}

TEST(GxObject, MovesTransferOwnership) {
    const long before = GxObject::LiveCount();
    GxSolidBrush first;
    ASSERT_TRUE(first.Create(kRed));
    void* native = first.GetNativeHandle();

    GxSolidBrush second(std::move(first));
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_EQ(second.GetNativeHandle(), native);
    EXPECT_EQ(GxObject::LiveCount(), before + 1);

    GxSolidBrush third;
    ASSERT_TRUE(third.Create(test::kBlue));
    EXPECT_EQ(GxObject::LiveCount(), before + 2);
    third = std::move(second);  // third's own brush is released
    EXPECT_EQ(GxObject::LiveCount(), before + 1);
    EXPECT_EQ(third.GetColor(), kRed);
}

TEST(GxObject, FailedCreateLeavesTheWrapperEmpty) {
    const long before = GxObject::LiveCount();
    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    EXPECT_FALSE(bitmap.Create(-1, 4));
    EXPECT_NE(gxLastStatus, Gdiplus::Ok);
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(GxObject::LiveCount(), before);
    // Later calls on the empty wrapper fail with an invalid parameter.
    EXPECT_EQ(bitmap.GetWidth(), 0);
    EXPECT_EQ(gxLastStatus, Gdiplus::InvalidParameter);
}

TEST(GxObject, SetNativeHandleHandsOverWithoutReleasing) {
    const long before = GxObject::LiveCount();
    GxPen owner;
    ASSERT_TRUE(owner.Create1(kRed, 4));
    GxPen receiver;
    receiver.SetNativeHandle(owner.Detach());
    EXPECT_TRUE(owner.IsEmpty());
    EXPECT_EQ(receiver.GetWidth(), 4.0f);
    EXPECT_EQ(GxObject::LiveCount(), before + 1);
}

TEST(GxObject, AllocAndFreeUseTheGdiplusHeap) {
    void* block = GxObject::Alloc(64);
    ASSERT_NE(block, nullptr);
    static_cast<unsigned char*>(block)[63] = 0x5A;
    GxObject::Free(block);
}

}  // namespace
}  // namespace pelorin
