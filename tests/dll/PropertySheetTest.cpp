// The test extension's property sheet driven as a user would, through the real exports in the
// stand-in host's sheet: every type written and read back at run time, rules, sets, and input
// the sheet must refuse without touching the block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/PropertySetDeclarations.h"
#include "standins/host/HostProps.h"
#include "standins/host/sheet/HostValues.h"
#include "standins/host/sheet/SheetModel.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"

using namespace StandinHost;
using TestSupport::LoadedExtension;

namespace {

using StrFn = void(VANTOR_HOSTCALL*)(const void*, const wchar_t*, wchar_t*, std::int32_t);
using NumFn = float(VANTOR_HOSTCALL*)(const void*, const wchar_t*);
using CheckedFn = std::int32_t(VANTOR_HOSTCALL*)(const void*, const wchar_t*);

std::vector<std::uint8_t> DefaultBlock(const std::string& definition)
{
    const Vantor::JsonDocument document = Vantor::JsonDocument::Parse(definition);
    const int language = Vantor::DefaultLanguageMember(document.root());
    const json_value& block = Vantor::MemberValue(document.root(), language < 0 ? 0 : language);
    const auto lists = Vantor::EntryListsOf(Vantor::ReadPropertySets(block).sets);
    const auto made = Vantor::BuildDefaultEditData({Vantor::Member(block, "Properties"), lists, "English", "Vantor Test"});
    EXPECT_TRUE(made.made());
    return made.block;
}

class PropertySheet : public ::testing::Test {
protected:
    PropertySheet()
    {
        const std::string definition = TestSupport::FixtureText("SheetTest.json");
        const auto path = folder_.CopyLibrary("VantorTest.mfx");
        folder_.Write("VantorTest.json", definition);
        host_.SetWindow(reinterpret_cast<void*>(1));  // the editor
        extension_ = std::make_unique<LoadedExtension>(path);
        EXPECT_EQ(extension_->Initialize(host_.Record()), 0);
        sheet_ = std::make_unique<SheetModel>(host_, extension_->Library(), DefaultBlock(definition));
        extension_->TakeBoxes();
        sheet_->Open();
    }

    std::vector<std::wstring> Names() const
    {
        std::vector<std::wstring> names;
        for (const SheetRow& row : sheet_->Rows())
            names.push_back(row.name);
        return names;
    }
    bool Shows(const wchar_t* name) const { return sheet_->Row(name) != nullptr; }
    std::int32_t Id(const wchar_t* name) const { return sheet_->IdOf(name); }
    // The boxes since the last take, but for those of the definition's malformed rules, which
    // every refresh shows again.
    std::vector<std::wstring> Boxes()
    {
        std::vector<std::wstring> lines = TestSupport::BoxLines(extension_->TakeBoxes());
        std::erase_if(lines, [](const std::wstring& line) { return line.find(L"Malformed JSON") != std::wstring::npos; });
        return lines;
    }

    std::wstring RunStr(const wchar_t* title)
    {
        wchar_t value[256] = {};
        extension_->Export<StrFn>("VantorTest_PropertyStr")(sheet_->EditData(), title, value, 256);
        return value;
    }
    float RunNum(const wchar_t* title)
    {
        return extension_->Export<NumFn>("VantorTest_PropertyNum")(sheet_->EditData(), title);
    }
    bool RunChecked(const wchar_t* title)
    {
        return extension_->Export<CheckedFn>("VantorTest_PropertyChecked")(sheet_->EditData(), title) != 0;
    }
    // The block is whole: its sizes agree with the bytes the host holds.
    void ExpectConsistent()
    {
        std::uint32_t extSize = 0, sizeBytes = 0;
        std::memcpy(&extSize, sheet_->Block().data(), 4);
        std::memcpy(&sizeBytes, sheet_->Block().data() + 36, 4);
        EXPECT_EQ(extSize, sheet_->Block().size());
        EXPECT_EQ(sizeBytes, sheet_->Block().size());
    }

    TestSupport::ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<LoadedExtension> extension_;
    std::unique_ptr<SheetModel> sheet_;
};

TEST_F(PropertySheet, OpensWithTheRulesApplied)
{
    EXPECT_EQ(Names().front(), L"Heading");
    EXPECT_FALSE(Shows(L"Spin"));
    EXPECT_FALSE(Shows(L"Direction"));
    EXPECT_TRUE(Shows(L"Count"));
    EXPECT_FALSE(sheet_->Row(L"Volume")->enabled);
    EXPECT_TRUE(sheet_->Row(L"Name")->enabled);
    EXPECT_EQ(sheet_->Row(L"Heading")->value, L"About this");
    EXPECT_EQ(sheet_->Row(L"Mode")->value, L"0");
    EXPECT_EQ(sheet_->Row(L"Extent")->value, L"32 x 24");
    EXPECT_EQ(sheet_->Row(L"Images")->value, L"01 00 00 00");
    EXPECT_EQ(sheet_->Items(Id(L"Mode")), (std::vector<std::wstring>{L"Simple", L"Fancy"}));
    // A malformed rule ends the pass: the property after it keeps its place.
    EXPECT_TRUE(Shows(L"After broken"));
    // Malformed enable rules count as enabled.
    EXPECT_TRUE(sheet_->Row(L"Unknown rule")->enabled);
    EXPECT_TRUE(sheet_->Row(L"Open bracket")->enabled);
    const auto boxes = TestSupport::BoxLines(extension_->TakeBoxes());
    const auto has = [&](const std::wstring& text) {
        return std::any_of(boxes.begin(), boxes.end(), [&](const std::wstring& box) { return box.find(text) != std::wstring::npos; });
    };
    EXPECT_TRUE(has(L"which is not usable in evaluation."));
    EXPECT_TRUE(has(L"EnableIf property name \"Nope\" does not exist."));
    EXPECT_TRUE(has(L"EnableIf value \"[Name\" is invalid."));
}

TEST_F(PropertySheet, EveryTypeWrittenReadsBackAtRunTime)
{
    sheet_->SetText(Id(L"Name"), L"Grüße!");
    sheet_->SetValue(Id(L"Count"), MakeHostSInt(-12));
    sheet_->SetValue(Id(L"Mode"), MakeHostUInt(1));
    sheet_->SetValue(Id(L"Extent"), MakeHostSize(640, 480));
    sheet_->SetValue(Id(L"Tint"), MakeHostSInt(0xFF00));
    sheet_->SetChecked(Id(L"Advanced"), true);
    sheet_->SetValue(Id(L"Volume"), MakeHostSInt(75));
    sheet_->SetText(Id(L"File"), L"a/much/longer/file name.txt");
    sheet_->SetText(Id(L"Picture"), L"");
    sheet_->SetValue(Id(L"Pick"), MakeHostUInt(1));
    sheet_->SetValue(Id(L"Ratio"), MakeHostFloat(0.25f));
    sheet_->SetValue(Id(L"Notes"), MakeHostBuff({'h', 0, 'i', 0, 0, 0}));
    sheet_->SetValue(Id(L"Images"), MakeHostBuff({2, 0, 7, 0, 9, 0}));
    sheet_->SetValue(Id(L"Icon"), MakeHostUInt(1));
    sheet_->SetText(Id(L"Link"), L"https://other.invalid/");
    sheet_->SetText(Id(L"Folder path"), L"d:/music");
    sheet_->SetValue(Id(L"Fine"), MakeHostFloat(-2.5f));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{});

    EXPECT_EQ(RunStr(L"Name"), L"Grüße!");
    EXPECT_EQ(RunNum(L"Count"), -12.0f);
    EXPECT_EQ(RunStr(L"Mode"), L"Fancy");
    EXPECT_EQ(RunNum(L"Tint"), 65280.0f);
    EXPECT_TRUE(RunChecked(L"Advanced"));
    EXPECT_EQ(RunNum(L"Volume"), 75.0f);
    EXPECT_EQ(RunStr(L"File"), L"a/much/longer/file name.txt");
    EXPECT_EQ(RunStr(L"Picture"), L"");
    EXPECT_EQ(RunStr(L"Pick"), L"B");
    EXPECT_EQ(RunNum(L"Ratio"), 0.25f);
    EXPECT_EQ(RunStr(L"Notes"), L"hi");
    EXPECT_EQ(RunStr(L"Icon"), L"I2");
    EXPECT_EQ(sheet_->Value(Id(L"Link")), L"https://other.invalid/");  // no run-time read of a button
    EXPECT_EQ(RunStr(L"Folder path"), L"d:/music");
    EXPECT_EQ(RunNum(L"Fine"), -2.5f);
    EXPECT_EQ(sheet_->Value(Id(L"Extent")), L"640 x 480");
    EXPECT_EQ(sheet_->Value(Id(L"Images")), L"02 00 07 00 09 00");
    EXPECT_GT(sheet_->Resizes(), 0u);
    ExpectConsistent();
}

TEST_F(PropertySheet, RulesChainAcrossProperties)
{
    sheet_->SetValue(Id(L"Mode"), MakeHostUInt(1));
    EXPECT_TRUE(Shows(L"Spin"));
    EXPECT_FALSE(Shows(L"Direction"));
    sheet_->SetChecked(Id(L"Advanced"), true);
    ASSERT_TRUE(Shows(L"Direction"));
    EXPECT_TRUE(sheet_->Row(L"Volume")->enabled);
    // Shown again in JSON order.
    const auto names = Names();
    const auto at = [&](const wchar_t* name) { return std::find(names.begin(), names.end(), name) - names.begin(); };
    EXPECT_LT(at(L"Volume"), at(L"Spin"));
    EXPECT_LT(at(L"Spin"), at(L"Direction"));
    EXPECT_LT(at(L"Direction"), at(L"More"));
    sheet_->SetValue(Id(L"Mode"), MakeHostUInt(0));
    EXPECT_FALSE(Shows(L"Spin"));
    EXPECT_FALSE(Shows(L"Direction"));
}

TEST_F(PropertySheet, BadInputIsRefusedAndTheBlockKept)
{
    const std::vector<std::uint8_t> before = sheet_->Block();
    sheet_->SetText(Id(L"Count"), L"12");
    sheet_->SetText(Id(L"Name"), L"far too long a name");
    sheet_->SetValue(Id(L"Mode"), MakeHostUInt(5));
    sheet_->SetValue(Id(L"Ratio"), MakeHostForeign(0x41424344));
    sheet_->SetValue(Id(L"Count"), nullptr);
    EXPECT_EQ(sheet_->Value(0x80000 + 500), L"");
    sheet_->SetText(0x80000 + 500, L"x");
    sheet_->RefuseResizes(true);
    sheet_->SetText(Id(L"Name"), L"longer");
    EXPECT_EQ(sheet_->Block(), before);
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_NE(boxes[0].find(L"cannot take a text value"), std::wstring::npos);
    EXPECT_NE(boxes[1].find(L"may hold at most 10"), std::wstring::npos);
    EXPECT_NE(boxes[2].find(L"Item 5 is not among the 2 items"), std::wstring::npos);
    EXPECT_NE(boxes[3].find(L"Assuming class ID 1094861636 is custom"), std::wstring::npos);
    EXPECT_NE(boxes[4].find(L"no value"), std::wstring::npos);
    EXPECT_NE(boxes[5].find(L"NULL returned from EDITDATA reallocation"), std::wstring::npos);
    EXPECT_EQ(RunStr(L"Name"), L"abc");
}

TEST_F(PropertySheet, SetsAddRenameSwitchAndDelete)
{
    const std::int32_t list = Id(L"Sounds");
    EXPECT_EQ(sheet_->Items(list), std::vector<std::wstring>{L"Sound"});
    EXPECT_FALSE(sheet_->Row(L"Delete sound")->enabled);
    EXPECT_EQ(sheet_->Press(Id(L"Delete sound")), 0);

    EXPECT_EQ(sheet_->Press(Id(L"Add sound")), 1);
    EXPECT_EQ(sheet_->Row(L"Sounds")->value, L"1");
    sheet_->SetText(Id(L"Sound name"), L"Rain");
    sheet_->SetValue(Id(L"Sound volume"), MakeHostSInt(9));
    sheet_->SetChecked(Id(L"Sound loop"), false);
    EXPECT_EQ(sheet_->Items(list), (std::vector<std::wstring>{L"Sound", L"Rain"}));
    EXPECT_TRUE(sheet_->Row(L"Delete sound")->enabled);

    sheet_->SetText(Id(L"Sound name"), L"");
    EXPECT_NE(Boxes().back().find(L"Set names cannot be blank."), std::wstring::npos);
    sheet_->SetText(Id(L"Sound name"), L"Sound");  // a name twice is the user's choice
    EXPECT_EQ(sheet_->Items(list), (std::vector<std::wstring>{L"Sound", L"Sound"}));
    sheet_->SetText(Id(L"Sound name"), L"Rain");

    // The run-time reads follow the shown entry.
    EXPECT_EQ(RunStr(L"Sound name"), L"Rain");
    EXPECT_EQ(RunNum(L"Sound volume"), 9.0f);
    EXPECT_FALSE(RunChecked(L"Sound loop"));
    sheet_->SetValue(list, MakeHostUInt(0));
    EXPECT_EQ(sheet_->Row(L"Sound name")->value, L"Sound");
    EXPECT_EQ(RunStr(L"Sound name"), L"Sound");
    EXPECT_EQ(RunNum(L"Sound volume"), 5.0f);
    EXPECT_TRUE(RunChecked(L"Sound loop"));
    sheet_->SetValue(list, MakeHostUInt(7));
    EXPECT_NE(Boxes().back().find(L"entry 7 cannot be shown"), std::wstring::npos);

    sheet_->SetValue(list, MakeHostUInt(1));
    EXPECT_EQ(sheet_->Press(Id(L"Delete sound")), 1);
    EXPECT_EQ(sheet_->Items(list), std::vector<std::wstring>{L"Sound"});
    EXPECT_EQ(sheet_->Row(L"Sounds")->value, L"0");
    EXPECT_FALSE(sheet_->Row(L"Delete sound")->enabled);
    EXPECT_EQ(RunStr(L"Sound name"), L"Sound");

    sheet_->RefuseResizes(true);
    const std::vector<std::uint8_t> before = sheet_->Block();
    EXPECT_EQ(sheet_->Press(Id(L"Add sound")), 0);
    EXPECT_EQ(sheet_->Block(), before);
    ExpectConsistent();
}

std::int32_t VANTOR_HOSTCALL ConfirmImage(void*, void* record, void*)
{
    auto* edit = static_cast<Vantor::Host::EditImageRecord*>(record);
    if (edit->size != sizeof *edit || edit->image != 0 || edit->width != 32 || edit->height != 32)
        return 0;
    edit->image = 42;
    return 1;
}

std::int32_t VANTOR_HOSTCALL CancelImage(void*, void*, void*) { return 0; }

TEST_F(PropertySheet, TheImageEditorsAnswerIsStoredOnlyWhenConfirmed)
{
    const std::vector<std::uint8_t> before = sheet_->Block();
    host_.Record()->editImage = &CancelImage;
    host_.Record()->editImages = &CancelImage;
    EXPECT_EQ(sheet_->Press(Id(L"Images")), 0);
    EXPECT_EQ(sheet_->Block(), before);
    host_.Record()->editImage = &ConfirmImage;
    EXPECT_EQ(sheet_->Press(Id(L"Images")), 1);
    EXPECT_EQ(sheet_->Value(Id(L"Images")), L"01 00 2A 00");
    EXPECT_EQ(sheet_->Press(Id(L"Name")), 0);  // no editor behind a text
}

}  // namespace
