// Finding the property header and walking the records of blocks whose stored sizes,
// counts and offsets may lie: every answer stays inside the bytes the caller holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataView.h"

using namespace Vantor;

namespace {

using Outcome = HeaderLocation::Outcome;

// A 'VNT2' block with one text record "A" = "x" at 49: 60 bytes.
std::vector<std::uint8_t> OneRecordBlock()
{
    EditDataAssembler assembler;
    const std::vector<std::uint8_t> value {'x'};
    EXPECT_TRUE(assembler.AddRecord(5, 0, "A", value));
    return assembler.Finish({1, 2}, 0, 0);
}

void Put32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value)
{
    std::memcpy(block.data() + offset, &value, 4);
}

void Put16(std::vector<std::uint8_t>& block, std::size_t offset, std::uint16_t value)
{
    std::memcpy(block.data() + offset, &value, 2);
}

HeaderLocation Locate(const std::vector<std::uint8_t>& block)
{
    return EditDataView(block.data(), block.size()).LocateProperties();
}

std::vector<std::string> BoxTitles(const HeaderLocation& location)
{
    std::vector<std::string> titles;
    for (const Problem& box : location.boxes)
        titles.push_back(box.title);
    return titles;
}

// The problem the record walk of this block ends in; empty when it succeeds.
std::string RecordProblem(const std::vector<std::uint8_t>& block, std::size_t realSize)
{
    const auto props = EditDataView(block.data(), realSize).PropertiesAt(20);
    if (!props.ok())
        return props.problem().text;
    const auto records = props.value().Records();
    return records.ok() ? std::string() : records.problem().text;
}

}  // namespace

TEST(PropertyBlockView, HeaderFoundWhereExtPrivateDataPoints)
{
    std::vector<std::uint8_t> block = OneRecordBlock();
    HeaderLocation location = Locate(block);
    EXPECT_EQ(location.outcome, Outcome::Found);
    EXPECT_EQ(location.offset, 20u);
    EXPECT_TRUE(location.boxes.empty());

    // An extension's own data between eHeader and Props moves the header.
    block.insert(block.begin() + 20, {0xAA, 0xBB, 0xCC, 0xDD});
    Put32(block, 0, static_cast<std::uint32_t>(block.size()));
    Put32(block, 16, 24);
    location = Locate(block);
    EXPECT_EQ(location.outcome, Outcome::Found);
    EXPECT_EQ(location.offset, 24u);
    const auto props = EditDataView(block.data(), block.size()).PropertiesAt(24);
    ASSERT_TRUE(props.ok());
    EXPECT_EQ(props.value().FirstRecordOffset(), 53u);
    ASSERT_TRUE(props.value().Records().ok());
    EXPECT_EQ(props.value().Records().value().at(0).title, "A");
}

TEST(PropertyBlockView, WrongMarkerInRangeFallsBackNearTheEnd)
{
    std::vector<std::uint8_t> block = OneRecordBlock();
    Put32(block, 16, 24);  // in range, but no header there
    const HeaderLocation location = Locate(block);
    EXPECT_EQ(location.outcome, Outcome::WrongMarker);
    EXPECT_EQ(location.offset, 60u - 28u);
    ASSERT_EQ(location.boxes.size(), 1u);
    EXPECT_EQ(location.boxes[0].kind, Problem::Kind::ErrorBox);
    EXPECT_EQ(location.boxes[0].title, "Vantor offset invalid");
    EXPECT_EQ(
        location.boxes[0].text, "Vantor smart properties was not found in edittime data. The MFA is likely corrupt.");
    // Nothing usable sits at the fallback either.
    EXPECT_FALSE(EditDataView(block.data(), block.size()).PropertiesAt(location.offset).ok());
}

TEST(PropertyBlockView, OffsetOutOfRangeWarnsAndTriesTwenty)
{
    for (std::uint32_t offset : {0u, 19u, 57u, 60u, 61u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(offset);
        std::vector<std::uint8_t> block = OneRecordBlock();
        Put32(block, 16, offset);
        const HeaderLocation location = Locate(block);
        EXPECT_EQ(location.outcome, Outcome::OldOffsetFoundAt20);
        EXPECT_EQ(location.offset, 20u);
        ASSERT_EQ(location.boxes.size(), 1u);
        EXPECT_EQ(location.boxes[0].kind, Problem::Kind::WarningBox);
        EXPECT_EQ(location.boxes[0].title, "Old Vantor props");
        EXPECT_EQ(location.boxes[0].text,
            "Vantor smart props offset not found. Falling back to default. Resetting properties recommended.");
    }
    // The last position whose marker still fits is in range.
    std::vector<std::uint8_t> block = OneRecordBlock();
    Put32(block, 16, 56);
    EXPECT_EQ(Locate(block).outcome, Outcome::WrongMarker);
}

TEST(PropertyBlockView, NoHeaderAnywhereGivesBothBoxes)
{
    std::vector<std::uint8_t> block = OneRecordBlock();
    Put32(block, 16, 0);
    block[20] = 'X';
    HeaderLocation location = Locate(block);
    EXPECT_EQ(location.outcome, Outcome::NotFound);
    EXPECT_EQ(location.offset, 32u);
    EXPECT_EQ(BoxTitles(location), (std::vector<std::string> {"Old Vantor props", "Vantor offset invalid"}));

    // Blocks too short for any header: the fallback never goes below 20 or wraps.
    const std::vector<std::uint8_t> whole = OneRecordBlock();
    for (std::size_t size : {0, 3, 16, 19, 20, 23}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> shortBlock(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        location = EditDataView(shortBlock.data(), shortBlock.size()).LocateProperties();
        EXPECT_EQ(location.offset, 20u);
        EXPECT_EQ(BoxTitles(location), (std::vector<std::string> {"Old Vantor props", "Vantor offset invalid"}));
    }
    EXPECT_EQ(EditDataView(nullptr, 100).LocateProperties().outcome, Outcome::NotFound);
}

TEST(PropertyBlockView, HeaderMustFitTheBlock)
{
    const std::vector<std::uint8_t> block = OneRecordBlock();
    EXPECT_EQ(RecordProblem(block, 47),
        "The Vantor smart properties header at offset 20 runs past the end of the "
        "47-byte EDITDATA.\n");
    EXPECT_EQ(RecordProblem(block, 23),
        "No Vantor smart properties header (VNT1 or VNT2) at offset 20 of the 23-byte "
        "EDITDATA.\n");
    std::vector<std::uint8_t> foreign = block;
    std::memcpy(foreign.data() + 20, "RIFF", 4);
    EXPECT_EQ(RecordProblem(foreign, foreign.size()),
        "No Vantor smart properties header (VNT1 or VNT2) at offset 20 of the 60-byte EDITDATA.\n");
    std::vector<std::uint8_t> crowded = block;
    Put16(crowded, 32, 200);  // 25 checkbox bytes cannot fit
    EXPECT_EQ(RecordProblem(crowded, crowded.size()),
        "The 25 checkbox bytes of 200 stored properties run past the end of the 60-byte EDITDATA.\n");
    const auto problem = EditDataView(foreign.data(), foreign.size()).PropertiesAt(20).problem();
    EXPECT_EQ(problem.kind, Problem::Kind::Fatal);
}

TEST(PropertyBlockView, RecordSizesThatLieEndTheWalk)
{
    const std::vector<std::uint8_t> block = OneRecordBlock();
    EXPECT_EQ(RecordProblem(block, block.size()), "");

    std::vector<std::uint8_t> lie = block;
    Put32(lie, 49, 8);
    EXPECT_EQ(RecordProblem(lie, lie.size()),
        "Stored property 0 of 1 at offset 49 claims 8 bytes, fewer than its head and its 1-byte title.\n");
    Put32(lie, 49, 9);
    EXPECT_NE(RecordProblem(lie, lie.size()), "");
    Put32(lie, 49, 0);
    EXPECT_NE(RecordProblem(lie, lie.size()), "");
    lie = block;
    lie[57] = 255;  // the title would run far past the record
    EXPECT_EQ(RecordProblem(lie, lie.size()),
        "Stored property 0 of 1 at offset 49 claims 11 bytes, fewer than its head and its 255-byte title.\n");
    for (std::uint32_t size : {12u, 1000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        lie = block;
        Put32(lie, 49, size);
        EXPECT_EQ(RecordProblem(lie, lie.size()),
            "Stored property 0 of 1 at offset 49 runs past the end of the 60-byte EDITDATA.\n")
            << size;
    }
}

TEST(PropertyBlockView, CountsAndTotalSizesThatLie)
{
    const std::vector<std::uint8_t> block = OneRecordBlock();
    std::vector<std::uint8_t> more = block;
    Put16(more, 32, 2);
    EXPECT_EQ(RecordProblem(more, more.size()),
        "Stored property 1 of 2 at offset 60 runs past the end of the 60-byte EDITDATA.\n");

    // extSize cuts the view when it is smaller than the real block, and is ignored when larger.
    std::vector<std::uint8_t> shorter = block;
    Put32(shorter, 0, 59);
    EXPECT_EQ(RecordProblem(shorter, shorter.size()),
        "Stored property 0 of 1 at offset 49 runs past the end of the 59-byte EDITDATA.\n");
    EXPECT_EQ(EditDataView(shorter.data(), shorter.size()).Bytes().size(), 59u);
    std::vector<std::uint8_t> larger = block;
    Put32(larger, 0, 100000);
    EXPECT_EQ(RecordProblem(larger, larger.size()), "");
    EXPECT_EQ(EditDataView(larger.data(), larger.size()).Bytes().size(), 60u);
    EXPECT_EQ(RecordProblem(block, 59),
        "Stored property 0 of 1 at offset 49 runs past the end of the 59-byte "
        "EDITDATA.\n");

    // Fewer records counted than stored: the rest is not read.
    std::vector<std::uint8_t> fewer = block;
    Put16(fewer, 32, 0);
    EXPECT_EQ(RecordProblem(fewer, fewer.size()), "");
}

TEST(PropertyBlockView, RecordFieldsAndCheckboxBits)
{
    EditDataAssembler assembler;
    for (std::uint16_t i = 0; i < 10; ++i)
        ASSERT_TRUE(assembler.AddRecord(10, static_cast<std::uint16_t>(i + 100), "C" + std::to_string(i), {}));
    ASSERT_TRUE(assembler.SetChecked(0, true));
    ASSERT_TRUE(assembler.SetChecked(9, true));
    ASSERT_TRUE(assembler.SetChecked(9, false));
    ASSERT_TRUE(assembler.SetChecked(8, true));
    EXPECT_FALSE(assembler.SetChecked(10, true));
    const std::vector<std::uint8_t> block = assembler.Finish({0, 0}, 7, 0);
    EXPECT_EQ(block[48], 0x01);
    EXPECT_EQ(block[49], 0x01);

    const auto props = EditDataView(block.data(), block.size()).PropertiesAt(20);
    ASSERT_TRUE(props.ok());
    EXPECT_EQ(props.value().Layout(), PropertiesLayout::Vnt2);
    EXPECT_EQ(props.value().NumProps(), 10);
    EXPECT_EQ(props.value().StoredHash(), 0xFFFFFFFFu);
    const auto records = props.value().Records();
    ASSERT_TRUE(records.ok());
    EXPECT_EQ(records.value()[3].jsonIndex, 103);
    EXPECT_EQ(records.value()[3].title, "C3");
    EXPECT_EQ(records.value()[3].offset, 50u + 3u * 11u);
    EXPECT_EQ(records.value()[3].valueOffset, 50u + 3u * 11u + 11u);
    EXPECT_EQ(props.value().CheckboxBit(0), true);
    EXPECT_EQ(props.value().CheckboxBit(1), false);
    EXPECT_EQ(props.value().CheckboxBit(8), true);
    EXPECT_EQ(props.value().CheckboxBit(9), false);
    EXPECT_EQ(props.value().CheckboxBit(10), std::nullopt);
}

TEST(PropertyBlockView, AssemblerRefusesWhatARecordCannotHold)
{
    EditDataAssembler assembler;
    EXPECT_TRUE(assembler.AddRecord(5, 0, std::string(254, 'a'), {}));
    EXPECT_FALSE(assembler.AddRecord(5, 1, std::string(255, 'a'), {}));
    EXPECT_EQ(assembler.RecordCount(), 1u);
    EXPECT_EQ(assembler.TotalSize(), 48u + 1u + 9u + 254u);

    EditDataAssembler full;
    for (std::size_t i = 0; i < 65535; ++i)
        ASSERT_TRUE(full.AddRecord(1, 0, "", {}));
    EXPECT_FALSE(full.AddRecord(1, 0, "", {}));
    EXPECT_EQ(full.RecordCount(), 65535u);
}
