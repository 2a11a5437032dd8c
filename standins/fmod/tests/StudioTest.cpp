#include "StudioTest.h"

#include "SonbridgeStandinControl.h"

const char* const kTestBank = R"(# The bank most tests use.
bank "Test"
bus "bus:/"
bus "bus:/SFX"
bus "bus:/SFX/Steps"
vca "vca:/Master"
global "Weather" min 0 max 1 default 0.25
global "Surface" labels "Grass" "Gravel" "Wood"
global "Slow" min 0 max 10 seek 2

event "event:/Music/Theme" length 2000 loop tempo 120 signature 4/4 fadeout 100
  marker 0 "Intro"
  marker 1000 "Chorus"
  marker 1500
  parameter "Intensity" min 0 max 10 default 1 seek 10
event "event:/SFX/Step" length 100 3d
  parameter "Surface" labels "Grass" "Gravel" "Wood"
event "event:/SFX/Long" length 1000 fadeout 60
event "event:/UI/Ünïcødé" length 40
)";

void StudioTest::SetUp()
{
    SonbridgeStandin::Reset();
    ASSERT_EQ(FmodStandin::Reset(), FMOD_OK);
    CallbackLog::Instance().Clear();
    ASSERT_EQ(FMOD::Studio::System::create(&system), FMOD_OK);
    ASSERT_EQ(system->initialize(64, FMOD_STUDIO_INIT_NORMAL, FMOD_INIT_NORMAL, nullptr), FMOD_OK);
    bank = Load(kTestBank);
}

void StudioTest::TearDown()
{
    EXPECT_EQ(FmodStandin::Reset(), FMOD_OK);
}

FMOD::Studio::Bank* StudioTest::Load(std::string_view text, std::string_view fileName)
{
    FMOD::Studio::Bank* loaded = nullptr;
    const std::string path = folder.Write(fileName, text);
    EXPECT_EQ(system->loadBankFile(path.c_str(), FMOD_STUDIO_LOAD_BANK_NORMAL, &loaded), FMOD_OK);
    return loaded;
}

FMOD::Studio::EventDescription* StudioTest::Event(const char* path)
{
    FMOD::Studio::EventDescription* description = nullptr;
    EXPECT_EQ(system->getEvent(path, &description), FMOD_OK) << path;
    return description;
}

FMOD::Studio::EventInstance* StudioTest::Create(const char* path)
{
    FMOD::Studio::EventInstance* instance = nullptr;
    EXPECT_EQ(Event(path)->createInstance(&instance), FMOD_OK) << path;
    return instance;
}

const FmodStandin::InstanceInfo* StudioTest::Find(FMOD::Studio::EventInstance* instance)
{
    snapshot_ = FmodStandin::Instances();
    for (const FmodStandin::InstanceInfo& info : snapshot_) {
        if (info.handle == instance) return &info;
    }
    return nullptr;
}

FMOD_STUDIO_PLAYBACK_STATE StudioTest::State(FMOD::Studio::EventInstance* instance)
{
    const FmodStandin::InstanceInfo* info = Find(instance);
    EXPECT_NE(info, nullptr) << "no such instance";
    return info != nullptr ? info->state : FMOD_STUDIO_PLAYBACK_FORCEINT;
}

int StudioTest::Position(FMOD::Studio::EventInstance* instance)
{
    int position = -1;
    EXPECT_EQ(instance->getTimelinePosition(&position), FMOD_OK);
    return position;
}

void StudioTest::Update(int times)
{
    for (int i = 0; i < times; ++i) ASSERT_EQ(system->update(), FMOD_OK);
}

bool StudioTest::TraceHas(std::string_view text) const
{
    for (const std::string& line : FmodStandin::Trace()) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}
