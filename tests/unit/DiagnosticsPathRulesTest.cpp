#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sdk/diagnostics/PathRules.h"

namespace Vantor {
namespace {

TEST(DiagnosticsPathRulesTest, SuffixTestsIgnoreAsciiCaseOnly) {
    EXPECT_TRUE(EndsWithIgnoringAsciiCase(u"C:\\Fusion\\EXTENSIONS\\", u"Extensions\\"));
    EXPECT_TRUE(EndsWithIgnoringAsciiCase(u"abc", u""));
    EXPECT_FALSE(EndsWithIgnoringAsciiCase(u"ns\\", u"Extensions\\"));
    EXPECT_FALSE(EndsWithIgnoringAsciiCase(u"\u00c9", u"\u00e9"));
    EXPECT_EQ(WithoutSuffixIgnoringAsciiCase(u"a\\UNICODE\\", u"Unicode\\"), u"a\\");
    EXPECT_EQ(WithoutSuffixIgnoringAsciiCase(u"a\\b\\", u"Unicode\\"), u"a\\b\\");
}

TEST(DiagnosticsPathRulesTest, FolderOfPathKeepsTheLastBackslash) {
    EXPECT_EQ(FolderOf(u"C:\\Fusion\\Extensions\\Tonvale.mfx"), u"C:\\Fusion\\Extensions\\");
    EXPECT_EQ(FolderOf(u"C:\\"), u"C:\\");
    EXPECT_EQ(FolderOf(u"C:/forward/only.mfx"), u"");
    EXPECT_EQ(FolderOf(u""), u"");
}

TEST(DiagnosticsPathRulesTest, ExtensionsFolderDropsOneUnicodeFolder) {
    EXPECT_EQ(ExtensionsFolderOf(u"C:\\F\\Extensions\\Unicode\\"), u"C:\\F\\Extensions\\");
    EXPECT_EQ(ExtensionsFolderOf(u"C:\\F\\Extensions\\unicode\\"), u"C:\\F\\Extensions\\");
    EXPECT_EQ(ExtensionsFolderOf(u"C:\\F\\Extensions\\"), u"C:\\F\\Extensions\\");
    EXPECT_EQ(ExtensionsFolderOf(u"C:\\Unicode\\Unicode\\"), u"C:\\Unicode\\");
    EXPECT_EQ(ExtensionsFolderOf(u"C:\\F\\Unicode"), u"C:\\F\\Unicode");  // no trailing backslash
}

TEST(DiagnosticsPathRulesTest, HostRootFolder) {
    EXPECT_EQ(HostRootFolderOf(u"C:\\Fusion\\Extensions\\"), u"C:\\Fusion\\");
    EXPECT_EQ(HostRootFolderOf(u"C:\\Fusion\\extensions\\"), u"C:\\Fusion\\");
    EXPECT_EQ(HostRootFolderOf(u"C:\\Fusion\\Data\\Runtime\\"), u"C:\\Fusion\\");  // the whole ending goes
    EXPECT_EQ(HostRootFolderOf(u"C:\\Fusion\\DATA\\RUNTIME\\"), u"C:\\Fusion\\");
    EXPECT_EQ(HostRootFolderOf(u"C:\\Temp\\mrt1234\\"), u"C:\\Temp\\mrt1234\\");
    EXPECT_EQ(HostRootFolderOf(u"C:\\Fusion\\Runtime\\"), u"C:\\Fusion\\Runtime\\");
}

TEST(DiagnosticsPathRulesTest, ProcessPathWhenNotAnUnpackedCopy) {
    const HostExecutable host = ResolveHostExecutable(u"C:\\Games\\Game.exe", u"\"C:\\Games\\Game.exe\" /SF \"x\"");
    EXPECT_EQ(host.path, u"C:\\Games\\Game.exe");
    EXPECT_EQ(host.source, HostPathSource::Process);
}

TEST(DiagnosticsPathRulesTest, UnpackedCopyTakesThePathAfterTheSwitch) {
    const HostExecutable host =
        ResolveHostExecutable(u"C:\\Temp\\mrt.TMP\\STDRT.EXE", u"stdrt.exe /SF \"C:\\Games\\My Game.exe\" /other \"q\"");
    EXPECT_EQ(host.path, u"C:\\Games\\My Game.exe");
    EXPECT_EQ(host.source, HostPathSource::CommandLine);
}

TEST(DiagnosticsPathRulesTest, UnpackedCopyWithUnusableSwitchKeepsTheProcessPath) {
    const std::u16string copy = u"C:\\Temp\\x.tmp\\stdrt.exe";
    struct Case {
        std::u16string commandLine;
        HostPathSource source;
    };
    const std::vector<Case> cases = {
        {u"stdrt.exe", HostPathSource::MissingSwitch},
        {u"stdrt.exe /sf \"C:\\a.exe\"", HostPathSource::MissingSwitch},  // the switch is matched exactly
        {u"stdrt.exe /SF \"C:\\Games\\unterminated", HostPathSource::UnterminatedQuote},
        {u"stdrt.exe /SF \"", HostPathSource::UnterminatedQuote},
        {u"stdrt.exe /SF \"\" more", HostPathSource::EmptyQuote},
        {u"", HostPathSource::MissingSwitch},
    };
    for (const Case& c : cases) {
        const HostExecutable host = ResolveHostExecutable(copy, c.commandLine);
        EXPECT_EQ(host.path, copy);
        EXPECT_EQ(host.source, c.source);
    }
}

class DiagnosticsTestRunLayout : public ::testing::Test {
protected:
    bool Check(std::u16string_view library, std::u16string_view host, bool unicode = true) {
        asked.clear();
        return IsTestRunLayout(library, host, unicode, [this](const std::u16string& path) {
            asked.push_back(path);
            return path == existing;
        });
    }
    std::u16string existing = u"C:\\Fusion\\mmf2u.exe";
    std::vector<std::u16string> asked;
};

TEST_F(DiagnosticsTestRunLayout, EditorTestRunIsRecognised) {
    EXPECT_TRUE(Check(u"C:\\Fusion\\Extensions\\Unicode\\", u"C:\\Fusion\\Data\\Runtime\\Unicode\\edrt.exe"));
    EXPECT_EQ(asked, std::vector<std::u16string>{u"C:\\Fusion\\mmf2u.exe"});
    EXPECT_TRUE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\edrtex.exe"));
    EXPECT_TRUE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\Hwa\\edrt.exe"));
    EXPECT_TRUE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\Hwa\\Unicode\\edrt.exe"));
    EXPECT_TRUE(Check(u"C:\\Fusion\\EXTENSIONS\\", u"C:\\Fusion\\data\\runtime\\EDRT.EXE"));
}

TEST_F(DiagnosticsTestRunLayout, NonUnicodeHostLooksForTheOtherEditor) {
    existing = u"C:\\Fusion\\mmf2.exe";
    EXPECT_TRUE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\edrt.exe", false));
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\edrt.exe", true));
    EXPECT_EQ(asked, std::vector<std::u16string>{u"C:\\Fusion\\mmf2u.exe"});
}

TEST_F(DiagnosticsTestRunLayout, AnyMismatchMeansABuiltApp) {
    EXPECT_FALSE(Check(u"C:\\Temp\\mrt\\", u"C:\\Fusion\\Data\\Runtime\\edrt.exe"));
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Games\\Game.exe"));
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\xedrt.exe"));
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\Unicode\\Hwa\\edrt.exe"));
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\edrt.exe"));
    EXPECT_TRUE(asked.empty());  // nothing looked up on disk for a layout that does not match
    existing.clear();
    EXPECT_FALSE(Check(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\edrt.exe"));
    EXPECT_FALSE(IsTestRunLayout(u"C:\\Fusion\\Extensions\\", u"C:\\Fusion\\Data\\Runtime\\edrt.exe", true, nullptr));
}

TEST(DiagnosticsPathRulesTest, VeryLongPathsAreHandled) {
    const std::u16string deep = u"C:\\" + std::u16string(40000, u'd') + u"\\";
    EXPECT_EQ(HostRootFolderOf(deep + u"Extensions\\"), deep);
    EXPECT_EQ(FolderOf(deep + u"lib.mfx"), deep);
    const HostExecutable host = ResolveHostExecutable(deep + u"a.tmp\\stdrt.exe", u" /SF \"" + deep + u"\"");
    EXPECT_EQ(host.path, deep);
}

}  // namespace
}  // namespace Vantor
