// The set-up the first object of a built game runs: the 2.5+ extension pack read from the image
// bank, or guessed from the display mode, and the refusal of any thread but the main one.
#include <gtest/gtest.h>

#include <thread>

#include "standins/mmfs2/Mmfs2Control.h"
#include "tests/dll/support/RuntimeSession.h"
#include "tests/extension/TestControl.h"

using TestSupport::RuntimeSession;

namespace {

constexpr std::uint8_t kExtensionPackBit = 0x08;
constexpr std::uint16_t kDisplayModeSeven = 0xC000;

// The stand-in mmfs2.dll the extension imports: one per process, whichever folder it came from.
template <class F>
F Mmfs2(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"mmfs2.dll"), name)));
}

bool ExtensionPack(RuntimeSession& session)
{
    TestExtension::EnvironmentSnapshot environment{};
    session.Extension().Export<TestExtension::EnvironmentFn>("VantorTest_Environment")(&environment);
    return environment.extensionPack != 0;
}

class LateInit : public ::testing::Test {
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        Mmfs2<void(__cdecl*)()>("Mmfs2StandIn_Reset")();
    }

    void AnswerImageInfo(std::int32_t result, std::uint8_t flags)
    {
        Mmfs2<void(__cdecl*)(std::int32_t, std::uint8_t)>("Mmfs2StandIn_SetImageInfoAnswer")(result, flags);
    }
    void AnswerHasImages(std::int32_t result)
    {
        Mmfs2<void(__cdecl*)(std::int32_t)>("Mmfs2StandIn_SetHasImagesAnswer")(result);
    }
    Mmfs2StandInCalls Calls() { return Mmfs2<Mmfs2StandInCalls(__cdecl*)()>("Mmfs2StandIn_Calls")(); }

    RuntimeSession session_;
};

TEST_F(LateInit, TheImageBankTellsOfTheExtensionPack)
{
    AnswerImageInfo(1, kExtensionPackBit);
    session_.CreateObject();
    EXPECT_TRUE(ExtensionPack(session_));
    const Mmfs2StandInCalls calls = Calls();
    EXPECT_EQ(calls.imageInfoCalls, 1);
    EXPECT_EQ(calls.imageInfoImage, 1u);
    EXPECT_EQ(calls.imageInfoApplication, session_.Frame().Header().Application());

    session_.CreateObject();  // once per process
    EXPECT_EQ(Calls().imageInfoCalls, 1);
}

TEST_F(LateInit, WithoutImagesTheDisplayModeDecides)
{
    session_.Frame().Header().SetApplicationFlags(kDisplayModeSeven);
    session_.CreateObject();
    EXPECT_TRUE(ExtensionPack(session_));
}

TEST_F(LateInit, WithoutImagesOrTheDisplayModeItSaysWhyItAssumesNone)
{
    session_.TakeLogLines();
    session_.CreateObject();
    EXPECT_FALSE(ExtensionPack(session_));
    EXPECT_EQ(session_.TakeLogLines(),
              std::vector<std::wstring>{L"App has no images; can't check for CF2.5+ DLC reliably. Add an Active. "
                                        L"Assuming not CF2.5+.\n"});
}

TEST_F(LateInit, AnImageBankThatCannotBeReadEndsTheProcess)
{
    AnswerHasImages(1);
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            session_.CreateObject();
        },
        ::testing::ExitedWithCode(3), "Failed to read image bank; unknown error.");
}

TEST_F(LateInit, TheFirstObjectOnAnotherThreadEndsTheProcess)
{
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            std::thread other([&] { session_.CreateObject(); });
            other.join();
        },
        ::testing::ExitedWithCode(3), "Use of LateInit outside of main thread is forbidden");
}

}  // namespace
