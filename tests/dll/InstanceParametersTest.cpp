// The event instance's parameters by value and by label, read back through expressions 0 and 1,
// and its 3D attributes.
#include <gtest/gtest.h>

#include <cmath>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "tests/dll/support/AudioSession.h"

using StandinHost::Parameter;

namespace {

class InstanceParameters : public TestSupport::InstanceObjectTest {
protected:
    void SetUp() override { Create(L"event:/SFX/Footstep"); }

    void Set(const wchar_t* name, float value) { object.Action(4, {Parameter::Text(name), Parameter::Float(value)}); }
    void SetLabel(const wchar_t* name, const wchar_t* label)
    {
        object.Action(5, {Parameter::Text(name), Parameter::Text(label)});
    }
    float Value(const wchar_t* name) { return object.Expression(0, {Parameter::Text(name)}).real; }
    std::wstring Label(const std::wstring& name)
    {
        const auto result = object.Expression(1, {Parameter::Text(name)});
        EXPECT_EQ(result.kind, StandinHost::ResultKind::Text);
        EXPECT_TRUE(result.textInHostBuffer);
        return result.text;
    }
};

TEST_F(InstanceParameters, ByValueAndByLabel)
{
    EXPECT_EQ(Label(L"Surface"), L"Grass");  // the default, index 0
    SetLabel(L"Surface", L"Wood");
    EXPECT_FLOAT_EQ(Value(L"Surface"), 2.0f);
    EXPECT_EQ(Label(L"Surface"), L"Wood");
    Set(L"Surface", 1.9f);
    EXPECT_FLOAT_EQ(Value(L"Surface"), 1.9f);
    EXPECT_EQ(Label(L"Surface"), L"Gravel");  // truncated to index 1
    Set(L"Surface", 0.99f);
    EXPECT_EQ(Label(L"Surface"), L"Grass");
    // Past either end the stand-in clamps, so the index stays among the labels.
    Set(L"Surface", 7.0f);
    EXPECT_EQ(Label(L"Surface"), L"Wood");
    Set(L"Surface", -3.0f);
    EXPECT_EQ(Label(L"Surface"), L"Grass");
    EXPECT_EQ(Label(L"SURFACE"), L"Grass");
}

TEST_F(InstanceParameters, UnknownNamesLabelsAndBadValuesChangeNothing)
{
    SetLabel(L"Surface", L"Gravel");
    SetLabel(L"Surface", L"Sand");
    SetLabel(L"Surface", L"");
    SetLabel(L"", L"Wood");
    Set(L"Surface", std::nanf(""));
    Set(L"Surface", INFINITY);
    Set(L"Nothing", 1.0f);
    Set(std::wstring(300, L'S').c_str(), 1.0f);
    EXPECT_FLOAT_EQ(Value(L"Surface"), 1.0f);
    EXPECT_EQ(Label(L"Surface"), L"Gravel");
    EXPECT_FLOAT_EQ(Value(L"Nothing"), 0.0f);
    EXPECT_EQ(Label(L"Nothing"), L"");
    EXPECT_EQ(Label(L""), L"");
    EXPECT_EQ(Label(std::wstring(5000, L'S')), L"");
    // A global parameter is not the instance's.
    EXPECT_EQ(Label(L"TimeOfDay"), L"");
}

TEST_F(InstanceParameters, AParameterWithoutLabelsGivesAnEmptyText)
{
    object.Action(0, {Parameter::Text(L"event:/SFX/Explosion")});
    Set(L"Size", 2.5f);
    EXPECT_FLOAT_EQ(Value(L"Size"), 2.5f);
    EXPECT_EQ(Label(L"Size"), L"");
    Set(L"Size", 100.0f);
    EXPECT_FLOAT_EQ(Value(L"Size"), 3.0f);  // clamped by the stand-in
}

TEST_F(InstanceParameters, TheTransformReachesTheInstanceUnchanged)
{
    std::vector<Parameter> nine;
    for (float value : {10.0f, -20.0f, 30.5f, 0.0f, 0.0f, 2.0f, 0.0f, 3.0f, 0.0f})
        nine.push_back(Parameter::Float(value));
    object.Action(6, nine);
    FMOD_3D_ATTRIBUTES placed = FmodStandin::Instances().at(0).attributes;
    EXPECT_EQ((std::vector<float>{placed.position.x, placed.position.y, placed.position.z, placed.forward.x,
                                  placed.forward.y, placed.forward.z, placed.up.x, placed.up.y, placed.up.z}),
              (std::vector<float>{10, -20, 30.5f, 0, 0, 2, 0, 3, 0}));
    EXPECT_EQ((std::vector<float>{placed.velocity.x, placed.velocity.y, placed.velocity.z}),
              (std::vector<float>{0, 0, 0}));

    nine[4] = Parameter::Float(std::nanf(""));
    object.Action(6, nine);
    placed = FmodStandin::Instances().at(0).attributes;
    EXPECT_EQ(placed.forward.y, 0.0f);  // refused whole
    EXPECT_TRUE(session.TakeBoxLines().empty());
}

}  // namespace
