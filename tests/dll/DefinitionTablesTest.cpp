// The tables and menus built from a definition, and the boxes for entries that are wrong.
#include <gtest/gtest.h>

#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

using StandinHost::HostApplication;
using TestSupport::BoxLines;
using TestSupport::LoadedExtension;
using TestSupport::ScratchFolder;

namespace {

void* const kEditorWindow = reinterpret_cast<void*>(0x1234);

class DefinitionTables : public ::testing::Test {
protected:
    // A fresh copy of the test library, started in the editor with `definition` beside it.
    LoadedExtension& Start(std::string_view definition, std::string_view settings = {})
    {
        const auto path = folder_.CopyLibrary("VantorTest.mfx");
        folder_.Write("VantorTest.json", definition);
        if (!settings.empty())
            folder_.Write("Vantor.ini", settings);
        host_.SetWindow(kEditorWindow);
        extension_ = std::make_unique<LoadedExtension>(path);
        result_ = extension_->Initialize(host_.Record());
        return *extension_;
    }

    ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<LoadedExtension> extension_;
    std::int32_t result_ = -2;
};

TEST_F(DefinitionTables, MenusAreNumberedFromTheirBasesWithSeparatorsSubmenusAndGreyedItems)
{
    LoadedExtension& test = Start(TestSupport::FixtureText("VantorTest.json"));
    ASSERT_EQ(result_, 0);
    EXPECT_EQ(test.Menu("GetActionMenu", host_.Record()),
              L"Numbers >\n"
              L"  25000 Two integers\n"
              L"  25001 Float and text\n"
              L"----\n"
              L"25002 Three texts\n"
              L"[greyed] 25003 Every kind\n"
              L"----\n"
              L"Nested >\n"
              L"  Deeper >\n"
              L"    25004 No parameters\n"
              L"25005 Unlinked action\n");
    EXPECT_EQ(test.Menu("GetConditionMenu", host_.Record()),
              L"26000 Is value\n26001 Compare\n26002 Object selected\n26003 Texts compare\n26004 Unlinked condition\n");
    EXPECT_EQ(test.Menu("GetExpressionMenu", host_.Record()),
              L"27000 Add\n27001 Half\n27002 Echo\n27003 Unlinked text\n27004 Unlinked float\n");

    using CodeFromMenu = std::int16_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int16_t);
    EXPECT_EQ(test.Export<CodeFromMenu>("GetActionCodeFromMenu")(host_.Record(), 25003), 3);
    EXPECT_EQ(test.Export<CodeFromMenu>("GetConditionCodeFromMenu")(host_.Record(), 26004), 4);
    EXPECT_EQ(test.Export<CodeFromMenu>("GetExpressionCodeFromMenu")(host_.Record(), 27002), 2);
    EXPECT_TRUE(test.TakeBoxes().empty());
}

TEST_F(DefinitionTables, TheStudioObjectsMenusMatchItsDefinition)
{
    const auto path = folder_.CopyLibrary("Tonvale.mfx");
    host_.SetWindow(kEditorWindow);
    LoadedExtension studio(path);
    ASSERT_EQ(studio.Initialize(host_.Record()), 0);
    EXPECT_EQ(studio.Menu("GetConditionMenu", host_.Record()), L"");
    EXPECT_EQ(studio.Menu("GetExpressionMenu", host_.Record()),
              L"27000 Get global parameter\n27001 Get labelled global parameter\n");
    EXPECT_EQ(studio.Menu("GetActionMenu", host_.Record()),
              L"Banks >\n  25000 Load bank from file\n  25001 Unload bank from file\n"
              L"Events >\n  25002 Play one-shot event\n  25003 Play one-shot event (3D)\n"
              L"Parameters >\n  25004 Set global parameter\n  25005 Set global parameter with label\n"
              L"3D Audio >\n  25006 Set listener transform\n"
              L"Mixer >\n  25007 Set bus volume\n  25008 Set VCA volume\n");
}

TEST_F(DefinitionTables, AMenuCopyCutsLongTextsTo79Characters)
{
    const std::string text(100, 'm');
    LoadedExtension& test = Start("{ \"Identifier\": \"LONG\", \"UK English\": { \"About\": { \"Name\": \"x\" }, "
                                  "\"ActionMenu\": [ [ \"" + text + "\", [ 0, \"" + text + "\" ] ] ], \"Actions\": [ {} ] } }");
    ASSERT_EQ(result_, 0);
    const std::wstring cut(79, L'm');
    EXPECT_EQ(test.Menu("GetActionMenu", host_.Record()), cut + L" >\n  25000 " + cut + L"\n");
}

TEST_F(DefinitionTables, AnOldHostGetsNoMenus)
{
    host_.SetVersion(0x02050000u | 253u);  // a build before 254
    LoadedExtension& test = Start(TestSupport::FixtureText("VantorTest.json"));
    ASSERT_EQ(result_, 0);
    EXPECT_EQ(test.Menu("GetActionMenu", host_.Record()), L"(no menu)");
}

TEST_F(DefinitionTables, WrongEntriesAreReportedAndTheTablesKeepTheirNumbering)
{
    LoadedExtension& test = Start(R"({
        "Identifier": "BADS",
        "UK English": {
            "About": { "Name": "x" },
            "Actions": [ {}, "not an object", { "Parameters": [ ["Nothing", "x"] ] } ],
            "Conditions": [ {}, { "Parameters": [ ["Integer","1"],["Integer","2"],["Integer","3"],["Integer","4"],
                ["Integer","5"],["Integer","6"],["Integer","7"],["Integer","8"],["Integer","9"],["Integer","10"],
                ["Integer","11"],["Integer","12"],["Integer","13"],["Integer","14"],["Integer","15"],["Integer","16"],
                ["Integer","17"] ] } ],
            "Expressions": [ { "Title": "NoReturn(" }, { "Returns": "Float", "Parameters": [ ["Object", "o"] ] } ]
        }
    })");
    ASSERT_EQ(result_, 0);
    EXPECT_EQ(BoxLines(test.TakeBoxes()),
              (std::vector<std::wstring>{
                  L"Error reading action JSON - Vantor Test | Invalid JSON reference for action ID 1, expected object.",
                  L"Vantor Params error - Vantor Test | Error reading parameter type \"Nothing\", couldn't match it to "
                  L"a Params value.",
                  L"Error reading condition JSON - Vantor Test | Too many parameters in condition ID 1.",
                  L"Vantor ExpReturnType error - Vantor Test | Error reading expression return type \"\", couldn't "
                  L"match it to a ExpReturnType value.",
                  L"Vantor ExpParams error - Vantor Test | Error reading expression parameter type \"Object\", "
                  L"couldn't match it to a ExpParams value.",
              }));
    const auto infos = test.Describe(host_.Record());
    EXPECT_EQ(infos.numActions, 3);
    EXPECT_EQ(infos.numConditions, 2);
    EXPECT_EQ(infos.numExpressions, 2);

    using GetInfos = const std::int16_t*(VANTOR_HOSTCALL*)(Vantor::Host::mV*, std::int16_t);
    const std::int16_t* third = test.Export<GetInfos>("GetActionInfos")(host_.Record(), 2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third[0], 2);  // its own ID, although the entry before it was refused
}

TEST_F(DefinitionTables, ADefinitionWithoutALanguageBlockIsReported)
{
    LoadedExtension& test = Start(R"({ "Identifier": "NONE", "Dependencies": "" })");
    EXPECT_EQ(result_, 0);
    EXPECT_EQ(BoxLines(test.TakeBoxes()),
              std::vector<std::wstring>{L"Internal JSON error - Vantor Test | The JSON parser could not find a JSON "
                                        L"object to use for current language."});
    const auto infos = test.Describe(host_.Record());
    EXPECT_EQ(infos.numActions, 0);
    EXPECT_EQ(test.Identifier(host_.Record()), "NONE");
}

const char kTwoLanguages[] = R"({
    "Identifier": "LANG",
    "UK English": { "About": { "Name": "x" }, "ActionMenu": [ [0, "Load"] ], "Actions": [ {} ] },
    "Francais": { "About": { "Name": "y" }, "ActionMenu": [ [0, "Charger"] ], "Actions": [ {}, {} ] }
})";

TEST_F(DefinitionTables, TheSettingsFileChoosesTheLanguageInTheEditor)
{
    LoadedExtension& test = Start(kTwoLanguages, "Languages = Deutsch; FRANCAIS\n");
    ASSERT_EQ(result_, 0);
    EXPECT_EQ(test.Menu("GetActionMenu", host_.Record()), L"25000 Charger\n");
    EXPECT_EQ(test.Describe(host_.Record()).numActions, 2);
}

TEST_F(DefinitionTables, ABuiltGameIgnoresTheLanguageSetting)
{
    const auto path = folder_.CopyLibrary("VantorTest.mfx");
    folder_.Write("VantorTest.json", kTwoLanguages);
    folder_.Write("Vantor.ini", "Languages=Francais\n");
    LoadedExtension test(path);  // no window: a built game
    ASSERT_EQ(test.Initialize(host_.Record()), 0);
    EXPECT_EQ(test.Describe(host_.Record()).numActions, 1);
}

}  // namespace
