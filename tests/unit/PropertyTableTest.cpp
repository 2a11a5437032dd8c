// The host property table as the definition describes it: IDs, kinds, options, creation
// parameters, and the definitions it refuses with their boxes.
#include <gtest/gtest.h>

#include <string>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/properties/PropertyTable.h"

using namespace Vantor;

namespace {

struct Table {
    explicit Table(const std::string& json)
        : document(JsonDocument::Parse(json))
        , sets(ReadPropertySets(document.root()).sets)
        , draft(BuildPropertyTable({Member(document.root(), "Properties"), sets, "English", "Vantor Template"}))
    {
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const Problem& box : draft.boxes)
            texts.push_back(box.title + " | " + box.text);
        return texts;
    }
    JsonDocument document;
    std::vector<PropSet> sets;
    PropertyTableDraft draft;
};

TEST(PropertyTable, EveryKindGetsItsTypeOptionsAndParameter)
{
    const Table table(R"({"Properties": [
        {"Type": "Editbox String", "Title": "Name", "Info": "Help", "Password": true, "Case": "upper", "MaxLength": 8},
        {"Type": "editbox number", "Title": "Count", "Bold": true, "CheckboxDefaultState": false},
        {"Type": "Combo Box", "Title": "Quality", "Items": ["Low", 3, "High"]},
        {"Type": "Size", "Title": "Extent", "PresetSizes": [[640, 480], [800, 600]]},
        {"Type": "Edit slider", "Title": "Volume", "Minimum": 0, "Maximum": 100.7},
        {"Type": "Edit button", "Title": "Press", "DefaultState": "Go"},
        {"Type": "Checkbox", "Title": "On", "Removable": true, "Renameable": true, "Moveable": true, "List": true,
         "SingleSelect": true},
        {"Type": "Folder", "Title": "Group one"},
        {"Type": "FolderEnd"},
        {"Type": "Custom thing", "Title": "Own"}
    ]})");
    ASSERT_TRUE(table.draft.boxes.empty()) << table.BoxTexts().front();
    const auto& e = table.draft.entries;
    ASSERT_EQ(e.size(), 10u);
    EXPECT_EQ(e[0].id, 0x80000);
    EXPECT_EQ(e[0].type, 1005u);
    EXPECT_EQ(e[0].info, "Help");
    EXPECT_EQ(e[0].options, kOptionPassword | kOptionUpperCase | kOptionParameter);
    EXPECT_EQ(e[0].parameter.kind, CreationParameter::Kind::MaxLength);
    EXPECT_EQ(e[0].parameter.values, std::vector<std::int32_t>{8});
    EXPECT_EQ(e[1].type, 1006u);
    EXPECT_EQ(e[1].options, kOptionCheckbox | kOptionBold);
    EXPECT_EQ(e[2].parameter.items, (std::vector<std::string>{"Low", "", "High"}));
    EXPECT_EQ(e[3].parameter.values, (std::vector<std::int32_t>{640, 480, 800, 600, 0, 0}));
    EXPECT_EQ(e[4].parameter.values, (std::vector<std::int32_t>{0, 100}));
    EXPECT_EQ(e[5].parameter.text, "Go");
    EXPECT_EQ(e[6].options, 0xF9u);
    EXPECT_EQ(e[8].id, kFolderEndId);
    EXPECT_EQ(e[8].type, kFolderEndType);
    EXPECT_EQ(e[9].type, 27u + 9u);
    EXPECT_EQ(table.draft.customProperties, std::vector<std::size_t>{9});
}

TEST(PropertyTable, RefusedPropertiesKeepTheOthersAtTheirJsonIds)
{
    const Table table(R"({"Properties": [
        "a string",
        {"Type": "!Start item", "Title": "Reserved"},
        {"Type": "Editbox Number"},
        {"Type": "Editbox Number", "Title": "Count"},
        {"Type": "Editbox Number", "Title": "COUNT"},
        {"Type": "Nonsense", "Title": "Odd"},
        {"Type": "Color", "Title": "Tint"},
        {"Type": "FolderEnd"},
        {"Type": "Folder", "Title": "Open"}
    ]})");
    const auto texts = table.BoxTexts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_NE(texts[0].find("Properties contains a string \"a string\" instead of an object."), std::string::npos);
    EXPECT_NE(texts[1].find("You have specified an invalid Parameter type \"!Start item\"."), std::string::npos);
    EXPECT_NE(texts[2].find("Invalid or no title specified for property index 2. (English)"), std::string::npos);
    EXPECT_NE(texts[3].find("Property title \"COUNT\" is reused between JSON index 3 and index 4."), std::string::npos);
    EXPECT_NE(texts[4].find("has an unrecognised property type \"Nonsense\""), std::string::npos);
    EXPECT_EQ(texts[5], "Vantor Template JSON property parser | Too many FolderEnd properties! Extra one found at index 7.");
    EXPECT_EQ(texts[6], "JSON verification error | There was a Folder [Open] that does not have a FolderEnd property.");
    ASSERT_EQ(table.draft.entries.size(), 4u);
    EXPECT_EQ(table.draft.entries[0].id, 0x80003);
    EXPECT_EQ(table.draft.entries[1].id, 0x80006);  // its JSON index, though three before it were refused
    EXPECT_EQ(table.draft.positionOf[6], std::optional<std::size_t>(1));
    EXPECT_EQ(table.draft.positionOf[5], std::nullopt);
}

TEST(PropertyTable, ListsAndSizesThatCannotBeUsedAreReported)
{
    const Table table(R"({"Properties": [
        {"Type": "Combo Box", "Title": "Empty", "Items": []},
        {"Type": "Combo Box", "Title": "Sounds", "Items": ["x"]},
        {"Type": "Edit button", "Title": "Add"},
        {"Type": "Edit button", "Title": "Delete"},
        {"Type": "Editbox String", "Title": "Sound name"},
        {"Type": "Size", "Title": "Bad sizes", "PresetSizes": [[1, -2], "x"]},
        {"Type": "Editbox String Multiline", "Title": "Notes", "Case": "Lower", "Password": true}
    ], "PropertySets": [{"SetName": "Sounds", "AddButton": "Add", "DeleteButton": "Delete", "EntryList": "Sounds",
        "EntryName": "Sound name", "StartItem": "Sound name", "EndItem": "Sound name"}]})");
    ASSERT_EQ(table.sets.size(), 1u);
    const auto texts = table.BoxTexts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0], "Vantor JSON property | No Items detected in combobox property Empty.");
    EXPECT_EQ(texts[1], "Vantor JSON property | Items detected in a property set list box Sounds.");
    EXPECT_EQ(texts[2], "Vantor JSON property | Invalid preset size index 0 in size property Bad sizes.");
    EXPECT_EQ(texts[3], "Vantor JSON property | Invalid preset size index 1 in size property Bad sizes.");
    EXPECT_NE(texts[4].find("is set to \"Case\"=\"Lower\", but that won't work"), std::string::npos);
    EXPECT_NE(texts[5].find("is set to password mask"), std::string::npos);
    const auto& e = table.draft.entries;
    EXPECT_EQ(e[0].parameter.kind, CreationParameter::Kind::Items);
    EXPECT_TRUE(e[0].parameter.items.empty());
    // The set's list asks for its names, whatever "Items" says.
    EXPECT_EQ(e[1].parameter.kind, CreationParameter::Kind::None);
    EXPECT_EQ(e[1].options & kOptionParameter, kOptionParameter);
    EXPECT_EQ(e[5].parameter.values, (std::vector<std::int32_t>{1, -2, 0, 0, 0, 0}));
}

TEST(PropertyTable, NoPropertiesGiveAnEmptyTable)
{
    const Table table(R"({"About": {}})");
    EXPECT_TRUE(table.draft.entries.empty());
    EXPECT_TRUE(table.draft.boxes.empty());
}

}  // namespace
