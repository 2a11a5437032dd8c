#include <gtest/gtest.h>

#include <string>

#include "sdk/diagnostics/SettingsText.h"

namespace Vantor {
namespace {

std::string Lookup(std::string_view file, std::string_view key) { return FindSetting(PrepareSettingsText(file), key); }

TEST(DiagnosticsSettingsTextTest, TextIsFramedByLineFeeds) {
    EXPECT_EQ(PrepareSettingsText(""), "\n\n");
    EXPECT_EQ(PrepareSettingsText("a=b"), "\na=b\n");
}

TEST(DiagnosticsSettingsTextTest, KeyWithOneSpaceAroundTheEqualsSign) {
    EXPECT_EQ(Lookup("Languages = UK English", "Languages"), "UK English");
    EXPECT_EQ(Lookup("Languages=UK English", "Languages"), "UK English");
    EXPECT_EQ(Lookup("Languages =French", "Languages"), "French");
    EXPECT_EQ(Lookup("Languages  =  x", "Languages"), "");  // only one space each side is dropped
    EXPECT_EQ(Lookup("Languages  =  x", "Languages "), " x");
}

TEST(DiagnosticsSettingsTextTest, KeyMustStartTheLineAndMatchExactly) {
    EXPECT_EQ(Lookup("  Languages = UK English", "Languages"), "");
    EXPECT_EQ(Lookup("MyLanguages=1\nlanguages=2", "Languages"), "");
    EXPECT_EQ(Lookup("LanguagesX=1\nLanguages=2", "Languages"), "2");
    EXPECT_EQ(Lookup("Languages=first\nLanguages=second", "Languages"), "first");
}

TEST(DiagnosticsSettingsTextTest, EveryEqualsSignIsNormalised) {
    EXPECT_EQ(Lookup("SmartPropertiesUpgradeBox = a = b", "SmartPropertiesUpgradeBox"), "a=b");
    EXPECT_EQ(PrepareSettingsText("x = = y"), "\nx==y\n");
    EXPECT_EQ(PrepareSettingsText("x=  =y"), "\nx==y\n");
}

TEST(DiagnosticsSettingsTextTest, ValueEndsAtCarriageReturnOrLineFeed) {
    const std::string file = "Languages = UK English\r\nSmartPropertiesUpgradeBox = never\r\n";
    EXPECT_EQ(Lookup(file, "Languages"), "UK English");
    EXPECT_EQ(Lookup(file, "SmartPropertiesUpgradeBox"), "never");
    EXPECT_EQ(Lookup("a=1\rb=2", "a"), "1");
    EXPECT_EQ(Lookup("a=1\rb=2", "b"), "");  // a lone CR does not start a line
    EXPECT_EQ(Lookup("last=value", "last"), "value");
    EXPECT_EQ(Lookup("empty=\nnext=1", "empty"), "");
}

TEST(DiagnosticsSettingsTextTest, MissingOrEmptyFileHasNoValues) {
    EXPECT_EQ(Lookup("", "Languages"), "");
    EXPECT_EQ(Lookup("\n\r\n", "Languages"), "");
    EXPECT_EQ(Lookup("Languages=x", ""), "");
    EXPECT_EQ(Lookup("=x", ""), "");
}

TEST(DiagnosticsSettingsTextTest, ByteOrderMarkDoesNotHideTheFirstKey) {
    EXPECT_EQ(Lookup("\xEF\xBB\xBFLanguages = UK English", "Languages"), "UK English");
}

TEST(DiagnosticsSettingsTextTest, JunkAndNulBytesAreJustBytes) {
    const char raw[] = "\x00\xFF\xFE=\x01\nLanguages = a\x00" "b\n\x80\x00";
    const std::string junk(raw, sizeof raw - 1);
    EXPECT_EQ(Lookup(junk, "Languages"), std::string("a\x00" "b", 3));
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37);
    EXPECT_EQ(Lookup(binary, "Languages"), "");
    EXPECT_EQ(Lookup(binary + "\nLanguages=ok", "Languages"), "ok");
}

TEST(DiagnosticsSettingsTextTest, VeryLongLinesAndValues) {
    const std::string longValue(200000, 'v');
    const std::string file = std::string(100000, 'j') + "\nLanguages = " + longValue + "\r\nnext=1";
    EXPECT_EQ(Lookup(file, "Languages"), longValue);
    EXPECT_EQ(Lookup(file, "next"), "1");
    const std::string longKey(5000, 'k');
    EXPECT_EQ(Lookup(longKey + "=found", longKey), "found");
}

}  // namespace
}  // namespace Vantor
