#include "RunProbe.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/RunObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace StandinHostTests {
namespace {

using StandinHost::EditBoxAnswer;
using StandinHost::EditBoxCall;
using StandinHost::EditBoxKind;
using StandinHost::ExtensionFault;
using StandinHost::RunObject;
using Lines = std::vector<std::wstring>;

class RunObjectDebuggerTest : public RunProbeTest {
protected:
    RunObjectDebuggerTest() : object(library, runHeader) {}

    // What reading item `id` was refused with.
    std::string FaultOfItem(std::int32_t id) {
        try {
            object.DebugItem(id);
        } catch (const ExtensionFault& fault) {
            return fault.what();
        }
        return "no fault";
    }

    RunObject object;
};

TEST_F(RunObjectDebuggerTest, TreeEndsAtItsTerminator) {
    EXPECT_EQ(object.DebugTree(), (std::vector<std::uint16_t>{0, 1}));
}

TEST_F(RunObjectDebuggerTest, ItemTextComesFromTheHostBuffer) {
    EXPECT_EQ(object.DebugItem(0), L"Count: 0");
    EXPECT_EQ(object.DebugItem(1), L"Name: probe");
}

TEST_F(RunObjectDebuggerTest, UntouchedBufferGivesNoText) { EXPECT_EQ(object.DebugItem(2), std::nullopt); }

TEST_F(RunObjectDebuggerTest, UnterminatedItemTextIsAnExtensionFault) {
    EXPECT_EQ(FaultOfItem(3), "GetDebugItem left its text unterminated in the buffer");
}

TEST_F(RunObjectDebuggerTest, WritingPastTheBufferIsAnExtensionFault) {
    EXPECT_EQ(FaultOfItem(4), "GetDebugItem wrote past the end of its 256-character buffer");
}

TEST_F(RunObjectDebuggerTest, AcceptedIntegerIsWrittenIntoTheEditRecord) {
    object.QueueEditBoxAnswer(EditBoxAnswer::Accept(42));
    object.EditDebugItem(0);
    EXPECT_EQ(TakeLines(), Lines{L"edit 0 answer=1"});
    EXPECT_EQ(object.DebugItem(0), L"Count: 42");
    EXPECT_EQ(object.EditBoxCalls(), (std::vector<EditBoxCall>{{EditBoxKind::Integer, 0, L"", 0, 1}}));
}

TEST_F(RunObjectDebuggerTest, CancelledBoxLeavesTheRecordAlone) {
    object.QueueEditBoxAnswer(EditBoxAnswer::Accept(5));
    object.EditDebugItem(0);
    object.QueueEditBoxAnswer(EditBoxAnswer::Cancel());
    object.EditDebugItem(0);
    EXPECT_EQ(TakeLines(), (Lines{L"edit 0 answer=1", L"edit 0 answer=2"}));
    EXPECT_EQ(object.DebugItem(0), L"Count: 5");
    EXPECT_EQ(object.EditBoxCalls().at(1), (EditBoxCall{EditBoxKind::Integer, 5, L"", 0, 2}));
}

TEST_F(RunObjectDebuggerTest, BoxWithoutAQueuedAnswerIsCancelled) {
    object.EditDebugItem(1);
    EXPECT_EQ(TakeLines(), Lines{L"edit 1 answer=2 guard=kept"});
    EXPECT_EQ(object.DebugItem(1), L"Name: probe");
}

TEST_F(RunObjectDebuggerTest, AcceptedTextIsCutToTheMaximumLengthAndTerminated) {
    object.QueueEditBoxAnswer(EditBoxAnswer::Accept(L"a much longer name"));
    object.EditDebugItem(1);
    EXPECT_EQ(TakeLines(), Lines{L"edit 1 answer=1 guard=kept"});
    EXPECT_EQ(object.DebugItem(1), L"Name: a much l");
    EXPECT_EQ(object.EditBoxCalls(), (std::vector<EditBoxCall>{{EditBoxKind::Text, 0, L"probe", 8, 1}}));
}

TEST_F(RunObjectDebuggerTest, AnswersAreTakenInTheOrderQueued) {
    object.QueueEditBoxAnswer(EditBoxAnswer::Accept(L"first"));
    object.QueueEditBoxAnswer(EditBoxAnswer::Accept(L"second"));
    object.EditDebugItem(1);
    EXPECT_EQ(object.DebugItem(1), L"Name: first");
    object.EditDebugItem(1);
    EXPECT_EQ(object.DebugItem(1), L"Name: second");
}

}  // namespace
}  // namespace StandinHostTests
