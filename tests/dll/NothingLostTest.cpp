// Every property of every type set in the sheet survives every older layout's conversion, and a
// conversion that fails leaves the host's block as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

#include "standins/host/editor/EditorSession.h"
#include "standins/host/editor/OlderBlocks.h"
#include "standins/host/sheet/HostValues.h"
#include "standins/host/sheet/SheetModel.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/HandedBlock.h"
#include "tests/dll/support/ScratchFolder.h"

using namespace StandinHost;

namespace {

using Block = std::vector<std::uint8_t>;
using UpdateFn = void*(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*);
using StrFn = void(VANTOR_HOSTCALL*)(const void*, const wchar_t*, wchar_t*, std::int32_t);
using NumFn = float(VANTOR_HOSTCALL*)(const void*, const wchar_t*);
using CheckedFn = std::int32_t(VANTOR_HOSTCALL*)(const void*, const wchar_t*);

// The values the sheet is given, as typed text, for the older layouts' builders.
const PropertyValues kTyped{
    {"Name", "Grüße!"},       {"Count", "-12"},       {"Mode", "Fancy"},          {"Tint", "65280"},
    {"Advanced", "true"},     {"Volume", "75"},       {"Spin", "-4"},             {"Direction", "31"},
    {"File", "a/much/longer/file name.txt"},          {"Picture", ""},            {"Pick", "B"},
    {"Ratio", "0.25"},        {"Notes", "h\ni"},      {"Icon", "I2"},             {"Folder path", "d:/music"},
    {"Fine", "-2.5"},         {"Unknown rule", "u"},  {"Open bracket", "o"},      {"Broken rule", "b"},
    {"After broken", "a"}};
const wchar_t* const kTexts[]{L"Name", L"Mode", L"File", L"Picture", L"Pick", L"Notes", L"Icon", L"Folder path",
                              L"Unknown rule", L"Open bracket", L"Broken rule", L"After broken"};
const wchar_t* const kNumbers[]{L"Count", L"Tint", L"Volume", L"Spin", L"Direction", L"Ratio", L"Fine"};

constexpr std::size_t kHashOffset = 24, kVisibilitySlot = 40;

bool IsList(const wchar_t* title)
{
    const std::wstring name = title;
    return name == L"Mode" || name == L"Pick" || name == L"Icon";
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

std::string Narrow(const wchar_t* wide)
{
    std::string utf8(64, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), 64, nullptr, nullptr) - 1);
    return utf8;
}

class NothingLost : public ::testing::Test {
protected:
    NothingLost()
    {
        folder_.Write("VantorTest.json", definition_);
        folder_.Write("Vantor.ini", "SmartPropertiesUpgradeBox=for reset only\n");
        session_ = std::make_unique<EditorSession>(host_, folder_.CopyLibrary("VantorTest.mfx"));
        EXPECT_EQ(session_->Start(), 0);
        Boxes();
    }

    std::vector<std::wstring> Boxes()
    {
        std::vector<std::wstring> lines = TestSupport::BoxLines(Recorder::Instance().TakeBoxes(session_->Library().Module()));
        // The definition's malformed rules are shown on every refresh.
        std::erase_if(lines, [](const std::wstring& line) { return line.find(L"Malformed JSON") != std::wstring::npos; });
        return lines;
    }

    // A new object's block with every property set through the sheet to a value not its default.
    Block EditedBlock()
    {
        SheetModel sheet(host_, session_->Library(), session_->CreateObject().editData);
        sheet.Open();
        const auto id = [&](const wchar_t* name) { return sheet.IdOf(name); };
        sheet.SetValue(id(L"Mode"), MakeHostUInt(1));
        sheet.SetChecked(id(L"Advanced"), true);  // shows Spin and Direction
        for (const wchar_t* title : kTexts)
            if (!IsList(title) && std::wstring(title) != L"Notes")
                sheet.SetText(id(title), Wide(kTyped.at(Narrow(title))));
        // A multiline text arrives as its UTF-16 bytes.
        const std::wstring notes = Wide(kTyped.at("Notes"));
        const auto* notesBytes = reinterpret_cast<const std::uint8_t*>(notes.c_str());
        sheet.SetValue(id(L"Notes"), MakeHostBuff({notesBytes, notesBytes + (notes.size() + 1) * sizeof(wchar_t)}));
        for (const wchar_t* title : {L"Count", L"Tint", L"Volume", L"Spin", L"Direction"})
            sheet.SetValue(id(title), MakeHostSInt(std::stoi(kTyped.at(Narrow(title)))));
        for (const wchar_t* title : {L"Ratio", L"Fine"})
            sheet.SetValue(id(title), MakeHostFloat(std::stof(kTyped.at(Narrow(title)))));
        sheet.SetValue(id(L"Pick"), MakeHostUInt(1));
        sheet.SetValue(id(L"Icon"), MakeHostUInt(1));
        sheet.SetValue(id(L"Extent"), MakeHostSize(640, 480));
        sheet.SetValue(id(L"Images"), MakeHostBuff({2, 0, 7, 0, 9, 0}));
        sheet.SetText(id(L"Sound name"), L"Wind");
        sheet.SetValue(id(L"Sound volume"), MakeHostSInt(7));
        EXPECT_EQ(sheet.Press(id(L"Add sound")), 1);
        sheet.SetText(id(L"Sound name"), L"Rain");
        sheet.SetValue(id(L"Sound volume"), MakeHostSInt(9));
        sheet.SetChecked(id(L"Sound loop"), false);
        EXPECT_EQ(Boxes(), std::vector<std::wstring>{});
        // Saved and loaded again by the host: the sheet's visibility array is not the block's.
        Block saved = sheet.Block();
        std::memset(saved.data() + kVisibilitySlot, 0, 4);
        return saved;
    }

    std::optional<Block> Update(Block& old)
    {
        void* handed = session_->Library().Export<UpdateFn>("UpdateEditStructure")(host_.Record(), old.data());
        if (!handed)
            return std::nullopt;
        return TestSupport::TakeHandedBlock(handed);
    }

    // Every value as the sheet set it, read back by title; sizes and image lists, which older
    // layouts cannot hold, only when asked, through the sheet.
    void ExpectEdited(const Block& block, bool withSizedValues)
    {
        for (const wchar_t* title : kTexts) {
            wchar_t value[256] = {};
            session_->Library().Export<StrFn>("VantorTest_PropertyStr")(block.data(), title, value, 256);
            EXPECT_EQ(value, Wide(kTyped.at(Narrow(title)))) << Narrow(title);
        }
        for (const wchar_t* title : kNumbers)
            EXPECT_EQ(session_->Library().Export<NumFn>("VantorTest_PropertyNum")(block.data(), title),
                      std::stof(kTyped.at(Narrow(title))))
                << Narrow(title);
        EXPECT_TRUE(session_->Library().Export<CheckedFn>("VantorTest_PropertyChecked")(block.data(), L"Advanced"));
        if (!withSizedValues)
            return;
        SheetModel sheet(host_, session_->Library(), block);
        sheet.Open();
        EXPECT_EQ(sheet.Value(sheet.IdOf(L"Extent")), L"640 x 480");
        EXPECT_EQ(sheet.Value(sheet.IdOf(L"Images")), L"02 00 07 00 09 00");
    }
    // The set's entries by the sheet, and the shown entry's values at run time.
    void ExpectSet(const Block& block, const std::vector<std::wstring>& entries, const wchar_t* name, float volume,
                   bool loop)
    {
        wchar_t shown[64] = {};
        session_->Library().Export<StrFn>("VantorTest_PropertyStr")(block.data(), L"Sound name", shown, 64);
        EXPECT_EQ(std::wstring(shown), name);
        EXPECT_EQ(session_->Library().Export<NumFn>("VantorTest_PropertyNum")(block.data(), L"Sound volume"), volume);
        EXPECT_EQ(session_->Library().Export<CheckedFn>("VantorTest_PropertyChecked")(block.data(), L"Sound loop") != 0,
                  loop);
        SheetModel sheet(host_, session_->Library(), block);
        sheet.Open();
        EXPECT_EQ(sheet.Items(sheet.IdOf(L"Sounds")), entries);
    }

    const std::string definition_ = TestSupport::FixtureText("SheetTest.json");
    TestSupport::ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<EditorSession> session_;
};

TEST_F(NothingLost, EveryValueSurvivesTheCurrentLayoutUnderAnotherVersion)
{
    const Block edited = EditedBlock();
    ExpectEdited(edited, true);
    ExpectSet(edited, {L"Wind", L"Rain"}, L"Rain", 9.0f, false);
    // Same layout: kept in place, only its version word brought up to date.
    Block same = edited;
    SetExtVersion(same, 0x100);
    EXPECT_FALSE(Update(same));
    EXPECT_EQ(same, edited);
    // Saved by a version whose titles hashed otherwise: every record is taken over by title.
    Block other = edited;
    SetExtVersion(other, 0x100);
    other[kHashOffset] ^= 0x5A;
    const auto made = Update(other);
    ASSERT_TRUE(made);
    ExpectEdited(*made, true);
    // A set keeps its first entry only: the list itself is reset, and the summary says so.
    ExpectSet(*made, {L"Wind"}, L"Wind", 7.0f, true);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"Also set 1 property to their default settings:\n\u2022 Sounds"), std::wstring::npos)
        << boxes[0];
}

TEST_F(NothingLost, EveryValueAnOlderLayoutHoldsSurvivesItsConversion)
{
    // What a layout cannot hold is reset, and the summary names it.
    const std::pair<StoredBlockResult, std::vector<std::wstring>> olds[]{
        {BuildPreSmartBlock(definition_, kTyped),
         {L"Upgraded properties - Vantor Test | Successfully copied 32 of Vantor Test object properties from ext "
          L"version 0 to 1.\n\nAlso set 2 properties to their default setting:\n\u2022 Images\n\u2022 Sounds"}},
        {BuildVnt1Block(definition_, kTyped), {}}};
    for (auto [built, boxes] : olds) {
        ASSERT_EQ(built.error, "");
        const auto made = Update(built.block);
        ASSERT_TRUE(made);
        ExpectEdited(*made, false);
        EXPECT_EQ(Boxes(), boxes);
    }
}

TEST_F(NothingLost, AFailedConversionLeavesTheHostsBlockByteForByte)
{
    Block moved = EditedBlock();
    SetExtVersion(moved, 0x100);
    // The properties moved behind data of the extension's own, which this version cannot move.
    moved.insert(moved.begin() + 20, 4, 0xA5);
    const std::uint32_t offset = 24, size = static_cast<std::uint32_t>(moved.size());
    std::memcpy(moved.data() + 16, &offset, 4);
    std::memcpy(moved.data(), &size, 4);
    const Block kept = moved;
    EXPECT_FALSE(Update(moved));
    EXPECT_EQ(moved, kept);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(L"EDITDATA upgrade failed - Vantor Test |", 0), 0u);
}

}  // namespace
