// The block a new object gets from its JSON defaults: every type's stored value, the
// checkbox bits, property-set lists, the boxes of every failure, and agreement with the
// size the host is told beforehand.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/ConverterBoxes.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataSize.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/PropertyReads.h"

using namespace Vantor;

namespace {

constexpr const char* kNoValueTail
    = "). Your property data is corrupt beyond recovery or reset. Please re-add the object to frame.";

struct Built {
    JsonDocument document;
    DefaultEditData made;
    std::uint16_t announcedSize = 0;  // what the size calculation told the host
    Reports sizeReports;

    std::vector<RecordView> Records() const
    {
        const auto props = EditDataView(made.block.data(), made.block.size()).PropertiesAt(20);
        EXPECT_TRUE(props.ok());
        auto records = props.value().Records();
        EXPECT_TRUE(records.ok());
        return records.ok() ? records.value() : std::vector<RecordView> {};
    }
    std::vector<std::uint8_t> Value(std::size_t position) const
    {
        const RecordView r = Records().at(position);
        return {r.value.begin(), r.value.end()};
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const Problem& box : made.boxes)
            texts.push_back(box.title + ": " + box.text);
        return texts;
    }
};

Built Build(const std::string& json, const EntryListSetNames& sets = {}, bool quiet = false, std::uint32_t extId = 0,
    std::uint32_t oldExtMaxSize = 0)
{
    Built built;
    built.document = JsonDocument::Parse(json);
    EXPECT_TRUE(built.document.ok()) << built.document.error();
    const json_value& properties = Member(built.document.root(), "Properties");
    built.made = BuildDefaultEditData({properties, sets, "UK English", "Vantor Template", quiet, extId, oldExtMaxSize});
    built.announcedSize = EditDataSizeFromJson(properties, sets, "UK English", built.sizeReports);
    return built;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> Int32(std::int32_t v)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &v, 4);
    return bytes;
}

std::vector<std::uint8_t> Float32(float v)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &v, 4);
    return bytes;
}

std::vector<std::uint8_t> Concat(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A definition whose "Properties" holds these elements.
std::string ArrayOf(const std::string& elements) { return R"({"Properties": [)" + elements + "]}"; }

// A definition of count "Text" properties.
std::string TextRun(int count)
{
    std::string elements;
    for (int i = 0; i < count; ++i)
        elements += std::string(i ? "," : "") + R"({"Type": "Text"})";
    return ArrayOf(elements);
}

std::string TextProperty(const std::string& title, const std::string& value)
{
    return R"({"Type": "Editbox String", "Title": ")" + title + R"(", "DefaultState": ")" + value + "\"}";
}

}  // namespace

TEST(PropertyDefaultBlock, EveryStorableTypeGetsItsValueAndTheSizeAgrees)
{
    const Built b = Build(ArrayOf(R"(
        {"Type": "Text", "Title": "Intro", "DefaultState": "Shown, not stored"},
        {"Type": "Folder", "Title": "Paths"},
        {"Type": "Editbox String", "Title": "Shout", "DefaultState": "quiet Words", "Case": "upper"},
        {"Type": "Editbox String Multiline", "Title": "Notes", "DefaultState": "a\nb"},
        {"Type": "Editbox File", "Title": "File", "DefaultState": "x.bank"},
        {"Type": "Editbox Image File", "Title": "Image", "DefaultState": "i.png"},
        {"Type": "Editbox Folder", "Title": "Dir", "DefaultState": "./FMOD"},
        {"Type": "URL button", "Title": "Site", "DefaultState": "https://example.org/"},
        {"Type": "FolderEnd"},
        {"Type": "Editbox Number", "Title": "Number", "DefaultState": -5},
        {"Type": "Color", "Title": "Tint", "DefaultState": 16711935},
        {"Type": "Edit slider", "Title": "Slider", "DefaultState": 2147483647},
        {"Type": "Edit spin", "Title": "Spin", "DefaultState": -2147483648},
        {"Type": "Edit direction", "Title": "Direction", "DefaultState": 16},
        {"Type": "Combo Box", "Title": "Quality", "Items": ["Low", "Medium"], "DefaultState": "Medium"},
        {"Type": "Combo Box Button", "Title": "Preset", "Items": ["A"], "DefaultState": 1},
        {"Type": "Combo Box Icons", "Title": "Icons", "Items": null},
        {"Type": "Size", "Title": "Area", "DefaultState": [640, 480.9]},
        {"Type": "Editbox Float", "Title": "Half", "DefaultState": 0.5},
        {"Type": "Edit spin float", "Title": "Down", "DefaultState": -2.25e0},
        {"Type": "Image List", "Title": "Frames", "NumImages": 3},
        {"Type": "Edit button", "Title": "Press"},
        {"Type": "Group", "Title": "Together"},
        {"Type": "checkbox", "Title": "Tick", "DefaultState": true}
    )"));
    EXPECT_TRUE(b.made.boxes.empty()) << ::testing::PrintToString(b.BoxTexts());
    ASSERT_TRUE(b.made.made());
    EXPECT_EQ(b.made.block.size(), b.announcedSize);
    EXPECT_TRUE(b.sizeReports.empty());

    const std::vector<RecordView> records = b.Records();
    ASSERT_EQ(records.size(), 24u);
    for (std::size_t i : {0, 1, 8, 21, 22}) {  // title-less: a bare 9-byte head
        EXPECT_EQ(records[i].sizeBytes, 9u) << i;
        EXPECT_EQ(records[i].title, "") << i;
    }
    EXPECT_EQ(records[0].typeId, 1);
    EXPECT_EQ(records[8].typeId, 3);
    EXPECT_EQ(b.Value(2), Bytes("QUIET WORDS"));
    EXPECT_EQ(b.Value(3), Bytes("a\nb"));
    EXPECT_EQ(b.Value(6), Bytes("./FMOD"));
    EXPECT_EQ(b.Value(7), Bytes("https://example.org/"));
    EXPECT_EQ(records[7].typeId, 25);
    EXPECT_EQ(b.Value(9), Int32(-5));
    EXPECT_EQ(b.Value(10), Int32(16711935));
    EXPECT_EQ(b.Value(11), Int32(2147483647));
    EXPECT_EQ(b.Value(12), Int32(-2147483647 - 1));
    EXPECT_EQ(b.Value(14), Bytes("LMedium"));
    EXPECT_EQ(b.Value(15), Bytes("L"));  // a default that is no text stores the indicator alone
    EXPECT_EQ(b.Value(16), Bytes("L"));
    EXPECT_EQ(b.Value(17), Concat(Int32(640), Int32(480)));
    EXPECT_EQ(b.Value(18), Float32(0.5f));
    EXPECT_EQ(b.Value(19), Float32(-2.25f));
    EXPECT_EQ(b.Value(20), (std::vector<std::uint8_t> {3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(records[23].title, "Tick");
    EXPECT_TRUE(records[23].value.empty());
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].jsonIndex, i);

    // Read back through the run-time lookups.
    const auto props = EditDataView(b.made.block.data(), b.made.block.size()).PropertiesAt(20);
    const PropertyDefinition definition {Member(b.document.root(), "Properties"), "UK English"};
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Quality").value(), "Medium");
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Preset").value(), "");
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Dir").value(), "./FMOD");
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Tint").value(), 16711935.0f);
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Half").value(), 0.5f);
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Down").value(), -2.25f);
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Direction").value(), 16.0f);
    EXPECT_TRUE(IsPropChecked(props.value(), definition, "Tick").value());
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Site").problem().kind, Problem::Kind::Fatal);
}

TEST(PropertyDefaultBlock, NinePropertiesNeedTwoCheckboxBytes)
{
    std::string elements;
    for (int i = 0; i < 9; ++i)
        elements += std::string(i ? "," : "") + R"({"Type": "Checkbox", "Title": "C)" + std::to_string(i)
            + R"(", "DefaultState": )" + (i % 3 == 0 ? "true" : "false") + "}";
    const Built b = Build(ArrayOf(elements));
    ASSERT_TRUE(b.made.made());
    ASSERT_EQ(b.made.block.size(), 48u + 2u + 9u * 11u);
    EXPECT_EQ(b.made.block.size(), b.announcedSize);
    EXPECT_EQ(b.made.block[48], 0x49);  // C0, C3, C6
    EXPECT_EQ(b.made.block[49], 0x00);  // C8 is the 9th: bit 0 of the second byte
    EXPECT_EQ(b.Records().front().offset, 50u);

    std::vector<std::uint8_t> block = b.made.block;
    block[49] = 0x01;
    const auto props = EditDataView(block.data(), block.size()).PropertiesAt(20);
    const PropertyDefinition definition {Member(b.document.root(), "Properties"), "UK English"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(IsPropChecked(props.value(), definition, "C" + std::to_string(i)).value(), i % 3 == 0 || i == 8) << i;
}

TEST(PropertyDefaultBlock, ValuesWithACheckboxKeepBothAndCountOnceAsReset)
{
    const Built b = Build(ArrayOf(R"(
        {"Type": "Editbox String", "Title": "Path", "DefaultState": "p", "CheckboxDefaultState": true},
        {"Type": "Editbox Number", "Title": "Count", "DefaultState": 1, "CheckboxDefaultState": false},
        {"Type": "Editbox Number", "Title": "Plain", "DefaultState": 2}
    )"));
    ASSERT_TRUE(b.made.made());
    EXPECT_EQ(b.made.block[48], 0x01);
    EXPECT_EQ(b.made.resetCount, 3u);
    EXPECT_EQ(b.made.resetList, "\xE2\x80\xA2 Path\n\xE2\x80\xA2 Count\n\xE2\x80\xA2 Plain\n");

    const auto props = EditDataView(b.made.block.data(), b.made.block.size()).PropertiesAt(20);
    const PropertyDefinition definition {Member(b.document.root(), "Properties"), "UK English"};
    EXPECT_TRUE(IsPropChecked(props.value(), definition, "Path").value());
    EXPECT_FALSE(IsPropChecked(props.value(), definition, "Count").value());
    EXPECT_EQ(IsPropChecked(props.value(), definition, "Plain").problem().kind, Problem::Kind::ErrorBox);
}

TEST(PropertyDefaultBlock, PropertySetListStoresItsSetRecord)
{
    const EntryListSetNames sets {{0, "Sounds", 3, 4, 3}};
    const Built b = Build(ArrayOf(R"(
        {"Type": "Combo Box", "Title": "Sound list", "Items": ["ignored"]},
        {"Type": "Edit button", "Title": "Add"},
        {"Type": "Edit button", "Title": "Delete"},
        {"Type": "Editbox String", "Title": "Sound name", "DefaultState": "First"},
        {"Type": "Editbox Number", "Title": "Volume", "DefaultState": 7}
    )"),
        sets);
    ASSERT_TRUE(b.made.made());
    EXPECT_EQ(b.made.block.size(), b.announcedSize);
    EXPECT_EQ(b.Value(0), Concat({'S', 1, 0, 4, 0, 3, 0, 3, 0, 0, 0}, Bytes("Sounds")));
    EXPECT_EQ(b.BoxTexts(),
        (std::vector<std::string> {
            "Property error: JSONPropertyReader: combo box name list Sound list has Items, which "
            "should not be used for a property set name list."}));

    // The list answers with the selected entry's name.
    const auto props = EditDataView(b.made.block.data(), b.made.block.size()).PropertiesAt(20);
    const PropertyDefinition definition {Member(b.document.root(), "Properties"), "UK English"};
    EXPECT_EQ(GetPropertyStr(props.value(), definition, "Sound list").value(), "First");
    EXPECT_EQ(GetPropertyNum(props.value(), definition, "Volume").value(), 7.0f);
}

TEST(PropertyDefaultBlock, HeaderTakesTheReplacedBlocksIdentityAndLargestSize)
{
    const Built grown = Build(ArrayOf(TextProperty("A", "x")), {}, false, 0x12345678, 1000);
    EditDataHeader header;
    std::memcpy(&header, grown.made.block.data(), sizeof header);
    EXPECT_EQ(header.extSize, grown.made.block.size());
    EXPECT_EQ(header.extMaxSize, 1000u);
    EXPECT_EQ(header.extID, 0x12345678u);
    EXPECT_EQ(header.extVersion, 0x101u);
    EXPECT_EQ(header.extPrivateData, 20u);

    const Built small = Build(ArrayOf(TextProperty("A", "x")), {}, false, 0, 10);
    std::memcpy(&header, small.made.block.data(), sizeof header);
    EXPECT_EQ(header.extMaxSize, small.made.block.size());
    Vantor::Properties props;
    std::memcpy(&props, small.made.block.data() + 20, sizeof props);
    EXPECT_EQ(props.sizeBytes, small.made.block.size());
    EXPECT_EQ(props.numProps, 1);
    EXPECT_EQ(props.visibleEditorProps, 0u);
    EXPECT_EQ(props.visibleEditorPropsHigh, 0u);
}

TEST(PropertyDefaultBlock, APropertyWithoutAValueMakesNoBlock)
{
    const Built b = Build(ArrayOf(R"(
        {"Type": "Editbox Number", "Title": "Count"},
        {"Type": "Editbox Number", "Title": "Huge", "DefaultState": 3000000000},
        {"Type": "Editbox Float", "Title": "Whole", "DefaultState": 1},
        {"Type": "Image List", "Title": "Frames", "DefaultState": [], "NumImages": 1},
        "not an object",
        {"Type": "Font", "Title": "Face"},
        {"Type": "Not a type", "Title": "Odd"},
        {"Type": "Combo Box", "Title": "Bad items", "Items": {"a": 1}},
        {"Type": "Editbox String", "Title": "Fine", "DefaultState": "ok"}
    )"));
    EXPECT_FALSE(b.made.made());
    EXPECT_TRUE(b.made.block.empty());
    const std::string failure = "Property conversion error: JSONPropertyReader converter encountered a failure: ";
    const std::string noValue = "Property conversion error: All converters have failed for property ";
    EXPECT_EQ(b.BoxTexts(),
        (std::vector<std::string> {
            failure
                + "JSONPropertyReader: JSON item Count, ID 0, language UK English has no default value.. "
                  "Delegating.",
            noValue + "0 (Count" + kNoValueTail,
            failure
                + "JSONPropertyReader: JSON item Huge, ID 1, language UK English has default value that "
                  "can't be stored in 32-bit int (value is 3000000000).. Delegating.",
            noValue + "1 (Huge" + kNoValueTail,
            failure
                + "JSONPropertyReader: JSON item Whole, ID 2, language UK English has no default value.. "
                  "Delegating.",
            noValue + "2 (Whole" + kNoValueTail,
            failure
                + "JSONPropertyReader: JSON item Frames, ID 3, language UK English has a default value, "
                  "and shouldn't have one.. Delegating.",
            noValue + "3 (Frames" + kNoValueTail,
            failure
                + "JSDNPropertyReader: Index 4 is not a json_object (but within Properties array). "
                  "Delegating.",
            noValue + "4 (" + kNoValueTail,
            noValue + "5 (Face" + kNoValueTail,
            noValue + "6 (Odd" + kNoValueTail,
            noValue + "7 (Bad items" + kNoValueTail,
        }));
    EXPECT_EQ(b.made.boxes[0].kind, Problem::Kind::WarningBox);
    EXPECT_EQ(b.made.boxes[1].kind, Problem::Kind::ErrorBox);
}

TEST(PropertyDefaultBlock, QuietContextLeavesOutTheNoValueBox)
{
    const Built b = Build(ArrayOf(R"({"Type": "Editbox Number", "Title": "Count"})"), {}, true);
    EXPECT_FALSE(b.made.made());
    ASSERT_EQ(b.made.boxes.size(), 1u);
    EXPECT_EQ(b.made.boxes[0].kind, Problem::Kind::WarningBox);
}

TEST(PropertyDefaultBlock, AnUnsuitableReaderStopsAtOnce)
{
    const std::string longText(4096, 'x');
    for (const std::string& stopper : {TextProperty("Long", longText),
             R"({"Type": "Combo Box", "Title": "Long", "DefaultState": ")" + longText + "\"}",
             std::string(R"({"Type": "Size", "Title": "Long", "DefaultState": [1]})")}) {
        const Built b = Build(
            ArrayOf(TextProperty("Before", "b") + "," + stopper + R"(, {"Type": "Editbox Number", "Title": "After"})"));
        EXPECT_FALSE(b.made.made());
        // "After" would fail too, but no reader is left to ask.
        EXPECT_EQ(b.BoxTexts(),
            (std::vector<std::string> {"Property conversion error: All converters have failed "
                                       "for property 1 (Long"
                + std::string(kNoValueTail)}));
    }
    const Built longest = Build(ArrayOf(TextProperty("Longest", std::string(4095, 'y'))));
    EXPECT_TRUE(longest.made.made());
    EXPECT_EQ(longest.made.block.size(), longest.announcedSize);
}

TEST(PropertyDefaultBlock, PropertiesThatAreNoArrayLeaveNoReader)
{
    for (const std::string& json :
        {std::string(R"({"Properties": {"Type": "Text"}})"), std::string(R"({"Properties": null})"), TextRun(1001)}) {
        const Built loud = Build(json);
        EXPECT_FALSE(loud.made.made());
        EXPECT_EQ(loud.BoxTexts(),
            (std::vector<std::string> {
                "Property error: JSONPropertyReader: Properties is the wrong type, expected an array.\n",
                "Property conversion error: All Vantor Template property readers have failed. Your property "
                "data is corrupt beyond recovery or reset. Please re-add the object to frame."}));
        const Built quiet = Build(json, {}, true);
        ASSERT_EQ(quiet.made.boxes.size(), 2u);
        EXPECT_EQ(quiet.made.boxes[1].title, "Property reading error");
        EXPECT_EQ(quiet.made.boxes[1].text, "Setting up Vantor Template object properties from JSON failed.");
    }
    const Built most = Build(TextRun(1000));
    EXPECT_TRUE(most.made.made());
    EXPECT_EQ(most.made.block.size(), most.announcedSize);
}

TEST(PropertyDefaultBlock, TitlesTooLongToCountAreRefused)
{
    const Built longest = Build(ArrayOf(TextProperty(std::string(254, 't'), "v")));
    ASSERT_TRUE(longest.made.made());
    EXPECT_EQ(longest.made.block.size(), longest.announcedSize);
    EXPECT_EQ(longest.Records().at(0).title.size(), 254u);

    const std::string title(255, 'u');
    const Built refused = Build(ArrayOf(TextProperty("Short", "s") + "," + TextProperty(title, "v")));
    EXPECT_FALSE(refused.made.made());
    ASSERT_EQ(refused.made.boxes.size(), 1u);
    EXPECT_EQ(refused.made.boxes[0].title, "Property error");
    EXPECT_EQ(refused.made.boxes[0].text,
        "Property 1 has a title of 255 bytes, but at most 254 bytes of a title can "
        "be stored: \""
            + title + "\".");
    // A title-less type never stores its title, however long.
    EXPECT_TRUE(Build(ArrayOf(R"({"Type": "Group", "Title": ")" + title + "\"}")).made.made());
}

TEST(PropertyDefaultBlock, BlocksReachingTheHostLimitAreRefused)
{
    std::string elements;
    for (int i = 0; i < 17; ++i)
        elements += std::string(i ? "," : "") + TextProperty("T" + std::to_string(i), std::string(4000, 'z'));
    const Built b = Build(ArrayOf(elements));
    EXPECT_FALSE(b.made.made());
    const std::size_t total = 48 + 3 + 17 * (9 + 4000) + 10 * 2 + 7 * 3;
    EXPECT_EQ(b.BoxTexts(),
        (std::vector<std::string> {"Properties too big: New EDITDATA was too big to store all the "
                                   "initial properties; needed "
            + std::to_string(total) + " bytes, but 65535 is the maximum possible."}));
    EXPECT_EQ(b.sizeReports.size(), 1u);  // told the same beforehand

    // Image counts that wrap in 16 bits never make a block either.
    EXPECT_FALSE(Build(ArrayOf(R"({"Type": "Image List", "Title": "I", "NumImages": -1})")).made.made());
    EXPECT_FALSE(Build(ArrayOf(R"({"Type": "Image List", "Title": "I", "NumImages": 40000})")).made.made());
}

TEST(PropertyDefaultBlock, UnreadableCheckboxesStayClearWithABox)
{
    const Built b = Build(ArrayOf(R"(
        {"Type": "Checkbox", "Title": "Tick", "DefaultState": "yes"},
        {"Type": "Editbox Number", "Title": "N", "DefaultState": 1, "CheckboxDefaultState": 1}
    )"));
    ASSERT_TRUE(b.made.made());
    EXPECT_EQ(b.made.block[48], 0);
    const std::string box = "Property conversion error: Couldn't read check box of some properties. Delegating.";
    EXPECT_EQ(b.BoxTexts(), (std::vector<std::string> {box, box}));
    EXPECT_EQ(b.made.resetList, "\xE2\x80\xA2 N\n");
}

TEST(PropertyDefaultBlock, ReaderFailureBoxDropsOneTrailingSpace)
{
    EXPECT_EQ(ReaderFailureBox("R", "broke\n").text, "R converter encountered a failure: broke. Delegating.");
    EXPECT_EQ(ReaderFailureBox("R", "broke \n").text, "R converter encountered a failure: broke . Delegating.");
    EXPECT_EQ(ReaderFailureBox("R", "").text, "R converter encountered a failure: unknown error. Delegating.");
    EXPECT_EQ(ReaderFailureBox("R", "x").kind, Problem::Kind::WarningBox);
}
