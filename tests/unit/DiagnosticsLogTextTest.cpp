#include <gtest/gtest.h>

#include <string>

#include "sdk/diagnostics/LogText.h"

namespace Vantor {
namespace {

std::u16string Repeat(std::size_t count, char16_t unit = u'x') { return std::u16string(count, unit); }

TEST(DiagnosticsLogTextTest, LineThatFitsIsUntouched) {
    EXPECT_EQ(FinishLogLine(u"short\n", u"%s\n"), u"short\n");
    EXPECT_EQ(FinishLogLine(u"", u""), u"");
    // 2023 characters and the terminator fill the buffer exactly.
    EXPECT_EQ(FinishLogLine(Repeat(2023), u"%s"), Repeat(2023));
}

TEST(DiagnosticsLogTextTest, LongLineKeepsItsStartAndTheFormatsLineEnding) {
    const std::u16string text = Repeat(2999, u'a') + u"\n";
    EXPECT_EQ(FinishLogLine(text, u"%s\n"), Repeat(2006, u'a') + u"... [truncated]\n");
    EXPECT_EQ(FinishLogLine(text, u"%s\r\n"), Repeat(2006, u'a') + u"... [truncated]\r\n");
    EXPECT_EQ(FinishLogLine(text, u"%s"), Repeat(2006, u'a') + u"... [truncated]");
    EXPECT_EQ(FinishLogLine(text, u"%s\r"), Repeat(2006, u'a') + u"... [truncated]");
    EXPECT_LE(FinishLogLine(text, u"%s\r\n").size(), kLogLineChars - 1);
}

TEST(DiagnosticsLogTextTest, OneCharacterTooManyIsTruncated) {
    EXPECT_EQ(FinishLogLine(Repeat(2024), u"%s"), Repeat(2006) + u"... [truncated]");
}

TEST(DiagnosticsLogTextTest, SurrogatePairIsNotSplitByTheMarker) {
    std::u16string text = Repeat(2005) + u"\U0001F600" + Repeat(100);
    EXPECT_EQ(FinishLogLine(text, u"%s"), Repeat(2005) + u"... [truncated]");
}

TEST(DiagnosticsLogTextTest, OtherBuffersPlaceTheMarkerEighteenFromTheirEnd) {
    EXPECT_EQ(FitFormattedText(Repeat(5000), u"%s\n", kBoxTextChars), Repeat(3982) + u"... [truncated]\n");
    EXPECT_EQ(FitFormattedText(Repeat(2048), u"%s", kFatalTextChars), Repeat(2030) + u"... [truncated]");
    EXPECT_EQ(FitFormattedText(Repeat(2047), u"%s", kFatalTextChars), Repeat(2047));
}

TEST(DiagnosticsLogTextTest, TinyBuffersStillHoldTheirTerminator) {
    EXPECT_EQ(FitFormattedText(Repeat(50), u"%s\n", 10), Repeat(9));
    EXPECT_EQ(FitFormattedText(Repeat(50), u"%s\n", 0), u"");
}

TEST(DiagnosticsLogTextTest, FailedFormatIsShownAsItStands) {
    EXPECT_EQ(FormatFailureText(u"bad %y\n"), u"Failed to format text: bad %y\n");
}

}  // namespace
}  // namespace Vantor
