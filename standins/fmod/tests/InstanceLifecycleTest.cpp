#include "StudioTest.h"

using InstanceLifecycle = StudioTest;

namespace {

FMOD_STUDIO_PLAYBACK_STATE Query(FMOD::Studio::EventInstance* instance)
{
    FMOD_STUDIO_PLAYBACK_STATE state = FMOD_STUDIO_PLAYBACK_FORCEINT;
    EXPECT_EQ(instance->getPlaybackState(&state), FMOD_OK);
    return state;
}

}  // namespace

TEST_F(InstanceLifecycle, ANewInstanceIsStoppedAtTheStart)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    EXPECT_TRUE(instance->isValid());
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(Position(instance), 0);
    Update(3);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(Position(instance), 0);
}

TEST_F(InstanceLifecycle, StartGoesThroughStartingToPlayingAtTheNextUpdate)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STARTING);
    EXPECT_EQ(instance->start(), FMOD_OK);  // asking twice changes nothing
    Update();
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(Position(instance), 20);
    Update(4);
    EXPECT_EQ(Position(instance), 100);
}

TEST_F(InstanceLifecycle, AOneShotStopsWhenItReachesItsLength)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(49);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(Position(instance), 980);
    Update();
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(Position(instance), 1000);
    EXPECT_TRUE(instance->isValid());  // not released: it stays until released
}

TEST_F(InstanceLifecycle, ALoopingEventWrapsToItsStart)
{
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(101);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(Position(instance), 20);
}

TEST_F(InstanceLifecycle, StopWithFadeOutTakesTheEventsFadeTime)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");  // fade-out 60 ms
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_ALLOWFADEOUT), FMOD_OK);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPING);
    Update(2);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPING);
    EXPECT_EQ(Position(instance), 60);  // the timeline runs on while it fades
    Update();
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_TRUE(TraceHas("stopping (fade-out 60 ms)"));
}

TEST_F(InstanceLifecycle, ImmediateStopEndsAtOnce)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);  // already stopped
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_ALLOWFADEOUT), FMOD_OK);
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);  // cuts a fade short
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
}

TEST_F(InstanceLifecycle, AStopBeforeTheStartIsTakenUpWithdrawsIt)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_ALLOWFADEOUT), FMOD_OK);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    Update();
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(CallbackLog::Instance().Types(),
              std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>{FMOD_STUDIO_EVENT_CALLBACK_CREATED});
}

TEST_F(InstanceLifecycle, StopModesOtherThanTheTwoAreRefused)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    EXPECT_EQ(instance->stop(static_cast<FMOD_STUDIO_STOP_MODE>(2)), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(instance->stop(static_cast<FMOD_STUDIO_STOP_MODE>(-1)), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
}

TEST_F(InstanceLifecycle, StartingAPlayingInstanceRestartsItFromZero)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(5);
    ASSERT_EQ(instance->start(), FMOD_OK);
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_STARTING);
    Update();
    EXPECT_EQ(Query(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(Position(instance), 20);
    EXPECT_TRUE(TraceHas("instance #1 (event:/SFX/Long) restarted"));
}

TEST_F(InstanceLifecycle, AReleasedOneShotPlaysToItsEndAndIsThenDestroyed)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    ASSERT_EQ(instance->release(), FMOD_OK);
    EXPECT_FALSE(instance->isValid());
    ASSERT_NE(Find(instance), nullptr);
    EXPECT_TRUE(Find(instance)->released);
    EXPECT_EQ(State(instance), FMOD_STUDIO_PLAYBACK_STARTING);
    Update(49);
    EXPECT_EQ(State(instance), FMOD_STUDIO_PLAYBACK_PLAYING);
    Update();
    EXPECT_EQ(Find(instance), nullptr);
    EXPECT_TRUE(TraceHas("instance #1 (event:/SFX/Long) destroyed"));
}

TEST_F(InstanceLifecycle, AReleasedStoppedInstanceIsDestroyedAtTheNextUpdate)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->release(), FMOD_OK);
    ASSERT_NE(Find(instance), nullptr);
    Update();
    EXPECT_EQ(Find(instance), nullptr);
}

TEST_F(InstanceLifecycle, ASecondInstanceLeavesTheFirstPlaying)
{
    FMOD::Studio::EventInstance* first = Create("event:/Music/Theme");
    ASSERT_EQ(first->start(), FMOD_OK);
    Update();
    FMOD::Studio::EventInstance* second = Create("event:/Music/Theme");
    EXPECT_NE(first, second);
    Update();
    EXPECT_EQ(Query(first), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(Query(second), FMOD_STUDIO_PLAYBACK_STOPPED);
}

TEST_F(InstanceLifecycle, LiveInstancesAreCountedAgainstALimit)
{
    FMOD::Studio::EventDescription* click = Event("event:/SFX/Step");
    FMOD::Studio::EventInstance* instance = nullptr;
    for (int i = 0; i < 4096; ++i) ASSERT_EQ(click->createInstance(&instance), FMOD_OK) << i;
    instance = reinterpret_cast<FMOD::Studio::EventInstance*>(0x99);
    EXPECT_EQ(click->createInstance(&instance), FMOD_ERR_MEMORY);
    EXPECT_EQ(instance, nullptr);
    EXPECT_EQ(click->createInstance(nullptr), FMOD_ERR_INVALID_PARAM);
}
