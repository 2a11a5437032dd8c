#include "StudioTest.h"

using HandleValidity = StudioTest;

namespace {

template <typename T>
T* Forged(std::uintptr_t value)
{
    return reinterpret_cast<T*>(value);
}

}  // namespace

TEST_F(HandleValidity, NullHandlesAreRefusedByEveryClass)
{
    FMOD::Studio::System* noSystem = nullptr;
    FMOD::Studio::Bank* noBank = nullptr;
    FMOD::Studio::Bus* noBus = nullptr;
    FMOD::Studio::VCA* noVca = nullptr;
    FMOD::Studio::EventDescription* noDescription = nullptr;
    FMOD::Studio::EventInstance* noInstance = nullptr;
    EXPECT_FALSE(noSystem->isValid());
    EXPECT_EQ(noSystem->update(), FMOD_ERR_INVALID_HANDLE);
    FMOD::Studio::EventDescription* description = Forged<FMOD::Studio::EventDescription>(8);
    EXPECT_EQ(noSystem->getEvent("event:/SFX/Step", &description), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(description, nullptr);
    EXPECT_EQ(noBank->unload(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noBus->setVolume(0.5f), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noVca->setVolume(0.5f), FMOD_ERR_INVALID_HANDLE);
    FMOD::Studio::EventInstance* instance = Forged<FMOD::Studio::EventInstance>(8);
    EXPECT_EQ(noDescription->createInstance(&instance), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance, nullptr);
    EXPECT_EQ(noInstance->start(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noInstance->getPlaybackState(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noInstance->getDescription(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noInstance->setCallback(CallbackLog::Record), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(noInstance->release(), FMOD_ERR_INVALID_HANDLE);
}

TEST_F(HandleValidity, ForgedAndMismatchedHandlesAreRefused)
{
    EXPECT_EQ(Forged<FMOD::Studio::EventInstance>(0x12345678)->start(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(Forged<FMOD::Studio::EventInstance>(0xFFFFFFFC)->release(), FMOD_ERR_INVALID_HANDLE);
    // A live handle of one class is no handle of another.
    auto* bankAsInstance = reinterpret_cast<FMOD::Studio::EventInstance*>(bank);
    EXPECT_EQ(bankAsInstance->start(), FMOD_ERR_INVALID_HANDLE);
    FMOD::Studio::Bus* bus = nullptr;
    ASSERT_EQ(system->getBus("bus:/SFX", &bus), FMOD_OK);
    EXPECT_EQ(reinterpret_cast<FMOD::Studio::VCA*>(bus)->setVolume(0.1f), FMOD_ERR_INVALID_HANDLE);
    auto* descriptionAsSystem = reinterpret_cast<FMOD::Studio::System*>(Event("event:/SFX/Step"));
    EXPECT_EQ(descriptionAsSystem->update(), FMOD_ERR_INVALID_HANDLE);
    float volume = 0.0f;
    EXPECT_EQ(bus->getVolume(&volume), FMOD_OK);
    EXPECT_EQ(volume, 1.0f);
}

TEST_F(HandleValidity, AReleasedInstanceRefusesEveryCallAndKeepsItsState)
{
    int owner = 0;
    FMOD::Studio::EventInstance* instance = Create("event:/Music/Theme");
    ASSERT_EQ(instance->setUserData(&owner), FMOD_OK);
    ASSERT_EQ(instance->start(), FMOD_OK);
    Update();
    ASSERT_EQ(instance->release(), FMOD_OK);

    const FMOD_3D_ATTRIBUTES attributes{{1, 2, 3}, {}, {0, 0, 1}, {0, 1, 0}};
    float value = -1.0f;
    void* data = nullptr;
    FMOD::Studio::EventDescription* description = Forged<FMOD::Studio::EventDescription>(8);
    EXPECT_FALSE(instance->isValid());
    EXPECT_EQ(instance->start(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->stop(FMOD_STUDIO_STOP_IMMEDIATE), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->release(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->getPlaybackState(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->getDescription(&description), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(description, nullptr);
    EXPECT_EQ(instance->set3DAttributes(&attributes), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->setParameterByName("Intensity", 5.0f), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->getParameterByName("Intensity", &value), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(value, -1.0f);
    EXPECT_EQ(instance->setCallback(CallbackLog::Record), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->setUserData(nullptr), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(instance->getUserData(&data), FMOD_ERR_INVALID_HANDLE);

    const FmodStandin::InstanceInfo* info = Find(instance);
    ASSERT_NE(info, nullptr);  // a looping event plays on until its bank goes
    EXPECT_EQ(info->state, FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(info->userData, &owner);
    EXPECT_EQ(info->callback, nullptr);
    EXPECT_EQ(info->attributes.position.x, 0.0f);
    EXPECT_EQ(info->parameters.at(0).value, 1.0f);
}

TEST_F(HandleValidity, NullDestinationsOfStateAndDescriptionQueriesAreAccepted)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Step");
    EXPECT_EQ(instance->getPlaybackState(nullptr), FMOD_OK);
    EXPECT_EQ(instance->getDescription(nullptr), FMOD_OK);
    FMOD::Studio::EventDescription* description = nullptr;
    EXPECT_EQ(instance->getDescription(&description), FMOD_OK);
    EXPECT_EQ(description, Event("event:/SFX/Step"));
    EXPECT_EQ(instance->getTimelinePosition(nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(instance->get3DAttributes(nullptr), FMOD_ERR_INVALID_PARAM);
}

TEST_F(HandleValidity, AReleasedSystemTakesEveryHandleWithIt)
{
    FMOD::Studio::EventInstance* instance = Create("event:/SFX/Long");
    FMOD::Studio::Bus* bus = nullptr;
    ASSERT_EQ(system->getBus("bus:/SFX", &bus), FMOD_OK);
    ASSERT_EQ(system->release(), FMOD_OK);
    EXPECT_FALSE(system->isValid());
    EXPECT_EQ(system->update(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_EQ(system->release(), FMOD_ERR_INVALID_HANDLE);
    EXPECT_FALSE(bank->isValid());
    EXPECT_FALSE(bus->isValid());
    EXPECT_FALSE(instance->isValid());
    EXPECT_FALSE(FmodStandin::GetSystemInfo().exists);

    FMOD::Studio::System* next = nullptr;
    ASSERT_EQ(FMOD::Studio::System::create(&next), FMOD_OK);
    EXPECT_NE(next, system);
    EXPECT_FALSE(system->isValid());
    EXPECT_TRUE(next->isValid());
}

TEST_F(HandleValidity, SystemCreationAndInitialisationCheckTheirArguments)
{
    FMOD::Studio::System* second = Forged<FMOD::Studio::System>(8);
    EXPECT_EQ(FMOD::Studio::System::create(&second), FMOD_ERR_INITIALIZED);  // one system at a time
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(FMOD::Studio::System::create(nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->initialize(64, 0, 0, nullptr), FMOD_ERR_INITIALIZED);
    ASSERT_EQ(system->release(), FMOD_OK);

    EXPECT_EQ(FMOD::Studio::System::create(&second, FMOD_VERSION + 1), FMOD_ERR_HEADER_MISMATCH);
    EXPECT_EQ(second, nullptr);
    ASSERT_EQ(FMOD::Studio::System::create(&second), FMOD_OK);
    FMOD::Studio::EventDescription* description = nullptr;
    EXPECT_EQ(second->getEvent("event:/SFX/Step", &description), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(second->update(), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(second->initialize(0, 0, 0, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(second->initialize(-5, 0, 0, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(second->initialize(4096, 0, 0, nullptr), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(second->initialize(32, 0x8000, 0, nullptr), FMOD_ERR_INVALID_PARAM);

    FMOD::System* core = nullptr;
    ASSERT_EQ(second->getCoreSystem(&core), FMOD_OK);
    EXPECT_EQ(core->setSoftwareChannels(-1), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(core->setSoftwareChannels(4096), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(core->setSoftwareChannels(8), FMOD_OK);
    ASSERT_EQ(second->initialize(32, FMOD_STUDIO_INIT_LIVEUPDATE, 0, nullptr), FMOD_OK);
    EXPECT_EQ(core->setSoftwareChannels(4), FMOD_ERR_INITIALIZED);
    int channels = 0;
    EXPECT_EQ(core->getSoftwareChannels(&channels), FMOD_OK);
    EXPECT_EQ(channels, 8);
    const FmodStandin::SystemInfo info = FmodStandin::GetSystemInfo();
    EXPECT_EQ(info.maxChannels, 32);
    EXPECT_EQ(info.studioFlags, static_cast<FMOD_STUDIO_INITFLAGS>(FMOD_STUDIO_INIT_LIVEUPDATE));
}
