#include "StudioTest.h"

using Control = StudioTest;

TEST_F(Control, TheClockStepDecidesHowFarAnUpdateGoes)
{
    EXPECT_EQ(FmodStandin::ClockStep(), 20);
    EXPECT_EQ(FmodStandin::SetClockStep(0), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FmodStandin::SetClockStep(1001), FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(FmodStandin::SetClockStep(250), FMOD_OK);
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(3);
    EXPECT_EQ(Position(instance), 750);
    Update();
    EXPECT_EQ(State(instance), FMOD_STUDIO_PLAYBACK_STOPPED);
    const FmodStandin::SystemInfo info = FmodStandin::GetSystemInfo();
    EXPECT_EQ(info.clockMs, 1000);
    EXPECT_EQ(info.updates, 4);
}

TEST_F(Control, InstancesShowEverythingSetOnThem)
{
    int owner = 0;
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    const FMOD_3D_ATTRIBUTES placed{{1, 2, 3}, {4, 5, 6}, {0, 0, 1}, {0, 1, 0}};
    ASSERT_EQ(instance->set3DAttributes(&placed), FMOD_OK);
    ASSERT_EQ(instance->setUserData(&owner), FMOD_OK);
    ASSERT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_STOPPED), FMOD_OK);
    ASSERT_EQ(instance->setParameterByName("Intensity", 7.0f), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update(2);

    const FmodStandin::InstanceInfo* info = Find(instance);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->serial, 1);
    EXPECT_EQ(info->eventPath, "event:/Music/Theme");
    EXPECT_EQ(info->state, FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(info->timelinePosition, 40);
    EXPECT_FALSE(info->released);
    EXPECT_EQ(info->attributes.velocity.z, 6.0f);
    EXPECT_EQ(info->userData, &owner);
    EXPECT_EQ(info->callback, &CallbackLog::Record);
    EXPECT_EQ(info->callbackMask, static_cast<unsigned>(FMOD_STUDIO_EVENT_CALLBACK_STOPPED));
    ASSERT_EQ(info->parameters.size(), 1u);
    EXPECT_EQ(info->parameters[0].name, "Intensity");
    EXPECT_EQ(info->parameters[0].value, 7.0f);
    EXPECT_NEAR(info->parameters[0].finalValue, 1.4f, 1e-4);
    EXPECT_EQ(info->parameters[0].maximum, 10.0f);
}

TEST_F(Control, GlobalsAndMixerStripsAreListed)
{
    ASSERT_EQ(system->setParameterByNameWithLabel("Surface", "Gravel"), FMOD_OK);
    const auto globals = FmodStandin::GlobalParameters();
    ASSERT_EQ(globals.size(), 3u);
    bool seen = false;
    for (const FmodStandin::ParameterInfo& global : globals) {
        if (global.name != "Surface") continue;
        seen = true;
        EXPECT_EQ(global.value, 1.0f);
        EXPECT_EQ(global.labels, (std::vector<std::string>{"Grass", "Gravel", "Wood"}));
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(FmodStandin::MixerStrips().size(), 4u);
}

TEST_F(Control, TheTraceTellsWhatTheStudioDid)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    ASSERT_EQ(instance->release(), FMOD_OK);
    Update();
    EXPECT_TRUE(TraceHas("system created"));
    EXPECT_TRUE(TraceHas("system initialised: 64 channels"));
    EXPECT_TRUE(TraceHas("bank loaded: bank:/Test from \""));
    EXPECT_TRUE(TraceHas("(4 events, 3 buses, 1 VCA, 3 global parameters)"));
    EXPECT_TRUE(TraceHas("[      0 ms] instance #1 (event:/SFX/Long) created"));
    EXPECT_TRUE(TraceHas("[     20 ms] instance #1 (event:/SFX/Long) started"));
    EXPECT_TRUE(TraceHas("instance #1 (event:/SFX/Long) stopped"));
    EXPECT_TRUE(TraceHas("instance #1 (event:/SFX/Long) released"));
    EXPECT_TRUE(TraceHas("[     40 ms] instance #1 (event:/SFX/Long) destroyed"));
    FmodStandin::ClearTrace();
    EXPECT_TRUE(FmodStandin::Trace().empty());
}

TEST_F(Control, ResetForgetsEverythingAndKeepsOldHandlesInvalid)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    ASSERT_EQ(FmodStandin::SetClockStep(100), FMOD_OK);
    ASSERT_EQ(FmodStandin::Reset(), FMOD_OK);
    EXPECT_FALSE(FmodStandin::GetSystemInfo().exists);
    EXPECT_TRUE(FmodStandin::Banks().empty());
    EXPECT_TRUE(FmodStandin::Instances().empty());
    EXPECT_TRUE(FmodStandin::Listeners().empty());
    EXPECT_TRUE(FmodStandin::Trace().empty());
    EXPECT_EQ(FmodStandin::ClockStep(), 20);
    EXPECT_FALSE(system->isValid());
    EXPECT_FALSE(bank->isValid());
    EXPECT_FALSE(instance->isValid());

    FMOD::Studio::System* next = nullptr;
    ASSERT_EQ(FMOD::Studio::System::create(&next), FMOD_OK);
    EXPECT_FALSE(system->isValid());
}

TEST_F(Control, ResultsHaveNames)
{
    EXPECT_STREQ(FmodStandin::ResultName(FMOD_OK), "FMOD_OK");
    EXPECT_STREQ(FmodStandin::ResultName(FMOD_ERR_TRUNCATED), "FMOD_ERR_TRUNCATED");
    EXPECT_STREQ(FmodStandin::ResultName(FMOD_ERR_INVALID_HANDLE), "FMOD_ERR_INVALID_HANDLE");
    EXPECT_STREQ(FmodStandin::ResultName(static_cast<FMOD_RESULT>(999)), "unknown result");
}
