// UpdateEditStructure in the real library: blocks of each older layout converted by title,
// blocks it must leave alone, damaged blocks, and the summary box as the settings decide.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <windows.h>

#include "standins/host/HostApplication.h"
#include "standins/host/editor/OlderBlocks.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/HandedBlock.h"
#include "tests/dll/support/ScratchFolder.h"

namespace {

using Block = std::vector<std::uint8_t>;
using UpdateFn = void*(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*);
using StrFn = void(VANTOR_HOSTCALL*)(const void*, const wchar_t*, wchar_t*, std::int32_t);
using NumFn = float(VANTOR_HOSTCALL*)(const void*, const wchar_t*);
using CheckedFn = std::int32_t(VANTOR_HOSTCALL*)(const void*, const wchar_t*);

std::string Fixture() { return TestSupport::FixtureText("VantorTest.json"); }

std::string Product(const char* relative)
{
    return TestSupport::ReadFileBytes(std::filesystem::path(VANTOR_SOURCE_DIR) / relative);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

Block Built(const StandinHost::StoredBlockResult& result)
{
    EXPECT_EQ(result.error, "");
    return result.block;
}

class Conversion : public ::testing::Test {
protected:
    void Start(const std::string& definition, const std::string& settings = {})
    {
        const auto library = folder_.CopyLibrary("VantorTest.mfx");
        folder_.Write("VantorTest.json", definition);
        if (!settings.empty())
            folder_.Write("Vantor.ini", settings);
        extension_ = std::make_unique<TestSupport::LoadedExtension>(library);
        ASSERT_EQ(extension_->Initialize(host_.Record()), 0);
        extension_->TakeBoxes();
    }
    // The new block the host takes over, or nothing when it keeps the old one.
    std::optional<Block> Update(Block& old)
    {
        void* handed = extension_->Export<UpdateFn>("UpdateEditStructure")(host_.Record(), old.data());
        if (!handed)
            return std::nullopt;
        return TestSupport::TakeHandedBlock(handed);
    }
    std::wstring Str(const Block& block, const wchar_t* title)
    {
        wchar_t value[512] = {};
        extension_->Export<StrFn>("VantorTest_PropertyStr")(block.data(), title, value, 512);
        return value;
    }
    float Num(const Block& block, const wchar_t* title)
    {
        return extension_->Export<NumFn>("VantorTest_PropertyNum")(block.data(), title);
    }
    bool Checked(const Block& block, const wchar_t* title)
    {
        return extension_->Export<CheckedFn>("VantorTest_PropertyChecked")(block.data(), title) != 0;
    }
    std::vector<std::wstring> Boxes() { return TestSupport::BoxLines(extension_->TakeBoxes()); }
    void ExpectTestValues(const Block& block)
    {
        EXPECT_EQ(Str(block, L"Name"), L"音");
        EXPECT_EQ(Num(block, L"Count"), 128.0f);
        EXPECT_EQ(Num(block, L"Ratio"), 0.125f);
        EXPECT_FALSE(Checked(block, L"Enabled"));
        EXPECT_EQ(Str(block, L"Quality"), L"High");
        EXPECT_EQ(Num(block, L"Tint"), 255.0f);
        EXPECT_EQ(Str(block, L"Optional"), L"y");
        EXPECT_FALSE(Checked(block, L"Optional"));
    }

    const StandinHost::PropertyValues& values_ = TestSupport::VantorTestValues();
    TestSupport::ScratchFolder folder_;
    StandinHost::HostApplication host_;
    std::unique_ptr<TestSupport::LoadedExtension> extension_;
};

TEST_F(Conversion, EveryOlderLayoutOfTheTestDefinitionKeepsEveryValue)
{
    Start(Fixture(), "SmartPropertiesUpgradeBox=never\n");
    std::vector<Block> olds{Built(StandinHost::BuildPreSmartBlock(Fixture(), values_)),
                            Built(StandinHost::BuildVnt1Block(Fixture(), values_))};
    // The current layout, saved under an older version number with the properties in another order.
    const std::string reordered = Replaced(
        Replaced(Fixture(), R"({ "Type": "Editbox String", "Title": "Name", "Info": "A text.", "DefaultState": "Grüße" },)",
                 ""),
        R"({ "Type": "Text", "Title": "Heading" })",
        R"({ "Type": "Text", "Title": "Moved" }, { "Type": "Editbox String", "Title": "Name", "DefaultState": "" })");
    olds.push_back(Built(StandinHost::BuildStoredBlock(reordered, values_)));
    StandinHost::SetExtVersion(olds.back(), 0x100);

    for (Block& old : olds) {
        const Block kept = old;
        const auto made = Update(old);
        ASSERT_TRUE(made);
        EXPECT_EQ(old, kept);  // the host's block is never written
        ExpectTestValues(*made);
        // Converted once, the block matches the definition and is left alone from then on.
        Block again = *made;
        EXPECT_FALSE(Update(again));
        EXPECT_EQ(again, *made);
    }
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});
}

TEST_F(Conversion, TheStudioObjectsPropertiesSurviveEveryOlderLayout)
{
    const std::string tonvale = Product("studio/Tonvale.json");
    Start(tonvale, "SmartPropertiesUpgradeBox=never\n");
    const StandinHost::PropertyValues values{{"Master Bank Path", "C:/Banks/Master.bank"},
                                             {"Master Strings Bank Path", "C:/Banks/Master.strings.bank"},
                                             {"Enable Live Update", "true"},
                                             {"Real Channels", "64"},
                                             {"Virtual Channels", "1024"}};
    for (Block old : {Built(StandinHost::BuildPreSmartBlock(tonvale, values)),
                      Built(StandinHost::BuildVnt1Block(tonvale, values))}) {
        const auto made = Update(old);
        ASSERT_TRUE(made);
        EXPECT_EQ(made->size(), 249u - 6u - 6u);  // both paths are 6 bytes shorter than the defaults
        EXPECT_EQ(Str(*made, L"Master Bank Path"), L"C:/Banks/Master.bank");
        EXPECT_EQ(Str(*made, L"Master Strings Bank Path"), L"C:/Banks/Master.strings.bank");
        EXPECT_TRUE(Checked(*made, L"Enable Live Update"));
        EXPECT_EQ(Num(*made, L"Real Channels"), 64.0f);
        EXPECT_EQ(Num(*made, L"Virtual Channels"), 1024.0f);
    }
    // Saved by this very version: the host keeps it, untouched.
    Block current = Built(StandinHost::BuildStoredBlock(tonvale, values));
    const Block kept = current;
    EXPECT_FALSE(Update(current));
    EXPECT_EQ(current, kept);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});
}

TEST_F(Conversion, TheEventObjectWithoutPropertiesGetsTheEmptyBlock)
{
    const std::string velisse = Product("eventinstance/Velisse.json");
    Start(velisse, "SmartPropertiesUpgradeBox=never\n");
    Block old = Built(StandinHost::BuildPreSmartBlock(velisse));
    const auto made = Update(old);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->size(), 48u);
}

TEST_F(Conversion, RenamedRemovedAndRetypedPropertiesAreReportedInTheSummary)
{
    // Count renamed with its old title kept, Ratio now a text, Tint gone, Extra new.
    std::string current = Replaced(Fixture(), R"("Title": "Count")", R"("Title": "Amount", "OldTitle": "Count")");
    current = Replaced(current, R"({ "Type": "Editbox Float", "Title": "Ratio", "DefaultState": 0.5 })",
                       R"({ "Type": "Editbox String", "Title": "Ratio", "DefaultState": "half" })");
    current = Replaced(current, R"({ "Type": "Color", "Title": "Tint", "DefaultState": 16711680 },)",
                       R"({ "Type": "Editbox Number", "Title": "Extra", "DefaultState": 3 },)");
    Start(current, "SmartPropertiesUpgradeBox=for reset only\n");
    host_.SetObjectName(L"Mixer");
    Block old = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    StandinHost::SetExtVersion(old, 0x100);
    const auto made = Update(old);
    ASSERT_TRUE(made);
    EXPECT_EQ(Num(*made, L"Amount"), 128.0f);
    EXPECT_EQ(Str(*made, L"Ratio"), L"half");
    EXPECT_EQ(Num(*made, L"Extra"), 3.0f);
    EXPECT_EQ(Str(*made, L"Name"), L"音");
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
                           L"Upgraded properties - Vantor Test | Successfully copied 6 of Mixer (Vantor Test) object "
                           L"properties from ext version 0 to 1.\n\nAlso set 2 properties to their default setting:\n"
                           L"\u2022 Ratio\n\u2022 Extra"});
}

TEST_F(Conversion, TheSummaryBoxIsShownAsTheSettingsFileSays)
{
    Start(Fixture(), "SmartPropertiesUpgradeBox = always, once\n");
    Block old = Built(StandinHost::BuildPreSmartBlock(Fixture(), values_));
    ASSERT_TRUE(Update(old));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Upgraded properties - Vantor Test | Successfully upgraded all 8 of "
                                                 L"Vantor Test object properties from ext version 0 to version 1."});
    ASSERT_TRUE(Update(old));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});  // once for this application
    host_.SetCurrentApplication(2);
    ASSERT_TRUE(Update(old));
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(Conversion, WithoutASettingOnlyResetsAreShown)
{
    Start(Fixture());
    Block complete = Built(StandinHost::BuildPreSmartBlock(Fixture(), values_));
    ASSERT_TRUE(Update(complete));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});

    Block older = Built(StandinHost::BuildPreSmartBlock(Fixture(), values_));
    older.resize(older.size() - 2);  // Optional's text cut, and the end offset with it
    const std::uint32_t end = static_cast<std::uint32_t>(older.size());
    std::memcpy(older.data(), &end, 4);
    std::memcpy(older.data() + 20, &end, 4);
    host_.SetCurrentApplication(7);
    const auto made = Update(older);
    ASSERT_TRUE(made);
    EXPECT_EQ(Str(*made, L"Optional"), L"x");
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"Also set 1 property to their default settings:\n\u2022 Optional"), std::wstring::npos);
}

TEST_F(Conversion, DamagedOrRefusedBlocksAreReportedAndNeverWritten)
{
    Start(Fixture(), "SmartPropertiesUpgradeBox=never\n");
    // A 'VNT1' block whose first record claims far more bytes than the block holds.
    Block lying = Built(StandinHost::BuildVnt1Block(Fixture(), values_));
    const std::uint32_t lie = 0x00FFFFFF;
    std::memcpy(lying.data() + 20 + 20 + 1, &lie, 4);
    const Block lyingKept = lying;
    const auto defaults = Update(lying);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(lying, lyingKept);
    EXPECT_EQ(Str(*defaults, L"Name"), L"Grüße");
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 43), L"Property conversion error - Vantor Test | T");

    // The same layout, moved behind data of the extension's own that this version cannot move.
    Block moved = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    StandinHost::SetExtVersion(moved, 0x100);
    moved.insert(moved.begin() + 20, 4, 0);
    const std::uint32_t offset = 24, size = static_cast<std::uint32_t>(moved.size());
    std::memcpy(moved.data() + 16, &offset, 4);
    std::memcpy(moved.data(), &size, 4);
    const Block movedKept = moved;
    EXPECT_FALSE(Update(moved));
    EXPECT_EQ(moved, movedKept);
    boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, 39), L"EDITDATA upgrade failed - Vantor Test |");

    // A newer version's block is left alone after the warning.
    Block newer = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    StandinHost::SetExtVersion(newer, 0x103);
    const Block newerKept = newer;
    EXPECT_FALSE(Update(newer));
    EXPECT_EQ(newer, newerKept);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{L"Property update warning - Vantor Test | Vantor Test MFA extension "
                                                 L"version 3 is greater than current Vantor Test ext version 1. Is "
                                                 L"the installed extension out of date?"});

    // Same titles and layout under an older number: only the version word changes, in place.
    Block same = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    StandinHost::SetExtVersion(same, 0x100);
    EXPECT_FALSE(Update(same));
    Block expected = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    EXPECT_EQ(same, expected);
}

TEST_F(Conversion, ADefinitionNoReaderCanFillLeavesTheBlockAsItWas)
{
    Start(Replaced(Fixture(), R"("Title": "Count", "DefaultState": -12)", R"("Title": "Fresh", "DefaultState": "x")"),
          "SmartPropertiesUpgradeBox=always\n");
    Block old = Built(StandinHost::BuildStoredBlock(Fixture(), values_));
    StandinHost::SetExtVersion(old, 0x100);
    const Block kept = old;
    EXPECT_FALSE(Update(old));
    EXPECT_EQ(old, kept);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].find(L"All converters have failed for property 1 (Fresh)"), std::wstring::npos);
}

}  // namespace
