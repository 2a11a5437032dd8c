#include "BankFolder.h"
#include "SonbridgeTest.h"

using SonbridgeInit = SonbridgeTest;

namespace {

const std::string kMaster = ExampleBank("Master.bank");
const std::string kStrings = ExampleBank("Master.strings.bank");

}  // namespace

TEST_F(SonbridgeInit, BringsTheSystemUpAndRecordsBothBanksUnderTheirPaths)
{
    EXPECT_FALSE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(Sonbridge::studioSystem, nullptr);
    Sonbridge::Init(kMaster, kStrings, true, 2, 128);
    ASSERT_TRUE(Sonbridge::g_FMODInitialized);
    ASSERT_NE(Sonbridge::studioSystem, nullptr);
    EXPECT_TRUE(Sonbridge::studioSystem->isValid());

    ASSERT_EQ(Sonbridge::bankList.size(), 2u);
    FMOD::Studio::Bank* master = nullptr;
    ASSERT_EQ(Sonbridge::studioSystem->getBank("bank:/Master", &master), FMOD_OK);
    EXPECT_EQ(Sonbridge::bankList.at(kMaster), master);
    EXPECT_TRUE(Sonbridge::bankList.at(kStrings)->isValid());

    const FmodStandin::SystemInfo info = FmodStandin::GetSystemInfo();
    EXPECT_EQ(info.maxChannels, 128);
    EXPECT_EQ(info.softwareChannels, 2);
    EXPECT_EQ(info.studioFlags, static_cast<FMOD_STUDIO_INITFLAGS>(FMOD_STUDIO_INIT_LIVEUPDATE |
                                                                   FMOD_STUDIO_INIT_SYNCHRONOUS_UPDATE));
    EXPECT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::InUpdate);

    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].masterBank, kMaster);
    EXPECT_EQ(calls[0].stringsBank, kStrings);
    EXPECT_TRUE(calls[0].liveUpdate);
    EXPECT_TRUE(calls[0].startedSystem);
    EXPECT_EQ(calls[0].masterBankResult, FMOD_OK);
    EXPECT_EQ(calls[0].stringsBankResult, FMOD_OK);
}

TEST_F(SonbridgeInit, ALaterInitLeavesTheRunningSystemAlone)
{
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    FMOD::Studio::System* first = Sonbridge::studioSystem;
    Sonbridge::Init("other.bank", "", true, 7, 9);
    EXPECT_EQ(Sonbridge::studioSystem, first);
    EXPECT_EQ(FmodStandin::GetSystemInfo().maxChannels, 128);
    EXPECT_EQ(Sonbridge::bankList.size(), 2u);
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].masterBank, "other.bank");
    EXPECT_EQ(calls[1].realChannels, 7);
    EXPECT_FALSE(calls[1].startedSystem);
}

TEST_F(SonbridgeInit, AFailedStartLeavesTheFlagDownSoTheNextInitTriesAgain)
{
    FMOD::Studio::System* squatter = nullptr;  // the one system the stand-in allows
    ASSERT_EQ(FMOD::Studio::System::create(&squatter), FMOD_OK);
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    EXPECT_FALSE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(Sonbridge::studioSystem, nullptr);
    EXPECT_TRUE(Sonbridge::bankList.empty());
    Sonbridge::Update();  // safe without a system

    ASSERT_EQ(squatter->release(), FMOD_OK);
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(Sonbridge::bankList.size(), 2u);
}

TEST_F(SonbridgeInit, BanksThatFailToLoadLeaveTheSystemUpAndUnrecorded)
{
    BankFolder folder;
    const std::string garbage = folder.Write("Garbage.bank", "\x01\x02garbage");
    Sonbridge::Init(folder.PathOf("Missing.bank"), garbage, false, 2, 128);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_TRUE(Sonbridge::bankList.empty());
    const auto calls = SonbridgeStandin::InitCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].masterBankResult, FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(calls[0].stringsBankResult, FMOD_ERR_FORMAT);

    SonbridgeStandin::Reset();
    Sonbridge::Init("", "", false, 2, 128);
    EXPECT_TRUE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(SonbridgeStandin::InitCalls().at(0).masterBank, "");
    EXPECT_TRUE(Sonbridge::bankList.empty());
}

TEST_F(SonbridgeInit, ChannelCountsOutsideTheirRangeAreClamped)
{
    struct Case {
        int real;
        int virtualChannels;
        int expectedReal;
        int expectedMax;
    };
    const Case cases[] = {{-5, 1 << 24, 0, 4095}, {1 << 24, -1, 4095, 1}, {2, 0, 2, 1}, {0, 4095, 0, 4095}};
    for (const Case& c : cases) {
        SonbridgeStandin::Reset();
        Sonbridge::Init(kMaster, kStrings, false, c.real, c.virtualChannels);
        ASSERT_TRUE(Sonbridge::g_FMODInitialized);
        const FmodStandin::SystemInfo info = FmodStandin::GetSystemInfo();
        EXPECT_EQ(info.softwareChannels, c.expectedReal) << c.real;
        EXPECT_EQ(info.maxChannels, c.expectedMax) << c.virtualChannels;
        EXPECT_EQ(SonbridgeStandin::InitCalls().at(0).realChannels, c.real);
    }
}

TEST_F(SonbridgeInit, UpdateTicksTheSystemOnlyOnceItIsUp)
{
    Sonbridge::Update();
    EXPECT_EQ(SonbridgeStandin::UpdateCount(), 1);
    EXPECT_FALSE(FmodStandin::GetSystemInfo().exists);
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    for (int i = 0; i < 3; ++i) Sonbridge::Update();
    EXPECT_EQ(SonbridgeStandin::UpdateCount(), 4);
    EXPECT_EQ(FmodStandin::GetSystemInfo().updates, 3);
}

TEST_F(SonbridgeInit, TheChosenCallbackThreadIsGivenToTheSystem)
{
    SonbridgeStandin::SetCallbackThread(FmodStandin::CallbackThread::StudioThread);
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    EXPECT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::StudioThread);
    EXPECT_EQ(FmodStandin::GetSystemInfo().studioFlags, static_cast<FMOD_STUDIO_INITFLAGS>(FMOD_STUDIO_INIT_NORMAL));
}

TEST_F(SonbridgeInit, TheBankMapIsOneObjectSharedWithItsUsers)
{
    Sonbridge::Init(kMaster, kStrings, false, 2, 128);
    FMOD::Studio::Bank* game = nullptr;
    const std::string path = ExampleBank("Game.bank");
    ASSERT_EQ(Sonbridge::studioSystem->loadBankFile(path.c_str(), FMOD_STUDIO_LOAD_BANK_NORMAL, &game), FMOD_OK);
    Sonbridge::bankList[path] = game;  // as the Load bank action records it
    EXPECT_EQ(Sonbridge::bankList.size(), 3u);
    SonbridgeStandin::Reset();  // the library empties the same map
    EXPECT_TRUE(Sonbridge::bankList.empty());
    EXPECT_FALSE(Sonbridge::g_FMODInitialized);
    EXPECT_EQ(Sonbridge::studioSystem, nullptr);
    EXPECT_FALSE(FmodStandin::GetSystemInfo().exists);
}
