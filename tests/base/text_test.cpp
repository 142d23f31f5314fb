#include "base/text.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(GbkText, RoundTripsChineseWhateverTheAnsiCodePage) {
    // "群众笑声" in GBK.
    const std::string gbk = "\xC8\xBA\xD6\xDA\xD0\xA6\xC9\xF9";
    EXPECT_EQ(FromGbk(gbk), L"群众笑声");
    EXPECT_EQ(ToGbk(L"群众笑声"), gbk);
    EXPECT_EQ(ToGbk(L"D:\\音乐\\掌声.mp3"), std::string("D:\\\xD2\xF4\xC0\xD6\\\xD5\xC6\xC9\xF9.mp3"));
}

TEST(GbkText, EmptyAndAsciiPassThrough) {
    EXPECT_EQ(FromGbk(std::string_view{}), L"");
    EXPECT_EQ(ToGbk(L""), "");
    EXPECT_EQ(ToGbk(L"abc----x.mp3"), "abc----x.mp3");
}

TEST(GbkText, FitsGbkRejectsWhatGbkCannotHold) {
    EXPECT_TRUE(FitsGbk(L"开场----D:\\音乐\\开场.mp3"));
    EXPECT_FALSE(FitsGbk(L"song \U0001F3B5.mp3"));
    EXPECT_FALSE(FitsGbk(L"\u00e9t\u00e9 \u0915"));  // Devanagari has no GBK form
}

TEST(GbkText, InvalidBytesDoNotThrowOrVanish) {
    // A lone lead byte and bytes outside GBK: decoding never fails and keeps
    // the valid characters around them.
    std::wstring text = FromGbk(std::string("a\x81", 2) +
                                "b\xFF"
                                "c");
    EXPECT_NE(text.find(L'a'), std::wstring::npos);
    EXPECT_NE(text.find(L'c'), std::wstring::npos);
}

TEST(Utf8Text, RoundTrip) { EXPECT_EQ(FromUtf8(ToUtf8(L"音效 \U0001F3B5")), L"音效 \U0001F3B5"); }

}  // namespace
}  // namespace pelorin
