// The event-instance object's life: its instance created, started, stopped, released and made
// again; its condition; many objects at once; objects destroyed while their instance plays.
#include <gtest/gtest.h>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "tests/dll/support/AudioSession.h"

using StandinHost::Parameter;
using TestSupport::AudioSession;
using TestSupport::SampleBank;

namespace {

class InstanceLifecycle : public TestSupport::InstanceObjectTest {
protected:
    bool Playing() { return object.Condition(0) != 0; }
    FMOD_STUDIO_PLAYBACK_STATE StateOf(std::size_t index) { return FmodStandin::Instances().at(index).state; }
};

TEST_F(InstanceLifecycle, TheConditionFollowsTheInstanceNotItsPlaybackState)
{
    EXPECT_FALSE(Playing());  // nothing made yet
    Create(L"event:/UI/Click");
    ASSERT_EQ(FmodStandin::Instances().size(), 1u);
    EXPECT_TRUE(Playing());  // valid, not started
    object.Action(1);
    session.Tick();
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_TRUE(Playing());
    session.Tick(10);  // 150 ms: played to its end
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_TRUE(Playing());
    object.Action(3);
    EXPECT_FALSE(Playing());
    object.Action(1);  // a start after release does nothing
    session.Tick();
    EXPECT_TRUE(FmodStandin::Instances().empty());
    EXPECT_FALSE(Playing());

    Create(L"event:/UI/Click");
    EXPECT_TRUE(Playing());
    EXPECT_EQ(FmodStandin::Instances().size(), 1u);
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

TEST_F(InstanceLifecycle, StopModesReachTheRuntimeUnchanged)
{
    Create(L"event:/Music/Level 1");  // fades out over 1 s
    object.Action(1);
    session.Tick();
    object.Action(2, {Parameter::Integer(0)});  // allow fadeout
    session.Tick();
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_STOPPING);
    object.Action(2, {Parameter::Integer(1)});  // immediate
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_STOPPED);

    object.Action(1);
    session.Tick();
    object.Action(2, {Parameter::Integer(2)});
    object.Action(2, {Parameter::Integer(-1)});
    session.Tick();
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_PLAYING);
}

TEST_F(InstanceLifecycle, CreatingAgainForgetsTheHeldInstance)
{
    Create(L"event:/Ambience/Forest");
    object.Action(1);
    Create(L"event:/Ambience/Forest");
    session.Tick();
    auto instances = FmodStandin::Instances();
    ASSERT_EQ(instances.size(), 2u);
    EXPECT_EQ(instances[0].state, FMOD_STUDIO_PLAYBACK_PLAYING);  // plays on, out of reach
    EXPECT_EQ(instances[1].state, FMOD_STUDIO_PLAYBACK_STOPPED);
    object.Action(2, {Parameter::Integer(1)});
    EXPECT_EQ(StateOf(0), FMOD_STUDIO_PLAYBACK_PLAYING);

    // An unknown path leaves no instance, even after a valid one.
    Create(L"event:/Nothing");
    EXPECT_FALSE(Playing());
    object.Action(1);
    session.Tick();
    EXPECT_EQ(FmodStandin::Instances().size(), 2u);
    EXPECT_EQ(StateOf(1), FMOD_STUDIO_PLAYBACK_STOPPED);
}

TEST_F(InstanceLifecycle, EveryActionWithoutAnInstanceDoesNothing)
{
    for (int round = 0; round < 2; ++round) {
        object.Action(1);
        object.Action(2, {Parameter::Integer(0)});
        object.Action(3);
        object.Action(4, {Parameter::Text(L"Intensity"), Parameter::Float(1)});
        object.Action(5, {Parameter::Text(L"Surface"), Parameter::Text(L"Wood")});
        object.Action(6, {Parameter::Float(1), Parameter::Float(2), Parameter::Float(3), Parameter::Float(0),
                          Parameter::Float(0), Parameter::Float(1), Parameter::Float(0), Parameter::Float(1),
                          Parameter::Float(0)});
        object.Action(7, {Parameter::Text(L"ALL")});
        object.Action(8);
        EXPECT_FALSE(Playing());
        EXPECT_FLOAT_EQ(object.Expression(0, {Parameter::Text(L"Intensity")}).real, 0.0f);
        const auto label = object.Expression(1, {Parameter::Text(L"Surface")});
        EXPECT_EQ(label.text, L"");
        EXPECT_TRUE(label.textInHostBuffer);
        const auto last = object.Expression(2);
        EXPECT_EQ(last.text, L"");
        EXPECT_TRUE(last.textInHostBuffer);
        Create(L"event:/Nothing");  // the second round: a failed create
    }
    session.Tick();
    EXPECT_TRUE(FmodStandin::Instances().empty());
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

TEST_F(InstanceLifecycle, BadPathsLeaveNoInstance)
{
    Create(L"");
    EXPECT_FALSE(Playing());
    Create(std::wstring(5000, L'e').c_str());
    EXPECT_FALSE(Playing());
    Create(L"event:/UI/Click\u00e9");
    EXPECT_FALSE(Playing());
    Create(L"EVENT:/ui/click");  // the stand-in matches paths ignoring ASCII case
    EXPECT_TRUE(Playing());
}

TEST_F(InstanceLifecycle, ManyObjectsHoldAnInstanceEach)
{
    std::vector<StandinHost::RunObject*> objects;
    for (int i = 0; i < 40; ++i) {
        objects.push_back(&session.CreateInstanceObject());
        objects.back()->Action(0, {Parameter::Text(L"event:/SFX/Explosion")});
        objects.back()->Action(4, {Parameter::Text(L"Size"), Parameter::Float(0.5f + i * 0.05f)});
        objects.back()->Action(7, {Parameter::Text(L"STARTED")});
        if (i % 2 == 0)
            objects.back()->Action(1);
    }
    session.Tick();
    ASSERT_EQ(FmodStandin::Instances().size(), 40u);
    for (int i = 0; i < 40; ++i) {
        auto& each = *objects[static_cast<std::size_t>(i)];
        EXPECT_TRUE(each.Condition(0));
        EXPECT_FLOAT_EQ(each.Expression(0, {Parameter::Text(L"Size")}).real, 0.5f + i * 0.05f);
        EXPECT_EQ(each.Expression(2).text, i % 2 == 0 ? L"STARTED" : L"") << i;
    }
}

// Objects destroyed while their instance plays and reports callbacks, in both delivery modes.
class InstanceDestroyed : public ::testing::TestWithParam<FmodStandin::CallbackThread> {};

TEST_P(InstanceDestroyed, TheInstancePlaysOnAndItsCallbacksNoLongerReachTheObject)
{
    AudioSession session;
    SonbridgeStandin::SetCallbackThread(GetParam());
    auto& studio = session.CreateStudio();
    studio.Action(0, {Parameter::Text(std::filesystem::path(SampleBank("Game.bank")).wstring())});
    ASSERT_EQ(FmodStandin::GetCallbackThread(), GetParam());
    FmodStandin::SetClockStep(250);  // beats and markers in every frame
    // The stand-in frame would still handle destroyed objects: tick the studio object alone.
    const auto frames = [&](int count) {
        for (int i = 0; i < count; ++i)
            studio.Handle();
    };

    for (int round = 0; round < 20; ++round) {
        auto& doomed = session.CreateInstanceObject();
        doomed.Action(0, {Parameter::Text(L"event:/Music/Level 1")});
        doomed.Action(7, {Parameter::Text(L"ALL")});
        doomed.Action(1);
        frames(2);
        FmodStandin::WaitForCallbacks();
        EXPECT_FALSE(doomed.Expression(2).text.empty());
        EXPECT_EQ(doomed.Destroy(), 0);
        auto& next = session.CreateInstanceObject();  // may take the freed memory
        frames(2);
        FmodStandin::WaitForCallbacks();
        EXPECT_EQ(next.Expression(2).text, L"");
        const auto instance = FmodStandin::Instances().back();
        EXPECT_EQ(instance.state, FMOD_STUDIO_PLAYBACK_PLAYING);
        EXPECT_EQ(next.Destroy(), 0);
    }
    EXPECT_EQ(FmodStandin::Instances().size(), 20u);
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

INSTANTIATE_TEST_SUITE_P(CallbackThreads, InstanceDestroyed,
                         ::testing::Values(FmodStandin::CallbackThread::InUpdate,
                                           FmodStandin::CallbackThread::StudioThread),
                         [](const auto& info) {
                             return info.param == FmodStandin::CallbackThread::InUpdate ? "InUpdate"
                                                                                        : "StudioThread";
                         });

}  // namespace
