// The layout hashes and the type-name table the stored records rely on.
#include <gtest/gtest.h>

#include <string>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/LayoutHash.h"
#include "sdk/properties/PropertyTypes.h"

using namespace Vantor;

namespace {

constexpr const char* kTonvaleProperties = R"({"Properties": [
    {"Type": "Editbox String", "Title": "Master Bank Path"},
    {"Type": "Editbox String", "Title": "Master Strings Bank Path"},
    {"Type": "Checkbox", "Title": "Enable Live Update"},
    {"Type": "Editbox Number", "Title": "Real Channels"},
    {"Type": "Editbox Number", "Title": "Virtual Channels"}
]})";

// The hashes of a definition whose "Properties" holds these elements.
LayoutHashes HashesOf(const std::string& elements)
{
    const JsonDocument doc = JsonDocument::Parse(R"({"Properties": [)" + elements + "]}");
    EXPECT_TRUE(doc.ok()) << doc.error();
    return LayoutHashesOf(Member(doc.root(), "Properties"));
}

}  // namespace

TEST(PropertyLayout, Fnv1aMatchesTheReferenceVectors)
{
    EXPECT_EQ(Fnv1a32(""), 0x811C9DC5u);
    EXPECT_EQ(Fnv1a32("a"), 0xE40C292Cu);
    EXPECT_EQ(Fnv1a32("foobar"), 0xBF9CF968u);
}

TEST(PropertyLayout, TonvaleHashTextsAndStoredValues)
{
    const JsonDocument doc = JsonDocument::Parse(kTonvaleProperties);
    ASSERT_TRUE(doc.ok());
    const json_value& properties = Member(doc.root(), "Properties");
    EXPECT_EQ(TitleHashText(properties),
        "master bank path|5 | master strings bank path|5 | enable live update|10 | "
        "real channels|6 | virtual channels|6 | ");
    EXPECT_EQ(TypeHashText(properties), "5|5|10|6|6|");
    const LayoutHashes hashes = LayoutHashesOf(properties);
    EXPECT_EQ(~hashes.titles, 0x7F19CA1Cu);
    EXPECT_EQ(~hashes.types, 0xA6E2BE07u);
}

TEST(PropertyLayout, EmptyDefinitionsHashTheEmptyText)
{
    const LayoutHashes empty = HashesOf("");
    EXPECT_EQ(~empty.titles, 0x7EE3623Au);
    EXPECT_EQ(~empty.types, 0x7EE3623Au);
    const LayoutHashes absent = LayoutHashesOf(JsonNone());
    EXPECT_EQ(~absent.titles, 0x7EE3623Au);
    EXPECT_EQ(~absent.types, 0x7EE3623Au);
}

TEST(PropertyLayout, HashesFollowTitlesTypesAndOrderButNotCase)
{
    const LayoutHashes base = HashesOf(R"({"Type": "Editbox Number", "Title": "Real Channels"},
                                           {"Type": "Editbox String", "Title": "Path"})");
    const LayoutHashes lowered = HashesOf(R"({"Type": "editbox number", "Title": "real channels"},
                                              {"Type": "EDITBOX STRING", "Title": "PATH"})");
    EXPECT_EQ(base.titles, lowered.titles);
    EXPECT_EQ(base.types, lowered.types);

    const LayoutHashes retyped = HashesOf(R"({"Type": "Edit spin", "Title": "Real Channels"},
                                              {"Type": "Editbox String", "Title": "Path"})");
    EXPECT_NE(base.titles, retyped.titles);
    EXPECT_NE(base.types, retyped.types);

    const LayoutHashes reordered = HashesOf(R"({"Type": "Editbox String", "Title": "Path"},
                                                {"Type": "Editbox Number", "Title": "Real Channels"})");
    EXPECT_NE(base.titles, reordered.titles);
    EXPECT_NE(base.types, reordered.types);

    const LayoutHashes sameTypesSwapped = HashesOf(R"({"Type": "Editbox String", "Title": "B"},
                                                       {"Type": "Editbox String", "Title": "A"})");
    const LayoutHashes sameTypes = HashesOf(R"({"Type": "Editbox String", "Title": "A"},
                                                {"Type": "Editbox String", "Title": "B"})");
    EXPECT_NE(sameTypes.titles, sameTypesSwapped.titles);
    EXPECT_EQ(sameTypes.types, sameTypesSwapped.types);
}

TEST(PropertyLayout, TitlelessAndUnknownTypesStayOutOfTheHashes)
{
    const JsonDocument doc = JsonDocument::Parse(R"({"Properties": [
        {"Type": "Text", "Title": "Intro"}, {"Type": "Folder", "Title": "F"}, {"Type": "FolderEnd"},
        {"Type": "Edit button", "Title": "Go"}, {"Type": "Group", "Title": "G"},
        {"Type": "Not a type", "Title": "X"}, "just a string",
        {"Type": "Color", "Title": "Tint"}, {"Type": "URL button", "Title": "Site"}
    ]})");
    ASSERT_TRUE(doc.ok());
    const json_value& properties = Member(doc.root(), "Properties");
    EXPECT_EQ(TitleHashText(properties), "tint|9 | site|25 | ");
    EXPECT_EQ(TypeHashText(properties), "9|25|");
}

TEST(PropertyLayout, TypeNamesMatchWithoutCase)
{
    EXPECT_EQ(PropertyTypeFromName("editbox number"), kEditNumber);
    EXPECT_EQ(PropertyTypeFromName("Edit Spin Float"), kSpinFloat);
    EXPECT_EQ(PropertyTypeFromName("!start item"), kStartItem);
    EXPECT_EQ(PropertyTypeFromName("Editbox"), std::nullopt);
    EXPECT_EQ(PropertyTypeFromName(""), std::nullopt);
    for (std::size_t id = 0; id < kPropertyTypeCount; ++id)
        EXPECT_EQ(PropertyTypeFromName(kPropertyTypeNames[id]), static_cast<PropertyTypeId>(id));
    EXPECT_TRUE(StartsWithIgnoreCase("COMBO BOX Icons", "Combo Box"));
    EXPECT_FALSE(StartsWithIgnoreCase("Combo", "Combo Box"));
}

TEST(PropertyLayout, TypeClassesByNameAndById)
{
    for (const char* name : {"Text", "folder", "FolderEnd", "Folderish", "Edit Button", "group"}) {
        EXPECT_TRUE(IsTitleless(name)) << name;
        EXPECT_TRUE(IsValueless(name)) << name;
    }
    EXPECT_FALSE(IsTitleless("Checkbox"));
    EXPECT_TRUE(IsValueless("checkbox"));
    EXPECT_FALSE(IsValueless(""));
    for (const char* name : {"Editbox String", "Editbox String Multiline", "Editbox File", "Editbox Image File",
             "URL button", "Editbox Folder"})
        EXPECT_TRUE(IsTextType(name)) << name;
    EXPECT_FALSE(IsTextType("Combo Box"));
    EXPECT_TRUE(IsTextType("Combo Box Icons", true));
    EXPECT_FALSE(IsTextType("Editbox Number", true));

    for (std::uint16_t id = 0; id < kPropertyTypeCount; ++id) {
        const bool combo = id == kComboBox || id == kComboBoxButton || id == kComboBoxIcons;
        const bool text
            = id == kEditString || id == kEditMultiline || id == kEditFile || id == kEditImageFile || id == kEditFolder;
        const bool integer = id == kEditNumber || id == kColor || id == kSlider || id == kSpin || id == kDirection;
        const bool real = id == kEditFloat || id == kSpinFloat;
        EXPECT_EQ(IsComboBoxId(id), combo) << id;
        EXPECT_EQ(IsStoredTextId(id), text) << id;
        EXPECT_EQ(IsStoredIntegerId(id), integer) << id;
        EXPECT_EQ(IsStoredFloatId(id), real) << id;
    }
}
