#include "standins/host/internal/FloatWord.h"
#include "standins/host/internal/ParameterBlock.h"
#include "standins/host/internal/ServiceRefusal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

namespace StandinHostTests {
namespace {

using StandinHost::FloatBits;
using StandinHost::Parameter;
using StandinHost::ParameterBlock;
using StandinHost::ServiceRefusal;
using Vantor::Host::ParameterRecord;

std::int32_t DataWord(const ParameterRecord* record) {
    std::int32_t word;
    std::memcpy(&word, record + 1, sizeof word);
    return word;
}

std::int32_t WordOf(const void* pointer) {
    return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

const std::uint8_t* Bytes(const void* pointer) { return static_cast<const std::uint8_t*>(pointer); }

TEST(ParameterBlockTest, RecordsLieBackToBackBySizeAndEndInAnEmptyRecord) {
    ParameterBlock block({Parameter::Integer(-5), Parameter::Text(L"abc"), Parameter::Object(3, 17),
                          Parameter::Direction(0x20), Parameter::Raw(8, 0xDEADBEEF), Parameter::Float(2.5f)});
    ASSERT_EQ(block.Count(), 6u);
    const std::uint16_t sizes[] = {8, 12, 8, 8, 8, 8};
    const std::uint16_t codes[] = {22, 45, 1, 29, 8, 22};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(block.Record(i)->size, sizes[i]);
        EXPECT_EQ(block.Record(i)->code, codes[i]);
        EXPECT_EQ(Bytes(block.Record(i + 1)), Bytes(block.Record(i)) + sizes[i]);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.Record(i)) % 4, 0u);
    }
    EXPECT_EQ(block.Record(6)->size, 0);
    EXPECT_EQ(block.Record(6)->code, 0);
    EXPECT_EQ(DataWord(block.Record(6)), 0);
}

TEST(ParameterBlockTest, RecordDataHoldsEachFormAsTheHostStoresIt) {
    ParameterBlock block({Parameter::Integer(-5), Parameter::Text(L"abc"), Parameter::Object(3, -2),
                          Parameter::Direction(0x20), Parameter::Raw(8, 0xDEADBEEF), Parameter::Float(2.5f)});
    EXPECT_EQ(DataWord(block.Record(0)), -5);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(block.Record(1) + 1), L"abc");
    Vantor::Host::ObjectParameterData object;
    std::memcpy(&object, block.Record(2) + 1, sizeof object);
    EXPECT_EQ(object.objectListIndex, 3);
    EXPECT_EQ(object.objectNumber, -2);
    EXPECT_EQ(DataWord(block.Record(3)), 0x20);
    EXPECT_EQ(static_cast<std::uint32_t>(DataWord(block.Record(4))), 0xDEADBEEFu);
    EXPECT_EQ(DataWord(block.Record(5)), FloatBits(2.5f));
}

TEST(ParameterBlockTest, TextRecordsArePaddedToFourBytes) {
    ParameterBlock block({Parameter::Text(L""), Parameter::Text(L"a"), Parameter::Text(L"ab"), Parameter::NullText()});
    EXPECT_EQ(block.Record(0)->size, 8);   // terminator, padding
    EXPECT_EQ(block.Record(1)->size, 8);   // one character and terminator
    EXPECT_EQ(block.Record(2)->size, 12);  // two characters, terminator, padding
    EXPECT_EQ(block.Record(3)->size, 8);
    EXPECT_EQ(block.Record(3)->code, 45);
}

TEST(ParameterBlockTest, TextCodeCanBeChosen) {
    ParameterBlock block({Parameter::Text(L"f", 40), Parameter::NullText(63)});
    EXPECT_EQ(block.Record(0)->code, 40);
    EXPECT_EQ(block.Record(1)->code, 63);
}

TEST(ParameterBlockTest, WordsAreWhatTheHostPassesAsParam1AndParam2) {
    ParameterBlock block({Parameter::Integer(-5), Parameter::Float(-2.75f), Parameter::Text(L"abc"),
                          Parameter::NullText(), Parameter::Object(3, 17), Parameter::Direction(0x20),
                          Parameter::DirectionValue(5), Parameter::Raw(8, 0xDEADBEEF)});
    EXPECT_EQ(block.Word(0), -5);
    EXPECT_EQ(block.Word(1), -2);  // truncated toward zero
    EXPECT_EQ(block.Word(2), WordOf(block.Record(2) + 1));
    EXPECT_EQ(block.Word(3), 0);
    EXPECT_EQ(block.Word(4), WordOf(block.Record(4)));
    EXPECT_EQ(block.Word(5), 0x20);
    EXPECT_EQ(block.Word(6), 5);
    EXPECT_EQ(static_cast<std::uint32_t>(block.Word(7)), 0xDEADBEEFu);
}

TEST(ParameterBlockTest, FloatReadsConvertIntegersAndPassRawBitsUnchanged) {
    ParameterBlock block({Parameter::Float(1.5f), Parameter::Integer(-3), Parameter::Raw(22, 0x7FC00001)});
    EXPECT_EQ(block.FloatBits(0), FloatBits(1.5f));
    EXPECT_EQ(block.FloatBits(1), FloatBits(-3.0f));
    EXPECT_EQ(block.FloatBits(2), 0x7FC00001);
    EXPECT_EQ(block.Integer(0), 1);
    EXPECT_EQ(block.Integer(1), -3);
}

TEST(ParameterBlockTest, ReadsOfAKindTheParameterLacksAreRefused) {
    ParameterBlock block({Parameter::Text(L"a"), Parameter::Object(1, 2), Parameter::Direction(1),
                          Parameter::Integer(4), Parameter::NullText()});
    EXPECT_THROW(block.Integer(0), ServiceRefusal);
    EXPECT_THROW(block.FloatBits(0), ServiceRefusal);
    EXPECT_THROW(block.Integer(1), ServiceRefusal);
    EXPECT_THROW(block.FloatBits(1), ServiceRefusal);
    EXPECT_THROW(block.Text(1), ServiceRefusal);
    EXPECT_THROW(block.FloatBits(2), ServiceRefusal);
    EXPECT_EQ(block.Integer(2), 1);
    EXPECT_THROW(block.Text(3), ServiceRefusal);
    EXPECT_EQ(block.Text(4), 0);
    EXPECT_EQ(block.Text(0), block.Word(0));
}

TEST(ParameterBlockTest, ReadsPastTheLastParameterAreRefusedNamingTheCount) {
    ParameterBlock block({Parameter::Integer(1)});
    try {
        block.Word(1);
        FAIL() << "no refusal";
    } catch (const ServiceRefusal& refusal) {
        EXPECT_STREQ(refusal.what(), "asked for parameter 1 of a call that has 1");
    }
}

TEST(ParameterBlockTest, ClaimedSizeGoesIntoTheHeadButNotIntoTheLayout) {
    ParameterBlock block({Parameter::Integer(1).WithRecordSize(2), Parameter::Text(L"abc").WithRecordSize(0xFFFF),
                          Parameter::Integer(3)});
    EXPECT_EQ(block.Record(0)->size, 2);
    EXPECT_EQ(block.Record(1)->size, 0xFFFF);
    EXPECT_EQ(Bytes(block.Record(1)), Bytes(block.Record(0)) + 8);
    EXPECT_EQ(Bytes(block.Record(2)), Bytes(block.Record(1)) + 12);
    EXPECT_EQ(DataWord(block.Record(2)), 3);
}

TEST(ParameterBlockTest, IndexOfKnowsOnlyRecordStarts) {
    ParameterBlock block({Parameter::Integer(1), Parameter::Text(L"abc")});
    EXPECT_EQ(block.IndexOf(block.Record(0)), 0u);
    EXPECT_EQ(block.IndexOf(block.Record(1)), 1u);
    EXPECT_EQ(block.IndexOf(block.Record(2)), 2u);
    EXPECT_FALSE(block.IndexOf(Bytes(block.Record(1)) + 4).has_value());
    EXPECT_FALSE(block.IndexOf(nullptr).has_value());
}

TEST(ParameterBlockTest, NoParametersLeaveOnlyTheEndRecord) {
    ParameterBlock block({});
    EXPECT_EQ(block.Count(), 0u);
    EXPECT_EQ(block.First()->size, 0);
    EXPECT_EQ(block.IndexOf(block.First()), 0u);
}

TEST(ParameterBlockTest, TextTooLongForASixteenBitSizeIsRejected) {
    // 32763 characters and the terminator, padded, make 65528 data bytes: with the head, 65532.
    EXPECT_NO_THROW(ParameterBlock({Parameter::Text(std::wstring(32763, L'x'))}));
    EXPECT_THROW(ParameterBlock({Parameter::Text(std::wstring(32764, L'x'))}), std::length_error);
}

}  // namespace
}  // namespace StandinHostTests
