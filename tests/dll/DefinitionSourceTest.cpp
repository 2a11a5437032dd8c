// Where a library finds its definition, and what it then tells the host about itself.
#include <gtest/gtest.h>

#include <thread>
#include <windows.h>

#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/Registry.h"
#include "tests/dll/support/ScratchFolder.h"
#include "tests/extension/TestControl.h"

using StandinHost::HostApplication;
using TestSupport::BoxLines;
using TestSupport::LoadedExtension;
using TestSupport::ScratchFolder;

namespace {

std::string DefinitionWithIdentifier(const char* identifier)
{
    return std::string("{ \"Identifier\": \"") + identifier
         + "\", \"UK English\": { \"About\": { \"Name\": \"x\" }, \"Actions\": [ {} ] } }";
}

TEST(DefinitionSource, EmbeddedDefinitionsDescribeBothProducts)
{
    ScratchFolder folder;
    HostApplication host;
    LoadedExtension studio(folder.CopyLibrary("Tonvale.mfx"));
    LoadedExtension instance(folder.CopyLibrary("Velisse.mfx"));
    ASSERT_EQ(studio.Initialize(host.Record()), 0);
    ASSERT_EQ(instance.Initialize(host.Record()), 0);

    const auto studioInfos = studio.Describe(host.Record());
    EXPECT_EQ(studio.Identifier(host.Record()), "FMOD");
    EXPECT_EQ(studioInfos.numActions, 9);
    EXPECT_EQ(studioInfos.numConditions, 1);
    EXPECT_EQ(studioInfos.numExpressions, 3);
    EXPECT_EQ(studioInfos.editDataSize, 249);
    EXPECT_EQ(studioInfos.oeFlags, 0u);
    EXPECT_EQ(studioInfos.windowProcPriority, 100);
    EXPECT_EQ(studioInfos.version, 0x0101);
    ASSERT_NE(studioInfos.actions, nullptr);
    EXPECT_EQ(static_cast<void**>(studioInfos.actions)[9], nullptr);  // the tables end with a null slot

    const auto instanceInfos = instance.Describe(host.Record());
    EXPECT_EQ(instance.Identifier(host.Record()), "FMDE");
    EXPECT_EQ(instanceInfos.numActions, 9);
    EXPECT_EQ(instanceInfos.numConditions, 1);
    EXPECT_EQ(instanceInfos.numExpressions, 3);
    EXPECT_EQ(instanceInfos.editDataSize, 48);

    EXPECT_TRUE(studio.TakeBoxes().empty());
    EXPECT_TRUE(instance.TakeBoxes().empty());
}

TEST(DefinitionSource, FixedAnswersAboutTheLibrary)
{
    ScratchFolder folder;
    LoadedExtension studio(folder.CopyLibrary("Tonvale.mfx"));
    auto getInfos = studio.Export<std::uint32_t(VANTOR_HOSTCALL*)(std::int32_t)>("GetInfos");
    EXPECT_EQ(getInfos(0), 0x300u);
    EXPECT_EQ(getInfos(1), 0u);
    EXPECT_EQ(getInfos(2), 0x100u);
    EXPECT_EQ(getInfos(6), 2u);
    EXPECT_EQ(getInfos(7), 254u);
    EXPECT_EQ(getInfos(8), 1u);
    EXPECT_EQ(getInfos(1234), 0u);
    auto dependencies = studio.Export<const wchar_t*(VANTOR_HOSTCALL*)()>("GetDependencies");
    ASSERT_NE(dependencies(), nullptr);
    EXPECT_EQ(dependencies()[0], L'\0');
    auto dataSize = studio.Export<std::uint16_t(VANTOR_HOSTCALL*)(void*, void*)>("GetRunObjectDataSize");
    EXPECT_EQ(dataSize(nullptr, nullptr), 188);
}

TEST(DefinitionSource, FilesBesideTheLibraryComeBeforeTheResource)
{
    ScratchFolder folder;
    HostApplication host;
    const auto plainOnly = folder.CopyLibrary("Tonvale.mfx", "Plain.mfx");
    folder.Write("Plain.json", DefinitionWithIdentifier("PLAI"));
    const auto both = folder.CopyLibrary("Tonvale.mfx", "Both.mfx");
    folder.Write("Both.json", DefinitionWithIdentifier("PLAI"));
    folder.Write("Both.EN.json", DefinitionWithIdentifier("ENGL"));

    LoadedExtension plain(plainOnly);
    ASSERT_EQ(plain.Initialize(host.Record()), 0);
    EXPECT_EQ(plain.Identifier(host.Record()), "PLAI");
    EXPECT_EQ(plain.Describe(host.Record()).editDataSize, 48);

    LoadedExtension language(both);
    ASSERT_EQ(language.Initialize(host.Record()), 0);
    EXPECT_EQ(language.Identifier(host.Record()), "ENGL");
}

TEST(DefinitionSource, EditorLanguageFrenchTriesTheFrenchFileFirst)
{
    TestSupport::RegistryValue language(L"Software\\Clickteam\\Fusion 2.5\\General", L"language", L"1036");
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(reinterpret_cast<void*>(0x1234));
    const auto path = folder.CopyLibrary("Tonvale.mfx");
    folder.Write("Tonvale.EN.json", DefinitionWithIdentifier("ENGL"));
    folder.Write("Tonvale.FR.json", DefinitionWithIdentifier("FREN"));
    LoadedExtension studio(path);
    ASSERT_EQ(studio.Initialize(host.Record()), 0);
    EXPECT_EQ(studio.Identifier(host.Record()), "FREN");
}

TEST(DefinitionSource, TheHostsFoldersServeWhenNothingIsBesideTheLibrary)
{
    ScratchFolder folder;
    HostApplication host;
    const auto executableFolder = TestSupport::BuildFolder();
    const auto inRoot = folder.CopyLibrary("VantorTest.mfx", "InHostRoot.mfx");
    const auto inRuntime = folder.CopyLibrary("VantorTest.mfx", "InHostRuntime.mfx");
    const auto rootFile = executableFolder / "InHostRoot.json";
    const auto runtimeFile = executableFolder / "Data" / "Runtime" / "InHostRuntime.json";
    std::filesystem::create_directories(runtimeFile.parent_path());
    TestSupport::WriteFile(rootFile, DefinitionWithIdentifier("ROOT"));
    TestSupport::WriteFile(runtimeFile, DefinitionWithIdentifier("RUNT"));

    LoadedExtension root(inRoot);
    ASSERT_EQ(root.Initialize(host.Record()), 0);
    EXPECT_EQ(root.Identifier(host.Record()), "ROOT");
    LoadedExtension runtime(inRuntime);
    ASSERT_EQ(runtime.Initialize(host.Record()), 0);
    EXPECT_EQ(runtime.Identifier(host.Record()), "RUNT");

    std::filesystem::remove(rootFile);
    std::filesystem::remove_all(executableFolder / "Data");
}

TEST(DefinitionSource, NoDefinitionAnywhereFailsAndALaterStartTriesAgain)
{
    ScratchFolder folder;
    HostApplication host;
    LoadedExtension test(folder.CopyLibrary("VantorTest.mfx"));
    EXPECT_EQ(test.Initialize(host.Record()), -1);
    EXPECT_EQ(BoxLines(test.TakeBoxes()),
              std::vector<std::wstring>{L"Couldn't find JSON - Vantor Test | JSON file for Vantor Test not found on "
                                        L"disk or in MFX resources"});

    folder.Write("VantorTest.json", DefinitionWithIdentifier("LATE"));
    EXPECT_EQ(test.Initialize(host.Record()), 0);
    EXPECT_EQ(test.Identifier(host.Record()), "LATE");
}

TEST(DefinitionSource, ASecondStartChangesNothing)
{
    ScratchFolder folder;
    HostApplication host;
    const auto path = folder.CopyLibrary("VantorTest.mfx");
    folder.Write("VantorTest.json", DefinitionWithIdentifier("ONCE"));
    LoadedExtension test(path);
    ASSERT_EQ(test.Initialize(host.Record()), 0);
    folder.Write("VantorTest.json", DefinitionWithIdentifier("TWCE"));

    std::int32_t second = -2;
    std::thread other([&] { second = test.Initialize(host.Record(), true); });
    other.join();
    EXPECT_EQ(second, 0);
    EXPECT_EQ(test.Identifier(host.Record()), "ONCE");
    TestExtension::EnvironmentSnapshot environment{};
    test.Export<TestExtension::EnvironmentFn>("VantorTest_Environment")(&environment);
    EXPECT_EQ(environment.mainThreadId, GetCurrentThreadId());
    EXPECT_EQ(environment.runContext, 0);  // not the second call's quiet
}

TEST(DefinitionSource, TwoThreadsStartingAtOnceBuildTheDefinitionOnce)
{
    ScratchFolder folder;
    HostApplication host;
    const auto path = folder.CopyLibrary("VantorTest.mfx");
    // One bad entry: each construction of the tables reports it once.
    folder.Write("VantorTest.json",
                 "{ \"Identifier\": \"RACE\", \"UK English\": { \"About\": { \"Name\": \"x\" }, \"Actions\": [ 5 ] } }");
    LoadedExtension test(path);
    std::int32_t results[2] = {-2, -2};
    // One contender on this thread: two extra threads at once crash wine under user-mode emulation.
    std::thread other([&] { results[0] = test.Initialize(host.Record()); });
    results[1] = test.Initialize(host.Record());
    other.join();
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(results[1], 0);
    EXPECT_EQ(test.TakeBoxes().size(), 1u);
}

}  // namespace
