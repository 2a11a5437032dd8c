// The two products' default blocks, byte for byte, read back through the run-time lookups,
// and the same block cut short or damaged at every byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataSize.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertyReads.h"
#include "tests/fixtures/DefaultBlocks.h"

using namespace Vantor;

namespace {

constexpr const char* kTitles[]
    = {"Master Bank Path", "Master Strings Bank Path", "Enable Live Update", "Real Channels", "Virtual Channels"};

// A product's definition and the block a new object of it gets.
struct Product {
    JsonDocument document;
    const json_value* properties = nullptr;
    DefaultEditData made;

    explicit Product(const char* relativePath)
    {
        std::ifstream in(std::string(VANTOR_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        document = JsonDocument::Parse(bytes.str());
        properties = &Member(Member(document.root(), "UK English"), "Properties");
        made = BuildDefaultEditData({*properties, {}, "UK English", "Vantor Template"});
    }

    PropertyDefinition Definition() const { return {*properties, "UK English"}; }
};

// A copy in a heap block of exactly its size, so that any read past it is caught.
struct ExactCopy {
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size;
    ExactCopy(const std::vector<std::uint8_t>& bytes, std::size_t keep)
        : data(new std::uint8_t[keep > 0 ? keep : 1])
        , size(keep)
    {
        std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(keep), data.get());
    }
};

bool IsSound(const Problem& problem) { return !problem.text.empty(); }

// Every lookup over a block that may be damaged: each gives a value or a problem with a text.
void ExerciseEveryLookup(const std::uint8_t* block, std::size_t size, const PropertyDefinition& definition)
{
    const EditDataView view(block, size);
    const HeaderLocation location = view.LocateProperties();
    for (std::size_t offset : {location.offset, std::size_t {20}}) {
        const Result<PropertiesView> props = view.PropertiesAt(offset);
        if (!props.ok()) {
            EXPECT_TRUE(IsSound(props.problem()));
            continue;
        }
        const PropertiesView& p = props.value();
        (void)p.Records();
        for (const char* title : kTitles) {
            const auto text = GetPropertyStr(p, definition, title);
            const auto number = GetPropertyNum(p, definition, title);
            const auto checked = IsPropChecked(p, definition, title);
            EXPECT_TRUE(text.ok() || IsSound(text.problem()));
            EXPECT_TRUE(number.ok() || IsSound(number.problem()));
            EXPECT_TRUE(checked.ok() || IsSound(checked.problem()));
        }
        for (std::size_t id = 0; id < 7; ++id) {
            (void)DataAt(p, definition, id, true);
            (void)DataAt(p, definition, id, false);
            (void)DataAtForChange(p, definition, id, true);
            (void)DataAtForChange(p, definition, id, false);
            (void)CheckboxOfJsonIndex(p, id);
            (void)p.CheckboxBit(id);
        }
    }
}

}  // namespace

TEST(PropertyTonvale, DefaultBlockIsExactlyTheStoredForm)
{
    const Product tonvale("studio/Tonvale.json");
    ASSERT_TRUE(tonvale.document.ok()) << tonvale.document.error();
    for (const Problem& box : tonvale.made.boxes)
        ADD_FAILURE() << box.title << ": " << box.text;
    ASSERT_TRUE(tonvale.made.made());
    EXPECT_EQ(tonvale.made.block, TestFixtures::TonvaleDefaultBlock());

    const EditDataView view(tonvale.made.block.data(), tonvale.made.block.size());
    const auto props = view.PropertiesAt(20);
    ASSERT_TRUE(props.ok()) << props.problem().text;
    const auto records = props.value().Records();
    ASSERT_TRUE(records.ok()) << records.problem().text;
    ASSERT_EQ(records.value().size(), 5u);
    const std::size_t offsets[] = {49, 100, 167, 194, 220};
    const std::uint32_t sizes[] = {51, 67, 27, 26, 29};
    const std::uint16_t types[] = {5, 5, 10, 6, 6};
    for (std::size_t i = 0; i < 5; ++i) {
        const RecordView& r = records.value()[i];
        EXPECT_EQ(r.offset, offsets[i]);
        EXPECT_EQ(r.sizeBytes, sizes[i]);
        EXPECT_EQ(r.typeId, types[i]);
        EXPECT_EQ(r.jsonIndex, i);
        EXPECT_EQ(r.title, kTitles[i]);
    }
    EXPECT_TRUE(records.value()[2].value.empty());
    EXPECT_EQ(props.value().StoredHash(), 0x7F19CA1Cu);
    EXPECT_EQ(props.value().StoredHashTypes(), 0xA6E2BE07u);
}

TEST(PropertyTonvale, SizeCalculationAgreesWithTheWriter)
{
    const Product tonvale("studio/Tonvale.json");
    Reports reports;
    EXPECT_EQ(EditDataSizeFromJson(*tonvale.properties, {}, "UK English", reports), 249);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(tonvale.made.block.size(), 249u);

    const Product velisse("eventinstance/Velisse.json");
    ASSERT_TRUE(velisse.document.ok()) << velisse.document.error();
    EXPECT_EQ(velisse.properties->type, json_none);
    EXPECT_EQ(EditDataSizeFromJson(*velisse.properties, {}, "UK English", reports), 48);
    EXPECT_TRUE(reports.empty());
}

TEST(PropertyTonvale, VelisseGetsTheEmptyBlock)
{
    const Product velisse("eventinstance/Velisse.json");
    EXPECT_TRUE(velisse.made.boxes.empty());
    EXPECT_EQ(velisse.made.block, TestFixtures::VelisseDefaultBlock());
    EXPECT_TRUE(velisse.made.resetList.empty());

    const auto props = EditDataView(velisse.made.block.data(), velisse.made.block.size()).PropertiesAt(20);
    ASSERT_TRUE(props.ok());
    EXPECT_EQ(props.value().NumProps(), 0);
    ASSERT_TRUE(props.value().Records().ok());
    EXPECT_TRUE(props.value().Records().value().empty());
}

TEST(PropertyTonvale, ResetListNamesEveryDefault)
{
    const Product tonvale("studio/Tonvale.json");
    EXPECT_EQ(tonvale.made.resetCount, 5u);
    EXPECT_EQ(tonvale.made.resetList,
        "\xE2\x80\xA2 Master Bank Path\n\xE2\x80\xA2 Master Strings Bank Path\n\xE2\x80\xA2 Real Channels\n"
        "\xE2\x80\xA2 Virtual Channels\n\xE2\x80\xA2 Enable Live Update\n");
}

TEST(PropertyTonvale, RuntimeReadsGiveBackEveryDefault)
{
    const Product tonvale("studio/Tonvale.json");
    const auto props = EditDataView(tonvale.made.block.data(), tonvale.made.block.size()).PropertiesAt(20);
    ASSERT_TRUE(props.ok());
    const PropertiesView& p = props.value();
    const PropertyDefinition definition = tonvale.Definition();

    EXPECT_EQ(GetPropertyStr(p, definition, "Master Bank Path").value(), "./FMOD/Desktop/Master.bank");
    EXPECT_EQ(GetPropertyStr(p, definition, "Master Strings Bank Path").value(), "./FMOD/Desktop/Master.strings.bank");
    EXPECT_FALSE(IsPropChecked(p, definition, "Enable Live Update").value());
    EXPECT_EQ(GetPropertyNum(p, definition, "Real Channels").value(), 2.0f);
    EXPECT_EQ(GetPropertyNum(p, definition, "Virtual Channels").value(), 128.0f);
    // A checkbox has no value to read as text or number.
    EXPECT_EQ(GetPropertyStr(p, definition, "Enable Live Update").value(), "");
    EXPECT_EQ(GetPropertyNum(p, definition, "Enable Live Update").value(), 0.0f);

    // The live-update bit is bit 2 of the one checkbox byte.
    std::vector<std::uint8_t> checked = tonvale.made.block;
    checked[48] = 0x04;
    const auto checkedProps = EditDataView(checked.data(), checked.size()).PropertiesAt(20);
    EXPECT_TRUE(IsPropChecked(checkedProps.value(), definition, "Enable Live Update").value());
}

TEST(PropertyTonvale, MisusedReadsEndInTheirProblems)
{
    const Product tonvale("studio/Tonvale.json");
    const auto props = EditDataView(tonvale.made.block.data(), tonvale.made.block.size()).PropertiesAt(20);
    const PropertiesView& p = props.value();
    const PropertyDefinition definition = tonvale.Definition();

    const auto missing = GetPropertyNum(p, definition, "real channels");  // titles compare with case
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(missing.problem().text, "GetPropertyNum() error; property name \"real channels\" does not exist.\n");
    EXPECT_EQ(GetPropertyStr(p, definition, "Nope").problem().text,
        "GetPropertyStr() error; property name \"Nope\" does not exist.\n");
    EXPECT_EQ(IsPropChecked(p, definition, "Nope").problem().text,
        "IsPropChecked() error; property name \"Nope\" does not exist.\n");

    const auto notText = GetPropertyStr(p, definition, "Real Channels");
    EXPECT_EQ(notText.problem().kind, Problem::Kind::Fatal);
    EXPECT_EQ(notText.problem().text,
        "GetPropertyStr() error; prop index 3 (name Real Channels) is not a string property.\n");
    EXPECT_EQ(GetPropertyNum(p, definition, "Master Bank Path").problem().text,
        "GetPropertyNum() error; property name \"Master Bank Path\", JSON index 0, is not a numeric property.\n");

    const auto noCheckbox = IsPropChecked(p, definition, "Real Channels");
    EXPECT_EQ(noCheckbox.problem().kind, Problem::Kind::ErrorBox);
    EXPECT_EQ(noCheckbox.problem().title, "Vantor property error");
    EXPECT_EQ(
        noCheckbox.problem().text, "IsPropChecked() name = \"Real Channels\" does not have a checkbox in the JSON.");

    // Without the definition's properties the lookups cannot tell value-less types.
    const PropertyDefinition none {JsonNone(), "UK English"};
    const auto premature = GetPropertyStr(p, none, "Master Bank Path");
    EXPECT_EQ(premature.problem().kind, Problem::Kind::ErrorBox);
    EXPECT_EQ(premature.problem().title, "Premature function call");
    EXPECT_EQ(
        premature.problem().text, "Internal_DataAt() const called for prop ID 0 without JSON properties being valid.");
}

TEST(PropertyTonvale, EveryTruncationIsRefusedWithoutReadingPastIt)
{
    const Product tonvale("studio/Tonvale.json");
    const PropertyDefinition definition = tonvale.Definition();
    for (std::size_t keep = 0; keep < tonvale.made.block.size(); ++keep) {
        SCOPED_TRACE(keep);
        const ExactCopy copy(tonvale.made.block, keep);
        ExerciseEveryLookup(copy.data.get(), copy.size, definition);
        // The last record always runs past a shortened block: no read succeeds.
        const auto props = EditDataView(copy.data.get(), copy.size).PropertiesAt(20);
        if (!props.ok()) {
            EXPECT_EQ(props.problem().kind, Problem::Kind::Fatal);
            continue;
        }
        const auto records = props.value().Records();
        ASSERT_FALSE(records.ok());
        EXPECT_EQ(records.problem().kind, Problem::Kind::Fatal);
        for (const char* title : kTitles)
            EXPECT_FALSE(GetPropertyStr(props.value(), definition, title).ok());
    }
}

TEST(PropertyTonvale, EveryDamagedByteStaysInsideTheBlock)
{
    const Product tonvale("studio/Tonvale.json");
    const PropertyDefinition definition = tonvale.Definition();
    for (std::size_t at = 0; at < tonvale.made.block.size(); ++at) {
        for (std::uint8_t value : {0x00, 0x01, 0x07, 0x53, 0x7F, 0x80, 0xFE, 0xFF}) {
            SCOPED_TRACE(std::to_string(at) + " = " + std::to_string(value));
            std::vector<std::uint8_t> damaged = tonvale.made.block;
            damaged[at] = value;
            const ExactCopy copy(damaged, damaged.size());
            ExerciseEveryLookup(copy.data.get(), copy.size, definition);
        }
    }
}
