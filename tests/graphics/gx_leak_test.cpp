// Loading, cloning, painting and disposing in loops leaves neither native
// objects nor memory behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <functional>

#include "base/handle.h"
#include "graphics/gx.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;

// Committed private memory of the process. (Wine's process memory counters
// leave PrivateUsage at 0, so the address space is walked instead.)
SIZE_T PrivateBytes() {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* address = nullptr; ::VirtualQuery(address, &region, sizeof(region)) == sizeof(region);
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return total;
}

// Bytes in use in the blocks of all heaps of the process.
SIZE_T HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = std::min<DWORD>(::GetProcessHeaps(64, heaps), 64);
    SIZE_T total = 0;
    for (DWORD i = 0; i < count; ++i) {
        if (!::HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        ::HeapUnlock(heaps[i]);
    }
    return total;
}

// Runs `step` a few times to settle caches, then many times more; the live
// native objects, GDI handles and private bytes must not grow.
void ExpectNoGrowth(const std::function<void()>& step) {
    for (int i = 0; i < 20; ++i) step();
    const long objects = GxObject::LiveCount();
    const long gdiHandles = LiveHandleCount(HandleKind::GdiObject);
    const SIZE_T bytes = PrivateBytes();
    const SIZE_T heap = HeapBytesInUse();
    ASSERT_GT(bytes, 0u);
    ASSERT_GT(heap, 0u);
    for (int i = 0; i < 400; ++i) step();
    EXPECT_EQ(GxObject::LiveCount(), objects);
    EXPECT_EQ(LiveHandleCount(HandleKind::GdiObject), gdiHandles);
    // 400 rounds: a leak of even 64 bytes per round shows in the heaps, and a
    // leaked picture or stream in the committed memory.
    const SIZE_T heapAfter = HeapBytesInUse(), bytesAfter = PrivateBytes();
    EXPECT_LT(heapAfter, heap + 400 * 64) << "heap grew from " << heap << " to " << heapAfter;
    EXPECT_LT(bytesAfter, bytes + 1024 * 1024) << "private memory grew from " << bytes << " to " << bytesAfter;
}

Bytes SamplePng() {
    GxBitmap bitmap;
    EXPECT_TRUE(bitmap.Create(64, 48));
    GxGraphics graphics;
    EXPECT_TRUE(graphics.CreateFromImage(bitmap));
    EXPECT_TRUE(graphics.Clear(0xFF336699));
    graphics.Dispose();
    return bitmap.SaveToBytes(std::wstring(kGxFormatPng));
}

TEST(GxLeaks, LoadCloneAndDisposeImages) {
    const Bytes png = SamplePng();
    const long before = GxObject::LiveCount();
    ExpectNoGrowth([&png] {
        GxBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFromBytes(png));
        GxBitmap copy;
        ASSERT_TRUE(bitmap.Clone(copy));
        GxImage image;
        ASSERT_TRUE(image.LoadFromBytes(png));
        ASSERT_TRUE(image.LoadFromBytes(png));  // reloading releases the first image and its stream
        GxBitmap area;
        ASSERT_TRUE(copy.CloneAreaI(GxRect(0, 0, 8, 8), kGxPixelFormat32bppArgb, area));
        ASSERT_TRUE(bitmap.Dispose());
        const Bytes again = copy.SaveToBytes(std::wstring(kGxFormatPng));
        ASSERT_FALSE(again.empty());
    });
    EXPECT_EQ(GxObject::LiveCount(), before);
}

TEST(GxLeaks, FailedLoadsLeaveNothing) {
    Bytes broken = SamplePng();
    broken.resize(20);
    ExpectNoGrowth([&broken] {
        GxBitmap bitmap;
        bitmap.LoadFromBytes(broken);
        GxImage image;
        EXPECT_FALSE(image.LoadFromBytes(Bytes{1, 2, 3}));
        GxFont font;
        EXPECT_FALSE(font.CreateFontByName(L"No Such Family 4711", 10));
    });
}

TEST(GxLeaks, APaintWithEveryKindOfObject) {
    const Bytes png = SamplePng();
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 120;
    info.bmiHeader.biHeight = -40;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    UniqueBitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ScopedSelect select(dc.Get(), dib.Get());
    const long before = GxObject::LiveCount();

    ExpectNoGrowth([&] {
        GxGraphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(dc.Get()));
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        graphics.SetInterpolationMode(InterpolationModeHighQualityBicubic);
        graphics.SetPixelOffsetMode(PixelOffsetModeHalf);
        graphics.SetCompositingQuality(CompositingQualityGammaCorrected);
        GxPath path;
        ASSERT_TRUE(path.Create());
        ASSERT_TRUE(path.AddRoundRect(1, 1, 118, 38, 20));
        GxSolidBrush solid;
        ASSERT_TRUE(solid.Create(0xFFEEEEEE));
        ASSERT_TRUE(graphics.FillPath(solid, path));
        GxLinearGradientBrush linear;
        ASSERT_TRUE(linear.Create(GxPointF(0, 0), GxPointF(0, 40), 0x80FFFFFF, 0x00FFFFFF));
        ASSERT_TRUE(linear.SetLinearBlend(0.5f, 1));
        ASSERT_TRUE(graphics.FillRectangle(linear, 0, 0, 120, 20));
        GxPathGradientBrush glow;
        ASSERT_TRUE(glow.CreateFromPath(path));
        ASSERT_TRUE(glow.SetCenterColor(0xFFFFFFFF));
        int count = 1;
        ASSERT_TRUE(glow.SetSurroundColorsWithCount({0x00FFFFFF}, count));
        ASSERT_TRUE(glow.SetFocusScales(0.8f, 0.5f));
        ASSERT_TRUE(graphics.FillPath(glow, path));
        GxImage image;
        ASSERT_TRUE(image.LoadFromBytes(png));
        GxTextureBrush texture;
        ASSERT_TRUE(texture.Create(image));
        ASSERT_TRUE(texture.TranslateTransform(3, 3));
        ASSERT_TRUE(graphics.FillRectangle(texture, 3, 3, 30, 30));
        ASSERT_TRUE(graphics.DrawImageRect(image, 40, 5, 20, 20));
        GxPen pen;
        ASSERT_TRUE(pen.Create1(0xFF3366CC, 1));
        ASSERT_TRUE(graphics.DrawPath(pen, path));
        ASSERT_TRUE(graphics.SetClipPath(path));
        GxFont font;
        ASSERT_TRUE(font.CreateFontByName(L"宋体", 12, FontStyleRegular, UnitPixel));
        GxFontFamily family;
        ASSERT_TRUE(font.GetFamily(family));
        GxStringFormat format;
        ASSERT_TRUE(format.Create(StringFormatFlagsLineLimit));
        ASSERT_TRUE(format.SetAlign(StringAlignmentCenter));
        ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
        ASSERT_TRUE(format.SetTrimming(StringTrimmingEllipsisCharacter));
        ASSERT_TRUE(format.SetHotkeyPrefix(HotkeyPrefixShow));
        ASSERT_TRUE(graphics.DrawString(L"群众笑声", font, solid, GxRectF(0, 0, 120, 40), format));
        ASSERT_TRUE(graphics.ResetClip());
        GxRegion clip;
        ASSERT_TRUE(graphics.GetClip(clip));
        UniqueBitmap copy = GxBitmap().GetHBITMAP();  // fails without leaking
    });
    EXPECT_EQ(GxObject::LiveCount(), before);
}

TEST(GxLeaks, GdiHandlesMadeFromBitmaps) {
    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(16, 16));
    ExpectNoGrowth([&bitmap] {
        UniqueBitmap hbitmap = bitmap.GetHBITMAP(0xFFFFFFFF);
        ASSERT_TRUE(hbitmap);
        GxBitmap back;
        ASSERT_TRUE(back.CreateFromHBITMAP(hbitmap.Get()));
        UniqueIcon icon = back.GetHICON();
        ASSERT_TRUE(icon);
        GxRegion region;
        ASSERT_TRUE(region.CreateRectI(GxRect(0, 0, 4, 4)));
        GxGraphics graphics;
        ASSERT_TRUE(graphics.CreateFromImage(back));
        UniqueRegion hrgn = region.GetHRgn(graphics);
        ASSERT_TRUE(hrgn);
    });
}

}  // namespace
}  // namespace pelorin
