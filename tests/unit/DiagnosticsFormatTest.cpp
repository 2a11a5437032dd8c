// The wide printf must follow the Windows C runtime's conventions on every compiler.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdint>
#include <string>

#include "sdk/diagnostics/WideFormat.h"

namespace Vantor {
namespace {

std::optional<std::u16string> Format(const char16_t* format, ...) {
    std::va_list args;
    va_start(args, format);
    auto result = FormatWide(format, args);
    va_end(args);
    return result;
}

std::optional<std::wstring> FormatWideChars(const wchar_t* format, ...) {
    std::va_list args;
    va_start(args, format);
    auto result = FormatWide(format, args);
    va_end(args);
    return result;
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

TEST(DiagnosticsFormatTest, TextConversions) {
    EXPECT_EQ(Format(u"[%s]", u"wide \u00e9"), u"[wide \u00e9]");
    EXPECT_EQ(Format(u"[%ls|%ws]", u"long", u"wide"), u"[long|wide]");
    EXPECT_EQ(Format(u"[%hs]", "narrow \xC3\xA9"), u"[narrow \u00e9]");  // 8-bit text is UTF-8
    EXPECT_EQ(Format(u"[%s|%hs]", static_cast<const char16_t*>(nullptr), static_cast<const char*>(nullptr)),
              u"[(null)|(null)]");
    EXPECT_EQ(Format(u"%s", u"\U0001F600"), u"\U0001F600");
    EXPECT_EQ(Format(u"%hs", "\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(DiagnosticsFormatTest, PrecisionNeverReadsPastTheText) {
    const char marker[4] = {'V', 'N', 'T', '2'};  // no terminator
    EXPECT_EQ(Format(u"%.4hs!", marker), u"VNT2!");
    const char16_t units[3] = {u'a', u'b', u'c'};
    EXPECT_EQ(Format(u"%.2s|%.3s", units, units), u"ab|abc");
    EXPECT_EQ(Format(u"%.*s", 1, u"xyz"), u"x");
    EXPECT_EQ(Format(u"%.*s", -1, u"xyz"), u"xyz");  // a negative precision is none
}

TEST(DiagnosticsFormatTest, SizedIntegersTakeTheirOwnWidthFromTheArguments) {
    EXPECT_EQ(Format(u"%zu|%d", SIZE_MAX, 7), Ascii(std::to_string(SIZE_MAX) + "|7"));
    EXPECT_EQ(Format(u"%zu", std::size_t{0}), u"0");
    EXPECT_EQ(Format(u"%hi|%hi|%hu", 70000, -1, 65541), u"4464|-1|5");
    EXPECT_EQ(Format(u"%hhu|%hhd", 300, 255), u"44|-1");
    EXPECT_EQ(Format(u"%u|%d|%i", UINT_MAX, INT_MIN, 42), Ascii(std::to_string(UINT_MAX) + "|" + std::to_string(INT_MIN) + "|42"));
    EXPECT_EQ(Format(u"%lu|%ld", ULONG_MAX, LONG_MIN), Ascii(std::to_string(ULONG_MAX) + "|" + std::to_string(LONG_MIN)));
    EXPECT_EQ(Format(u"%lld|%I64u", LLONG_MIN, ULLONG_MAX),
              Ascii(std::to_string(LLONG_MIN) + "|" + std::to_string(ULLONG_MAX)));
    EXPECT_EQ(Format(u"%I32d|%Iu|%jd|%td", std::int32_t{-3}, std::size_t{9}, std::intmax_t{-4}, std::ptrdiff_t{-5}),
              u"-3|9|-4|-5");
    EXPECT_EQ(Format(u"%x|%X|%o", 255u, 255u, 8u), u"ff|FF|10");
}

TEST(DiagnosticsFormatTest, FlagsWidthAndPrecision) {
    EXPECT_EQ(Format(u"%#04X|%#04X", 0x14Cu, 0x2u), u"0X14C|0X02");
    EXPECT_EQ(Format(u"[%5d|%-5d|%05d|%+d|% d]", 42, 42, 42, 42, 42), u"[   42|42   |00042|+42| 42]");
    EXPECT_EQ(Format(u"[%*d|%*d]", 4, 1, -4, 1), u"[   1|1   ]");
    EXPECT_EQ(Format(u"[%6s|%-6hs]", u"ab", "cd"), u"[    ab|cd    ]");
    EXPECT_EQ(Format(u"%.3d", 5), u"005");
}

TEST(DiagnosticsFormatTest, FloatingPoint) {
    EXPECT_EQ(Format(u"%f|%.2f|%lf", 1.5, 2.345, 0.25), u"1.500000|2.35|0.250000");
    EXPECT_EQ(Format(u"%e|%g|%G", 1500.0, 0.0001, 1e20), u"1.500000e+03|0.0001|1E+20");
    EXPECT_EQ(Format(u"%8.3f|", -1.0), u"  -1.000|");
}

TEST(DiagnosticsFormatTest, CharactersPercentAndPointers) {
    EXPECT_EQ(Format(u"%c%c|%hc|%3c", 'A', u'\u00e9', 'z', 'q'), u"A\u00e9|z|  q");
    EXPECT_EQ(Format(u"%hc", 0xE9), u"\uFFFD");  // a lone 8-bit byte above ASCII is no UTF-8 character
    EXPECT_EQ(Format(u"100%% sure"), u"100% sure");
    int object = 0;
    const std::optional<std::u16string> pointer = Format(u"%p", static_cast<void*>(&object));
    ASSERT_TRUE(pointer);
    ASSERT_EQ(pointer->size(), sizeof(void*) * 2);
    std::uintptr_t parsed = 0;
    for (char16_t unit : *pointer) {
        ASSERT_TRUE((unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'F'));
        parsed = parsed * 16 + (unit <= u'9' ? unit - u'0' : unit - u'A' + 10);
    }
    EXPECT_EQ(parsed, reinterpret_cast<std::uintptr_t>(&object));
}

TEST(DiagnosticsFormatTest, PlainTextPassesThrough) {
    EXPECT_EQ(Format(u""), u"");
    EXPECT_EQ(Format(u"line\r\n\u00e9\U0001F600"), u"line\r\n\u00e9\U0001F600");
}

TEST(DiagnosticsFormatTest, RefusesWhatItCannotFormatSafely) {
    int written = 0;
    EXPECT_FALSE(Format(nullptr));
    EXPECT_FALSE(Format(u"%"));
    EXPECT_FALSE(Format(u"ends in %5"));
    EXPECT_FALSE(Format(u"%n", &written));
    EXPECT_EQ(written, 0);
    EXPECT_FALSE(Format(u"%Lf", 1.0L));
    EXPECT_FALSE(Format(u"%y", 1));
    EXPECT_FALSE(Format(u"%99999999d", 1));
    EXPECT_FALSE(Format(u"%.99999999f", 1.0));
    EXPECT_FALSE(Format(u"%*d", kMaxFormatField + 1, 1));
    EXPECT_FALSE(Format(u"%*d", INT_MIN, 1));
    EXPECT_TRUE(Format(u"%*d", kMaxFormatField, 1));
}

TEST(DiagnosticsFormatTest, WcharTextUsesTheSameRules) {
    EXPECT_EQ(FormatWideChars(L"%s=%zu (%hs)", L"size", std::size_t{12}, "bytes"), L"size=12 (bytes)");
    EXPECT_FALSE(FormatWideChars(L"%n", nullptr));
}

}  // namespace
}  // namespace Vantor
