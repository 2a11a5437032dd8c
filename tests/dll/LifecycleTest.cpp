// One object's life through the host's exports, and the paths that end the process when the
// object and the library disagree.
#include <gtest/gtest.h>

#include <thread>

#include "tests/dll/support/RuntimeSession.h"

using StandinHost::Parameter;
using TestSupport::RuntimeSession;

namespace {

constexpr int kFatalExitCode = 3;

TEST(Lifecycle, CreateTickAndDestroy)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_EQ(object.CreateResult(), 0);
    EXPECT_NE(object.Data()->extension, nullptr);
    EXPECT_EQ(object.Handle(), 0u);
    EXPECT_EQ(object.Handle(), 0u);
    EXPECT_EQ(object.Destroy(), 0);
    EXPECT_EQ(object.Data()->extension, nullptr);
    EXPECT_EQ(session.TakeCalls(), L"Created\nDestroyed\n");
}

TEST(Lifecycle, ManyObjectsLiveSideBySide)
{
    RuntimeSession session;
    for (int i = 0; i < 20; ++i)
        session.CreateObject();
    EXPECT_EQ(session.Frame().Tick().size(), 20u);
    session.Frame().Object(7).Action(0, {Parameter::Integer(7), Parameter::Integer(8)});
    const std::wstring calls = session.TakeCalls();
    EXPECT_NE(calls.find(L"TwoIntegers(7, 8)"), std::wstring::npos);
}

TEST(Lifecycle, PauseContinueAndTheNoOpHooksAnswerZero)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    using ObjectHook = std::int32_t(VANTOR_HOSTCALL*)(void*);
    EXPECT_EQ(session.Extension().Export<ObjectHook>("PauseRunObject")(object.Data()), 0);
    EXPECT_EQ(session.Extension().Export<ObjectHook>("ContinueRunObject")(object.Data()), 0);
    EXPECT_EQ(session.Extension().Export<ObjectHook>("Free")(session.Host().Record()), 0);
    EXPECT_EQ(object.Handle(), 0u);
}

class LifecycleFatal : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(LifecycleFatal, ATickAfterDestructionReachesTheOeflagsError)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    object.Destroy();
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            object.Handle();
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "The MFA uses an object of OEFLAGS 0, but the Extension expects OEFLAGS 0");
}

TEST_F(LifecycleFatal, AnObjectStoredWithOtherFlagsEndsTheProcess)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            object.SetOeFlags(16);  // only in the child: the parent still destroys its object
            object.Action(4);
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "The MFA uses an object of OEFLAGS 16, but the Extension expects OEFLAGS 0");
}

TEST_F(LifecycleFatal, LinkingANumberTheDefinitionLacksEndsTheProcess)
{
    RuntimeSession session;
    session.Extension().Export<void(VANTOR_HOSTCALL*)(std::int32_t)>("VantorTest_SetLinkFault")(1);
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            session.CreateObject();
        },
        ::testing::ExitedWithCode(kFatalExitCode), "LinkAction\\(\\) was given action ID 99, but the JSON only has 8 actions");
}

TEST_F(LifecycleFatal, LinkingAMemberWithTheWrongParameterCountEndsTheProcess)
{
    RuntimeSession session;
    session.Extension().Export<void(VANTOR_HOSTCALL*)(std::int32_t)>("VantorTest_SetLinkFault")(2);
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            session.CreateObject();
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "The action 0 \\(\"Two integers %0 and %1\"\\) is linked to a function taking 0 parameters, but the JSON "
        "declares 2");
}

TEST_F(LifecycleFatal, AParameterRecordSmallerThanItsHeadEndsTheProcess)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            object.Action(0, {Parameter::Integer(1).WithRecordSize(2), Parameter::Integer(2)});
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "The host's parameter record of code 22 has size 2, smaller than its own head");
}

}  // namespace
