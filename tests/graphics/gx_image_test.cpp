// Images and bitmaps: decoding from bytes, encoding, pixels, clones, frames
// and rotation.

#include <gtest/gtest.h>

#include "../support/test_support.h"
#include "graphics/gx.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::kWhite;
using test::PixelNear;

// A 2 x 2 animated GIF: a red frame shown for 10/100 s, then a blue one for 20/100 s.
const Bytes kAnimatedGif = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x02, 0x00, 0x80, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
    0xFF, 0x21, 0xFF, 0x0B, 0x4E, 0x45, 0x54, 0x53, 0x43, 0x41, 0x50, 0x45, 0x32, 0x2E, 0x30, 0x03, 0x01, 0x00,
    0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02,
    0x00, 0x00, 0x02, 0x04, 0x04, 0x41, 0x10, 0x05, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x14, 0x00, 0x00, 0x00, 0x2C,
    0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x02, 0x00, 0x00, 0x02, 0x04, 0x0C, 0xC3, 0x30, 0x05, 0x00, 0x3B,
};

// A 4 x 3 bitmap whose every pixel differs, some of them translucent.
GxBitmap MakeSample() {
    GxBitmap bitmap;
    EXPECT_TRUE(bitmap.Create(4, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(bitmap.SetPixel(x, y, (0xFF - 0x20 * y) << 24 | (x * 60) << 16 | (y * 100) << 8 | 0x33));
    return bitmap;
}

// The ARGB pixels of an image as drawn onto a fresh 32-bit bitmap.
std::vector<GxArgb> PixelsOf(const GxBitmap& bitmap) {
    std::vector<GxArgb> pixels;
    for (int y = 0; y < bitmap.GetHeight(); ++y)
        for (int x = 0; x < bitmap.GetWidth(); ++x) pixels.push_back(bitmap.GetPixel(x, y));
    return pixels;
}

// Exposes the memory stream an image keeps.
class InspectableImage : public GxImage {
public:
    bool HoldsStream() { return Stream().GetStream() != nullptr; }
};

TEST(GxBitmap, CreateWithoutPixelFormatIs32BitArgb) {
    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(7, 5));
    EXPECT_EQ(bitmap.GetPixelFormat(), 0x0026200A);
    EXPECT_EQ(bitmap.GetWidth(), 7);
    EXPECT_EQ(bitmap.GetHeight(), 5);
    // Fresh pixels are transparent black, and alpha survives a write.
    EXPECT_EQ(bitmap.GetPixel(3, 3), 0u);
    ASSERT_TRUE(bitmap.SetPixel(3, 3, 0x80123456));
    EXPECT_EQ(bitmap.GetPixel(3, 3), 0x80123456u);
}

TEST(GxBitmap, GetPixelOutsideTheBitmapIsZeroWithAFailureStatus) {
    GxBitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    ASSERT_TRUE(bitmap.SetPixel(3, 3, kRed));
    EXPECT_EQ(bitmap.GetPixel(3, 3), kRed);
    EXPECT_EQ(gxLastStatus, Ok);
    for (auto [x, y] : {std::pair{4, 0}, {0, 4}, {-1, 2}, {2, -1}}) {
        EXPECT_EQ(bitmap.GetPixel(x, y), 0u) << x << "," << y;
        EXPECT_NE(gxLastStatus, Ok) << x << "," << y;
    }
    EXPECT_FALSE(bitmap.SetPixel(9, 9, kRed));
    EXPECT_NE(gxLastStatus, Ok);
}

TEST(GxImage, SaveToBytesAsPngDecodesToTheSamePixels) {
    const GxBitmap sample = MakeSample();
    const Bytes png = sample.SaveToBytes(std::wstring(L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}"));
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(png[2], 'N');
    EXPECT_EQ(png[3], 'G');

    GxBitmap decoded;
    ASSERT_TRUE(decoded.LoadFromBytes(png));
    EXPECT_EQ(decoded.GetRawFormat(), kGxFormatPng);
    EXPECT_EQ(PixelsOf(decoded), PixelsOf(sample));
    // Without a format the image's own format is used again.
    const Bytes again = decoded.SaveToBytes();
    GxBitmap redecoded;
    ASSERT_TRUE(redecoded.LoadFromBytes(again));
    EXPECT_EQ(redecoded.GetRawFormat(), kGxFormatPng);
    EXPECT_EQ(PixelsOf(redecoded), PixelsOf(sample));
}

TEST(GxImage, SaveToBytesWithAnUnknownFormatIsEmptyAndLeavesTheStatus) {
    const GxBitmap sample = MakeSample();
    for (const wchar_t* format :
         {L"{00000000-1111-2222-3333-444444444444}", L"not a guid", L"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"}) {
        gxLastStatus = 1234;
        EXPECT_TRUE(sample.SaveToBytes(std::wstring(format)).empty()) << format;
        EXPECT_EQ(gxLastStatus, 1234) << format;
    }
    test::TempDir dir;
    gxLastStatus = 1234;
    EXPECT_FALSE(sample.SaveToFile(dir.File(L"x.png"), std::wstring(L"{00000000-0000-0000-0000-000000000000}")));
    EXPECT_EQ(gxLastStatus, 1234);
    EXPECT_FALSE(test::FileExists(dir.File(L"x.png")));
}

TEST(GxImage, EncodersListPngWithItsRegistryFormText) {
    bool foundPng = false;
    for (const GxImageCodec& codec : GxImageEncoders()) {
        EXPECT_EQ(codec.clsid.size(), 38u);
        if (codec.formatId == kGxFormatPng) {
            foundPng = true;
            EXPECT_EQ(codec.mimeType, L"image/png");
        }
    }
    EXPECT_TRUE(foundPng);
    EXPECT_TRUE(GxFindEncoder(kGxFormatPng).has_value());
    EXPECT_FALSE(GxFindEncoder(L"{00000000-1111-2222-3333-444444444444}").has_value());
}

TEST(GxImage, SaveToFileReplacesTheFileAtomically) {
    test::TempDir dir;
    const std::wstring file = dir.File(L"picture.png");
    test::WriteAll(file, std::string_view("old contents"));
    const GxBitmap sample = MakeSample();
    ASSERT_TRUE(sample.SaveToFile(file, std::wstring(kGxFormatPng)));
    EXPECT_FALSE(test::FileExists(file + L".saving"));
    GxBitmap back;
    ASSERT_TRUE(back.LoadFromFile(file));
    EXPECT_EQ(PixelsOf(back), PixelsOf(sample));

    // A save that fails leaves the previous file whole.
    const Bytes before = test::ReadAll(file);
    GxBitmap empty;
    EXPECT_FALSE(empty.SaveToFile(file, std::wstring(kGxFormatPng)));
    EXPECT_EQ(test::ReadAll(file), before);
    EXPECT_FALSE(test::FileExists(file + L".saving"));
}

TEST(GxImage, LoadFromBytesKeepsItsStreamUntilDisposed) {
    const long before = GxObject::LiveCount();
    InspectableImage image;
    {
        Bytes png = MakeSample().SaveToBytes(std::wstring(kGxFormatPng));
        ASSERT_TRUE(image.LoadFromBytes(png));
    }  // the caller's bytes are gone; the image still decodes from its own copy
    EXPECT_TRUE(image.HoldsStream());
    {
        test::Canvas canvas(4, 3);
        ASSERT_TRUE(canvas.graphics.DrawImageRectI(image, 0, 0, 4, 3));
        canvas.Done();
        EXPECT_TRUE(PixelNear(canvas.bitmap, 2, 1, MakeSample().GetPixel(2, 1), 2));
    }

    EXPECT_TRUE(image.Dispose());
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_FALSE(image.HoldsStream());
    EXPECT_EQ(GxObject::LiveCount(), before);
}

TEST(GxImage, BrokenBytesLeaveTheWrapperEmpty) {
    const long before = GxObject::LiveCount();
    InspectableImage image;
    ASSERT_TRUE(image.LoadFromBytes(MakeSample().SaveToBytes(std::wstring(kGxFormatPng))));
    Bytes broken = MakeSample().SaveToBytes(std::wstring(kGxFormatPng));
    broken.resize(broken.size() / 3);
    for (const Bytes& bytes : {Bytes{}, Bytes{'n', 'o', 'p', 'e'}, broken}) {
        image.LoadFromBytes(bytes);  // a cut PNG may still open; it must never crash
        if (image.IsEmpty()) {
            EXPECT_NE(gxLastStatus, Ok);
            EXPECT_FALSE(image.HoldsStream());
        }
        const bool held = !image.IsEmpty();
        EXPECT_EQ(image.Dispose(), held);
    }
    EXPECT_FALSE(image.LoadFromBytes({}));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.GetWidth(), 0);
    EXPECT_EQ(gxLastStatus, InvalidParameter);
    EXPECT_EQ(GxObject::LiveCount(), before);
}

TEST(GxImage, CloneIsIndependentAndReplacesTheTargetsImage) {
    const long before = GxObject::LiveCount();
    GxBitmap original = MakeSample();
    GxBitmap copy;
    ASSERT_TRUE(copy.Create(50, 50));
    ASSERT_TRUE(original.Clone(copy));
    EXPECT_EQ(GxObject::LiveCount(), before + 2);  // the 50 x 50 bitmap was released
    ASSERT_TRUE(original.SetPixel(0, 0, kGreen));
    EXPECT_EQ(copy.GetWidth(), 4);
    EXPECT_EQ(copy.GetPixel(0, 0), MakeSample().GetPixel(0, 0));
}

TEST(GxImage, AnimatedGifFramesAndDelays) {
    GxBitmap gif;
    ASSERT_TRUE(gif.LoadFromBytes(kAnimatedGif));
    EXPECT_EQ(gif.GetRawFormat(), kGxFormatGif);
    std::vector<std::wstring> dimensions;
    ASSERT_TRUE(gif.GetFrameDimensions(dimensions));
    ASSERT_EQ(dimensions.size(), 1u);
    EXPECT_EQ(dimensions[0], kGxFrameDimensionTime);
    EXPECT_EQ(gif.GetFrameCount(kGxFrameDimensionTime), 2);

    std::vector<int> delays;
    ASSERT_TRUE(gif.GetFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<int>{10, 20}));
    GxPropertyItem item;
    ASSERT_TRUE(gif.GetPropertyItem(kGxPropertyFrameDelay, item));
    EXPECT_EQ(item.length, 8);
    EXPECT_EQ(item.type, PropertyTagTypeLong);
    std::vector<int> ids;
    ASSERT_TRUE(gif.GetPropertyIdList(ids));
    EXPECT_NE(std::find(ids.begin(), ids.end(), kGxPropertyFrameDelay), ids.end());

    EXPECT_TRUE(PixelNear(gif, 1, 1, kRed, 0));
    ASSERT_TRUE(gif.SelectActiveFrame(kGxFrameDimensionTime, 1));
    EXPECT_TRUE(PixelNear(gif, 1, 1, kBlue, 0));
    EXPECT_FALSE(gif.SelectActiveFrame(kGxFrameDimensionTime, 5));

    // A property that is not there.
    EXPECT_FALSE(gif.GetPropertyItem(0x9999, item));
    EXPECT_EQ(gxLastStatus, PropertyNotFound);
    EXPECT_TRUE(item.value.empty());
}

TEST(GxImage, PropertyItemsRoundTrip) {
    GxBitmap bitmap = MakeSample();
    const GxPropertyItem written{0x010E, 6, PropertyTagTypeASCII, {'t', 'i', 't', 'l', 'e', 0}};
    ASSERT_TRUE(bitmap.SetPropertyItem(written));
    GxPropertyItem read;
    if (!bitmap.GetPropertyItem(0x010E, read) && gxLastStatus == PropertyNotFound)
        GTEST_SKIP() << "Wine's GdipSetPropertyItem reports success without storing the item";
    EXPECT_EQ(read.value, written.value);
    EXPECT_EQ(read.type, PropertyTagTypeASCII);
    ASSERT_TRUE(bitmap.RemovePropertyItem(0x010E));
    GX_SKIP_IF_NOT_IMPLEMENTED("GdipRemovePropertyItem");
    EXPECT_FALSE(bitmap.GetPropertyItem(0x010E, read));
}

TEST(GxImage, PaletteOfAnIndexedBitmap) {
    GxBitmap indexed;
    ASSERT_TRUE(indexed.Create(2, 2, PixelFormat8bppIndexed));
    GxPalette palette;
    ASSERT_TRUE(indexed.GetPalette(palette));
    EXPECT_EQ(palette.count, static_cast<int>(palette.entries.size()));
    const GxPalette mine{0, 3, {kRed, kGreen, kBlue}};
    ASSERT_TRUE(indexed.SetPalette(mine));
    ASSERT_TRUE(indexed.GetPalette(palette));
    EXPECT_EQ(palette.entries, mine.entries);
    // Index 0 now reads as the palette's first colour.
    EXPECT_EQ(indexed.GetPixel(0, 0), kRed);
}

TEST(GxBitmap, RotatedSizeMeasuresBetweenCornerPixelCentres) {
    struct Case {
        float width, height, angle, rotatedWidth, rotatedHeight;
    };
    for (const Case& c :
         {Case{10, 10, 0, 9, 9}, {10, 10, 90, 9, 9}, {11, 5, 90, 4, 10}, {11, 11, 45, 14.1421f, 14.1421f}}) {
        float width = 0, height = 0;
        GxBitmap::RotatedSize(c.width, c.height, c.angle, width, height);
        EXPECT_NEAR(width, c.rotatedWidth, 1e-4) << c.width << " x " << c.height << " by " << c.angle;
        EXPECT_NEAR(height, c.rotatedHeight, 1e-4) << c.width << " x " << c.height << " by " << c.angle;
    }
}

TEST(GxBitmap, RotateToNewTurnsThePicture) {
    // Left half red, right half blue.
    GxBitmap source;
    ASSERT_TRUE(source.Create(10, 6));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) source.SetPixel(x, y, x < 5 ? kRed : kBlue);

    const long before = GxObject::LiveCount();
    GxBitmap turned;
    ASSERT_TRUE(source.RotateToNew(90, turned, kWhite, InterpolationModeNearestNeighbor));
    EXPECT_EQ(GxObject::LiveCount(), before + 1);  // only the result remains
    EXPECT_EQ(turned.GetWidth(), 6);
    EXPECT_EQ(turned.GetHeight(), 10);
    EXPECT_EQ(turned.GetPixelFormat(), kGxPixelFormat32bppArgb);
    // Clockwise: the left half ends up on top.
    EXPECT_TRUE(PixelNear(turned, 3, 2, kRed, 16));
    EXPECT_TRUE(PixelNear(turned, 3, 7, kBlue, 16));

    // By 0 degrees nothing is cut off.
    GxBitmap same;
    ASSERT_TRUE(source.RotateToNew(0, same));
    EXPECT_EQ(same.GetWidth(), 10);
    EXPECT_EQ(same.GetHeight(), 6);
    EXPECT_TRUE(PixelNear(same, 0, 0, kRed, 16));
    EXPECT_TRUE(PixelNear(same, 9, 5, kBlue, 16));
}

TEST(GxBitmap, ThumbnailCloneAreaAndGdiRoundTrip) {
    GxBitmap source;
    ASSERT_TRUE(source.Create(8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) source.SetPixel(x, y, y < 4 ? kRed : kGreen);

    GxBitmap area;
    ASSERT_TRUE(source.CloneAreaI(GxRect(2, 3, 4, 2), kGxPixelFormat32bppArgb, area));
    EXPECT_EQ(area.GetWidth(), 4);
    EXPECT_EQ(area.GetPixel(0, 0), kRed);
    EXPECT_EQ(area.GetPixel(3, 1), kGreen);

    UniqueBitmap hbitmap = source.GetHBITMAP(kWhite);
    ASSERT_TRUE(hbitmap);
    GxBitmap fromGdi;
    ASSERT_TRUE(fromGdi.CreateFromHBITMAP(hbitmap.Get()));
    EXPECT_TRUE(PixelNear(fromGdi, 1, 1, kRed, 0));
    EXPECT_TRUE(PixelNear(fromGdi, 6, 6, kGreen, 0));

    GxImage thumbnail;
    ASSERT_TRUE(source.GetThumbnail(2, 2, thumbnail));
    EXPECT_EQ(thumbnail.GetWidth(), 2);
    EXPECT_EQ(thumbnail.GetHeight(), 2);
}

}  // namespace
}  // namespace pelorin
