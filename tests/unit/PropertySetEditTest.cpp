// Property sets in a stored block: adding, deleting, switching and naming entries, each read
// back through the run-time lookup, and blocks whose set records lie.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyReads.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/properties/PropertySetEdits.h"

using namespace Vantor;

namespace {

constexpr const char* kDefinition = R"({"Properties": [
    {"Type": "Combo Box", "Title": "Sounds"},
    {"Type": "Edit button", "Title": "Add sound"},
    {"Type": "Edit button", "Title": "Delete sound"},
    {"Type": "Editbox String", "Title": "Sound name", "DefaultState": "Sound"},
    {"Type": "Editbox Number", "Title": "Volume", "DefaultState": 50, "CheckboxDefaultState": false},
    {"Type": "Checkbox", "Title": "Looping", "DefaultState": true},
    {"Type": "Editbox String", "Title": "After", "DefaultState": "tail", "CheckboxDefaultState": true}
], "PropertySets": [{"SetName": "Sounds", "AddButton": "Add sound", "DeleteButton": "Delete sound",
    "EntryList": "Sounds", "EntryName": "Sound name", "StartItem": "Sound name", "EndItem": "Looping"}]})";

class PropertySetEdit : public ::testing::Test {
protected:
    PropertySetEdit()
        : document_(JsonDocument::Parse(kDefinition))
        , declarations_(ReadPropertySets(document_.root()))
        , lists_(EntryListsOf(declarations_.sets))
    {
        EXPECT_TRUE(declarations_.boxes.empty());
        EXPECT_EQ(declarations_.sets.size(), 1u);
        const DefaultEditData made = BuildDefaultEditData({Properties(), lists_, "English", "Vantor Template"});
        EXPECT_TRUE(made.made());
        block_ = made.block;
    }

    const json_value& Properties() const { return Member(document_.root(), "Properties"); }
    const PropSet& Set() const { return declarations_.sets.at(0); }

    void Add()
    {
        std::vector<Problem> boxes;
        Result<SetEdit> edit = AddSetEntry(block_, Set(), {Properties(), lists_, "English"}, boxes);
        ASSERT_TRUE(edit.ok()) << edit.problem().text;
        EXPECT_TRUE(boxes.empty());
        block_ = std::move(edit).value().block;
    }

    // Renames the shown entry in place; names here keep the default's length.
    void RenameShown(const std::string& name)
    {
        const auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        ASSERT_TRUE(props.ok());
        const auto record = DataAtForChange(props.value(), Definition(), 3, true);
        ASSERT_TRUE(record.ok());
        ASSERT_EQ(record.value().value.size(), name.size());
        std::memcpy(block_.data() + record.value().valueOffset, name.data(), name.size());
    }

    void Select(std::uint32_t entry)
    {
        Result<SetEdit> edit = SelectSetEntry(block_, Set(), entry);
        ASSERT_TRUE(edit.ok()) << edit.problem().text;
        block_ = std::move(edit).value().block;
    }

    std::vector<std::string> Names() const
    {
        const auto names = SetEntryNames(block_, Set());
        EXPECT_TRUE(names.ok());
        return names.ok() ? names.value() : std::vector<std::string>{};
    }

    StoredSet Stored() const
    {
        const auto stored = LocateStoredSet(block_, Set());
        EXPECT_TRUE(stored.ok()) << stored.problem().text;
        return stored.ok() ? stored.value() : StoredSet{};
    }

    PropertyDefinition Definition() const { return {Properties(), "English"}; }

    std::string ShownText(std::string_view title) const
    {
        const auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        EXPECT_TRUE(props.ok());
        const auto text = GetPropertyStr(props.value(), Definition(), title);
        EXPECT_TRUE(text.ok());
        return text.ok() ? text.value() : std::string();
    }

    bool Checked(std::string_view title) const
    {
        const auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        const auto checked = IsPropChecked(props.value(), Definition(), title);
        EXPECT_TRUE(checked.ok());
        return checked.ok() && checked.value();
    }

    std::uint32_t Field(std::size_t offset) const
    {
        std::uint32_t value;
        std::memcpy(&value, block_.data() + offset, sizeof value);
        return value;
    }

    JsonDocument document_;
    PropertySetDeclarations declarations_;
    EntryListSetNames lists_;
    std::vector<std::uint8_t> block_;
};

TEST_F(PropertySetEdit, AddingAppendsADefaultEntryAndShowsIt)
{
    const std::size_t before = block_.size();
    EXPECT_EQ(Stored().numRepeats, 1);
    EXPECT_EQ(Names(), std::vector<std::string>{"Sound"});
    Add();
    EXPECT_EQ(Stored().numRepeats, 2);
    EXPECT_EQ(Stored().selected, 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Sound", "Sound"}));
    // Sizes and counts follow the three new records.
    EXPECT_EQ(Field(0), block_.size());
    EXPECT_EQ(Field(20 + 16), block_.size());
    EXPECT_EQ(block_[20 + 12], 10);
    EXPECT_GT(block_.size(), before);
    // The checkbox bits after the entry moved with their records, the new ones are defaults.
    EXPECT_TRUE(Checked("Looping"));
    EXPECT_FALSE(Checked("Volume"));
    EXPECT_TRUE(Checked("After"));
    EXPECT_EQ(ShownText("After"), "tail");
}

TEST_F(PropertySetEdit, EachEntryKeepsItsOwnValues)
{
    RenameShown("Drums");
    Add();
    RenameShown("Bells");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Drums", "Bells"}));
    Select(0);
    EXPECT_EQ(ShownText("Sound name"), "Drums");
    Select(1);
    EXPECT_EQ(ShownText("Sound name"), "Bells");
    EXPECT_FALSE(SelectSetEntry(block_, Set(), 2).ok());
}

TEST_F(PropertySetEdit, DeletingRemovesTheShownEntry)
{
    RenameShown("Drums");
    Add();
    RenameShown("Bells");
    Add();
    RenameShown("Chime");
    Select(1);
    Result<SetEdit> edit = DeleteSetEntry(block_, Set());
    ASSERT_TRUE(edit.ok());
    block_ = std::move(edit).value().block;
    EXPECT_EQ(Names(), (std::vector<std::string>{"Drums", "Chime"}));
    EXPECT_EQ(Stored().selected, 1);
    EXPECT_EQ(ShownText("Sound name"), "Chime");
    EXPECT_EQ(ShownText("After"), "tail");
    EXPECT_TRUE(Checked("After"));
    EXPECT_EQ(Field(0), block_.size());
}

TEST_F(PropertySetEdit, DeletingTheLastOfThreeShowsTheSecond)
{
    Add();
    Add();
    ASSERT_EQ(Stored().selected, 2);
    Result<SetEdit> edit = DeleteSetEntry(block_, Set());
    ASSERT_TRUE(edit.ok());
    EXPECT_EQ(edit.value().selected, 1);
}

TEST_F(PropertySetEdit, TheLastEntryIsNeverDeleted)
{
    const std::vector<std::uint8_t> before = block_;
    Result<SetEdit> edit = DeleteSetEntry(block_, Set());
    ASSERT_TRUE(edit.ok());
    EXPECT_EQ(edit.value().block, before);
}

TEST_F(PropertySetEdit, AddingAndDeletingRestoresTheBlock)
{
    const std::vector<std::uint8_t> before = block_;
    Add();
    Result<SetEdit> edit = DeleteSetEntry(block_, Set());
    ASSERT_TRUE(edit.ok());
    std::vector<std::uint8_t> after = std::move(edit).value().block;
    // Only the largest size the block has had remembers the entry.
    std::memcpy(after.data() + 4, before.data() + 4, 4);
    EXPECT_EQ(after, before);
}

TEST_F(PropertySetEdit, LyingBlocksGiveMessagesNotReads)
{
    Add();
    const std::vector<std::uint8_t> whole = block_;
    for (std::size_t size = 0; size < whole.size(); ++size) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(size));
        std::vector<Problem> boxes;
        EXPECT_FALSE(AddSetEntry(cut, Set(), {Properties(), lists_, "English"}, boxes).ok()) << size;
        EXPECT_FALSE(DeleteSetEntry(cut, Set()).ok()) << size;
    }
    // An entry count past the stored runs.
    const StoredSet stored = Stored();
    block_[stored.listOffset + 1] = 7;
    EXPECT_FALSE(LocateStoredSet(block_, Set()).ok());
    EXPECT_FALSE(SetEntryNames(block_, Set()).ok());
    block_[stored.listOffset + 1] = 0;
    EXPECT_FALSE(LocateStoredSet(block_, Set()).ok());
}

}  // namespace
