#include "StudioTest.h"

namespace {

using Types = std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>;

// A system with two real voices among 128.
class Voices : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        ASSERT_EQ(system->release(), FMOD_OK);
        ASSERT_EQ(FMOD::Studio::System::create(&system), FMOD_OK);
        FMOD::System* core = nullptr;
        ASSERT_EQ(system->getCoreSystem(&core), FMOD_OK);
        ASSERT_EQ(core->setSoftwareChannels(2), FMOD_OK);
        ASSERT_EQ(system->initialize(128, FMOD_STUDIO_INIT_NORMAL, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
        bank = Load(kTestBank);
    }

    FMOD::Studio::EventInstance* Play()
    {
        FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
        EXPECT_EQ(instance->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_REAL_TO_VIRTUAL |
                                                                  FMOD_STUDIO_EVENT_CALLBACK_VIRTUAL_TO_REAL),
                  FMOD_OK);
        EXPECT_EQ(instance->start(), FMOD_OK);
        return instance;
    }

    static bool IsVirtual(FMOD::Studio::EventInstance* instance)
    {
        bool isVirtual = false;
        EXPECT_EQ(instance->isVirtual(&isVirtual), FMOD_OK);
        return isVirtual;
    }
};

}  // namespace

TEST_F(Voices, InstancesBeyondTheRealChannelsGoVirtualAndComeBack)
{
    FMOD::Studio::EventInstance* first = Play();
    FMOD::Studio::EventInstance* second = Play();
    Update();
    FMOD::Studio::EventInstance* third = Play();
    Update();
    EXPECT_FALSE(IsVirtual(first));
    EXPECT_FALSE(IsVirtual(second));
    EXPECT_TRUE(IsVirtual(third));
    EXPECT_EQ(CallbackLog::Instance().TypesOf(third), Types{FMOD_STUDIO_EVENT_CALLBACK_REAL_TO_VIRTUAL});
    EXPECT_TRUE(CallbackLog::Instance().TypesOf(first).empty());

    ASSERT_EQ(first->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    Update();
    EXPECT_FALSE(IsVirtual(third));
    EXPECT_EQ(CallbackLog::Instance().TypesOf(third), (Types{FMOD_STUDIO_EVENT_CALLBACK_REAL_TO_VIRTUAL,
                                                            FMOD_STUDIO_EVENT_CALLBACK_VIRTUAL_TO_REAL}));
    EXPECT_TRUE(TraceHas("instance #3 (event:/SFX/Long) became virtual"));
    EXPECT_FALSE(Find(third)->isVirtual);
}

TEST_F(Voices, AStoppedInstanceHoldsNoVoice)
{
    FMOD::Studio::EventInstance* first = Play();
    FMOD::Studio::EventInstance* second = Play();
    FMOD::Studio::EventInstance* third = Play();
    Update();
    EXPECT_TRUE(IsVirtual(third));
    ASSERT_EQ(third->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_OK);
    Update();
    EXPECT_FALSE(IsVirtual(third));
    EXPECT_FALSE(IsVirtual(first));
    EXPECT_FALSE(IsVirtual(second));
}
