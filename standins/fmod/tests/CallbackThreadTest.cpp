#include <atomic>
#include <thread>

#include "StudioTest.h"

namespace {

using Types = std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>;

class CallbackThread : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        ASSERT_EQ(FmodStandin::SetCallbackThread(FmodStandin::CallbackThread::StudioThread), FMOD_OK);
    }
};

std::atomic<FMOD_RESULT> switchFromInside{FMOD_OK};

FMOD_RESULT F_CALLBACK SwitchThreadFromInside(FMOD_STUDIO_EVENT_CALLBACK_TYPE, FMOD_STUDIO_EVENTINSTANCE*, void*)
{
    FmodStandin::WaitForCallbacks();  // must not wait for itself
    switchFromInside = FmodStandin::SetCallbackThread(FmodStandin::CallbackThread::InUpdate);
    return FMOD_OK;
}

}  // namespace

TEST_F(CallbackThread, CallbacksComeFromAThreadOfTheStandIn)
{
    EXPECT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::StudioThread);
    int owner = 0;
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record), FMOD_OK);
    ASSERT_EQ(instance->setUserData(&owner), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    FmodStandin::WaitForCallbacks();
    const auto entries = CallbackLog::Instance().Entries();
    ASSERT_EQ(entries.size(), 3u);
    for (const CallbackEntry& entry : entries) {
        EXPECT_NE(entry.thread, std::this_thread::get_id());
        EXPECT_EQ(entry.thread, entries[0].thread);
        EXPECT_EQ(entry.userData, &owner);
    }
    EXPECT_EQ(CallbackLog::Instance().Types(), (Types{FMOD_STUDIO_EVENT_CALLBACK_CREATED,
                                                      FMOD_STUDIO_EVENT_CALLBACK_STARTING,
                                                      FMOD_STUDIO_EVENT_CALLBACK_STARTED}));
}

TEST_F(CallbackThread, WhatHappensBetweenUpdatesIsDeliveredWithoutWaitingForOne)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STOPPED), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    FmodStandin::WaitForCallbacks();
    EXPECT_EQ(CallbackLog::Instance().Types(), Types{FMOD_STUDIO_EVENT_CALLBACK_STOPPED});
}

TEST_F(CallbackThread, AReleasedInstanceAnswersItsDestroyedCallbackOnTheOtherThread)
{
    int owner = 0;
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Step");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_DESTROYED), FMOD_OK);
    ASSERT_EQ(instance->setUserData(&owner), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    ASSERT_EQ(instance->release(), FMOD_OK);
    Update(5);
    FmodStandin::WaitForCallbacks();
    const auto entries = CallbackLog::Instance().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].userDataResult, FMOD_OK);
    EXPECT_EQ(entries[0].userData, &owner);
    EXPECT_EQ(instance->getUserData(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(Find(instance), nullptr);
}

TEST_F(CallbackThread, SwitchingBackDeliversInsideUpdateAgain)
{
    ASSERT_EQ(FmodStandin::SetCallbackThread(FmodStandin::CallbackThread::InUpdate), FMOD_OK);
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STARTED), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    const auto entries = CallbackLog::Instance().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].thread, std::this_thread::get_id());
}

TEST_F(CallbackThread, ACallbackCannotSwitchTheThreadItRunsOn)
{
    switchFromInside = FMOD_OK;
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->setCallback(SwitchThreadFromInside, FMOD_STUDIO_EVENT_CALLBACK_STARTED), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    FmodStandin::WaitForCallbacks();
    EXPECT_EQ(switchFromInside.load(), FMOD_ERR_BADCOMMAND);
    EXPECT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::StudioThread);
}

TEST_F(CallbackThread, ResetAndReleaseStopTheThreadSafely)
{
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    ASSERT_EQ(instance->setCallback(CallbackLog::Record), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(10);
    ASSERT_EQ(system->release(), FMOD_OK);  // callbacks not yet delivered are dropped
    FmodStandin::WaitForCallbacks();
    EXPECT_EQ(FmodStandin::Reset(), FMOD_OK);
    EXPECT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::InUpdate);
}
