#include <cstring>
#include <string>

#include "StudioTest.h"

using EventLookup = StudioTest;

namespace {

constexpr const char* kUnicodePath = "event:/UI/Ünïcødé";

}  // namespace

TEST_F(EventLookup, EventsAreFoundByPathIgnoringAsciiCaseOnly)
{
    FMOD::Studio::EventDescription* theme = Event("event:/Music/Theme");
    ASSERT_NE(theme, nullptr);
    EXPECT_TRUE(theme->isValid());
    FMOD::Studio::EventDescription* found = nullptr;
    EXPECT_EQ(system->getEvent("EVENT:/music/THEME", &found), FMOD_OK);
    EXPECT_EQ(found, theme);
    EXPECT_EQ(system->getEvent("EVENT:/ui/Ünïcødé", &found), FMOD_OK);
    EXPECT_EQ(found, Event(kUnicodePath));
    EXPECT_EQ(system->getEvent("event:/UI/ÜNÏCØDÉ", &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(found, nullptr);
}

TEST_F(EventLookup, UnknownOrUnusablePathsLeaveTheHandleNull)
{
    auto* garbage = reinterpret_cast<FMOD::Studio::EventDescription*>(0x4321);
    FMOD::Studio::EventDescription* found = garbage;
    EXPECT_EQ(system->getEvent("event:/Nope", &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(found, nullptr);
    found = garbage;
    EXPECT_EQ(system->getEvent("", &found), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(found, nullptr);
    found = garbage;
    EXPECT_EQ(system->getEvent(nullptr, &found), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(found, nullptr);
    const std::string overlong = "event:/" + std::string(100000, 'x');
    found = garbage;
    EXPECT_EQ(system->getEvent(overlong.c_str(), &found), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(system->getEvent("event:/Music/Theme", nullptr), FMOD_ERR_INVALID_PARAM);
}

TEST_F(EventLookup, PathsComeBackWholeOrTruncatedOnACodePointBoundary)
{
    FMOD::Studio::EventDescription* unicode = Event(kUnicodePath);
    const int whole = static_cast<int>(std::strlen(kUnicodePath)) + 1;
    char path[64];
    int retrieved = 0;
    EXPECT_EQ(unicode->getPath(path, sizeof path, &retrieved), FMOD_OK);
    EXPECT_STREQ(path, kUnicodePath);
    EXPECT_EQ(retrieved, whole);

    std::memset(path, 'z', sizeof path);
    EXPECT_EQ(unicode->getPath(path, 12, &retrieved), FMOD_ERR_TRUNCATED);
    EXPECT_STREQ(path, "event:/UI/");  // "Ü" needs bytes 11 and 12; byte 12 holds the terminator
    EXPECT_EQ(path[11], 'z');
    EXPECT_EQ(retrieved, whole);

    retrieved = 0;
    EXPECT_EQ(unicode->getPath(nullptr, 0, &retrieved), FMOD_OK);
    EXPECT_EQ(retrieved, whole);
    EXPECT_EQ(unicode->getPath(path, 0, &retrieved), FMOD_ERR_TRUNCATED);
    EXPECT_EQ(unicode->getPath(path, -1, &retrieved), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(unicode->getPath(nullptr, 5, &retrieved), FMOD_ERR_INVALID_PARAM);
}

TEST_F(EventLookup, DescriptionsTellWhatTheyDescribe)
{
    FMOD::Studio::EventDescription* theme = Event("event:/Music/Theme");
    FMOD::Studio::EventDescription* step = Event("event:/SFX/Step");
    int length = 0;
    bool flag = true;
    EXPECT_EQ(theme->getLength(&length), FMOD_OK);
    EXPECT_EQ(length, 2000);
    EXPECT_EQ(theme->isOneshot(&flag), FMOD_OK);
    EXPECT_FALSE(flag);
    EXPECT_EQ(theme->is3D(&flag), FMOD_OK);
    EXPECT_FALSE(flag);
    EXPECT_EQ(step->isOneshot(&flag), FMOD_OK);
    EXPECT_TRUE(flag);
    EXPECT_EQ(step->is3D(&flag), FMOD_OK);
    EXPECT_TRUE(flag);
    EXPECT_EQ(step->getLength(nullptr), FMOD_ERR_INVALID_PARAM);

    int count = 0;
    EXPECT_EQ(step->getParameterDescriptionCount(&count), FMOD_OK);
    EXPECT_EQ(count, 1);
    FMOD_STUDIO_PARAMETER_DESCRIPTION byIndex{};
    FMOD_STUDIO_PARAMETER_DESCRIPTION byName{};
    EXPECT_EQ(step->getParameterDescriptionByIndex(0, &byIndex), FMOD_OK);
    EXPECT_EQ(step->getParameterDescriptionByName("surface", &byName), FMOD_OK);
    EXPECT_STREQ(byName.name, "Surface");
    EXPECT_EQ(byIndex.id.data1, byName.id.data1);
    EXPECT_EQ(byIndex.id.data2, byName.id.data2);
    EXPECT_EQ(byName.minimum, 0.0f);
    EXPECT_EQ(byName.maximum, 2.0f);
    EXPECT_EQ(byName.flags, FMOD_STUDIO_PARAMETER_DISCRETE | FMOD_STUDIO_PARAMETER_LABELED);
    EXPECT_EQ(step->getParameterDescriptionByIndex(1, &byIndex), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(step->getParameterDescriptionByIndex(-1, &byIndex), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(step->getParameterDescriptionByName("Nope", &byName), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(step->getParameterDescriptionByName("Surface", nullptr), FMOD_ERR_INVALID_PARAM);

    // The same name in another scope is another parameter.
    FMOD_STUDIO_PARAMETER_DESCRIPTION global{};
    EXPECT_EQ(system->getParameterDescriptionByName("Surface", &global), FMOD_OK);
    EXPECT_NE(global.id.data1, byName.id.data1);
    EXPECT_EQ(global.flags & FMOD_STUDIO_PARAMETER_GLOBAL, FMOD_STUDIO_PARAMETER_GLOBAL);
}

TEST_F(EventLookup, InstanceCountFollowsCreationAndDestruction)
{
    FMOD::Studio::EventDescription* step = Event("event:/SFX/Step");
    FMOD::Studio::EventInstance* first = Create("event:/SFX/Step");
    Create("event:/SFX/Step");
    int count = 0;
    EXPECT_EQ(step->getInstanceCount(&count), FMOD_OK);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(first->release(), FMOD_OK);
    EXPECT_EQ(step->getInstanceCount(&count), FMOD_OK);
    EXPECT_EQ(count, 2);  // released, destroyed at the next update
    Update();
    EXPECT_EQ(step->getInstanceCount(&count), FMOD_OK);
    EXPECT_EQ(count, 1);
}

TEST_F(EventLookup, BusesAndVcasAreFoundByPathAndKind)
{
    FMOD::Studio::Bus* bus = nullptr;
    FMOD::Studio::VCA* vca = nullptr;
    EXPECT_EQ(system->getBus("bus:/SFX", &bus), FMOD_OK);
    EXPECT_TRUE(bus->isValid());
    EXPECT_EQ(system->getVCA("VCA:/master", &vca), FMOD_OK);
    EXPECT_TRUE(vca->isValid());
    char path[32];
    EXPECT_EQ(vca->getPath(path, sizeof path, nullptr), FMOD_OK);
    EXPECT_STREQ(path, "vca:/Master");

    EXPECT_EQ(system->getBus("vca:/Master", &bus), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(bus, nullptr);
    EXPECT_EQ(system->getVCA("bus:/SFX", &vca), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(vca, nullptr);
    EXPECT_EQ(system->getBus("bus:/Nope", &bus), FMOD_ERR_EVENT_NOTFOUND);
    EXPECT_EQ(system->getBus(nullptr, &bus), FMOD_ERR_INVALID_PARAM);
}
