#include <cmath>
#include <limits>

#include "StudioTest.h"

using ListenerAndMixer = StudioTest;

namespace {

FMOD_3D_ATTRIBUTES At(float x, float y, float z)
{
    return {{x, y, z}, {0, 0, 0}, {0, 0, 2}, {0, 3, 0}};  // left unnormalised on purpose
}

void ExpectSame(const FMOD_VECTOR& a, const FMOD_VECTOR& b)
{
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    EXPECT_EQ(a.z, b.z);
}

}  // namespace

TEST_F(ListenerAndMixer, ListenerAttributesComeBackAsGiven)
{
    const FMOD_3D_ATTRIBUTES placed = At(1, 2, 3);
    ASSERT_EQ(system->setListenerAttributes(0, &placed), FMOD_OK);
    FMOD_3D_ATTRIBUTES read{};
    FMOD_VECTOR attenuation{};
    EXPECT_EQ(system->getListenerAttributes(0, &read, &attenuation), FMOD_OK);
    ExpectSame(read.position, placed.position);
    ExpectSame(read.forward, placed.forward);
    ExpectSame(read.up, placed.up);
    ExpectSame(attenuation, placed.position);  // none given: the listener's own position

    const FMOD_VECTOR ears{9, 8, 7};
    ASSERT_EQ(system->setListenerAttributes(0, &placed, &ears), FMOD_OK);
    EXPECT_EQ(system->getListenerAttributes(0, nullptr, &attenuation), FMOD_OK);
    ExpectSame(attenuation, ears);
    const auto listeners = FmodStandin::Listeners();
    ASSERT_EQ(listeners.size(), 1u);
    ExpectSame(listeners[0].attributes.position, placed.position);
    ExpectSame(listeners[0].attenuationPosition, ears);
    EXPECT_TRUE(TraceHas("listener 0 at (1, 2, 3)"));
}

TEST_F(ListenerAndMixer, ListenerIndexAndValuesAreChecked)
{
    const FMOD_3D_ATTRIBUTES placed = At(1, 2, 3);
    EXPECT_EQ(system->setListenerAttributes(1, &placed), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->setListenerAttributes(-1, &placed), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->setListenerAttributes(0, nullptr), FMOD_ERR_INVALID_PARAM);
    FMOD_3D_ATTRIBUTES broken = placed;
    broken.up.y = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(system->setListenerAttributes(0, &broken), FMOD_ERR_INVALID_FLOAT);
    const FMOD_VECTOR far{std::numeric_limits<float>::infinity(), 0, 0};
    EXPECT_EQ(system->setListenerAttributes(0, &placed, &far), FMOD_ERR_INVALID_FLOAT);
    FMOD_3D_ATTRIBUTES read{};
    ASSERT_EQ(system->getListenerAttributes(0, &read), FMOD_OK);
    EXPECT_EQ(read.position.x, 0.0f);  // nothing was taken
    EXPECT_EQ(read.forward.z, 1.0f);

    EXPECT_EQ(system->setNumListeners(0), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->setNumListeners(FMOD_MAX_LISTENERS + 1), FMOD_ERR_INVALID_PARAM);
    ASSERT_EQ(system->setNumListeners(2), FMOD_OK);
    int count = 0;
    EXPECT_EQ(system->getNumListeners(&count), FMOD_OK);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(system->setListenerAttributes(1, &placed), FMOD_OK);
    EXPECT_EQ(FmodStandin::Listeners().size(), 2u);
}

TEST_F(ListenerAndMixer, InstancesKeepTheirOwn3DAttributes)
{
    FMOD::Studio::EventInstance* step = Create("event:/SFX/Step");
    FMOD_3D_ATTRIBUTES read{};
    ASSERT_EQ(step->get3DAttributes(&read), FMOD_OK);
    EXPECT_EQ(read.forward.z, 1.0f);
    EXPECT_EQ(read.up.y, 1.0f);
    const FMOD_3D_ATTRIBUTES placed = At(-4, 5.5f, 6);
    ASSERT_EQ(step->set3DAttributes(&placed), FMOD_OK);
    ASSERT_EQ(step->get3DAttributes(&read), FMOD_OK);
    ExpectSame(read.position, placed.position);
    ExpectSame(read.up, placed.up);
    FMOD_3D_ATTRIBUTES broken = placed;
    broken.velocity.x = std::numeric_limits<float>::infinity();
    EXPECT_EQ(step->set3DAttributes(&broken), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(step->set3DAttributes(nullptr), FMOD_ERR_INVALID_PARAM);
    ASSERT_NE(Find(step), nullptr);
    ExpectSame(Find(step)->attributes.position, placed.position);
}

TEST_F(ListenerAndMixer, BusVolumesAreTakenAsGivenAndMultiplyDownTheTree)
{
    FMOD::Studio::Bus* master = nullptr;
    FMOD::Studio::Bus* sfx = nullptr;
    FMOD::Studio::Bus* steps = nullptr;
    ASSERT_EQ(system->getBus("bus:/", &master), FMOD_OK);
    ASSERT_EQ(system->getBus("bus:/SFX", &sfx), FMOD_OK);
    ASSERT_EQ(system->getBus("bus:/SFX/Steps", &steps), FMOD_OK);
    EXPECT_EQ(master->setVolume(0.5f), FMOD_OK);
    EXPECT_EQ(sfx->setVolume(1.5f), FMOD_OK);
    EXPECT_EQ(steps->setVolume(0.4f), FMOD_OK);
    float volume = 0.0f;
    float finalVolume = 0.0f;
    EXPECT_EQ(steps->getVolume(&volume, &finalVolume), FMOD_OK);
    EXPECT_FLOAT_EQ(volume, 0.4f);
    EXPECT_FLOAT_EQ(finalVolume, 0.4f * 1.5f * 0.5f);
    EXPECT_EQ(sfx->getVolume(&volume, nullptr), FMOD_OK);
    EXPECT_FLOAT_EQ(volume, 1.5f);

    EXPECT_EQ(sfx->setVolume(-1.0f), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(sfx->setVolume(std::numeric_limits<float>::quiet_NaN()), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(sfx->getVolume(&volume), FMOD_OK);
    EXPECT_FLOAT_EQ(volume, 1.5f);
    EXPECT_TRUE(TraceHas("bus:/SFX volume 1.5"));
}

TEST_F(ListenerAndMixer, VcaVolumesAreKeptAndShown)
{
    FMOD::Studio::VCA* vca = nullptr;
    ASSERT_EQ(system->getVCA("vca:/Master", &vca), FMOD_OK);
    EXPECT_EQ(vca->setVolume(0.25f), FMOD_OK);
    float volume = 0.0f;
    float finalVolume = 0.0f;
    EXPECT_EQ(vca->getVolume(&volume, &finalVolume), FMOD_OK);
    EXPECT_EQ(volume, 0.25f);
    EXPECT_EQ(finalVolume, 0.25f);
    bool shown = false;
    for (const FmodStandin::MixerStripInfo& strip : FmodStandin::MixerStrips()) {
        if (strip.path == "vca:/Master") {
            shown = true;
            EXPECT_TRUE(strip.isVca);
            EXPECT_EQ(strip.volume, 0.25f);
        }
    }
    EXPECT_TRUE(shown);
}
