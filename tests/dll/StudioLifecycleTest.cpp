// The studio object bringing the audio runtime up from its properties, and ticking it.
#include <gtest/gtest.h>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "tests/dll/support/AudioSession.h"

using TestSupport::AudioSession;
using TestSupport::SampleBank;
using TestSupport::SampleBankProperties;

namespace {

TEST(StudioStart, TheFirstObjectStartsTheRuntimeWithItsProperties)
{
    AudioSession session;
    auto properties = SampleBankProperties();
    properties["Enable Live Update"] = "true";
    properties["Real Channels"] = "16777216";  // 2^24 survives the float on the way
    properties["Virtual Channels"] = "-7";
    session.CreateStudio(properties);
    session.CreateStudio({{"Master Bank Path", "ignored.bank"}});

    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].masterBank, SampleBank("Master.bank"));
    EXPECT_EQ(calls[0].stringsBank, SampleBank("Master.strings.bank"));
    EXPECT_TRUE(calls[0].liveUpdate);
    EXPECT_EQ(calls[0].realChannels, 16777216);
    EXPECT_EQ(calls[0].virtualChannels, -7);
    EXPECT_TRUE(calls[0].startedSystem);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(Sonbridge::bankList.size(), 2u);
    EXPECT_EQ(Sonbridge::bankList.count(SampleBank("Master.bank")), 1u);
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

TEST(StudioStart, DefaultsReachInitUnchanged)
{
    AudioSession session;
    session.CreateStudio({});
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].masterBank, "./FMOD/Desktop/Master.bank");
    EXPECT_EQ(calls[0].stringsBank, "./FMOD/Desktop/Master.strings.bank");
    EXPECT_FALSE(calls[0].liveUpdate);
    EXPECT_EQ(calls[0].realChannels, 2);
    EXPECT_EQ(calls[0].virtualChannels, 128);
    // The stand-in keeps the system up without the banks it could not find.
    EXPECT_TRUE(calls[0].startedSystem);
    EXPECT_EQ(calls[0].masterBankResult, FMOD_ERR_FILE_NOTFOUND);
    EXPECT_TRUE(Sonbridge::bankList.empty());
}

TEST(StudioStart, AMissingBankLeavesTheSystemUpAndIsNotRetried)
{
    AudioSession session;
    session.CreateStudio({{"Master Bank Path", SampleBank("Missing.bank")},
                          {"Master Strings Bank Path", ""}});
    session.CreateStudio();
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].stringsBank, "");  // an empty property arrives empty
    EXPECT_EQ(calls[0].masterBankResult, FMOD_ERR_FILE_NOTFOUND);
    EXPECT_NE(calls[0].stringsBankResult, FMOD_OK);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_TRUE(Sonbridge::bankList.empty());
}

TEST(StudioStart, AFailedStartIsRetriedByEachNewObject)
{
    AudioSession session;
    // A studio system made elsewhere makes the runtime's own creation fail.
    FMOD::Studio::System* other = nullptr;
    ASSERT_EQ(FMOD::Studio::System::create(&other), FMOD_OK);
    session.CreateStudio();
    session.CreateStudio();
    EXPECT_FALSE(Sonbridge::g_FMODInitialized);
    session.Tick(2);  // Update is called although nothing is up
    EXPECT_EQ(SonbridgeStandin::UpdateCount(), 4);

    ASSERT_EQ(other->release(), FMOD_OK);
    session.CreateStudio();
    session.CreateStudio();
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_FALSE(calls[0].startedSystem);
    EXPECT_FALSE(calls[1].startedSystem);
    EXPECT_TRUE(calls[2].startedSystem);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
}

TEST(StudioTick, EachStudioObjectTicksTheRuntimeOncePerFrame)
{
    AudioSession session;
    session.CreateStudio();
    session.CreateStudio();
    session.CreateInstanceObject();
    const auto results = session.Frame().Tick();
    EXPECT_EQ(results, (std::vector<std::uint32_t>{0, 0, 0}));
    session.Tick(2);
    EXPECT_EQ(SonbridgeStandin::UpdateCount(), 6);
    EXPECT_EQ(FmodStandin::GetSystemInfo().updates, 6);
}

TEST(StudioTick, AFrameWithoutAStudioObjectNeverTicks)
{
    AudioSession session;
    session.CreateInstanceObject();
    session.Tick(3);
    EXPECT_EQ(SonbridgeStandin::UpdateCount(), 0);
    EXPECT_TRUE(SonbridgeStandin::InitCalls().empty());
}

TEST(StudioTick, DestroyingTheStudioObjectLeavesTheRuntimeUp)
{
    AudioSession session;
    auto& studio = session.CreateStudio();
    studio.Action(0, {StandinHost::Parameter::Text(std::filesystem::path(SampleBank("Game.bank")).wstring())});
    studio.Action(2, {StandinHost::Parameter::Text(L"event:/Ambience/Forest")});
    EXPECT_EQ(studio.Destroy(), 0);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(FmodStandin::Banks().size(), 3u);
    EXPECT_EQ(FmodStandin::Instances().size(), 1u);
    EXPECT_EQ(Sonbridge::bankList.size(), 3u);
}

TEST(StudioUnicode, PathsRoundTripAsUtf8)
{
    AudioSession session;
    const auto master = session.Folder().Write(L"B\u00e4nke/\u041c\u0430\u0441\u0442\u0435\u0440.bank",
                                               TestSupport::ReadFileBytes(SampleBank("Master.bank")));
    const std::u8string native = master.u8string();
    const std::string path(native.begin(), native.end());
    session.CreateStudio({{"Master Bank Path", path}, {"Master Strings Bank Path", SampleBank("Master.strings.bank")}});
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].masterBank, path);
    EXPECT_EQ(calls[0].masterBankResult, FMOD_OK);
    EXPECT_EQ(Sonbridge::bankList.count(path), 1u);
}

}  // namespace
