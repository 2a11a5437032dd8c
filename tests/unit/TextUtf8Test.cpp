#include <gtest/gtest.h>

#include "sdk/text/Utf8.h"

namespace Vantor {
namespace {

TEST(DiagnosticsUtf8Test, DecodesEveryLength) {
    EXPECT_EQ(Utf8ToUtf16("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"A\u00e9\u20ac\U0001F600");
    EXPECT_EQ(Utf8ToUtf16(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
    EXPECT_EQ(Utf8ToUtf16(""), u"");
}

TEST(DiagnosticsUtf8Test, EachBrokenSequenceBecomesOneReplacement) {
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");          // overlong lead bytes are never valid
    EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // overlong three-byte form
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
    EXPECT_EQ(Utf8ToUtf16("\xF5z"), u"\uFFFDz");
    EXPECT_EQ(Utf8ToUtf16("x\xE2\x82"), u"x\uFFFD");  // cut short at the end
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82y"), u"\uFFFDy");
    EXPECT_EQ(Utf8ToUtf16("\x80\xBF"), u"\uFFFD\uFFFD");
}

TEST(DiagnosticsUtf8Test, EncodesPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(u"A\u00e9\u20ac\U0001F600"), "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC00), u'a'}), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD83D), u'b'}), "\xEF\xBF\xBD" "b");
}

TEST(DiagnosticsUtf8Test, RoundTripsEveryCodePointClass) {
    const std::u16string text = u"\u007f\u0080\u07ff\u0800\uffff\U00010000\U0010FFFF";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

}  // namespace
}  // namespace Vantor
