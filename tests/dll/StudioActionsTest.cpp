// The studio object's actions and expressions against the sample banks.
#include <gtest/gtest.h>

#include <cmath>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "tests/dll/support/AudioSession.h"

using StandinHost::Parameter;
using TestSupport::AudioSession;
using TestSupport::SampleBank;

namespace {

std::wstring Wide(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

std::vector<Parameter> Transform(const std::vector<float>& nine)
{
    std::vector<Parameter> parameters;
    for (float value : nine)
        parameters.push_back(Parameter::Float(value));
    return parameters;
}

class StudioActions : public ::testing::Test {
protected:
    AudioSession session;
    StandinHost::RunObject& studio = session.CreateStudio();

    void Load(const std::string& path) { studio.Action(0, {Parameter::Text(Wide(path))}); }
    bool GameLoaded() const
    {
        for (const auto& bank : FmodStandin::Banks())
            if (bank.path == "bank:/Game")
                return true;
        return false;
    }
    float Global(const wchar_t* name) { return studio.Expression(0, {Parameter::Text(name)}).real; }
    std::wstring Label(const wchar_t* name) { return studio.Expression(1, {Parameter::Text(name)}).text; }
};

TEST_F(StudioActions, LoadingRecordsTheBankUnderItsPathAsGiven)
{
    const std::string path = SampleBank("Game.bank");
    Load(path);
    ASSERT_TRUE(GameLoaded());
    ASSERT_EQ(Sonbridge::bankList.count(path), 1u);
    FMOD::Studio::Bank* first = Sonbridge::bankList[path];
    EXPECT_NE(first, nullptr);

    // Loaded already: the stand-in refuses, the entry keeps its handle, another spelling adds none.
    Load(path);
    std::string other = path;
    other[other.find("/examples")] = '\\';
    Load(other);
    EXPECT_EQ(Sonbridge::bankList[path], first);
    EXPECT_EQ(Sonbridge::bankList.count(other), 0u);

    // After an unload, a reload replaces the handle and another spelling is an entry of its own.
    studio.Action(1, {Parameter::Text(L"bank:/Game")});
    EXPECT_FALSE(GameLoaded());
    EXPECT_EQ(Sonbridge::bankList.count(path), 1u);  // unloading leaves the entry
    Load(path);
    EXPECT_NE(Sonbridge::bankList[path], first);
    studio.Action(1, {Parameter::Text(L"BANK:/game")});
    Load(other);
    EXPECT_EQ(Sonbridge::bankList.count(other), 1u);
    EXPECT_EQ(Sonbridge::bankList.size(), 4u);
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

TEST_F(StudioActions, FailedLoadsAndUnknownUnloadsChangeNothing)
{
    const auto before = Sonbridge::bankList;
    Load(SampleBank("Missing.bank"));
    Load("");
    studio.Action(0, {Parameter::Text(std::wstring(600, L'x'))});
    studio.Action(1, {Parameter::Text(L"bank:/Nothing")});
    studio.Action(1, {Parameter::Text(L"")});
    EXPECT_EQ(Sonbridge::bankList, before);
    EXPECT_EQ(FmodStandin::Banks().size(), 2u);
}

TEST_F(StudioActions, OneShotsPlayAndAreReleased)
{
    Load(SampleBank("Game.bank"));
    studio.Action(2, {Parameter::Text(L"event:/UI/Click")});
    auto parameters = Transform({1, 2, 3, 0, 0, -1, 0, 2, 0});  // not normalised on the way
    parameters.insert(parameters.begin(), Parameter::Text(L"event:/SFX/Explosion"));
    studio.Action(3, parameters);
    studio.Action(2, {Parameter::Text(L"event:/Unknown")});
    studio.Action(3, {Parameter::Text(L""), Parameter::Float(0), Parameter::Float(0), Parameter::Float(0),
                      Parameter::Float(0), Parameter::Float(0), Parameter::Float(1), Parameter::Float(0),
                      Parameter::Float(1), Parameter::Float(0)});
    session.Tick();

    const auto instances = FmodStandin::Instances();
    ASSERT_EQ(instances.size(), 2u);
    EXPECT_EQ(instances[0].eventPath, "event:/UI/Click");
    EXPECT_EQ(instances[1].eventPath, "event:/SFX/Explosion");
    for (const auto& instance : instances) {
        EXPECT_TRUE(instance.released);
        EXPECT_EQ(instance.state, FMOD_STUDIO_PLAYBACK_PLAYING);
    }
    const FMOD_3D_ATTRIBUTES& placed = instances[1].attributes;
    EXPECT_EQ((std::vector<float>{placed.position.x, placed.position.y, placed.position.z}),
              (std::vector<float>{1, 2, 3}));
    EXPECT_EQ((std::vector<float>{placed.velocity.x, placed.velocity.y, placed.velocity.z}),
              (std::vector<float>{0, 0, 0}));
    EXPECT_EQ((std::vector<float>{placed.forward.x, placed.forward.y, placed.forward.z}),
              (std::vector<float>{0, 0, -1}));
    EXPECT_EQ((std::vector<float>{placed.up.x, placed.up.y, placed.up.z}), (std::vector<float>{0, 2, 0}));

    // Released one-shots are freed once they end: the click lasts 150 ms, the explosion 2.5 s.
    session.Tick(10);
    ASSERT_EQ(FmodStandin::Instances().size(), 1u);
    session.Tick(130);
    EXPECT_TRUE(FmodStandin::Instances().empty());
}

TEST_F(StudioActions, GlobalParametersByValueAndByLabel)
{
    studio.Action(4, {Parameter::Text(L"Weather"), Parameter::Float(0.25f)});
    EXPECT_FLOAT_EQ(Global(L"Weather"), 0.25f);
    EXPECT_EQ(Label(L"Weather"), L"");  // no labels

    studio.Action(5, {Parameter::Text(L"TimeOfDay"), Parameter::Text(L"Night")});
    EXPECT_FLOAT_EQ(Global(L"TimeOfDay"), 3.0f);
    EXPECT_EQ(Label(L"TimeOfDay"), L"Night");

    studio.Action(4, {Parameter::Text(L"TimeOfDay"), Parameter::Float(2.7f)});
    EXPECT_FLOAT_EQ(Global(L"TimeOfDay"), 2.7f);
    EXPECT_EQ(Label(L"TimeOfDay"), L"Dusk");  // truncated to index 2

    // -0.5 is clamped by the stand-in to the range's start, which is also what truncation gives.
    studio.Action(4, {Parameter::Text(L"TimeOfDay"), Parameter::Float(-0.5f)});
    EXPECT_EQ(Label(L"TimeOfDay"), L"Dawn");
    // A value past the last label is clamped to it: no index past the labels can be reached here.
    studio.Action(4, {Parameter::Text(L"TimeOfDay"), Parameter::Float(9.0f)});
    EXPECT_EQ(Label(L"TimeOfDay"), L"Night");

    // Unknown names, unknown labels, NaN: nothing changes.
    studio.Action(5, {Parameter::Text(L"TimeOfDay"), Parameter::Text(L"Noon")});
    studio.Action(4, {Parameter::Text(L"Weather"), Parameter::Float(std::nanf(""))});
    studio.Action(4, {Parameter::Text(L"Nothing"), Parameter::Float(1.0f)});
    EXPECT_FLOAT_EQ(Global(L"TimeOfDay"), 3.0f);
    EXPECT_FLOAT_EQ(Global(L"Weather"), 0.25f);
    EXPECT_FLOAT_EQ(Global(L"Nothing"), 0.0f);
    const auto unknown = studio.Expression(1, {Parameter::Text(L"Nothing")});
    EXPECT_EQ(unknown.kind, StandinHost::ResultKind::Text);
    EXPECT_TRUE(unknown.textInHostBuffer);
    EXPECT_EQ(unknown.text, L"");
    EXPECT_FLOAT_EQ(Global(L""), 0.0f);
    EXPECT_FLOAT_EQ(Global(std::wstring(1000, L'W').c_str()), 0.0f);
}

TEST_F(StudioActions, TheListenerIsListenerZero)
{
    studio.Action(6, Transform({4, 5, 6, 1, 0, 0, 0, 0, 3}));
    const auto listeners = FmodStandin::Listeners();
    ASSERT_EQ(listeners.size(), 1u);
    const FMOD_3D_ATTRIBUTES& placed = listeners[0].attributes;
    EXPECT_EQ((std::vector<float>{placed.position.x, placed.position.y, placed.position.z, placed.forward.x,
                                  placed.forward.y, placed.forward.z, placed.up.x, placed.up.y, placed.up.z}),
              (std::vector<float>{4, 5, 6, 1, 0, 0, 0, 0, 3}));
    EXPECT_EQ(listeners[0].attenuationPosition.x, 4.0f);  // none of its own was given

    studio.Action(6, Transform({std::nanf(""), 0, 0, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(FmodStandin::Listeners()[0].attributes.position.x, 4.0f);
}

TEST_F(StudioActions, MixerVolumesPassUnchanged)
{
    const auto volumeOf = [](const std::string& path) {
        for (const auto& strip : FmodStandin::MixerStrips())
            if (strip.path == path)
                return strip.volume;
        return -100.0f;
    };
    studio.Action(7, {Parameter::Text(L"bus:/SFX"), Parameter::Float(0.5f)});
    studio.Action(8, {Parameter::Text(L"vca:/Master"), Parameter::Float(0.25f)});
    EXPECT_EQ(volumeOf("bus:/SFX"), 0.5f);
    EXPECT_EQ(volumeOf("vca:/Master"), 0.25f);

    studio.Action(7, {Parameter::Text(L"bus:/SFX"), Parameter::Float(1.5f)});
    studio.Action(8, {Parameter::Text(L"vca:/Master"), Parameter::Float(1.5f)});
    EXPECT_EQ(volumeOf("bus:/SFX"), 1.5f);
    EXPECT_EQ(volumeOf("vca:/Master"), 1.5f);

    // The stand-in refuses a negative volume: what was set stays.
    studio.Action(7, {Parameter::Text(L"bus:/SFX"), Parameter::Float(-1.0f)});
    studio.Action(8, {Parameter::Text(L"vca:/Master"), Parameter::Float(-1.0f)});
    EXPECT_EQ(volumeOf("bus:/SFX"), 1.5f);
    EXPECT_EQ(volumeOf("vca:/Master"), 1.5f);

    studio.Action(7, {Parameter::Text(L"bus:/Nothing"), Parameter::Float(0.1f)});
    studio.Action(8, {Parameter::Text(L"bus:/SFX"), Parameter::Float(0.1f)});  // a bus is no VCA
    studio.Action(7, {Parameter::Text(L""), Parameter::Float(0.1f)});
    EXPECT_EQ(volumeOf("bus:/SFX"), 1.5f);
    EXPECT_EQ(FmodStandin::MixerStrips().size(), 4u);
}

TEST_F(StudioActions, ExpressionTwoReachesTheUnlinkedFallback)
{
    const auto result = studio.Expression(2, {Parameter::Integer(1)});
    EXPECT_EQ(result.kind, StandinHost::ResultKind::Text);
    EXPECT_EQ(result.text, L"");
    const auto boxes = session.TakeBoxLines();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"UnlinkedExpression"), std::wstring::npos);
}

TEST(StudioActionsUnicode, BankPathsRoundTripAsUtf8)
{
    AudioSession session;
    auto& studio = session.CreateStudio();
    const auto file = session.Folder().Write(L"\u97f3/G\u00e4me \U0001F3B5.bank",
                                             TestSupport::ReadFileBytes(SampleBank("Game.bank")));
    studio.Action(0, {Parameter::Text(file.wstring())});
    const std::u8string utf8 = file.u8string();
    const std::string key(utf8.begin(), utf8.end());
    ASSERT_EQ(Sonbridge::bankList.count(key), 1u);
    bool found = false;
    for (const auto& bank : FmodStandin::Banks())
        found = found || bank.file == key;
    EXPECT_TRUE(found);
}

}  // namespace
