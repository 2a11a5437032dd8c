#include "StudioTest.h"

namespace {

// The sample banks a demo plays, loaded the way a game loads them.
class ExampleBanks : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        ASSERT_EQ(bank->unload(), FMOD_OK);
        for (const char* name : {"Master.bank", "Master.strings.bank", "Game.bank"}) {
            FMOD::Studio::Bank* loaded = nullptr;
            ASSERT_EQ(system->loadBankFile(ExampleBank(name).c_str(), FMOD_STUDIO_LOAD_BANK_NORMAL, &loaded), FMOD_OK)
                << name;
        }
    }
};

}  // namespace

TEST_F(ExampleBanks, TheMixerAndGlobalsAreThere)
{
    FMOD::Studio::Bus* bus = nullptr;
    FMOD::Studio::VCA* vca = nullptr;
    EXPECT_EQ(system->getBus("bus:/SFX", &bus), FMOD_OK);
    EXPECT_EQ(system->getBus("bus:/Music", &bus), FMOD_OK);
    EXPECT_EQ(system->getVCA("vca:/Master", &vca), FMOD_OK);
    EXPECT_EQ(system->setParameterByNameWithLabel("TimeOfDay", "Night"), FMOD_OK);
    FMOD::Studio::Bank* strings = nullptr;
    EXPECT_EQ(system->getBank("bank:/Master.strings", &strings), FMOD_OK);
}

TEST_F(ExampleBanks, TheMusicKeepsTimeAndPassesItsMarkers)
{
    FMOD::Studio::EventInstance* music = Create("event:/Music/Level 1");
    ASSERT_EQ(music->setCallback(CallbackLog::Record, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER |
                                                          FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT),
              FMOD_OK);
    ASSERT_EQ(music->start(), FMOD_OK);
    Update(8000 / 20 + 1);
    int beats = 0;
    int lastBar = 0;
    std::vector<std::string> markers;
    for (const CallbackEntry& entry : CallbackLog::Instance().Entries()) {
        if (entry.beat) {
            ++beats;
            lastBar = entry.beat->bar;
        }
        if (entry.markerName) markers.push_back(*entry.markerName);
    }
    EXPECT_EQ(beats, 17);  // bars 1 to 4, and the first beat of bar 5
    EXPECT_EQ(lastBar, 5);
    EXPECT_EQ(markers, (std::vector<std::string>{"Intro", "Verse", "Chorus"}));
}

TEST_F(ExampleBanks, TheFootstepIsA3DOneShotWithSurfaces)
{
    FMOD::Studio::EventDescription* footstep = Event("event:/SFX/Footstep");
    bool flag = false;
    EXPECT_EQ(footstep->is3D(&flag), FMOD_OK);
    EXPECT_TRUE(flag);
    EXPECT_EQ(footstep->isOneshot(&flag), FMOD_OK);
    EXPECT_TRUE(flag);
    FMOD::Studio::EventInstance* step = Create("event:/SFX/Footstep");
    EXPECT_EQ(step->setParameterByNameWithLabel("Surface", "Wood"), FMOD_OK);
    const FMOD_3D_ATTRIBUTES at{{3, 0, 4}, {}, {0, 0, 1}, {0, 1, 0}};
    EXPECT_EQ(step->set3DAttributes(&at), FMOD_OK);
    EXPECT_EQ(step->start(), FMOD_OK);
    EXPECT_EQ(step->release(), FMOD_OK);
    Update(400 / 20);
    EXPECT_EQ(Find(step), nullptr);
}
