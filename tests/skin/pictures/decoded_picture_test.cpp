// The decoded-pixel cache kept beside PNG bytes: a wrapped bitmap draws
// exactly what the decoded picture draws, a cache never outlives its bytes,
// and frames and strips draw the same whether their caches are filled or not.

#include "skin/pictures/decoded_picture.h"

#include <gtest/gtest.h>

#include <string>

#include "graphics/gx_brushes.h"
#include "graphics/gx_object.h"
#include "picture_test_util.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/pictures/nine_slice_frame.h"
#include "skin/pictures/picture_strip.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::EncodePixels;
using test::Pixels;
using test::Render;

constexpr GxArgb kBackground = 0xFF1A3A6A;

// A picture of varying colour and translucency: every pixel differs, so a
// misplaced, reordered or premultiplied pixel shows.
Pixels TranslucentPicture(int width, int height, int seed = 0) {
    Pixels p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const GxArgb a = static_cast<GxArgb>(40 + (x * 23 + y * 11 + seed) % 216);
            const GxArgb r = static_cast<GxArgb>((x * 37 + seed) & 0xFF);
            const GxArgb g = static_cast<GxArgb>((y * 53 + seed * 3) & 0xFF);
            const GxArgb b = static_cast<GxArgb>((x * y * 7 + 90) & 0xFF);
            p.At(x, y) = a << 24 | r << 16 | g << 8 | b;
        }
    return p;
}

Pixels BitmapPixels(const GxBitmap& bitmap) {
    Pixels out(bitmap.GetWidth(), bitmap.GetHeight());
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.At(x, y) = bitmap.GetPixel(x, y);
    return out;
}

// Draws `image` three ways: at natural size, stretched, and as a tiled
// texture, as the frame and glyph painters do.
void DrawThreeWays(GxGraphics& graphics, const GxImage& image, float w, float h) {
    graphics.DrawImageRect(image, 1, 2, w, h, Gdiplus::UnitPixel);
    graphics.DrawImageRect(image, 20, 2, w * 1.5f, h * 0.6f, Gdiplus::UnitPixel);
    GxTextureBrush brush;
    if (!brush.Create(image, Gdiplus::WrapModeTile)) return;
    brush.TranslateTransform(3, 20);
    graphics.FillRectangle(brush, 3, 20, 37, 19);
}

TEST(DecodedPicture, WrappedPixelsDrawExactlyAsTheDecodedPicture) {
    const Bytes png = EncodePixels(TranslucentPicture(9, 7));
    GxBitmap decoded;
    ASSERT_TRUE(decoded.LoadFromBytes(png));
    const Pixels expected = Render(48, 44, kBackground, [&](GxGraphics& g) { DrawThreeWays(g, decoded, 9, 7); });

    DecodedPicture cache;
    EXPECT_FALSE(cache.Holds(png));
    for (int pass = 0; pass < 2; ++pass) {  // filling, then filled
        SCOPED_TRACE(pass);
        GxBitmap wrapped;
        ASSERT_TRUE(cache.Wrap(png, wrapped));
        EXPECT_TRUE(cache.Holds(png));
        EXPECT_EQ(wrapped.GetWidth(), 9);
        EXPECT_EQ(wrapped.GetHeight(), 7);
        EXPECT_EQ(BitmapPixels(wrapped).argb, BitmapPixels(decoded).argb);
        const Pixels drawn = Render(48, 44, kBackground, [&](GxGraphics& g) { DrawThreeWays(g, wrapped, 9, 7); });
        EXPECT_EQ(drawn.argb, expected.argb);
    }
    EXPECT_EQ(cache.Width(png), 9);
    EXPECT_EQ(cache.Height(png), 7);
}

TEST(DecodedPicture, OtherBytesAreDecodedAfreshAndUndecodableOnesWrapNothing) {
    const Bytes first = EncodePixels(TranslucentPicture(6, 5, 1));
    const Bytes second = EncodePixels(TranslucentPicture(4, 8, 77));
    DecodedPicture cache;
    GxBitmap wrapped;
    ASSERT_TRUE(cache.Wrap(first, wrapped));
    ASSERT_TRUE(cache.Wrap(second, wrapped));  // the same object asked about other bytes
    EXPECT_FALSE(cache.Holds(first));
    EXPECT_TRUE(cache.Holds(second));
    EXPECT_EQ(BitmapPixels(wrapped).argb, test::DecodePixels(second).argb);

    const Bytes broken{0x89, 'P', 'N', 'G', 1, 2, 3};
    for (const Bytes& bad : {Bytes{}, broken}) {
        EXPECT_FALSE(cache.Wrap(bad, wrapped));
        EXPECT_EQ(wrapped.NativeBitmap(), nullptr);
        EXPECT_EQ(cache.Width(bad), 0);
        EXPECT_EQ(cache.Height(bad), 0);
    }
    // A failure is not remembered for good bytes that come after it.
    EXPECT_TRUE(cache.Wrap(first, wrapped));
    EXPECT_EQ(BitmapPixels(wrapped).argb, test::DecodePixels(first).argb);
}

TEST(DecodedPicture, KeepsNoGraphicsObjectsBetweenDraws) {
    const Bytes png = EncodePixels(TranslucentPicture(5, 5));
    const long before = GxObject::LiveCount();
    DecodedPicture cache;
    for (int i = 0; i < 20; ++i) {
        GxBitmap wrapped;
        ASSERT_TRUE(cache.Wrap(png, wrapped));
        EXPECT_EQ(GxObject::LiveCount(), before + 1);
    }
    EXPECT_TRUE(cache.Holds(png));
    EXPECT_EQ(GxObject::LiveCount(), before);
}

// The frame pictures shipped beside the program, with their soft alpha edges,
// and a picture drawn into sizes that stretch every edge.
struct FrameCase {
    const wchar_t* name;
    int width, height;
};
constexpr FrameCase kFrameCases[] = {{L"通常框.png", 80, 24}, {L"兰边框.png", 80, 24}, {L"通常框.png", 13, 41}};

Bytes ShippedFrame(const wchar_t* name) { return test::ReadAll(test::ProgramFolder() + L"\\tp\\" + name); }

Pixels DrawNormal(const NineSliceFrame& frame, int width, int height) {
    return Render(width + 4, height + 4, kBackground, [&](GxGraphics& g) { frame.DrawNormal(g); });
}

bool AnySliceCached(const SliceList& slices) {
    for (const SliceRecord& slice : slices)
        if (slice.pixels.Holds(slice.png)) return true;
    return false;
}

TEST(NineSliceCache, FrameDrawsTheSameBeforeAndAfterItsCacheIsFilledAndCopiesDrawTheSame) {
    for (const FrameCase& c : kFrameCases) {
        SCOPED_TRACE(ToUtf8(c.name) + " " + std::to_string(c.width) + " x " + std::to_string(c.height));
        const Bytes picture = ShippedFrame(c.name);
        ASSERT_FALSE(picture.empty());
        NineSliceFrame frame;
        ASSERT_TRUE(frame.Load(picture, nullptr, nullptr, nullptr, 3, 3));
        frame.SetBounds(2, 2, c.width, c.height);
        const NineSliceFrame copyBefore = frame;
        ASSERT_FALSE(AnySliceCached(frame.NormalSlices()));

        const Pixels first = DrawNormal(frame, c.width, c.height);
        for (const SliceRecord& slice : frame.NormalSlices()) EXPECT_TRUE(slice.pixels.Holds(slice.png));
        const Pixels second = DrawNormal(frame, c.width, c.height);
        EXPECT_EQ(second.argb, first.argb);
        // Something was drawn: the frame is not transparent everywhere.
        EXPECT_NE(first.argb, Render(c.width + 4, c.height + 4, kBackground, [](GxGraphics&) {}).argb);

        // The cache is no part of a slice's value.
        EXPECT_FALSE(AnySliceCached(copyBefore.NormalSlices()));
        EXPECT_EQ(copyBefore.NormalSlices(), frame.NormalSlices());
        const NineSliceFrame copyAfter = frame;
        EXPECT_EQ(DrawNormal(copyBefore, c.width, c.height).argb, first.argb);
        EXPECT_EQ(DrawNormal(copyAfter, c.width, c.height).argb, first.argb);
        // The original still draws the same once its copies are gone.
        EXPECT_EQ(DrawNormal(frame, c.width, c.height).argb, first.argb);
    }
}

TEST(NineSliceCache, FrameLoadedAgainWithOtherPicturesDrawsTheNewPictures) {
    const Bytes normal = ShippedFrame(L"通常框.png");
    const Bytes blue = ShippedFrame(L"兰边框.png");
    ASSERT_FALSE(normal.empty());
    ASSERT_FALSE(blue.empty());
    NineSliceFrame fresh;
    ASSERT_TRUE(fresh.Load(blue, nullptr, nullptr, nullptr, 3, 3));
    fresh.SetBounds(2, 2, 80, 24);
    const Pixels expected = DrawNormal(fresh, 80, 24);

    NineSliceFrame frame;
    ASSERT_TRUE(frame.Load(normal, nullptr, nullptr, nullptr, 3, 3));
    frame.SetBounds(2, 2, 80, 24);
    const Pixels old = DrawNormal(frame, 80, 24);  // fills the cache
    ASSERT_NE(old.argb, expected.argb);            // the two pictures differ where drawn
    ASSERT_TRUE(frame.Load(blue, nullptr, nullptr, nullptr, 3, 3));
    EXPECT_EQ(DrawNormal(frame, 80, 24).argb, expected.argb);

    // A slice list whose bytes are replaced after a draw draws the new bytes.
    SliceList slices = fresh.NormalSlices();
    const SliceList normalSlices = [&] {
        NineSliceFrame other;
        other.Load(normal, nullptr, nullptr, nullptr, 3, 3);
        return other.NormalSlices();
    }();
    frame.SetBounds(2, 2, 80, 24);
    EXPECT_EQ(Render(84, 28, kBackground, [&](GxGraphics& g) { frame.DrawSet(g, slices); }).argb, expected.argb);
    for (std::size_t k = 0; k < kSliceCount; ++k) {
        slices[k].width = normalSlices[k].width;
        slices[k].height = normalSlices[k].height;
        slices[k].png = normalSlices[k].png;
    }
    EXPECT_EQ(Render(84, 28, kBackground, [&](GxGraphics& g) { frame.DrawSet(g, slices); }).argb, old.argb);
}

TEST(PictureStripCache, WrappedFramesMatchTheirBytesAndFollowANewLoad) {
    PictureStrip strip;
    strip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    ASSERT_EQ(strip.GetFrameCount(), 6);
    const PictureStrip copyBefore = strip;
    GxBitmap wrapped;
    for (int pass = 0; pass < 2; ++pass) {  // filling, then filled
        for (std::int32_t index = 1; index <= 6; ++index) {
            SCOPED_TRACE(index);
            ASSERT_TRUE(strip.WrapFrame(index, wrapped));
            EXPECT_EQ(BitmapPixels(wrapped).argb, test::DecodePixels(strip.GetFramePng(index)).argb);
        }
    }
    for (std::int32_t index = 1; index <= 6; ++index) {
        ASSERT_TRUE(copyBefore.WrapFrame(index, wrapped));
        EXPECT_EQ(BitmapPixels(wrapped).argb, test::DecodePixels(strip.GetFramePng(index)).argb);
    }
    EXPECT_FALSE(strip.WrapFrame(0, wrapped));
    EXPECT_FALSE(strip.WrapFrame(7, wrapped));
    EXPECT_EQ(wrapped.NativeBitmap(), nullptr);

    // Loaded again with another picture (one frame, no markers).
    const Pixels other = TranslucentPicture(21, 16, 5);
    strip.Load(EncodePixels(other));
    ASSERT_EQ(strip.GetFrameCount(), 1);
    ASSERT_TRUE(strip.WrapFrame(1, wrapped));
    EXPECT_EQ(BitmapPixels(wrapped).argb, test::DecodePixels(strip.GetFramePng(1)).argb);
    EXPECT_EQ(BitmapPixels(wrapped).argb, other.argb);
}

}  // namespace
}  // namespace pelorin
