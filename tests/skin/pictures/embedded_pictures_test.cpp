#include "skin/pictures/embedded_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>

#include "base/handle.h"
#include "graphics/gx_image.h"
#include "picture_test_util.h"
#include "test_support.h"

namespace pelorin {
namespace {

using test::Alpha;
using test::Blue;
using test::DecodePixels;
using test::Green;
using test::Hex;
using test::kMagenta;
using test::Pixels;
using test::Red;

TEST(EmbeddedPictures, EveryPictureDecodesWithItsSizeAndFormat) {
    std::set<int> ids;
    for (const EmbeddedPictureInfo& info : EmbeddedPictures()) {
        SCOPED_TRACE(ToUtf8(info.name));
        EXPECT_TRUE(ids.insert(static_cast<int>(info.id)).second) << "listed twice";
        const Bytes bytes = LoadEmbeddedPicture(info.id);
        ASSERT_FALSE(bytes.empty());
        GxImage image;
        ASSERT_TRUE(image.LoadFromBytes(bytes));
        EXPECT_EQ(image.GetWidth(), info.width);
        EXPECT_EQ(image.GetHeight(), info.height);
        const wchar_t* format = info.format == PictureFormat::Png ? kGxFormatPng : kGxFormatJpeg;
        EXPECT_EQ(_wcsicmp(image.GetRawFormat().c_str(), format), 0) << ToUtf8(image.GetRawFormat());
        if (info.format == PictureFormat::Png) {
            EXPECT_TRUE(Gdiplus::IsAlphaPixelFormat(image.GetPixelFormat()));
        }
    }
    EXPECT_EQ(ids.size(), 18u);
}

TEST(EmbeddedPictures, UnknownIdGivesNoBytes) {
    EXPECT_TRUE(LoadEmbeddedPicture(static_cast<EmbeddedPicture>(4999)).empty());
}

TEST(EmbeddedPictures, BackgroundIsADarkBlueJpegOfTheExpectedWeight) {
    const Bytes bytes = LoadEmbeddedPicture(EmbeddedPicture::Background);
    EXPECT_GE(bytes.size(), 25000u);
    EXPECT_LE(bytes.size(), 30000u);
    const Pixels p = DecodePixels(bytes);
    ASSERT_EQ(p.width, 440);
    double red = 0, blue = 0, topLuma = 0, bottomLuma = 0, luma = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            const GxArgb c = p.At(x, y);
            const double l = 0.299 * Red(c) + 0.587 * Green(c) + 0.114 * Blue(c);
            red += Red(c);
            blue += Blue(c);
            luma += l;
            if (y < 110) topLuma += l;
            if (y >= 330) bottomLuma += l;
        }
    }
    const double count = static_cast<double>(p.width) * p.height;
    EXPECT_GT(blue / count, red / count + 40) << "blue";
    EXPECT_LT(luma / count, 100) << "dark enough for white text";
    EXPECT_LT(topLuma, bottomLuma) << "dark at the top, bluer below";
}

// How far apart the strongly opaque pixels lie in the first and in the last
// row (or column) holding any: a chevron pointing down spreads its arms at the
// top and narrows to its tip below.
struct Extremes {
    int first = 0;
    int last = 0;
};
Extremes OpaqueSpan(const Pixels& p, bool byRows) {
    const int lines = byRows ? p.height : p.width;
    const int across = byRows ? p.width : p.height;
    Extremes out;
    bool seen = false;
    for (int i = 0; i < lines; ++i) {
        int low = across;
        int high = -1;
        for (int j = 0; j < across; ++j) {
            if (Alpha(byRows ? p.At(j, i) : p.At(i, j)) >= 160) {
                low = std::min(low, j);
                high = std::max(high, j);
            }
        }
        if (high < 0) continue;
        if (!seen) out.first = high - low + 1;
        seen = true;
        out.last = high - low + 1;
    }
    return out;
}

TEST(EmbeddedPictures, ChevronsPointTheirWay) {
    struct Case {
        EmbeddedPicture id;
        bool byRows;     // up/down: compare rows; left/right: columns
        bool wideFirst;  // the open side comes first
    };
    const Case cases[] = {
        {EmbeddedPicture::ScrollDown, true, true},   {EmbeddedPicture::ScrollUp, true, false},
        {EmbeddedPicture::ScrollRight, false, true}, {EmbeddedPicture::ScrollLeft, false, false},
        {EmbeddedPicture::ComboChevron, true, true}, {EmbeddedPicture::CaptionMore, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.id));
        const Extremes span = OpaqueSpan(DecodePixels(LoadEmbeddedPicture(c.id)), c.byRows);
        if (c.wideFirst) {
            EXPECT_GT(span.first, span.last);
        } else {
            EXPECT_LT(span.first, span.last);
        }
    }
}

// The most opaque pixel of a picture.
GxArgb Strongest(const Pixels& p) {
    GxArgb best = 0;
    for (const GxArgb c : p.argb)
        if (Alpha(c) > Alpha(best) ||
            (Alpha(c) == Alpha(best) && Red(c) + Green(c) + Blue(c) > Red(best) + Green(best) + Blue(best)))
            best = c;
    return best;
}

TEST(EmbeddedPictures, GlyphsAreLightOnTransparency) {
    for (const EmbeddedPicture id :
         {EmbeddedPicture::CaptionHelp, EmbeddedPicture::CaptionMenu, EmbeddedPicture::CaptionMinimize,
          EmbeddedPicture::CaptionMaximize, EmbeddedPicture::CaptionRestore, EmbeddedPicture::CaptionClose,
          EmbeddedPicture::CaptionMore, EmbeddedPicture::CaptionSettings, EmbeddedPicture::ComboChevron}) {
        SCOPED_TRACE(static_cast<int>(id));
        const Pixels p = DecodePixels(LoadEmbeddedPicture(id));
        EXPECT_EQ(Alpha(p.At(0, 0)), 0);
        const GxArgb strongest = Strongest(p);
        EXPECT_GE(Alpha(strongest), 230) << Hex(strongest);
        EXPECT_GE(std::min({Red(strongest), Green(strongest), Blue(strongest)}), 230) << Hex(strongest);
    }
    for (const EmbeddedPicture id : {EmbeddedPicture::ScrollUp, EmbeddedPicture::ScrollDown,
                                     EmbeddedPicture::ScrollLeft, EmbeddedPicture::ScrollRight}) {
        SCOPED_TRACE(static_cast<int>(id));
        const Pixels p = DecodePixels(LoadEmbeddedPicture(id));
        EXPECT_EQ(Alpha(p.At(0, 0)), 0);
        const GxArgb strongest = Strongest(p);
        EXPECT_GE(Alpha(strongest), 230) << Hex(strongest);
        EXPECT_GT(Blue(strongest), Red(strongest) + 40) << "light blue " << Hex(strongest);
        EXPECT_GT(Red(strongest), 120) << "light blue " << Hex(strongest);
    }
}

TEST(EmbeddedPictures, CheckStripHasItsSeparatorsAndCells) {
    const Pixels p = DecodePixels(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
    ASSERT_EQ(p.width, 131);
    for (int x = 0; x < p.width; ++x) {
        const bool separator = x == 21 || x == 43 || x == 65 || x == 87 || x == 109;
        EXPECT_EQ(p.At(x, 2) == kMagenta, separator) << "column " << x;
    }
    const auto cell = [&](int index, int x, int y) { return p.At((index - 1) * 22 + x, y); };
    const auto hasGreen = [&](int index) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 21; ++x) {
                const GxArgb c = cell(index, x, y);
                if (Alpha(c) > 200 && Green(c) > Red(c) + 60 && Green(c) > Blue(c) + 60) return true;
            }
        return false;
    };
    EXPECT_TRUE(hasGreen(1));
    EXPECT_TRUE(hasGreen(3));
    EXPECT_TRUE(hasGreen(4));
    EXPECT_EQ(cell(2, 7, 7), 0xFFFFFFFFu) << "opaque white box";
    EXPECT_LT(Alpha(cell(5, 7, 7)), 160) << "translucent box";
    EXPECT_GT(Alpha(cell(5, 7, 7)), 20) << "translucent box";
    const GxArgb greyBlue = cell(6, 7, 7);
    EXPECT_EQ(Alpha(greyBlue), 255);
    EXPECT_GT(Blue(greyBlue), Red(greyBlue) + 20) << Hex(greyBlue);
    for (const int index : {2, 5, 6}) {  // grey borders
        const GxArgb border = cell(index, 7, 1);
        EXPECT_GE(Alpha(border), 200) << index;
        EXPECT_NEAR(Red(border), Blue(border), 24) << index;
        EXPECT_LT(Red(border), 200) << index;
    }
}

TEST(EmbeddedPictures, SliderPartsLookTheirPart) {
    const Pixels thumb = DecodePixels(LoadEmbeddedPicture(EmbeddedPicture::SliderThumb));
    const GxArgb body = thumb.At(6, 6);
    EXPECT_EQ(Alpha(body), 255);
    EXPECT_LT(Red(body), 128);
    EXPECT_NEAR(Red(body), Blue(body), 20) << "grey " << Hex(body);
    EXPECT_GT(Red(thumb.At(6, 0)), 200) << "light rim " << Hex(thumb.At(6, 0));
    const Extremes rows = OpaqueSpan(thumb, true);
    EXPECT_GT(rows.first, rows.last) << "a shield pointing down";

    for (const EmbeddedPicture id : {EmbeddedPicture::SliderChannelGrey, EmbeddedPicture::SliderChannelBlue}) {
        const Pixels channel = DecodePixels(LoadEmbeddedPicture(id));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 24; ++x) EXPECT_EQ(channel.At(x, y) == kMagenta, x == 7 || x == 11) << x << "," << y;
    }
    const GxArgb grey = DecodePixels(LoadEmbeddedPicture(EmbeddedPicture::SliderChannelGrey)).At(3, 1);
    EXPECT_GT(Red(grey), 150);
    EXPECT_NEAR(Red(grey), Blue(grey), 24) << Hex(grey);
    const GxArgb blue = DecodePixels(LoadEmbeddedPicture(EmbeddedPicture::SliderChannelBlue)).At(3, 1);
    EXPECT_GT(Blue(blue), Red(blue) + 80) << Hex(blue);
}

// The cursor and icon files the program's own resources are built from.
std::wstring AppAsset(const wchar_t* name) { return test::ProgramFolder() + L"\\picture_test_assets\\" + name; }

TEST(ProgramCursorAndIcon, CursorIsA32PixelArrowWithHotSpotNineFive) {
    const Bytes file = test::ReadAll(AppAsset(L"pelorin.cur"));
    ASSERT_EQ(file.size(), 4286u);
    EXPECT_EQ(file[2], 2);  // resource type: cursor
    EXPECT_EQ(file[4], 1);  // one image
    EXPECT_EQ(file[6], 32);
    EXPECT_EQ(file[7], 32);
    const UniqueCursor cursor(static_cast<HCURSOR>(
        ::LoadImageW(nullptr, AppAsset(L"pelorin.cur").c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE)));
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(cursor.Get(), &info));
    const UniqueBitmap mask(info.hbmMask);
    const UniqueBitmap colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 9u);
    EXPECT_EQ(info.yHotspot, 5u);
}

TEST(ProgramCursorAndIcon, IconHoldsSeveralSizesOfABlueSpeakerTile) {
    const Bytes file = test::ReadAll(AppAsset(L"pelorin.ico"));
    ASSERT_GT(file.size(), 6u);
    EXPECT_EQ(file[2], 1);  // resource type: icon
    const int count = file[4];
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) sizes.insert(file[6 + 16 * i] == 0 ? 256 : file[6 + 16 * i]);
    EXPECT_TRUE(sizes.count(16) && sizes.count(32) && sizes.count(48));

    const UniqueIcon icon(static_cast<HICON>(
        ::LoadImageW(nullptr, AppAsset(L"pelorin.ico").c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
    ASSERT_TRUE(icon);
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    BITMAPINFO bmi{};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap surface(::CreateDIBSection(dc.Get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(surface);
    {
        const ScopedSelect select(dc.Get(), surface.Get());
        ::PatBlt(dc.Get(), 0, 0, 32, 32, WHITENESS);
        ASSERT_TRUE(::DrawIconEx(dc.Get(), 0, 0, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL));
        ::GdiFlush();
    }
    const auto pixel = [&](int x, int y) { return static_cast<const std::uint32_t*>(bits)[y * 32 + x]; };
    const GxArgb tile = pixel(16, 4);  // above the speaker
    EXPECT_GT(Blue(tile), Red(tile) + 60) << Hex(tile);
    const GxArgb speaker = pixel(8, 16);
    EXPECT_GT(std::min({Red(speaker), Green(speaker), Blue(speaker)}), 220) << Hex(speaker);
}

}  // namespace
}  // namespace pelorin
