#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "StudioTest.h"

using Parameters = StudioTest;

namespace {

struct Reading {
    FMOD_RESULT result;
    float value;
    float finalValue;
};

Reading Read(FMOD::Studio::EventInstance* instance, const char* name)
{
    Reading reading{FMOD_OK, -99.0f, -99.0f};
    reading.result = instance->getParameterByName(name, &reading.value, &reading.finalValue);
    return reading;
}

Reading ReadGlobal(FMOD::Studio::System* system, const char* name)
{
    Reading reading{FMOD_OK, -99.0f, -99.0f};
    reading.result = system->getParameterByName(name, &reading.value, &reading.finalValue);
    return reading;
}

FMOD_STUDIO_PARAMETER_ID IdOf(FMOD::Studio::EventDescription* description, const char* name)
{
    FMOD_STUDIO_PARAMETER_DESCRIPTION parameter{};
    EXPECT_EQ(description->getParameterDescriptionByName(name, &parameter), FMOD_OK);
    return parameter.id;
}

}  // namespace

TEST_F(Parameters, InstanceValuesAreClampedToTheRange)
{
    FMOD::Studio::EventInstance* theme = Create("event:/Music/Theme");
    EXPECT_EQ(Read(theme, "Intensity").value, 1.0f);
    EXPECT_EQ(theme->setParameterByName("Intensity", 12.0f, true), FMOD_OK);
    EXPECT_EQ(Read(theme, "Intensity").value, 10.0f);
    EXPECT_EQ(theme->setParameterByName("intensity", -3.0f, true), FMOD_OK);
    EXPECT_EQ(Read(theme, "INTENSITY").value, 0.0f);
    EXPECT_TRUE(TraceHas("parameter \"Intensity\" = 0 (asked -3)"));
    EXPECT_EQ(theme->getParameterByName("Intensity", nullptr, nullptr), FMOD_OK);
}

TEST_F(Parameters, TheFinalValueFollowsAtTheSeekSpeed)
{
    FMOD::Studio::EventInstance* theme = Create("event:/Music/Theme");  // 10 units a second
    ASSERT_EQ(theme->setParameterByName("Intensity", 5.0f), FMOD_OK);
    Reading reading = Read(theme, "Intensity");
    EXPECT_EQ(reading.value, 5.0f);
    EXPECT_EQ(reading.finalValue, 1.0f);
    Update(10);
    EXPECT_NEAR(Read(theme, "Intensity").finalValue, 3.0f, 1e-4);
    Update(20);
    EXPECT_EQ(Read(theme, "Intensity").finalValue, 5.0f);
    ASSERT_EQ(theme->setParameterByName("Intensity", 0.0f, true), FMOD_OK);
    EXPECT_EQ(Read(theme, "Intensity").finalValue, 0.0f);
}

TEST_F(Parameters, NonFiniteUnknownAndOverlongAreRefused)
{
    FMOD::Studio::EventInstance* theme = Create("event:/Music/Theme");
    EXPECT_EQ(theme->setParameterByName("Intensity", std::numeric_limits<float>::quiet_NaN()), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(theme->setParameterByName("Intensity", std::numeric_limits<float>::infinity()), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(theme->setParameterByName("Intensity", -std::numeric_limits<float>::infinity()), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(Read(theme, "Intensity").value, 1.0f);
    EXPECT_EQ(theme->setParameterByName("Volume", 1.0f), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(theme->setParameterByName("Weather", 1.0f), FMOD_ERR_EVENT_NOTFOUND);  // a global, not the event's
    EXPECT_EQ(Read(theme, "Volume").result, FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(Read(theme, "Volume").value, -99.0f);
    const std::string overlong(300, 'I');
    EXPECT_EQ(theme->setParameterByName(overlong.c_str(), 1.0f), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(theme->setParameterByName(nullptr, 1.0f), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(theme->setParameterByNameWithLabel("Intensity", nullptr), FMOD_ERR_INVALID_PARAM);
}

TEST_F(Parameters, ALabelSelectsItsIndex)
{
    FMOD::Studio::EventInstance* step = Create("event:/SFX/Step");
    EXPECT_EQ(step->setParameterByNameWithLabel("Surface", "Wood"), FMOD_OK);
    EXPECT_EQ(Read(step, "Surface").value, 2.0f);
    EXPECT_EQ(step->setParameterByNameWithLabel("surface", "gravel"), FMOD_OK);
    EXPECT_EQ(Read(step, "Surface").value, 1.0f);
    EXPECT_EQ(step->setParameterByNameWithLabel("Surface", "Lava"), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(step->setParameterByNameWithLabel("Ground", "Wood"), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(Read(step, "Surface").value, 1.0f);
    // A value between labels is kept as given; a reader picks the label by truncation.
    EXPECT_EQ(step->setParameterByName("Surface", 1.9f), FMOD_OK);
    EXPECT_EQ(Read(step, "Surface").value, 1.9f);
    EXPECT_TRUE(TraceHas("parameter \"Surface\" = 1 (label \"gravel\")"));
}

TEST_F(Parameters, LabelsAreCopiedWithinTheBufferGiven)
{
    FMOD::Studio::EventDescription* step = Event("event:/SFX/Step");
    const FMOD_STUDIO_PARAMETER_ID surface = IdOf(step, "Surface");
    char label[256];
    int retrieved = 0;
    EXPECT_EQ(step->getParameterLabelByID(surface, 1, label, sizeof label, &retrieved), FMOD_OK);
    EXPECT_STREQ(label, "Gravel");
    EXPECT_EQ(retrieved, 7);
    EXPECT_EQ(step->getParameterLabelByID(surface, 1, label, 4, &retrieved), FMOD_ERR_TRUNCATED);
    EXPECT_STREQ(label, "Gra");
    EXPECT_EQ(retrieved, 7);
    EXPECT_EQ(step->getParameterLabelByID(surface, 3, label, sizeof label, &retrieved), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(step->getParameterLabelByID(surface, -1, label, sizeof label, &retrieved), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(step->getParameterLabelByID(surface, 0, label, sizeof label, nullptr), FMOD_OK);
    EXPECT_STREQ(label, "Grass");

    FMOD::Studio::EventDescription* theme = Event("event:/Music/Theme");
    EXPECT_EQ(theme->getParameterLabelByID(IdOf(theme, "Intensity"), 0, label, sizeof label, &retrieved),
              FMOD_ERR_INVALID_PARAM);  // no labels
    EXPECT_EQ(theme->getParameterLabelByID(surface, 0, label, sizeof label, &retrieved), FMOD_ERR_EVENT_NOTFOUND);
}

TEST_F(Parameters, NonAsciiLabelsAreCutOnACodePointBoundary)
{
    Load("bank \"Labels\"\nevent \"event:/Labelled\" length 10\n  parameter \"Mood\" labels \"Ruhig\" \"Größer\"\n",
         "Labels.bank");
    FMOD::Studio::EventDescription* description = Event("event:/Labelled");
    FMOD::Studio::EventInstance* instance = Create("event:/Labelled");
    EXPECT_EQ(instance->setParameterByNameWithLabel("Mood", "Größer"), FMOD_OK);
    EXPECT_EQ(Read(instance, "Mood").value, 1.0f);
    char label[8];
    int retrieved = 0;
    EXPECT_EQ(description->getParameterLabelByID(IdOf(description, "Mood"), 1, label, 4, &retrieved),
              FMOD_ERR_TRUNCATED);
    EXPECT_STREQ(label, "Gr");  // "ö" does not fit beside the terminator
    EXPECT_EQ(retrieved, static_cast<int>(std::strlen("Größer")) + 1);
}

TEST_F(Parameters, GlobalsAreClampedLabelledDescribedAndSeek)
{
    EXPECT_EQ(ReadGlobal(system, "Weather").value, 0.25f);
    EXPECT_EQ(system->setParameterByName("Weather", 2.0f), FMOD_OK);
    EXPECT_EQ(ReadGlobal(system, "weather").value, 1.0f);
    EXPECT_EQ(system->setParameterByName("Weather", std::nanf("")), FMOD_ERR_INVALID_FLOAT);
    EXPECT_EQ(ReadGlobal(system, "Weather").value, 1.0f);
    EXPECT_EQ(system->setParameterByName("Fog", 1.0f), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(ReadGlobal(system, "Fog").result, FMOD_ERR_EVENT_NOTFOUND);

    EXPECT_EQ(system->setParameterByNameWithLabel("Surface", "Wood"), FMOD_OK);
    EXPECT_EQ(ReadGlobal(system, "Surface").value, 2.0f);
    EXPECT_EQ(system->setParameterByNameWithLabel("Surface", "Ice"), FMOD_ERR_EVENT_NOTFOUND);

    FMOD_STUDIO_PARAMETER_DESCRIPTION description{};
    EXPECT_EQ(system->getParameterDescriptionByName("Surface", &description), FMOD_OK);
    EXPECT_STREQ(description.name, "Surface");
    EXPECT_EQ(description.flags, FMOD_STUDIO_PARAMETER_GLOBAL | FMOD_STUDIO_PARAMETER_DISCRETE |
                                     FMOD_STUDIO_PARAMETER_LABELED);
    char label[256];
    int retrieved = 0;
    EXPECT_EQ(system->getParameterLabelByID(description.id, 2, label, sizeof label, &retrieved), FMOD_OK);
    EXPECT_STREQ(label, "Wood");
    EXPECT_EQ(system->getParameterLabelByID(description.id, 3, label, sizeof label, &retrieved),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(system->getParameterLabelByID({1, 2}, 0, label, sizeof label, &retrieved), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(system->getParameterDescriptionByName("Fog", &description), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(system->getParameterDescriptionByName("Surface", nullptr), FMOD_ERR_INVALID_PARAM);

    ASSERT_EQ(system->setParameterByName("Slow", 10.0f), FMOD_OK);  // 2 units a second
    Update(50);
    Reading slow = ReadGlobal(system, "Slow");
    EXPECT_EQ(slow.value, 10.0f);
    EXPECT_NEAR(slow.finalValue, 2.0f, 1e-4);
}

TEST_F(Parameters, ADescriptionNameStaysReadableAfterItsBankIsGone)
{
    FMOD_STUDIO_PARAMETER_DESCRIPTION description{};
    ASSERT_EQ(Event("event:/Music/Theme")->getParameterDescriptionByName("Intensity", &description), FMOD_OK);
    ASSERT_EQ(bank->unload(), FMOD_OK);
    EXPECT_STREQ(description.name, "Intensity");
}
