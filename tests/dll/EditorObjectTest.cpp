// A new object's properties as the editor creates them, and a copied object's repair.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "standins/host/editor/EditorSession.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"
#include "tests/fixtures/DefaultBlocks.h"

using StandinHost::EditorSession;
using StandinHost::HostApplication;
using StandinHost::HostCall;
using TestSupport::BoxLines;
using TestSupport::ScratchFolder;

namespace {

using CreateObjectFn = std::int32_t(VANTOR_HOSTCALL*)(Vantor::Host::mV*, void*, void*);

constexpr std::uint32_t kExtId = 0x0BADF00D;
constexpr std::size_t kMarkerOffset = 20;
constexpr std::size_t kVisibilitySlot = 40;

void PutU32(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value)
{
    std::memcpy(block.data() + offset, &value, sizeof value);
}

class EditorObject : public ::testing::Test {
protected:
    void Open(const char* library)
    {
        StandinHost::Recorder::Instance().Clear();
        session_ = std::make_unique<EditorSession>(host_, folder_.CopyLibrary(library));
        ASSERT_EQ(session_->Start(), 0);
        ASSERT_TRUE(Boxes().empty());
        host_.TakeCalls();
    }

    std::vector<std::wstring> Boxes()
    {
        return BoxLines(StandinHost::Recorder::Instance().TakeBoxes(session_->Library().Module()));
    }

    ScratchFolder folder_;
    HostApplication host_;
    std::unique_ptr<EditorSession> session_;
};

TEST_F(EditorObject, ANewStudioObjectGetsTheDefaultBlockAndKeepsItsIdentifier)
{
    Open("Tonvale.mfx");
    const EditorSession::CreatedObject created = session_->CreateObject(0, kExtId);
    EXPECT_EQ(created.result, 0);
    EXPECT_EQ(created.editData, TestFixtures::TonvaleDefaultBlock(kExtId));
    EXPECT_TRUE(Boxes().empty());
    // The editor hears of the object first, as when it loads one.
    const std::vector<HostCall> calls = host_.TakeCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].code, Vantor::Host::kCallLoadObject);
}

TEST_F(EditorObject, ANewEventInstanceObjectGetsTheEmptyBlock)
{
    Open("Velisse.mfx");
    const EditorSession::CreatedObject created = session_->CreateObject(0, kExtId);
    EXPECT_EQ(created.result, 0);
    EXPECT_EQ(created.editData, TestFixtures::VelisseDefaultBlock(kExtId));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(EditorObject, ABlockOfTheWrongSizeIsResizedAndFilled)
{
    Open("Tonvale.mfx");
    const EditorSession::CreatedObject created = session_->CreateObject(100, kExtId);
    EXPECT_EQ(created.result, 0);
    EXPECT_EQ(created.editData, TestFixtures::TonvaleDefaultBlock(kExtId));
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{
        L"EDITDATA size mismatch - Vantor Template | Fusion provided an EDITDATA of 100 bytes, Props sizeBytes is "
        L"249, but GetEDITDATASizeFromJSON calculation was 249 bytes expected.\nThis is a Vantor bug!"});
    bool askedToResize = false;
    for (const HostCall& call : host_.TakeCalls())
        askedToResize |= call.code == Vantor::Host::kCallResizeEditData && call.arg1 == 249;
    EXPECT_TRUE(askedToResize);
}

TEST_F(EditorObject, AHostThatRefusesToResizeFailsTheCreation)
{
    Open("Tonvale.mfx");
    std::vector<std::uint8_t> block(100, 0xCC);
    PutU32(block, 0, 100);
    const auto create = session_->Library().Export<CreateObjectFn>("CreateObject");
    EXPECT_EQ(create(host_.Record(), nullptr, block.data()), -1);
    const std::vector<std::wstring> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], L"Initialisation failure - Vantor Template | Initialising extension failed: error 12.");
    // Nothing half written into the host's block.
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + 4, block.end()), std::vector<std::uint8_t>(96, 0xCC));
}

TEST_F(EditorObject, AnOldHostGetsNoObject)
{
    host_.SetVersion(Vantor::Host::kFusion25 | 200u);
    Open("Tonvale.mfx");
    const EditorSession::CreatedObject created = session_->CreateObject(0, kExtId);
    EXPECT_EQ(created.result, -1);
    EXPECT_TRUE(host_.TakeCalls().empty());
    EXPECT_EQ(created.editData.size(), 249u);
    EXPECT_EQ(created.editData[kMarkerOffset], 0);  // untouched
}

TEST_F(EditorObject, ADuplicateForgetsTheEditorsVisibilityPointer)
{
    Open("Tonvale.mfx");
    std::vector<std::uint8_t> copy = TestFixtures::TonvaleDefaultBlock(kExtId);
    PutU32(copy, kVisibilitySlot, 0x00ABCDEF);
    PutU32(copy, kVisibilitySlot + 4, 0x12345678);
    session_->DuplicateObject(copy);
    std::vector<std::uint8_t> expected = TestFixtures::TonvaleDefaultBlock(kExtId);
    PutU32(expected, kVisibilitySlot + 4, 0x12345678);  // only the low four bytes are the pointer
    EXPECT_EQ(copy, expected);
    EXPECT_TRUE(Boxes().empty());

    // Already clear: nothing changes.
    std::vector<std::uint8_t> clean = TestFixtures::TonvaleDefaultBlock(kExtId);
    session_->DuplicateObject(clean);
    EXPECT_EQ(clean, TestFixtures::TonvaleDefaultBlock(kExtId));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(EditorObject, ADuplicateWithBrokenFieldsIsReportedAndNeverOverrun)
{
    Open("Velisse.mfx");
    const std::wstring propertyError
        = L"Vantor property error - Velisse | Vantor smart properties were not created correctly.";

    std::vector<std::uint8_t> wrongMarker = TestFixtures::VelisseDefaultBlock();
    PutU32(wrongMarker, kMarkerOffset, 0x31544E56);
    PutU32(wrongMarker, kVisibilitySlot, 7);
    session_->DuplicateObject(wrongMarker);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{propertyError});
    std::vector<std::uint8_t> expected = TestFixtures::VelisseDefaultBlock();
    PutU32(expected, kMarkerOffset, 0x31544E56);
    EXPECT_EQ(wrongMarker, expected);

    // A size field too small to hold the slot: the bytes past it are not the block's.
    std::vector<std::uint8_t> shortBlock = TestFixtures::VelisseDefaultBlock();
    PutU32(shortBlock, 0, 22);
    PutU32(shortBlock, kVisibilitySlot, 7);
    const std::vector<std::uint8_t> before = shortBlock;
    session_->DuplicateObject(shortBlock);
    EXPECT_EQ(Boxes(), std::vector<std::wstring>{propertyError});
    EXPECT_EQ(shortBlock, before);
}

}  // namespace
