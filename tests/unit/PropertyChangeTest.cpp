// Values typed into the sheet planned as new blocks: each type written and read back by the
// run-time lookup and by the sheet, records around a grown or shrunk value kept byte for byte,
// and values the property cannot take refused with the block untouched.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/ImageListEdit.h"
#include "sdk/properties/PropertyChange.h"
#include "sdk/properties/PropertyReads.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "sdk/properties/SheetValue.h"

using namespace Vantor;

namespace {

constexpr const char* kDefinition = R"({"Properties": [
    {"Type": "Editbox String", "Title": "Name", "DefaultState": "abc", "MaxLength": 5},
    {"Type": "Editbox Number", "Title": "Count", "DefaultState": 7},
    {"Type": "Editbox Float", "Title": "Ratio", "DefaultState": 0.5},
    {"Type": "Combo Box", "Title": "Quality", "Items": ["Low", "Medium", "High"], "DefaultState": "Low"},
    {"Type": "Size", "Title": "Extent", "DefaultState": [32, 24]},
    {"Type": "Checkbox", "Title": "On", "DefaultState": false},
    {"Type": "Image List", "Title": "Images", "NumImages": 1},
    {"Type": "Editbox File", "Title": "Path", "DefaultState": "x.bank"},
    {"Type": "Text", "Title": "Heading", "DefaultState": "Static"}
]})";

std::vector<std::uint8_t> Word(std::uint32_t word)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &word, 4);
    return bytes;
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class PropertyChange : public ::testing::Test {
protected:
    PropertyChange() : document_(JsonDocument::Parse(kDefinition))
    {
        const DefaultEditData made = BuildDefaultEditData({Properties(), lists_, "English", "Vantor Template"});
        EXPECT_TRUE(made.made());
        block_ = made.block;
    }

    const json_value& Properties() const { return Member(document_.root(), "Properties"); }
    PropertyDefinition Definition() const { return {Properties(), "English"}; }

    Result<ChangePlan> Plan(std::size_t index, ValueForm form, const std::vector<std::uint8_t>& bytes,
        bool answer = true)
    {
        return PlanChange(block_, {Definition(), sets_}, index, form, bytes, [&](const Problem&) {
            ++questions_;
            return answer;
        });
    }
    void Apply(std::size_t index, ValueForm form, const std::vector<std::uint8_t>& bytes)
    {
        Result<ChangePlan> plan = Plan(index, form, bytes);
        ASSERT_TRUE(plan.ok()) << plan.problem().text;
        block_ = std::move(plan).value().block;
    }
    PropertiesView View() const
    {
        auto view = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        EXPECT_TRUE(view.ok());
        return view.value();
    }
    std::string Str(std::string_view title) const { return GetPropertyStr(View(), Definition(), title).value(); }
    float Num(std::string_view title) const { return GetPropertyNum(View(), Definition(), title).value(); }
    SheetValue Shown(std::size_t index) const
    {
        auto value = ReadSheetValue(block_, Definition(), index, "Vantor Template");
        EXPECT_TRUE(value.ok()) << value.problem().text;
        return value.ok() ? value.value() : SheetValue{};
    }
    std::uint32_t Field(std::size_t offset) const
    {
        std::uint32_t value;
        std::memcpy(&value, block_.data() + offset, 4);
        return value;
    }

    JsonDocument document_;
    EntryListSetNames lists_;
    std::vector<PropSet> sets_;
    std::vector<std::uint8_t> block_;
    int questions_ = 0;
};

TEST_F(PropertyChange, EveryTypeIsWrittenAndReadBack)
{
    Apply(0, ValueForm::Text, Bytes("Grüß"));
    Apply(1, ValueForm::Integer, Word(static_cast<std::uint32_t>(-40)));
    Apply(2, ValueForm::Float, Word(std::bit_cast<std::uint32_t>(2.25f)));
    Apply(3, ValueForm::Integer, Word(2));
    std::vector<std::uint8_t> size = Word(640);
    const auto height = Word(480);
    size.insert(size.end(), height.begin(), height.end());
    Apply(4, ValueForm::Size, size);
    Apply(6, ValueForm::Data, {2, 0, 11, 0, 12, 0});
    Apply(7, ValueForm::Text, Bytes("a/much/longer/path.bank"));

    EXPECT_EQ(Str("Name"), "Grüß");
    EXPECT_EQ(Num("Count"), -40.0f);
    EXPECT_EQ(Num("Ratio"), 2.25f);
    EXPECT_EQ(Str("Quality"), "High");
    EXPECT_EQ(Str("Path"), "a/much/longer/path.bank");
    EXPECT_EQ(Shown(3).kind, SheetValue::Kind::Unsigned);
    EXPECT_EQ(Shown(3).first, 2);
    EXPECT_EQ(Shown(4).first, 640);
    EXPECT_EQ(Shown(4).second, 480);
    EXPECT_EQ(Shown(6).data, (std::vector<std::uint8_t>{2, 0, 11, 0, 12, 0}));
    EXPECT_EQ(Shown(8).text, "Static");
    EXPECT_EQ(Shown(5).kind, SheetValue::Kind::None);
    // The sizes follow the records.
    EXPECT_EQ(Field(0), block_.size());
    EXPECT_EQ(Field(20 + 16), block_.size());
    EXPECT_EQ(questions_, 0);
}

TEST_F(PropertyChange, GrowingAndShrinkingKeepsEveryOtherRecordByteForByte)
{
    const auto before = View().Records().value();
    const std::vector<std::uint8_t> old = block_;
    Apply(7, ValueForm::Text, Bytes("a much longer path than before"));
    Apply(0, ValueForm::Text, {});
    const auto after = View().Records().value();
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 1; i < before.size(); ++i) {
        if (i == 7)
            continue;
        // "abc" is gone before them; behind the path, 24 more bytes.
        const std::ptrdiff_t moved = i < 7 ? -3 : 21;
        const auto from = old.begin() + std::ptrdiff_t(before[i].offset);
        EXPECT_TRUE(std::equal(from, from + before[i].sizeBytes, block_.begin() + std::ptrdiff_t(before[i].offset) + moved))
            << "record " << i;
    }
    EXPECT_EQ(Str("Name"), "");
    EXPECT_EQ(block_.size(), old.size() - 3 + (30 - 6));
}

TEST_F(PropertyChange, ValuesThePropertyCannotTakeAreRefused)
{
    const auto refused = [&](std::size_t index, ValueForm form, const std::vector<std::uint8_t>& bytes) {
        const Result<ChangePlan> plan = Plan(index, form, bytes);
        EXPECT_FALSE(plan.ok());
        return plan.ok() ? std::string() : plan.problem().text;
    };
    EXPECT_EQ(refused(1, ValueForm::Text, Bytes("12")),
        "Property \"Count\" (JSON type Editbox Number) cannot take a text value of 2 bytes.");
    EXPECT_NE(refused(0, ValueForm::Text, Bytes("toolong")).find("may hold at most 5"), std::string::npos);
    EXPECT_EQ(Plan(0, ValueForm::Text, Bytes("ßßßßß")).ok(), true);  // five characters, ten bytes
    EXPECT_NE(refused(3, ValueForm::Integer, Word(3)).find("Item 3 is not among the 3 items"), std::string::npos);
    EXPECT_NE(refused(6, ValueForm::Data, {5, 0, 1, 0}).find("does not hold a count"), std::string::npos);
    EXPECT_NE(refused(5, ValueForm::Integer, Word(1)).find("cannot take"), std::string::npos);
    EXPECT_NE(refused(2, ValueForm::Integer, {1, 2}).find("cannot take"), std::string::npos);
}

TEST_F(PropertyChange, AnEmptyNonTextValueIsReportedAndStillWritten)
{
    const Result<ChangePlan> plan = Plan(6, ValueForm::Data, {});
    ASSERT_TRUE(plan.ok());
    ASSERT_EQ(plan.value().boxes.size(), 1u);
    EXPECT_EQ(plan.value().boxes[0].text, "Property size of property Images (JSON type Image List) is 0!");
    EXPECT_TRUE(plan.value().resized);
}

TEST_F(PropertyChange, ASizeMismatchAsksAndNoKeepsTheBlock)
{
    std::uint32_t wrong = Field(20 + 16) - 1;
    std::memcpy(block_.data() + 20 + 16, &wrong, 4);
    Result<ChangePlan> no = Plan(0, ValueForm::Text, Bytes("abcd"), false);
    ASSERT_TRUE(no.ok());
    EXPECT_EQ(no.value().kind, ChangePlan::Kind::Cancelled);
    Result<ChangePlan> yes = Plan(0, ValueForm::Text, Bytes("abcd"), true);
    ASSERT_TRUE(yes.ok());
    EXPECT_EQ(questions_, 2);
    block_ = std::move(yes).value().block;
    EXPECT_EQ(Field(20 + 16), Field(0));
    EXPECT_EQ(Str("Name"), "abcd");
}

TEST_F(PropertyChange, CheckboxBitsFollowTheRecordPosition)
{
    Result<std::vector<std::uint8_t>> checked = PlanCheck(block_, Definition(), 5, true);
    ASSERT_TRUE(checked.ok());
    block_ = std::move(checked).value();
    EXPECT_TRUE(IsPropChecked(View(), Definition(), "On").value());
    EXPECT_EQ(block_[48], 1u << 5);
    block_ = PlanCheck(block_, Definition(), 5, false).value();
    EXPECT_FALSE(IsPropChecked(View(), Definition(), "On").value());
}

TEST_F(PropertyChange, ABrokenBlockGivesABoxNotARead)
{
    block_.resize(30);
    std::uint32_t size = 30;
    std::memcpy(block_.data(), &size, 4);
    const Result<ChangePlan> plan = Plan(0, ValueForm::Text, Bytes("x"));
    ASSERT_FALSE(plan.ok());
    EXPECT_EQ(plan.problem().kind, Problem::Kind::ErrorBox);
}

TEST(PropertyImageList, TheEditorsRequestComesFromTheDefinitionAndTheRecord)
{
    const JsonDocument document = JsonDocument::Parse(R"({"Type": "Image List", "WindowTitle": "Pick", "NumImages": 2,
        "MaxNumImages": 3, "ImageSize": [16], "FixedImageSize": true, "AllowEmpty": true, "ImageTitles": ["a", "b"]})");
    // The record claims five images but holds two.
    const std::vector<std::uint8_t> stored{5, 0, 7, 0, 9, 0};
    const ImageListEdit edit = ReadImageListEdit(document.root(), stored);
    EXPECT_EQ(edit.windowTitle, "Pick");
    EXPECT_EQ(edit.maxCount, 3);
    EXPECT_EQ(edit.width, 16);
    EXPECT_EQ(edit.height, 1);
    EXPECT_EQ(edit.options, 0x81u);
    EXPECT_EQ(edit.titles, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(edit.images, (std::vector<std::uint16_t>{7, 9}));
    const std::vector<std::uint16_t> images{3, 4};
    EXPECT_EQ(ImageListValue(images), (std::vector<std::uint8_t>{2, 0, 3, 0, 4, 0}));

    const JsonDocument single = JsonDocument::Parse(R"({"Type": "Image List"})");
    const ImageListEdit one = ReadImageListEdit(single.root(), {});
    EXPECT_EQ(one.maxCount, 1);
    EXPECT_EQ(one.width, 32);
    EXPECT_EQ(one.options, 0x10u);
    EXPECT_TRUE(one.images.empty());
}

TEST(PropertyChangeText, Utf16UnitsCountSurrogatePairsTwice)
{
    EXPECT_EQ(Utf16Units("abc"), 3u);
    EXPECT_EQ(Utf16Units("ßü"), 2u);
    EXPECT_EQ(Utf16Units("\xF0\x9F\x8E\xB5"), 2u);
}

}  // namespace
