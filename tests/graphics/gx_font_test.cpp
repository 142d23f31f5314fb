// Fonts, families, collections and string formats.

#include <gtest/gtest.h>

#include <algorithm>

#include "base/handle.h"
#include "graphics/gx.h"
#include "graphics/gx_text.h"
#include "gx_test_util.h"

namespace pelorin {
namespace {

using namespace Gdiplus;

TEST(GxFont, CreateFontByNameWithAMissingFamilyLeavesTheWrapperEmpty) {
    const long before = GxObject::LiveCount();
    GxFont font;
    ASSERT_TRUE(font.CreateFontByName(L"宋体", 12));
    EXPECT_EQ(GxObject::LiveCount(), before + 1);  // the temporary family is gone again
    EXPECT_FALSE(font.CreateFontByName(L"No Such Family 4711", 12));
    EXPECT_EQ(gxLastStatus, FontFamilyNotFound);
    EXPECT_TRUE(font.IsEmpty());
    EXPECT_EQ(GxObject::LiveCount(), before);  // the font held before was released
    EXPECT_EQ(font.GetSize(), 0.0f);
    EXPECT_EQ(gxLastStatus, InvalidParameter);
}

TEST(GxFont, CjkFamilyByItsChineseAndEnglishNames) {
    for (const wchar_t* name : {L"宋体", L"SimSun"}) {
        GxFont font;
        ASSERT_TRUE(font.CreateFontByName(name, 12, FontStyleBold, UnitPixel)) << "status " << gxLastStatus;
        EXPECT_FLOAT_EQ(font.GetSize(), 12);
        EXPECT_EQ(font.GetStyle(), FontStyleBold);
        EXPECT_EQ(font.GetUnit(), UnitPixel);
        GxFontFamily family;
        ASSERT_TRUE(font.GetFamily(family));
        EXPECT_FALSE(family.GetName().empty());
    }
    const Bytes utf16Name = GxBytesFromWide(L"宋体");
    GxFont font;
    EXPECT_TRUE(font.CreateFontByNameW(utf16Name, 9));
}

// The family name GDI+ reports for a font.
std::wstring FamilyNameOf(const GxFont& font) {
    GxFontFamily family;
    return font.GetFamily(family) ? family.GetName() : std::wstring();
}

TEST(GxFont, CreateFontFromHFONTKeepsACjkFaceName) {
    const std::wstring expected = [] {
        GxFont byName;
        EXPECT_TRUE(byName.CreateFontByName(L"宋体", 12));
        return FamilyNameOf(byName);
    }();
    ASSERT_FALSE(expected.empty());

    UniqueFont hfont(::CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体"));
    ASSERT_TRUE(hfont);
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    GxFont font;
    ASSERT_TRUE(font.CreateFontFromHFONT(dc.Get(), hfont.Get()));
    EXPECT_EQ(FamilyNameOf(font), expected);
    EXPECT_NEAR(font.GetSize(), 16, 1.5);

    // Without a font, the one selected into the device context.
    GxFont fromDc;
    ASSERT_TRUE(fromDc.CreateFontFromHFONT(dc.Get()));
    EXPECT_GT(fromDc.GetSize(), 0);
    GxFont fromNullRecord;
    ASSERT_TRUE(fromNullRecord.CreateFromLogfontW(dc.Get(), nullptr));
}

TEST(GxFont, DefaultGuiFont) {
    LOGFONTW stock{};
    ASSERT_NE(::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock), 0);
    GxFont font;
    if (!font.CreateDefaultFont()) {
        EXPECT_TRUE(font.IsEmpty());
        // GDI+ draws TrueType fonts only; some systems map the GUI font to a bitmap font.
        ASSERT_EQ(gxLastStatus, NotTrueTypeFont);
        GTEST_SKIP() << "the default GUI font here (" << ::testing::PrintToString(std::wstring(stock.lfFaceName))
                     << ") is not a TrueType font";
    }
    EXPECT_GT(font.GetSize(), 0);
    test::Canvas canvas(10, 10);
    // The GUI font's face ("MS Shell Dlg") is a substitute name: GDI+ reports
    // the real family it resolved to, which must be one it can create again.
    const LOGFONTW logFont = font.GetLogFontW(canvas.graphics);
    ASSERT_NE(logFont.lfFaceName[0], L'\0');
    GxFontFamily family;
    EXPECT_TRUE(family.CreateFromName(logFont.lfFaceName))
        << "resolved face " << testing::PrintToString(std::wstring(logFont.lfFaceName));
}

TEST(GxFontCollection, InstalledFamiliesAreIndependentCopies) {
    GxFontCollection installed;
    ASSERT_TRUE(installed.AttachInstalled());
    const int count = installed.GetFamilyCount();
    ASSERT_GT(count, 0);
    const long before = GxObject::LiveCount();
    {
        std::vector<GxFontFamily> families;
        ASSERT_TRUE(installed.GetFamilyList(families));
        EXPECT_EQ(static_cast<int>(families.size()), count);
        EXPECT_EQ(GxObject::LiveCount(), before + count);
        const bool hasCjk = std::any_of(families.begin(), families.end(), [](const GxFontFamily& family) {
            return family.GetName() == L"WenQuanYi Zen Hei";
        });
        EXPECT_TRUE(hasCjk);
    }
    // Deleting the copies left the collection whole.
    EXPECT_EQ(GxObject::LiveCount(), before);
    EXPECT_EQ(installed.GetFamilyCount(), count);
    std::vector<GxFontFamily> again;
    ASSERT_TRUE(installed.GetFamilyList(again));
    EXPECT_FALSE(again.front().GetName().empty());

    GxFontFamily family;
    ASSERT_TRUE(family.CreateFromName(L"宋体", &installed));
    EXPECT_GT(family.GetEmHeight(), 0);
    EXPECT_GT(family.GetLineSpacing(), 0);
}

TEST(GxStringFormat, SettingsRoundTrip) {
    GxStringFormat format;
    ASSERT_TRUE(format.Create(StringFormatFlagsLineLimit));
    EXPECT_EQ(format.GetFlags(), StringFormatFlagsLineLimit);
    ASSERT_TRUE(format.SetFlags(StringFormatFlagsNoWrap | StringFormatFlagsLineLimit));
    EXPECT_EQ(format.GetFlags(), StringFormatFlagsNoWrap | StringFormatFlagsLineLimit);
    ASSERT_TRUE(format.SetAlign(StringAlignmentFar));
    ASSERT_TRUE(format.SetLineAlign(StringAlignmentCenter));
    ASSERT_TRUE(format.SetTrimming(StringTrimmingEllipsisCharacter));
    ASSERT_TRUE(format.SetHotkeyPrefix(HotkeyPrefixHide));
    EXPECT_EQ(format.GetAlign(), StringAlignmentFar);
    EXPECT_EQ(format.GetLineAlign(), StringAlignmentCenter);
    EXPECT_EQ(format.GetTrimming(), StringTrimmingEllipsisCharacter);
    EXPECT_EQ(format.GetHotkeyPrefix(), HotkeyPrefixHide);
    GxStringFormat copy;
    ASSERT_TRUE(format.Clone(copy));
    ASSERT_TRUE(format.SetAlign(StringAlignmentNear));
    EXPECT_EQ(copy.GetAlign(), StringAlignmentFar);
}

TEST(GxStringFormat, RightAlignedTextEndsAtTheRightEdge) {
    GxFont font;
    ASSERT_TRUE(font.CreateFontByName(L"宋体", 14, FontStyleRegular, UnitPixel));
    GxSolidBrush black;
    ASSERT_TRUE(black.Create(test::kBlack));
    GxStringFormat format;
    ASSERT_TRUE(format.Create(StringFormatFlagsNoWrap));
    ASSERT_TRUE(format.SetAlign(StringAlignmentFar));
    test::Canvas canvas(100, 20, test::kWhite);
    ASSERT_TRUE(canvas.graphics.DrawString(L"铃", font, black, GxRectF(0, 0, 100, 20), format));
    canvas.Done();
    int leftmostDark = 100;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 100; ++x)
            if (test::Channel(canvas.bitmap.GetPixel(x, y), 16) < 128) leftmostDark = std::min(leftmostDark, x);
    EXPECT_GT(leftmostDark, 70);
    EXPECT_LT(leftmostDark, 100);
}

}  // namespace
}  // namespace pelorin
