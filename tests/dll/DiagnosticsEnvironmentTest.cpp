// What Initialize learns about where the library runs: context, wine, language, paths, extension pack.
#include <gtest/gtest.h>

#include "tests/dll/support/Registry.h"
#include "tests/dll/support/TestLibrary.h"

using StandinHost::HostApplication;
using TestExtension::PathKind;
using TestSupport::ScratchFolder;
using TestSupport::TestLibrary;

namespace {

void* const kEditorWindow = reinterpret_cast<void*>(0x1234);
const wchar_t kFusionKey[] = L"Software\\Clickteam\\Fusion 2.5\\General";
const wchar_t kDeveloperKey[] = L"Software\\Clickteam\\Fusion Developer 2.5\\General";

std::wstring Windows(const std::filesystem::path& path)
{
    return std::filesystem::path(path).make_preferred().wstring();
}

TEST(DiagnosticsEnvironment, TheRunContextFollowsTheHostsRecord)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary built(folder, "built");
    ASSERT_EQ(built.Start(host), 0);
    EXPECT_EQ(built.Environment().runContext, 0);

    TestLibrary quiet(folder, "quiet");
    ASSERT_EQ(quiet.Start(host, true), 0);
    EXPECT_EQ(quiet.Environment().runContext, 1);

    host.SetWindow(kEditorWindow);
    TestLibrary editor(folder, "editor");
    ASSERT_EQ(editor.Start(host), 0);
    const auto environment = editor.Environment();
    EXPECT_EQ(environment.runContext, 2);
    EXPECT_TRUE(environment.isFusion25);
    EXPECT_TRUE(environment.underWine);
    EXPECT_EQ(environment.hostVersion, HostApplication::kDefaultVersion);
    EXPECT_EQ(std::wstring(environment.languageCode), L"EN");
    EXPECT_EQ(std::wstring(environment.languageName), L"UK English");
}

TEST(DiagnosticsEnvironment, TheEditorLanguageComesFromTheRegistryOfTheEdition)
{
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(kEditorWindow);
    {
        TestSupport::RegistryValue french(kFusionKey, L"language", L"1036");
        TestLibrary test(folder, "standard");
        ASSERT_EQ(test.Start(host), 0);
        EXPECT_EQ(std::wstring(test.Environment().languageCode), L"FR");
    }
    {
        TestSupport::RegistryValue japanese(kDeveloperKey, L"language", L"1041");
        host.SetVersion(0x02050000u | 0x4000u | 294u);
        TestLibrary test(folder, "developer");
        ASSERT_EQ(test.Start(host), 0);
        EXPECT_EQ(std::wstring(test.Environment().languageCode), L"JP");
    }
}

TEST(DiagnosticsEnvironment, AnUnreadableLanguageValueFailsTheStart)
{
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(kEditorWindow);
    TestSupport::RegistryValue tooLong(kFusionKey, L"language", L"103612");
    TestLibrary test(folder);
    EXPECT_EQ(test.Start(host), -1);
    const auto boxes = test.Extension().TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, L"Language Code error - Vantor Test");
    EXPECT_EQ(boxes[0].text.rfind(L"Failed to look up Fusion editor language code: error ", 0), 0u);
}

TEST(DiagnosticsEnvironment, FoldersAreWorkedOutFromTheLibrarysPlace)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder, "Fusion/Extensions/Unicode");
    ASSERT_EQ(test.Start(host), 0);
    const std::wstring root = Windows(folder.Path() / "Fusion") + L"\\";
    EXPECT_EQ(test.Path(PathKind::kLibraryFolder), root + L"Extensions\\Unicode\\");
    EXPECT_EQ(test.Path(PathKind::kExtensionsFolder), root + L"Extensions\\");
    EXPECT_EQ(test.Path(PathKind::kHostRoot), root);
    EXPECT_EQ(test.Path(PathKind::kLibrary), root + L"Extensions\\Unicode\\VantorTest.mfx");
}

TEST(DiagnosticsEnvironment, TheExtensionPackIsSeenInTheHostRootFolder)
{
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(kEditorWindow);
    TestLibrary without(folder, "plain/Extensions");
    ASSERT_EQ(without.Start(host), 0);
    EXPECT_FALSE(without.Environment().extensionPack);

    TestSupport::WriteFile(folder.Path() / "pack" / "cfex.dll", "");
    TestLibrary with(folder, "pack/Extensions");
    ASSERT_EQ(with.Start(host), 0);
    EXPECT_TRUE(with.Environment().extensionPack);
}

}  // namespace
