// The event callback Tonvale exports, registered by other code on an instance whose user data is
// a studio object; the object's last callback is read from the object itself, as no export does.
#include <gtest/gtest.h>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "studio/Extension.h"
#include "tests/dll/support/AudioSession.h"

using StandinHost::Parameter;
using TestSupport::AudioSession;
using TestSupport::SampleBank;

namespace {

// The member's mangled name, as the library's export table lists it.
constexpr char kEventCallbackExport[] = "_ZN9Sonbridge13EventCallbackEjP25FMOD_STUDIO_EVENTINSTANCEPv";

class StudioCallback : public ::testing::Test {
protected:
    AudioSession session;
    StandinHost::RunObject& studio = session.CreateStudio();
    FMOD_STUDIO_EVENT_CALLBACK callback = session.Studio().Export<FMOD_STUDIO_EVENT_CALLBACK>(kEventCallbackExport);
    FMOD::Studio::EventInstance* instance = nullptr;

    void SetUp() override
    {
        studio.Action(0, {Parameter::Text(std::filesystem::path(SampleBank("Game.bank")).wstring())});
        FMOD::Studio::EventDescription* music = nullptr;
        ASSERT_EQ(Sonbridge::studioSystem->getEvent("event:/Music/Level 1", &music), FMOD_OK);
        ASSERT_EQ(music->createInstance(&instance), FMOD_OK);
    }

    std::string Last() const { return static_cast<Extension*>(studio.Data()->extension)->lastCallback.Get(); }
    FMOD_RESULT Report(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, void* parameters = nullptr)
    {
        return callback(type, reinterpret_cast<FMOD_STUDIO_EVENTINSTANCE*>(instance), parameters);
    }
};

TEST_F(StudioCallback, RecordsTypesMarkersAndBeatsInTheNamedObject)
{
    ASSERT_NE(callback, nullptr);
    EXPECT_EQ(Last(), "");
    ASSERT_EQ(instance->setUserData(studio.Data()->extension), FMOD_OK);

    EXPECT_EQ(Report(FMOD_STUDIO_EVENT_CALLBACK_STARTED), FMOD_OK);
    EXPECT_EQ(Last(), "STARTED");
    FMOD_STUDIO_TIMELINE_MARKER_PROPERTIES marker{"Chorus", 8000};
    EXPECT_EQ(Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER, &marker), FMOD_OK);
    EXPECT_EQ(Last(), "Chorus");
    marker.name = nullptr;
    Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER, &marker);
    EXPECT_EQ(Last(), "TIMELINE_MARKER");
    Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER);
    EXPECT_EQ(Last(), "TIMELINE_MARKER");

    FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES beat{3, 2, 5000, 120.0f, 4, 4};
    EXPECT_EQ(Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT, &beat), FMOD_OK);
    EXPECT_EQ(Last(), "3_BEAT_2");
    beat = {-12, 0, 0, 60.0f, 3, 8};
    Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT, &beat);
    EXPECT_EQ(Last(), "-12_BEAT_0");
    Report(FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT);
    EXPECT_EQ(Last(), "TIMELINE_BEAT");

    // A type the runtime has no name for leaves its empty name.
    EXPECT_EQ(Report(0x3), FMOD_OK);
    EXPECT_EQ(Last(), "");
}

TEST_F(StudioCallback, AnInstanceWithoutUserDataIsIgnored)
{
    ASSERT_EQ(instance->setUserData(studio.Data()->extension), FMOD_OK);
    Report(FMOD_STUDIO_EVENT_CALLBACK_STARTED);
    ASSERT_EQ(instance->setUserData(nullptr), FMOD_OK);
    EXPECT_EQ(Report(FMOD_STUDIO_EVENT_CALLBACK_STOPPED), FMOD_OK);
    EXPECT_EQ(Last(), "STARTED");
    // A released instance answers no user data either.
    instance->release();
    EXPECT_EQ(Report(FMOD_STUDIO_EVENT_CALLBACK_STOPPED), FMOD_OK);
    EXPECT_EQ(Last(), "STARTED");
}

TEST_F(StudioCallback, RegisteredOnAPlayingInstanceItFollowsTheTimeline)
{
    ASSERT_EQ(instance->setUserData(studio.Data()->extension), FMOD_OK);
    ASSERT_EQ(instance->setCallback(callback, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT), FMOD_OK);
    instance->start();
    session.Tick();
    EXPECT_EQ(Last(), "1_BEAT_1");
    session.Tick(50);  // 1 s at 120 beats a minute: beat 3 of bar 1
    EXPECT_EQ(Last(), "1_BEAT_3");

    ASSERT_EQ(instance->setCallback(callback, FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER), FMOD_OK);
    session.Tick(150);  // past 4 s
    EXPECT_EQ(Last(), "Verse");
}

}  // namespace
