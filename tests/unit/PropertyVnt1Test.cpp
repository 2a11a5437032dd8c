// Blocks of the first smart-property layout, 'VNT1': a 20-byte header, 7-byte record heads,
// JSON index by position, list values without an indicator, checkbox bits by JSON index.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyReads.h"

using namespace Vantor;

namespace {

constexpr const char* kDefinition = R"({"Properties": [
    {"Type": "Editbox String", "Title": "Name"},
    {"Type": "Combo Box", "Title": "Quality"},
    {"Type": "Combo Box", "Title": "Sizes"},
    {"Type": "Checkbox", "Title": "Tick"},
    {"Type": "Editbox Number", "Title": "Count"}
]})";

struct V1Block {
    std::vector<std::uint8_t> bytes;

    void Int(std::uint32_t v, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void Append(const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
    void Record(std::uint16_t type, const std::string& title, const std::string& value)
    {
        Int(static_cast<std::uint32_t>(7 + title.size() + value.size()), 4);
        Int(type, 2);
        Int(static_cast<std::uint32_t>(title.size()), 1);
        Append(title);
        Append(value);
    }
};

std::vector<std::uint8_t> Vnt1Block()
{
    V1Block b;
    for (std::uint32_t v : {0u, 0u, 0x101u, 0u, 20u})  // extSize patched below
        b.Int(v, 4);
    b.Append("1TNV");
    b.Int(0x11111111, 4);
    b.Int(0x22222222, 4);
    b.Int(5, 2);
    b.Int(0, 2);
    b.Int(0, 4);
    b.Int(0x08, 1);  // Tick, JSON index 3
    b.Record(5, "Name", "old text");
    b.Record(7, "Quality", "Medium");
    b.Record(7, "Sizes", "Small");  // begins with S, yet no set: 'VNT1' has none
    b.Record(10, "Tick", "");
    b.Record(6, "Count", std::string("\x2A\0\0\0", 4));
    const auto size = static_cast<std::uint32_t>(b.bytes.size());
    for (int i = 0; i < 4; ++i)
        b.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    return b.bytes;
}

class PropertyVnt1 : public ::testing::Test {
protected:
    PropertyVnt1()
        : document_(JsonDocument::Parse(kDefinition))
        , block_(Vnt1Block())
    {
    }

    PropertyDefinition Definition() const { return {Member(document_.root(), "Properties"), "UK English"}; }

    JsonDocument document_;
    std::vector<std::uint8_t> block_;
};

}  // namespace

TEST_F(PropertyVnt1, HeaderAndRecordsUseTheOldLayout)
{
    const EditDataView view(block_.data(), block_.size());
    EXPECT_EQ(view.LocateProperties().outcome, HeaderLocation::Outcome::Found);
    const auto props = view.PropertiesAt(20);
    ASSERT_TRUE(props.ok()) << props.problem().text;
    EXPECT_EQ(props.value().Layout(), PropertiesLayout::Vnt1);
    EXPECT_EQ(props.value().NumProps(), 5);
    EXPECT_EQ(props.value().StoredHash(), 0x11111111u);
    EXPECT_EQ(props.value().StoredHashTypes(), 0x22222222u);
    EXPECT_EQ(props.value().FirstRecordOffset(), 41u);
    const auto records = props.value().Records();
    ASSERT_TRUE(records.ok()) << records.problem().text;
    ASSERT_EQ(records.value().size(), 5u);
    EXPECT_EQ(records.value()[0].offset, 41u);
    EXPECT_EQ(records.value()[0].sizeBytes, 19u);
    EXPECT_EQ(records.value()[1].offset, 60u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(records.value()[i].jsonIndex, i);
    EXPECT_EQ(records.value()[4].typeId, 6);
    EXPECT_EQ(records.value()[4].title, "Count");
    EXPECT_EQ(records.value()[4].value.size(), 4u);
}

TEST_F(PropertyVnt1, ReadsAnswerFromOldBlocks)
{
    const auto props = EditDataView(block_.data(), block_.size()).PropertiesAt(20);
    const PropertyDefinition definition = Definition();
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Name").value(), "old text");
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Quality").value(), "Medium");
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Sizes").value(), "Small");
    EXPECT_TRUE(IsPropChecked(props.value(), definition, "Tick").value());
    // Found behind the list that a 'VNT2' block would take for a set.
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Count").value(), 42.0f);
}

TEST_F(PropertyVnt1, DamagedOldBlocksAreRefused)
{
    std::vector<std::uint8_t> damaged = block_;
    damaged[41] = 6;  // below the 7-byte head
    const auto props = EditDataView(damaged.data(), damaged.size()).PropertiesAt(20);
    ASSERT_TRUE(props.ok());
    EXPECT_EQ(props.value().Records().problem().text,
        "Stored property 0 of 5 at offset 41 claims 6 bytes, fewer than its head and its 4-byte title.\n");

    const PropertyDefinition definition = Definition();
    for (std::size_t keep = 0; keep < block_.size(); ++keep) {
        auto copy = std::make_unique<std::uint8_t[]>(keep + 1);
        std::copy(block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(keep), copy.get());
        const auto cut = EditDataView(copy.get(), keep).PropertiesAt(20);
        if (!cut.ok())
            continue;
        EXPECT_FALSE(cut.value().Records().ok()) << keep;
        EXPECT_FALSE(GetPropertyStr(cut.value(), definition, "Name").ok()) << keep;
        EXPECT_FALSE(IsPropChecked(cut.value(), definition, "Tick").ok()) << keep;
    }
}
