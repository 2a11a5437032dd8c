// Converting stored blocks of other extension versions: which blocks are left alone, every
// value carried over by title from each older layout, what cannot carry over reported, and
// damaged blocks turned into defaults with a message rather than a read past their end.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataConversion.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyReads.h"
#include "sdk/properties/SmartReader.h"
#include "sdk/properties/UpgradeSummary.h"

using namespace Vantor;

namespace {

constexpr const char* kCurrent = R"({ "Properties": [
    { "Type": "Editbox String Multiline", "Title": "Path", "DefaultState": "new path" },
    { "Type": "Editbox Float", "Title": "Volume", "DefaultState": 0.25 },
    { "Type": "Checkbox", "Title": "Loop", "DefaultState": false },
    { "Type": "Combo Box", "Title": "Mode", "OldTitle": "Quality", "Items": [ "A", "B" ], "DefaultState": "A" },
    { "Type": "Text", "Title": "Heading" },
    { "Type": "Editbox Number", "Title": "Added", "DefaultState": 9 },
    { "Type": "Editbox Number", "Title": "Retyped", "DefaultState": 5 },
    { "Type": "Editbox String", "Title": "Noted", "DefaultState": "n", "CheckboxDefaultState": false }
] })";

// The same object as an older version stored it; its defaults play the user's values.
constexpr const char* kOlder = R"({ "Properties": [
    { "Type": "Editbox Number", "Title": "Volume", "DefaultState": 3 },
    { "Type": "Editbox String", "Title": "path", "DefaultState": "old path" },
    { "Type": "Combo Box", "Title": "Quality", "Items": [ "A", "B" ], "DefaultState": "B" },
    { "Type": "Checkbox", "Title": "Loop", "DefaultState": true },
    { "Type": "Editbox String", "Title": "Removed", "DefaultState": "gone" },
    { "Type": "Editbox String", "Title": "Retyped", "DefaultState": "text" },
    { "Type": "Editbox String", "Title": "Noted", "DefaultState": "kept", "CheckboxDefaultState": true }
] })";

struct Definition {
    explicit Definition(const char* json)
        : document(JsonDocument::Parse(json))
    {
        EXPECT_TRUE(document.ok()) << document.error();
    }
    const json_value& Properties() const { return Member(document.root(), "Properties"); }
    std::vector<std::uint8_t> DefaultBlock(std::uint32_t extVersion = 0x100) const
    {
        auto block = BuildDefaultEditData({Properties(), sets, "UK English", "Vantor Template"}).block;
        std::memcpy(block.data() + 8, &extVersion, 4);
        return block;
    }
    Conversion Convert(const std::vector<std::uint8_t>& old) const
    {
        return ConvertEditData({old, Properties(), sets, "UK English", "Vantor Template"});
    }
    std::string Str(const std::vector<std::uint8_t>& block, const char* title) const
    {
        auto view = EditDataView(block.data(), block.size()).PropertiesAt(20);
        EXPECT_TRUE(view.ok());
        auto value = GetPropertyStr(view.value(), {Properties(), "UK English"}, title);
        EXPECT_TRUE(value.ok()) << value.problem().text;
        return value.ok() ? value.value() : "";
    }
    float Num(const std::vector<std::uint8_t>& block, const char* title) const
    {
        auto view = EditDataView(block.data(), block.size()).PropertiesAt(20);
        auto value = GetPropertyNum(view.value(), {Properties(), "UK English"}, title);
        EXPECT_TRUE(value.ok()) << value.problem().text;
        return value.ok() ? value.value() : -1.0f;
    }
    bool Checked(const std::vector<std::uint8_t>& block, const char* title) const
    {
        auto view = EditDataView(block.data(), block.size()).PropertiesAt(20);
        auto value = IsPropChecked(view.value(), {Properties(), "UK English"}, title);
        EXPECT_TRUE(value.ok()) << value.problem().text;
        return value.ok() && value.value();
    }

    JsonDocument document;
    EntryListSetNames sets;
};

std::vector<std::string> Texts(const std::vector<Problem>& boxes)
{
    std::vector<std::string> texts;
    for (const Problem& box : boxes)
        texts.push_back(box.title + ": " + box.text);
    return texts;
}

// A block from before smart properties for kCurrent: end offset, one checkbox byte, values.
std::vector<std::uint8_t> PreSmartBlock()
{
    std::vector<std::uint8_t> values;
    for (char c : std::string("typed path"))
        values.push_back(static_cast<std::uint8_t>(c));
    values.push_back(0);
    AppendField(values, 0.75f);
    AppendField(values, std::uint32_t {1});  // "Mode": item B
    AppendField(values, std::int32_t {42});  // "Added"
    AppendField(values, std::int32_t {-7});  // "Retyped"
    for (char c : std::string("note"))
        values.push_back(static_cast<std::uint8_t>(c));
    values.push_back(0);
    std::vector<std::uint8_t> block;
    const auto end = static_cast<std::uint32_t>(25 + values.size());
    AppendField(block, EditDataHeader {end, end, 0, 77, 0});
    AppendField(block, end);
    block.push_back(0x84);  // "Loop" and "Noted" checked
    block.insert(block.end(), values.begin(), values.end());
    return block;
}

TEST(PropertyConversion, BlocksOfTheSameVersionOrANewerOneAreLeftAlone)
{
    const Definition current(kCurrent);
    EXPECT_EQ(current.Convert(current.DefaultBlock(0x101)).outcome, ConversionOutcome::KeepBlock);
    EXPECT_EQ(current.Convert(Definition(kOlder).DefaultBlock(0x101)).outcome, ConversionOutcome::KeepBlock);

    const Conversion newer = current.Convert(current.DefaultBlock(0x102));
    EXPECT_EQ(newer.outcome, ConversionOutcome::KeepBlock);
    EXPECT_EQ(Texts(newer.boxes), std::vector<std::string> {"Property update warning: Vantor Template MFA extension "
                                                             "version 2 is greater than current Vantor Template ext "
                                                             "version 1. Is the installed extension out of date?"});

    EXPECT_EQ(current.Convert(current.DefaultBlock(0x100)).outcome, ConversionOutcome::StampVersion);
    auto moved = current.DefaultBlock(0x100);
    const std::uint32_t elsewhere = 24;
    moved.insert(moved.begin() + 20, 4, 0);
    std::memcpy(moved.data() + 16, &elsewhere, 4);
    const Conversion refused = current.Convert(moved);
    EXPECT_EQ(refused.outcome, ConversionOutcome::Failed);
    ASSERT_EQ(refused.boxes.size(), 1u);
    EXPECT_EQ(refused.boxes[0].title, "EDITDATA upgrade failed");
}

TEST(PropertyConversion, ASmartBlockOfAnotherDefinitionKeepsEveryValueThatFitsByTitle)
{
    const Definition current(kCurrent);
    const Conversion made = current.Convert(Definition(kOlder).DefaultBlock());
    ASSERT_EQ(made.outcome, ConversionOutcome::NewBlock) << ::testing::PrintToString(Texts(made.boxes));
    EXPECT_TRUE(made.boxes.empty());
    EXPECT_EQ(current.Str(made.block, "Path"), "old path");  // title case differs; text widened to multiline
    EXPECT_EQ(current.Num(made.block, "Volume"), 3.0f);      // the number, not its bit pattern
    EXPECT_TRUE(current.Checked(made.block, "Loop"));
    EXPECT_EQ(current.Str(made.block, "Mode"), "B");  // found by its old title
    EXPECT_EQ(current.Num(made.block, "Added"), 9.0f);
    EXPECT_EQ(current.Num(made.block, "Retyped"), 5.0f);  // a text cannot become a number
    EXPECT_EQ(current.Str(made.block, "Noted"), "kept");
    EXPECT_TRUE(current.Checked(made.block, "Noted"));
    EXPECT_EQ(made.resetList, "\xE2\x80\xA2 Added\n\xE2\x80\xA2 Retyped\n");
    EXPECT_EQ(made.resetCount, 2u);
    EXPECT_EQ(made.oldVersion, 0u);
    EXPECT_EQ(made.propertyCount, 8u);

    // The records follow the current order and hashes, so the next opening leaves it alone.
    auto reopened = made.block;
    std::memcpy(reopened.data() + 8, "\x00\x01\x00\x00", 4);
    EXPECT_EQ(current.Convert(reopened).outcome, ConversionOutcome::StampVersion);
}

TEST(PropertyConversion, AMultilineTextDoesNotNarrowBackToASingleLine)
{
    EXPECT_TRUE(TypesCompatible(5, 22));
    EXPECT_FALSE(TypesCompatible(22, 5));
    EXPECT_TRUE(TypesCompatible(6, 21));
    EXPECT_FALSE(TypesCompatible(21, 6));
    EXPECT_TRUE(TypesCompatible(7, 24));
    EXPECT_FALSE(TypesCompatible(9, 6));  // a colour is no plain number
}

TEST(PropertyConversion, APreSmartBlockIsReadInJsonOrder)
{
    const Definition current(kCurrent);
    const Conversion made = current.Convert(PreSmartBlock());
    ASSERT_EQ(made.outcome, ConversionOutcome::NewBlock) << ::testing::PrintToString(Texts(made.boxes));
    EXPECT_EQ(current.Str(made.block, "Path"), "typed path");
    EXPECT_EQ(current.Num(made.block, "Volume"), 0.75f);
    EXPECT_TRUE(current.Checked(made.block, "Loop"));
    EXPECT_EQ(current.Str(made.block, "Mode"), "B");
    EXPECT_EQ(current.Num(made.block, "Added"), 42.0f);
    EXPECT_EQ(current.Num(made.block, "Retyped"), -7.0f);
    EXPECT_EQ(current.Str(made.block, "Noted"), "note");
    EXPECT_TRUE(current.Checked(made.block, "Noted"));
    EXPECT_EQ(made.resetCount, 0u);
    EXPECT_EQ(*ReadField<std::uint32_t>(made.block, 12), 77u);  // extID kept
}

TEST(PropertyConversion, APreSmartBlockThatEndsEarlyGivesTheRestTheirDefaults)
{
    const Definition current(kCurrent);
    auto block = PreSmartBlock();
    const std::uint32_t end = 25 + 11 + 4;  // the path and the volume only
    std::memcpy(block.data() + 20, &end, 4);
    const Conversion made = current.Convert(block);
    ASSERT_EQ(made.outcome, ConversionOutcome::NewBlock);
    EXPECT_EQ(current.Str(made.block, "Path"), "typed path");
    EXPECT_EQ(current.Num(made.block, "Volume"), 0.75f);
    EXPECT_TRUE(current.Checked(made.block, "Loop"));  // a checkbox lives in the bits
    EXPECT_EQ(current.Str(made.block, "Mode"), "A");
    EXPECT_EQ(current.Num(made.block, "Added"), 9.0f);
    EXPECT_EQ(made.resetList, "\xE2\x80\xA2 Mode\n\xE2\x80\xA2 Added\n\xE2\x80\xA2 Retyped\n\xE2\x80\xA2 Noted\n");
}

TEST(PropertyConversion, ABlockThatLiesAboutItsSizeGivesDefaultsAndSaysSo)
{
    const Definition current(kCurrent);
    auto block = PreSmartBlock();
    const std::uint32_t end = 0x7FFFFFFF;
    std::memcpy(block.data() + 20, &end, 4);
    const Conversion pre = current.Convert(block);
    ASSERT_EQ(pre.outcome, ConversionOutcome::NewBlock);
    ASSERT_EQ(pre.boxes.size(), 1u);
    EXPECT_EQ(pre.boxes[0].title, "Property conversion error");
    EXPECT_EQ(current.Str(pre.block, "Path"), "new path");
    EXPECT_EQ(pre.resetCount, 7u);  // every property but the static text

    auto smart = Definition(kOlder).DefaultBlock();
    const std::uint32_t lie = 0x00FFFFFF;
    std::memcpy(smart.data() + 49, &lie, 4);  // the first record runs far past the block
    const Conversion lying = current.Convert(smart);
    ASSERT_EQ(lying.outcome, ConversionOutcome::NewBlock);
    ASSERT_EQ(lying.boxes.size(), 1u);
    EXPECT_NE(lying.boxes[0].text.find("runs past the end"), std::string::npos);
    EXPECT_EQ(current.Num(lying.block, "Volume"), 0.25f);

    smart = Definition(kOlder).DefaultBlock();
    smart.resize(90);  // cut inside the second record
    const std::uint32_t cut = 90;
    std::memcpy(smart.data(), &cut, 4);
    const Conversion truncated = current.Convert(smart);
    ASSERT_EQ(truncated.outcome, ConversionOutcome::NewBlock);
    EXPECT_EQ(truncated.boxes.size(), 1u);

    const std::vector<std::uint8_t> tiny {12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Conversion nothing = current.Convert(tiny);
    EXPECT_EQ(nothing.outcome, ConversionOutcome::Failed);
    EXPECT_EQ(nothing.boxes.size(), 1u);
}

TEST(PropertyConversion, APropertyNoReaderCanFillMakesNoBlock)
{
    const Definition current(R"({ "Properties": [ { "Type": "Editbox Number", "Title": "N", "DefaultState": "x" } ] })");
    const Conversion failed = current.Convert(Definition(kOlder).DefaultBlock());
    EXPECT_EQ(failed.outcome, ConversionOutcome::Failed);
    EXPECT_TRUE(failed.block.empty());
    ASSERT_EQ(failed.boxes.size(), 2u);
    EXPECT_EQ(failed.boxes[0].title, "Property conversion error");  // the default reader's failure
    EXPECT_NE(failed.boxes[1].text.find("All converters have failed for property 0 (N)"), std::string::npos);
}

TEST(PropertyConversion, APropertySetKeepsItsFirstEntryAndItsListIsReported)
{
    constexpr const char* kSet = R"({ "Properties": [
        { "Type": "Combo Box", "Title": "Entries" },
        { "Type": "Edit button", "Title": "Add" },
        { "Type": "Edit button", "Title": "Delete" },
        { "Type": "Editbox String", "Title": "Entry name", "DefaultState": "first" },
        { "Type": "Editbox Number", "Title": "Level", "DefaultState": LEVEL }EXTRA
    ] })";
    auto definition = [&](const char* level, const char* extra) {
        std::string text = kSet;
        text.replace(text.find("LEVEL"), 5, level);
        text.replace(text.find("EXTRA"), 5, extra);
        return text;
    };
    const std::string currentText = definition("1", "");
    const std::string olderText = definition("4", R"(, { "Type": "Editbox String", "Title": "Extra" })");
    Definition current(currentText.c_str());
    Definition older(olderText.c_str());
    current.sets = older.sets = {{0, "Sounds", 3, 4, 3}};

    const Conversion made = current.Convert(older.DefaultBlock());
    ASSERT_EQ(made.outcome, ConversionOutcome::NewBlock) << ::testing::PrintToString(Texts(made.boxes));
    EXPECT_EQ(current.Num(made.block, "Level"), 4.0f);
    EXPECT_EQ(current.Str(made.block, "Entry name"), "first");
    EXPECT_EQ(current.Str(made.block, "Entries"), "first");  // the list names the selected entry
    // The old list cannot say how many entries the new block holds: it is rebuilt and listed.
    EXPECT_EQ(made.resetList, "\xE2\x80\xA2 Entries\n");
}

TEST(PropertyConversion, TheSummaryFollowsTheSetting)
{
    Conversion conversion;
    conversion.propertyCount = 3;
    conversion.resetCount = 1;
    conversion.resetList = "\xE2\x80\xA2 Added\n";
    SummaryMemory memory;
    const auto shown = DecideSummary("", 5, memory, conversion, "Thing (Vantor Template) object");
    ASSERT_TRUE(shown.info);
    EXPECT_EQ(shown.info->text, "Successfully copied 2 of Thing (Vantor Template) object properties from ext version 0 "
                                "to 1.\n\nAlso set 1 property to their default settings:\n\xE2\x80\xA2 Added");
    EXPECT_FALSE(DecideSummary("", 5, memory, conversion, "x").info);  // once per application
    EXPECT_TRUE(DecideSummary("", 6, memory, conversion, "x").info);
    EXPECT_FALSE(DecideSummary("never", 7, memory, conversion, "x").info);

    conversion.resetCount = 0;
    EXPECT_FALSE(DecideSummary("for reset only", 8, memory, conversion, "x").info);
    const auto all = DecideSummary("always", 8, memory, conversion, "Vantor Template object");
    ASSERT_TRUE(all.info);
    EXPECT_EQ(all.info->text,
        "Successfully upgraded all 3 of Vantor Template object properties from ext version 0 to version 1.");

    const auto odd = DecideSummary("sometimes", 9, memory, conversion, "x");
    ASSERT_EQ(odd.boxes.size(), 1u);
    EXPECT_EQ(odd.boxes[0].title, "Vantor INI error");
    EXPECT_FALSE(odd.info);  // read as "for reset only, once", and nothing was reset
}

TEST(PropertyConversion, TheObjectNameNamesTheProjectAndEndsInObject)
{
    EXPECT_EQ(ObjectNameForMessages("Vantor Template", ""), "Vantor Template object");
    EXPECT_EQ(ObjectNameForMessages("Vantor Template", "Vantor Template"), "Vantor Template object");
    EXPECT_EQ(ObjectNameForMessages("Velisse", "Music"), "Music (Velisse) object");
    EXPECT_EQ(ObjectNameForMessages("Velisse", "Sound object"), "Sound object (Velisse) object");
    EXPECT_EQ(ObjectNameForMessages("My object", "My object"), "My object");
}

}  // namespace
