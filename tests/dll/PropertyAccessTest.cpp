// Reading stored properties by title inside the real library, from blocks as the editor saves
// them and from blocks that lie.
#include <gtest/gtest.h>

#include <cstring>

#include "standins/host/editor/StoredBlock.h"
#include "tests/dll/support/RuntimeSession.h"

using TestSupport::RuntimeSession;

namespace {

using StrFn = void(VANTOR_HOSTCALL*)(const void*, const wchar_t*, wchar_t*, std::int32_t);
using NumFn = float(VANTOR_HOSTCALL*)(const void*, const wchar_t*);
using CheckedFn = std::int32_t(VANTOR_HOSTCALL*)(const void*, const wchar_t*);

class PropertyAccess : public ::testing::Test {
protected:
    std::wstring Str(const std::vector<std::uint8_t>& block, const wchar_t* title)
    {
        wchar_t value[512] = {};
        session_.Extension().Export<StrFn>("VantorTest_PropertyStr")(block.data(), title, value, 512);
        return value;
    }
    float Num(const std::vector<std::uint8_t>& block, const wchar_t* title)
    {
        return session_.Extension().Export<NumFn>("VantorTest_PropertyNum")(block.data(), title);
    }
    bool Checked(const std::vector<std::uint8_t>& block, const wchar_t* title)
    {
        return session_.Extension().Export<CheckedFn>("VantorTest_PropertyChecked")(block.data(), title) != 0;
    }
    std::vector<std::uint8_t> Block(const StandinHost::PropertyValues& values = {})
    {
        auto result = StandinHost::BuildStoredBlock(TestSupport::FixtureText("VantorTest.json"), values);
        EXPECT_EQ(result.error, "");
        return result.block;
    }

    RuntimeSession session_;
};

TEST_F(PropertyAccess, EveryKindReadsBackByTitle)
{
    const auto defaults = Block();
    EXPECT_EQ(Str(defaults, L"Name"), L"Grüße");
    EXPECT_EQ(Num(defaults, L"Count"), -12.0f);
    EXPECT_EQ(Num(defaults, L"Ratio"), 0.5f);
    EXPECT_TRUE(Checked(defaults, L"Enabled"));
    EXPECT_EQ(Str(defaults, L"Quality"), L"Medium");
    EXPECT_EQ(Num(defaults, L"Tint"), 16711680.0f);
    EXPECT_TRUE(Checked(defaults, L"Optional"));
    EXPECT_EQ(Str(defaults, L"Enabled"), L"");  // a checkbox has no value
    EXPECT_EQ(Num(defaults, L"Enabled"), 0.0f);

    const auto edited = Block({{"Name", "音"}, {"Count", "128"}, {"Enabled", "false"}, {"Quality", "High"}});
    EXPECT_EQ(Str(edited, L"Name"), L"音");
    EXPECT_EQ(Num(edited, L"Count"), 128.0f);
    EXPECT_FALSE(Checked(edited, L"Enabled"));
    EXPECT_EQ(Str(edited, L"Quality"), L"High");
    EXPECT_TRUE(session_.TakeBoxLines().empty());
}

TEST_F(PropertyAccess, AskingForACheckboxThePropertyHasNotIsReported)
{
    EXPECT_FALSE(Checked(Block(), L"Name"));
    EXPECT_EQ(session_.TakeBoxLines(),
              std::vector<std::wstring>{L"Vantor property error - Vantor Test | IsPropChecked() name = \"Name\" does not "
                                        L"have a checkbox in the JSON."});
}

class PropertyAccessFatal : public PropertyAccess {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(PropertyAccessFatal, TitlesCompareWithCase)
{
    const auto block = Block();
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            Num(block, L"count");
        },
        ::testing::ExitedWithCode(3), "GetPropertyNum\\(\\) error; property name \"count\" does not exist");
}

TEST_F(PropertyAccessFatal, ABlockWhoseRecordsLieEndsTheProcessWithoutReadingPastIt)
{
    auto block = Block();
    // The first record claims to run far past the block's end.
    const std::size_t firstRecord = 48 + 1;
    const std::uint32_t lie = 0x00FFFFFF;
    std::memcpy(block.data() + firstRecord, &lie, sizeof lie);
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            Str(block, L"Name");
        },
        ::testing::ExitedWithCode(3), "\\[box\\] Fatal error - Vantor Test");
}

TEST_F(PropertyAccessFatal, ABlockCutShortEndsTheProcessWithoutReadingPastIt)
{
    auto block = Block();
    const std::uint32_t shorter = 60;  // the header and a piece of the first record
    std::memcpy(block.data(), &shorter, sizeof shorter);
    block.resize(shorter);
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            Num(block, L"Count");
        },
        ::testing::ExitedWithCode(3), "\\[box\\] Fatal error - Vantor Test");
}

}  // namespace
