#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "sdk/diagnostics/ProbeRules.h"

namespace Vantor {
namespace {

TEST(DiagnosticsProbeRulesTest, LanguageCodes) {
    EXPECT_EQ(std::u16string(LanguageCodeFor(1036)), u"FR");
    EXPECT_EQ(std::u16string(LanguageCodeFor(1041)), u"JP");
    EXPECT_EQ(std::u16string(LanguageCodeFor(1033)), u"EN");
    EXPECT_EQ(std::u16string(LanguageCodeFor(0)), u"EN");
    EXPECT_EQ(std::u16string(LanguageCodeFor(-1036)), u"EN");
}

TEST(DiagnosticsProbeRulesTest, LeadingDecimalReadsLikeAtoi) {
    EXPECT_EQ(LeadingDecimal(std::string_view("1036\0", 5)), 1036);
    EXPECT_EQ(LeadingDecimal(" \t1041x"), 1041);
    EXPECT_EQ(LeadingDecimal("+12"), 12);
    EXPECT_EQ(LeadingDecimal("-5"), -5);
    EXPECT_EQ(LeadingDecimal(""), 0);
    EXPECT_EQ(LeadingDecimal("abc"), 0);
    EXPECT_EQ(LeadingDecimal("-"), 0);
    EXPECT_EQ(LeadingDecimal(std::string_view("10\0" "36", 5)), 10);
    EXPECT_EQ(LeadingDecimal(u"1036"), 1036);
    EXPECT_EQ(LeadingDecimal(u"  -2"), -2);
}

TEST(DiagnosticsProbeRulesTest, LeadingDecimalSaturatesAndStaysInsideTheText) {
    EXPECT_EQ(LeadingDecimal("99999999999999999999"), INT_MAX);
    EXPECT_EQ(LeadingDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(LeadingDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(LeadingDecimal("-2147483648"), INT_MIN);
    EXPECT_EQ(LeadingDecimal("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(LeadingDecimal(u"99999999999999999999"), INT_MAX);
    const char digits[5] = {'1', '2', '3', '4', '5'};  // a registry value without terminator
    EXPECT_EQ(LeadingDecimal(std::string_view(digits, sizeof digits)), 12345);
}

TEST(DiagnosticsProbeRulesTest, MachinePairs) {
    EXPECT_EQ(EffectiveProcessMachine(0, 0x8664), 0x8664);
    EXPECT_EQ(EffectiveProcessMachine(0x014C, 0x8664), 0x014C);
    EXPECT_TRUE(IsSupportedMachinePair(0x014C, 0x014C));
    EXPECT_TRUE(IsSupportedMachinePair(0x014C, 0x8664));
    EXPECT_TRUE(IsSupportedMachinePair(0x014C, 0xAA64));
    EXPECT_TRUE(IsSupportedMachinePair(0x0200, 0x0200));
    EXPECT_FALSE(IsSupportedMachinePair(0x014C, 0x01C4));
    EXPECT_FALSE(IsSupportedMachinePair(0, 0));
}

TEST(DiagnosticsProbeRulesTest, DisplayModeFromApplicationFlags) {
    EXPECT_EQ(DisplayModeFromFlags(0x0000), 3);
    EXPECT_EQ(DisplayModeFromFlags(0x0002), 2);
    EXPECT_EQ(DisplayModeFromFlags(0x0004), 2);
    EXPECT_EQ(DisplayModeFromFlags(0xC006), 2);  // the low bits win
    EXPECT_EQ(DisplayModeFromFlags(0xC000), 7);
    EXPECT_EQ(DisplayModeFromFlags(0x8000), 6);
    EXPECT_EQ(DisplayModeFromFlags(0x4000), 5);
    EXPECT_EQ(DisplayModeFromFlags(0x3FF9), 3);
    EXPECT_NE(DisplayModeFromFlags(0xFFFF), kDisplayModeUnknown);
}

}  // namespace
}  // namespace Vantor
