#include "ProbeLibrary.h"
#include "RunProbe.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/Frame.h"
#include "standins/host/RunObject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace StandinHostTests {
namespace {

using StandinHost::ExtensionFault;
using StandinHost::ExtensionLibraryError;
using StandinHost::Frame;
using StandinHost::RunObject;
using Lines = std::vector<std::wstring>;

class RunObjectLifeTest : public RunProbeTest {};

TEST_F(RunObjectLifeTest, CreateRunObjectGetsTheRecordTheEditDataAndACreateObjectRecord) {
    int editData = 0;
    RunObject object(library, runHeader, {.editData = &editData});
    EXPECT_EQ(TakeLines(), Lines{L"create ed=" + Hex(&editData) + L" cob=" + Hex(object.CreateObjectInfo()) +
                                 L" rh=" + Hex(runHeader.Address()) + L" oe=0"});
    EXPECT_EQ(object.CreateResult(), 0);
    EXPECT_EQ(object.Header().runHeader, runHeader.Address());
    EXPECT_NE(object.Data()->extension, nullptr);
}

TEST_F(RunObjectLifeTest, RecordIsZeroFilledButForRunHeaderOeFlagsAndTheExtensionPointer) {
    RunObject object(library, runHeader, {.oeFlags = 0x130});
    EXPECT_EQ(object.Header().oeFlags, 0x130u);
    auto* bytes = reinterpret_cast<std::uint8_t*>(object.Data());
    std::vector<std::uint8_t> rest(bytes, bytes + RunObject::kRecordSize);
    std::fill_n(rest.begin() + 8, 4, 0);    // run header
    std::fill_n(rest.begin() + 120, 4, 0);  // OEFLAGS
    std::fill_n(rest.begin() + 184, 4, 0);  // the probe's own pointer
    EXPECT_TRUE(std::all_of(rest.begin(), rest.end(), [](std::uint8_t byte) { return byte == 0; }));
}

TEST_F(RunObjectLifeTest, CreateObjectRecordIsZeroFilled) {
    RunObject object(library, runHeader);
    const auto* bytes = static_cast<const std::uint8_t*>(object.CreateObjectInfo());
    EXPECT_TRUE(std::all_of(bytes, bytes + RunObject::kCreateObjectInfoSize, [](std::uint8_t b) { return b == 0; }));
}

TEST_F(RunObjectLifeTest, OeFlagsReachTheExtensionAndCanChangeLater) {
    RunObject object(library, runHeader, {.oeFlags = 16});
    const Lines lines = TakeLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].ends_with(L" oe=16")) << lines[0];
    object.SetOeFlags(0x30);
    EXPECT_EQ(object.Header().oeFlags, 0x30u);
}

TEST_F(RunObjectLifeTest, JumpTablesComeFromGetRunObjectInfos) {
    RunObject object(library, runHeader);
    EXPECT_EQ(object.Infos().numActions, 3);
    EXPECT_EQ(object.Infos().numConditions, 2);
    EXPECT_EQ(object.Infos().numExpressions, 5);
    EXPECT_NE(object.Infos().actions, nullptr);
}

TEST_F(RunObjectLifeTest, HandlePassesTheExtensionsAnswerOfEachTick) {
    RunObject object(library, runHeader);
    EXPECT_EQ(object.Handle(), 1u);
    EXPECT_EQ(object.Handle(), 2u);
}

TEST_F(RunObjectLifeTest, EndOfTheObjectDestroysItOnce) {
    {
        RunObject object(library, runHeader);
        object.Handle();
        TakeLines();
    }
    EXPECT_EQ(TakeLines(), Lines{L"destroy fast=0 ticks=1"});
}

TEST_F(RunObjectLifeTest, DestroyCallsTheExportEachTimeAndTheEndNoMore) {
    {
        RunObject object(library, runHeader);
        TakeLines();
        EXPECT_EQ(object.Destroy(1), 0);
        EXPECT_EQ(object.Data()->extension, nullptr);
        object.Destroy();
    }
    EXPECT_EQ(TakeLines(), (Lines{L"destroy fast=1 ticks=0", L"destroy without object"}));
}

TEST_F(RunObjectLifeTest, LibraryThatDescribesNoObjectGetsNoneCreated) {
    SetDescribes(false);
    EXPECT_THROW(RunObject(library, runHeader), ExtensionFault);
    EXPECT_TRUE(TakeLines().empty());
}

TEST_F(RunObjectLifeTest, LibraryWithoutTheRunTimeExportsIsRefused) {
    ProbeLibrary other;
    EXPECT_THROW(RunObject(other.Library(), runHeader), ExtensionLibraryError);
}

class FrameTest : public RunProbeTest {};

TEST_F(FrameTest, TickHandlesEveryObjectOnceInCreationOrder) {
    Frame frame(host);
    RunObject& first = frame.Create(library);
    frame.Create(library);
    first.Handle();
    EXPECT_EQ(frame.ObjectCount(), 2u);
    EXPECT_EQ(&frame.Object(0), &first);
    EXPECT_EQ(frame.Tick(), (std::vector<std::uint32_t>{2, 1}));
    EXPECT_EQ(frame.Tick(), (std::vector<std::uint32_t>{3, 2}));
}

TEST_F(FrameTest, ObjectsLiveInTheFramesRunHeader) {
    Frame frame(host, {.objectListCount = 1});
    RunObject& object = frame.Create(library);
    EXPECT_EQ(object.Header().runHeader, frame.Header().Address());
    EXPECT_EQ(frame.Header().ObjectListCount(), 1);
}

TEST_F(FrameTest, EndOfTheFrameDestroysTheLastCreatedFirst) {
    {
        Frame frame(host);
        frame.Create(library);
        frame.Create(library).Handle();
        TakeLines();
    }
    EXPECT_EQ(TakeLines(), (Lines{L"destroy fast=0 ticks=1", L"destroy fast=0 ticks=0"}));
}

}  // namespace
}  // namespace StandinHostTests
