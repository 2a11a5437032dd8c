// The run-time reads over hand-built records: list values, text bytes as stored, numbers
// of every width, and records whose values are too short or invalid for their type.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyReads.h"

using namespace Vantor;

namespace {

constexpr const char* kDefinition = R"({"Properties": [
    {"Type": "Combo Box", "Title": "Quality"},
    {"Type": "Combo Box Icons", "Title": "Icon"},
    {"Type": "Combo Box Button", "Title": "Odd list"},
    {"Type": "Combo Box", "Title": "Empty list"},
    {"Type": "Editbox String", "Title": "Name"},
    {"Type": "Editbox Float", "Title": "Ratio"},
    {"Type": "Color", "Title": "Tint"},
    {"Type": "Editbox Number", "Title": "Short number"},
    {"Type": "Size", "Title": "Area"},
    {"Type": "Edit spin float", "Title": "Step"}
]})";

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

template <typename T> std::vector<std::uint8_t> Raw(T v)
{
    std::vector<std::uint8_t> bytes(sizeof v);
    std::memcpy(bytes.data(), &v, sizeof v);
    return bytes;
}

class PropertyRuntimeRead : public ::testing::Test {
protected:
    PropertyRuntimeRead()
        : document_(JsonDocument::Parse(kDefinition))
    {
        EditDataAssembler a;
        EXPECT_TRUE(a.AddRecord(7, 0, "Quality", Bytes("LMedium")));
        EXPECT_TRUE(a.AddRecord(24, 1, "Icon", Bytes("L")));
        EXPECT_TRUE(a.AddRecord(20, 2, "Odd list", Bytes("Xabc")));
        EXPECT_TRUE(a.AddRecord(7, 3, "Empty list", {}));
        EXPECT_TRUE(a.AddRecord(5, 4, "Name",
            Bytes("Gr\xC3\xBC\xC3\x9F"
                  "e\n")));
        EXPECT_TRUE(a.AddRecord(21, 5, "Ratio", Raw(0.5f)));
        EXPECT_TRUE(a.AddRecord(9, 6, "Tint", Raw(std::int32_t {-16777216})));
        EXPECT_TRUE(a.AddRecord(6, 7, "Short number", Bytes("ab")));
        EXPECT_TRUE(a.AddRecord(8, 8, "Area", Raw(std::int64_t {1})));
        EXPECT_TRUE(a.AddRecord(27, 9, "Step", Raw(-0.125f)));
        block_ = a.Finish({0, 0}, 0, 0);
        auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
        EXPECT_TRUE(props.ok());
        view_ = std::make_unique<PropertiesView>(std::move(props).value());
    }

    PropertyDefinition Definition() const { return {Member(document_.root(), "Properties"), "UK English"}; }

    JsonDocument document_;
    std::vector<std::uint8_t> block_;
    std::unique_ptr<PropertiesView> view_;
};

}  // namespace

TEST_F(PropertyRuntimeRead, ListValuesGiveTheSelectedItemText)
{
    EXPECT_EQ(GetPropertyStr(*view_, Definition(), "Quality").value(), "Medium");
    EXPECT_EQ(GetPropertyStr(*view_, Definition(), "Icon").value(), "");
}

TEST_F(PropertyRuntimeRead, ListValuesWithoutAnIndicatorAreFatal)
{
    const auto odd = GetPropertyStr(*view_, Definition(), "Odd list");
    EXPECT_EQ(odd.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(odd.problem().text, "Unexpected data in list property, expecting L or S prefix, but got 'X'.\n");
    const auto empty = GetPropertyStr(*view_, Definition(), "Empty list");
    EXPECT_EQ(empty.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(
        empty.problem().text, "Unexpected data in list property, expecting L or S prefix, but it holds no data.\n");
}

TEST_F(PropertyRuntimeRead, TextComesBackAsStoredUtf8)
{
    EXPECT_EQ(GetPropertyStr(*view_, Definition(), "Name").value(),
        "Gr\xC3\xBC\xC3\x9F"
        "e\n");
}

TEST_F(PropertyRuntimeRead, NumbersOfEveryKind)
{
    EXPECT_EQ(GetPropertyNum(*view_, Definition(), "Ratio").value(), 0.5f);
    EXPECT_EQ(GetPropertyNum(*view_, Definition(), "Step").value(), -0.125f);
    EXPECT_EQ(GetPropertyNum(*view_, Definition(), "Tint").value(), -16777216.0f);
    const auto area = GetPropertyNum(*view_, Definition(), "Area");
    EXPECT_EQ(area.problem().text,
        "GetPropertyNum() error; property name \"Area\", JSON index 8, is not a numeric property.\n");
    const auto shortNumber = GetPropertyNum(*view_, Definition(), "Short number");
    EXPECT_EQ(shortNumber.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(shortNumber.problem().text,
        "GetPropertyNum() error; property name \"Short number\" stores 2 bytes, not the 4 of a number.\n");
}

TEST_F(PropertyRuntimeRead, ResultsFromTemporariesAreCopies)
{
    const std::string name = GetPropertyStr(*view_, Definition(), "Name").value();
    const Problem problem = GetPropertyStr(*view_, Definition(), "Missing").problem();
    EXPECT_EQ(name,
        "Gr\xC3\xBC\xC3\x9F"
        "e\n");
    EXPECT_EQ(problem.text, "GetPropertyStr() error; property name \"Missing\" does not exist.\n");
}
