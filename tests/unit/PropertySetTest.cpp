// A property set with two entries, stored as two runs of its records: the set-aware lookup
// and the three reads follow the selected entry, and damaged set records end in a problem.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertyReads.h"
#include "sdk/properties/PropertySetLookup.h"

using namespace Vantor;

namespace {

constexpr const char* kDefinition = R"({"Properties": [
    {"Type": "Combo Box", "Title": "Sounds"},
    {"Type": "Edit button", "Title": "Add sound"},
    {"Type": "Edit button", "Title": "Delete sound"},
    {"Type": "Editbox String", "Title": "Sound name", "DefaultState": ""},
    {"Type": "Editbox Number", "Title": "Volume", "DefaultState": 0, "CheckboxDefaultState": false},
    {"Type": "Checkbox", "Title": "Loop", "DefaultState": false},
    {"Type": "Editbox String", "Title": "After", "DefaultState": ""}
]})";

std::vector<std::uint8_t> Text(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Int32(std::int32_t v)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &v, 4);
    return bytes;
}

// The "Sounds" list of a set over JSON 3 to 5, named by JSON 3, with this selection.
std::vector<std::uint8_t> SetValue(std::uint16_t numRepeats, std::uint16_t selected)
{
    std::vector<std::uint8_t> value {'S'};
    for (std::uint16_t field : {numRepeats, std::uint16_t {5}, std::uint16_t {3}, std::uint16_t {3}, selected}) {
        value.push_back(static_cast<std::uint8_t>(field));
        value.push_back(static_cast<std::uint8_t>(field >> 8));
    }
    const std::vector<std::uint8_t> name = Text("Sound set");
    value.insert(value.end(), name.begin(), name.end());
    return value;
}

// Records: list, two buttons, entry 0 (first, 10, loop off), entry 1 (second, 20, loop on), After.
std::vector<std::uint8_t> TwoEntryBlock(const std::vector<std::uint8_t>& listValue)
{
    EditDataAssembler a;
    EXPECT_TRUE(a.AddRecord(7, 0, "Sounds", listValue));
    EXPECT_TRUE(a.AddRecord(4, 1, "", {}));
    EXPECT_TRUE(a.AddRecord(4, 2, "", {}));
    for (const auto& [name, volume] : {std::pair {"first", 10}, std::pair {"second", 20}}) {
        EXPECT_TRUE(a.AddRecord(5, 3, "Sound name", Text(name)));
        EXPECT_TRUE(a.AddRecord(6, 4, "Volume", Int32(volume)));
        EXPECT_TRUE(a.AddRecord(10, 5, "Loop", {}));
    }
    EXPECT_TRUE(a.AddRecord(5, 6, "After", Text("tail")));
    a.SetChecked(4, true);  // entry 0's volume checkbox
    a.SetChecked(8, true);  // entry 1's loop
    return a.Finish({0, 0}, 0, 0);
}

class PropertySet : public ::testing::Test {
protected:
    PropertySet()
        : document_(JsonDocument::Parse(kDefinition))
    {
    }

    PropertyDefinition Definition() const { return {Member(document_.root(), "Properties"), "UK English"}; }

    PropertiesView View(const std::vector<std::uint8_t>& block) const
    {
        auto props = EditDataView(block.data(), block.size()).PropertiesAt(20);
        EXPECT_TRUE(props.ok());
        return std::move(props).value();
    }

    Result<SetAwareMatch> Find(const std::vector<std::uint8_t>& block, std::size_t jsonIndex) const
    {
        const PropertiesView view = View(block);
        return FindByJsonIndex(view.Records().value(), view.Layout(), jsonIndex);
    }

    JsonDocument document_;
};

}  // namespace

TEST_F(PropertySet, FirstEntryAnswersWhileItIsSelected)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 0));
    const PropertiesView view = View(block);
    const PropertyDefinition definition = Definition();
    EXPECT_EQ(GetPropertyStr(view, definition, "Sound name").value(), "first");
    EXPECT_EQ(GetPropertyNum(view, definition, "Volume").value(), 10.0f);
    EXPECT_TRUE(IsPropChecked(view, definition, "Volume").value());
    EXPECT_FALSE(IsPropChecked(view, definition, "Loop").value());
    EXPECT_EQ(GetPropertyStr(view, definition, "Sounds").value(), "first");  // the selected entry's name
    EXPECT_EQ(GetPropertyStr(view, definition, "After").value(), "tail");

    const auto match = Find(block, 4);
    ASSERT_TRUE(match.ok());
    EXPECT_EQ(match.value().record.position, 4u);
    ASSERT_TRUE(match.value().set.has_value());
    EXPECT_EQ(match.value().set->setName, "Sound set");
    EXPECT_EQ(match.value().set->numRepeats, 2);
    EXPECT_EQ(match.value().set->firstSetJSONPropIndex, 3);
    EXPECT_EQ(match.value().set->lastSetJSONPropIndex, 5);
    EXPECT_EQ(match.value().set->setNameJSONPropIndex, 3);
}

TEST_F(PropertySet, SecondEntryAnswersWhenSelected)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 1));
    const PropertiesView view = View(block);
    const PropertyDefinition definition = Definition();
    EXPECT_EQ(GetPropertyStr(view, definition, "Sound name").value(), "second");
    EXPECT_EQ(GetPropertyNum(view, definition, "Volume").value(), 20.0f);
    EXPECT_FALSE(IsPropChecked(view, definition, "Volume").value());
    EXPECT_TRUE(IsPropChecked(view, definition, "Loop").value());
    EXPECT_EQ(GetPropertyStr(view, definition, "Sounds").value(), "second");
    EXPECT_EQ(GetPropertyStr(view, definition, "After").value(), "tail");

    EXPECT_EQ(Find(block, 3).value().record.position, 6u);
    EXPECT_EQ(Find(block, 5).value().record.position, 8u);
    EXPECT_EQ(CheckboxOfJsonIndex(view, 5).value(), true);
    EXPECT_EQ(DataAtForChange(view, definition, 5, true).value().position, 8u);
}

TEST_F(PropertySet, PropertiesOutsideTheSetAreNotInIt)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 1));
    for (std::size_t jsonIndex : {0, 1, 2}) {
        const auto match = Find(block, jsonIndex);
        EXPECT_EQ(match.value().record.position, jsonIndex);
        EXPECT_FALSE(match.value().set.has_value()) << jsonIndex;
    }
    const auto after = Find(block, 6);
    EXPECT_EQ(after.value().record.position, 9u);
    EXPECT_FALSE(after.value().set.has_value());
}

TEST_F(PropertySet, ValuelessPropertiesAreFoundOnlyForChange)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 0));
    const PropertiesView view = View(block);
    const PropertyDefinition definition = Definition();
    EXPECT_FALSE(DataAt(view, definition, 5, true).value().has_value());
    EXPECT_FALSE(DataAt(view, definition, 1, true).value().has_value());
    EXPECT_EQ(DataAtForChange(view, definition, 5, true).value().position, 5u);
    // By position the record's own JSON index decides.
    EXPECT_FALSE(DataAt(view, definition, 8, false).value().has_value());
    EXPECT_EQ(DataAt(view, definition, 6, false).value()->title, "Sound name");
    EXPECT_EQ(DataAt(view, definition, 9, false).value()->position, 9u);

    EXPECT_EQ(
        DataAt(view, definition, 10, false).problem().text, "Looking up invalid prop ID 10 (is JSON index = no).\n");
    EXPECT_EQ(DataAtForChange(view, definition, 10, true).problem().text,
        "Looking up invalid prop ID 10 (is JSON index = yes).\n");
    const auto premature = DataAtForChange(view, {JsonNone(), "UK English"}, 3, true);
    EXPECT_EQ(premature.problem().kind, Problem::Kind::ErrorBox);
    EXPECT_EQ(premature.problem().title, "Premature function call");
    EXPECT_EQ(premature.problem().text,
        "Internal_DataAt() called for prop ID 3 without Vantor_Props for language UK English being valid.");
    EXPECT_EQ(CheckboxOfJsonIndex(view, 10).problem().text,
        "Can't read property checkbox for property ID 10, the valid ID range is 0 to 10.\n");
}

TEST_F(PropertySet, AnInnerSetPassedOverLeavesNoCurrentSet)
{
    // An outer set over JSON 1 to 6 (list at 0) holding an inner set over 4 to 5 (list at 2).
    EditDataAssembler a;
    const std::vector<std::uint8_t> outer {'S', 1, 0, 6, 0, 1, 0, 1, 0, 0, 0, 'O'};
    const std::vector<std::uint8_t> inner {'S', 1, 0, 5, 0, 4, 0, 4, 0, 0, 0, 'I'};
    EXPECT_TRUE(a.AddRecord(7, 0, "Outer", outer));
    EXPECT_TRUE(a.AddRecord(5, 1, "Outer name", Text("o")));
    EXPECT_TRUE(a.AddRecord(7, 2, "Inner", inner));
    for (std::uint16_t i = 3; i <= 6; ++i)
        EXPECT_TRUE(a.AddRecord(5, i, "P" + std::to_string(i), Text("v")));
    const std::vector<std::uint8_t> block = a.Finish({0, 0}, 0, 0);

    EXPECT_EQ(Find(block, 1).value().set->setName, "O");
    EXPECT_EQ(Find(block, 2).value().set->setName, "O");  // found before it is read as a set
    EXPECT_EQ(Find(block, 4).value().set->setName, "I");
    // Before the inner set's range and behind it, the walk forgets the outer set.
    for (std::size_t jsonIndex : {3, 6}) {
        const auto match = Find(block, jsonIndex);
        EXPECT_EQ(match.value().record.position, jsonIndex);
        EXPECT_FALSE(match.value().set.has_value()) << jsonIndex;
    }
}

TEST_F(PropertySet, SelectionPastTheEntriesFindsNothing)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 2));
    const PropertiesView view = View(block);
    const auto lost = GetPropertyStr(view, Definition(), "Sound name");
    ASSERT_FALSE(lost.ok());
    EXPECT_EQ(lost.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(lost.problem().text, "Couldn't find property of JSON ID 3, hit property 10 of 10 stored.\n");
    EXPECT_EQ(GetPropertyStr(view, Definition(), "After").value(), "tail");  // behind the set: unaffected

    for (std::uint16_t selected : {3, 100, 0xFFFF})
        EXPECT_FALSE(Find(TwoEntryBlock(SetValue(2, selected)), 4).ok()) << selected;
}

TEST_F(PropertySet, ShortSetRecordIsRefused)
{
    std::vector<std::uint8_t> shortValue = SetValue(2, 0);
    shortValue.resize(10);
    const std::vector<std::uint8_t> block = TwoEntryBlock(shortValue);
    EXPECT_TRUE(Find(block, 0).ok());  // the list itself is found before it is read as a set
    const auto broken = Find(block, 4);
    ASSERT_FALSE(broken.ok());
    EXPECT_EQ(broken.problem().text,
        "Stored property 0 is a property set list holding 10 bytes, fewer than the 11 of "
        "a set record.\n");
    // Read as the list's value, it is refused the same way.
    EXPECT_EQ(GetPropertyStr(View(block), Definition(), "Sounds").problem().text, broken.problem().text);
}

TEST_F(PropertySet, EveryTruncationOfASetBlockStaysInside)
{
    const std::vector<std::uint8_t> block = TwoEntryBlock(SetValue(2, 1));
    const PropertyDefinition definition = Definition();
    for (std::size_t keep = 0; keep <= block.size(); ++keep) {
        const std::vector<std::uint8_t> copy(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(keep));
        const auto props = EditDataView(copy.data(), copy.size()).PropertiesAt(20);
        if (!props.ok())
            continue;
        for (const char* title : {"Sounds", "Sound name", "Volume", "Loop", "After"}) {
            const bool whole = keep == block.size();
            EXPECT_EQ(GetPropertyStr(props.value(), definition, title).ok(), whole && std::string(title) != "Volume")
                << keep << " " << title;
            (void)GetPropertyNum(props.value(), definition, title);
            (void)IsPropChecked(props.value(), definition, title);
        }
    }
}
