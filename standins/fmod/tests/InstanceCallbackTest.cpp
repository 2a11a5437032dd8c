#include <thread>

#include "StudioTest.h"

using InstanceCallbacks = StudioTest;
using Types = std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>;

namespace {

std::vector<CallbackEntry> EntriesOfType(FMOD_STUDIO_EVENT_CALLBACK_TYPE type)
{
    std::vector<CallbackEntry> found;
    for (const CallbackEntry& entry : CallbackLog::Instance().Entries()) {
        if (entry.type == type) found.push_back(entry);
    }
    return found;
}

// What a callback saw when it called back into the studio from inside itself.
struct ReentryProbe {
    FMOD::Studio::System* system = nullptr;
    FMOD_RESULT stateResult = FMOD_ERR_FORMAT;
    FMOD_STUDIO_PLAYBACK_STATE state = FMOD_STUDIO_PLAYBACK_FORCEINT;
    FMOD_RESULT descriptionResult = FMOD_ERR_FORMAT;
    FMOD::Studio::EventDescription* description = nullptr;
    FMOD_RESULT updateResult = FMOD_ERR_FORMAT;
    FMOD_RESULT releaseResult = FMOD_ERR_FORMAT;
} probe;

FMOD_RESULT F_CALLBACK CallIntoStudio(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event, void*)
{
    auto* instance = reinterpret_cast<FMOD::Studio::EventInstance*>(event);
    probe.stateResult = instance->getPlaybackState(&probe.state);
    probe.descriptionResult = instance->getDescription(&probe.description);
    probe.updateResult = probe.system->update();
    probe.releaseResult = probe.system->release();
    return FMOD_OK;
}

}  // namespace

TEST_F(InstanceCallbacks, LifecycleCallbacksArriveInOrderInsideUpdate)
{
    int owner = 0;
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record), FMOD_OK);
    ASSERT_EQ(instance->setUserData(&owner), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    EXPECT_TRUE(CallbackLog::Instance().Types().empty());

    Update();
    EXPECT_EQ(CallbackLog::Instance().Types(), (Types{FMOD_STUDIO_EVENT_CALLBACK_CREATED,
                                                      FMOD_STUDIO_EVENT_CALLBACK_STARTING,
                                                      FMOD_STUDIO_EVENT_CALLBACK_STARTED}));
    for (const CallbackEntry& entry : CallbackLog::Instance().Entries()) {
        EXPECT_EQ(entry.instance, instance);
        EXPECT_EQ(entry.userData, &owner);
        EXPECT_EQ(entry.thread, std::this_thread::get_id());
    }

    CallbackLog::Instance().Clear();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    EXPECT_TRUE(CallbackLog::Instance().Types().empty());
    Update();
    EXPECT_EQ(CallbackLog::Instance().Types(), Types{FMOD_STUDIO_EVENT_CALLBACK_STOPPED});

    CallbackLog::Instance().Clear();
    ASSERT_EQ(instance->release(), FMOD_OK);
    Update();
    const auto destroyed = CallbackLog::Instance().Entries();
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(destroyed[0].type, FMOD_STUDIO_EVENT_CALLBACK_DESTROYED);
    EXPECT_EQ(destroyed[0].userDataResult, FMOD_OK);  // valid for the length of its own callback
    EXPECT_EQ(destroyed[0].userData, &owner);
    EXPECT_EQ(Find(instance), nullptr);
}

TEST_F(InstanceCallbacks, ARestartIsReportedAsSuch)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STARTED |
                                                             FMOD_STUDIO_EVENT_CALLBACK_RESTARTED),
              FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    EXPECT_EQ(CallbackLog::Instance().Types(),
              (Types{FMOD_STUDIO_EVENT_CALLBACK_STARTED, FMOD_STUDIO_EVENT_CALLBACK_RESTARTED}));
}

TEST_F(InstanceCallbacks, TimelineMarkersCarryTheirNamesAndPositions)
{
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(100);
    Update();  // wraps back to the start
    const auto markers = EntriesOfType(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER);
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[0].markerName, "Intro");
    EXPECT_EQ(markers[0].markerPosition, 0);
    EXPECT_EQ(markers[1].markerName, "Chorus");
    EXPECT_EQ(markers[1].markerPosition, 1000);
    EXPECT_FALSE(markers[2].markerName.has_value());  // authored without a name
    EXPECT_EQ(markers[2].markerPosition, 1500);
    EXPECT_EQ(markers[3].markerName, "Intro");
    EXPECT_EQ(CallbackLog::Instance().Types().size(), 4u);
    EXPECT_TRUE(TraceHas("reached marker \"Chorus\" at 1000 ms"));
}

TEST_F(InstanceCallbacks, TimelineBeatsCountBarsAndBeatsFromTempoAndSignature)
{
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    auto beats = EntriesOfType(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT);
    ASSERT_EQ(beats.size(), 1u);
    const FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES first = *beats[0].beat;
    EXPECT_EQ(first.bar, 1);
    EXPECT_EQ(first.beat, 1);
    EXPECT_EQ(first.position, 0);
    EXPECT_EQ(first.tempo, 120.0f);
    EXPECT_EQ(first.timesignatureupper, 4);
    EXPECT_EQ(first.timesignaturelower, 4);

    Update(100);
    beats = EntriesOfType(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT);
    ASSERT_EQ(beats.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(beats[i].beat->bar, 1);
        EXPECT_EQ(beats[i].beat->beat, i + 1);
        EXPECT_EQ(beats[i].beat->position, 500 * i);
    }
    EXPECT_EQ(beats[4].beat->beat, 1);  // the loop starts the bar again
}

TEST_F(InstanceCallbacks, BarsFollowTheTimeSignature)
{
    Load("bank \"Waltz\"\nevent \"event:/Waltz\" length 3000 tempo 180 signature 3/4\n", "Waltz.bank");
    FMOD::Studio::EventInstance* instance = Create("event:/Waltz");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(150);
    const auto beats = EntriesOfType(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT);
    const int positions[] = {0, 333, 667, 1000, 1333, 1667, 2000, 2333, 2667};
    ASSERT_EQ(beats.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(beats[i].beat->position, positions[i]);
        EXPECT_EQ(beats[i].beat->bar, i / 3 + 1);
        EXPECT_EQ(beats[i].beat->beat, i % 3 + 1);
        EXPECT_EQ(beats[i].beat->timesignatureupper, 3);
        EXPECT_EQ(beats[i].beat->tempo, 180.0f);
    }
}

TEST_F(InstanceCallbacks, TheMaskChoosesWhatIsDelivered)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record,
                                    FMOD_STUDIO_EVENT_CALLBACK_STARTED | FMOD_STUDIO_EVENT_CALLBACK_STOPPED),
              FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    Update();
    EXPECT_EQ(CallbackLog::Instance().Types(),
              (Types{FMOD_STUDIO_EVENT_CALLBACK_STARTED, FMOD_STUDIO_EVENT_CALLBACK_STOPPED}));
    ASSERT_NE(Find(instance), nullptr);
    EXPECT_EQ(Find(instance)->callbackMask,
              static_cast<unsigned>(FMOD_STUDIO_EVENT_CALLBACK_STARTED | FMOD_STUDIO_EVENT_CALLBACK_STOPPED));
}

TEST_F(InstanceCallbacks, ANewRegistrationReplacesTheOldOneAndNoneRemovesIt)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STARTED), FMOD_OK);
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STOPPED), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    EXPECT_TRUE(CallbackLog::Instance().Types().empty());

    // Raised but not yet delivered: withdrawn by the removal.
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    ASSERT_EQ(instance->setCallback(nullptr, 0), FMOD_OK);
    Update();
    EXPECT_TRUE(CallbackLog::Instance().Types().empty());
    ASSERT_NE(Find(instance), nullptr);
    EXPECT_EQ(Find(instance)->callback, nullptr);
    EXPECT_EQ(Find(instance)->callbackMask, 0u);

    ASSERT_EQ(instance->setCallback(CallbackLog::Record, 0), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    EXPECT_TRUE(CallbackLog::Instance().Types().empty());
}

TEST_F(InstanceCallbacks, UserDataIsKeptPerInstance)
{
    int first = 1;
    int second = 2;
    FMOD::Studio::EventInstance* a = Create("event:/SFX/Step");
    FMOD::Studio::EventInstance* b = Create("event:/SFX/Step");
    void* read = &first;
    EXPECT_EQ(a->getUserData(&read), FMOD_OK);
    EXPECT_EQ(read, nullptr);
    ASSERT_EQ(a->setUserData(&first), FMOD_OK);
    ASSERT_EQ(b->setUserData(&second), FMOD_OK);
    EXPECT_EQ(a->getUserData(&read), FMOD_OK);
    EXPECT_EQ(read, &first);
    EXPECT_EQ(b->getUserData(&read), FMOD_OK);
    EXPECT_EQ(read, &second);
    EXPECT_EQ(a->getUserData(nullptr), FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(a->setUserData(nullptr), FMOD_OK);
    EXPECT_EQ(a->getUserData(&read), FMOD_OK);
    EXPECT_EQ(read, nullptr);
}

TEST_F(InstanceCallbacks, ACallbackMayQueryItsInstanceButNotTickOrReleaseTheSystem)
{
    probe = ReentryProbe{};
    probe.system = system;
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallIntoStudio, FMOD_STUDIO_EVENT_CALLBACK_STARTED), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    EXPECT_EQ(probe.stateResult, FMOD_OK);
    EXPECT_EQ(probe.state, FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(probe.descriptionResult, FMOD_OK);
    EXPECT_EQ(probe.description, Event("event:/SFX/Long"));
    EXPECT_EQ(probe.updateResult, FMOD_ERR_BADCOMMAND);
    EXPECT_EQ(probe.releaseResult, FMOD_ERR_BADCOMMAND);
    EXPECT_TRUE(system->isValid());
}
