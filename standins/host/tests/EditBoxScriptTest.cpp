#include "standins/host/internal/EditBoxScript.h"
#include "standins/host/internal/ServiceRefusal.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace StandinHostTests {
namespace {

using StandinHost::EditBoxAnswer;
using StandinHost::EditBoxKind;
using StandinHost::EditBoxScript;
using StandinHost::ServiceRefusal;
using Vantor::Host::DebugEditRecord;

TEST(EditBoxScriptTest, AcceptedTextFillsTheBufferUpToTheMaximumLength) {
    EditBoxScript script;
    script.Queue(EditBoxAnswer::Accept(L"abcdef"));
    wchar_t buffer[6];
    std::wmemset(buffer, L'#', 6);
    std::wmemcpy(buffer, L"xy", 3);
    DebugEditRecord record{};
    record.text = buffer;
    record.maxLength = 4;
    EXPECT_EQ(script.Show(EditBoxKind::Text, &record), 1);
    EXPECT_STREQ(buffer, L"abcd");
    EXPECT_EQ(buffer[5], L'#');
    EXPECT_EQ(script.Calls().at(0).shownText, L"xy");
}

TEST(EditBoxScriptTest, ShownTextIsReadNoFurtherThanTheMaximumLength) {
    EditBoxScript script;
    wchar_t buffer[4] = {L'a', L'b', L'c', L'd'};  // no terminator within the maximum length
    DebugEditRecord record{};
    record.text = buffer;
    record.maxLength = 3;
    EXPECT_EQ(script.Show(EditBoxKind::Text, &record), EditBoxAnswer::kCancel);
    EXPECT_EQ(script.Calls().at(0).shownText, L"abc");
}

TEST(EditBoxScriptTest, BrokenRecordsAreRefused) {
    EditBoxScript script;
    DebugEditRecord noBuffer{};
    EXPECT_THROW(script.Show(EditBoxKind::Text, &noBuffer), ServiceRefusal);
    wchar_t buffer[2] = {};
    DebugEditRecord negative{};
    negative.text = buffer;
    negative.maxLength = -1;
    EXPECT_THROW(script.Show(EditBoxKind::Text, &negative), ServiceRefusal);
    EXPECT_THROW(script.Show(EditBoxKind::Integer, nullptr), ServiceRefusal);
}

TEST(EditBoxScriptTest, AnswerOfTheOtherKindIsRefused) {
    EditBoxScript script;
    script.Queue(EditBoxAnswer::Accept(L"text"));
    DebugEditRecord record{};
    EXPECT_THROW(script.Show(EditBoxKind::Integer, &record), ServiceRefusal);
}

TEST(EditBoxScriptTest, CancelFitsEitherKindAndChangesNothing) {
    EditBoxScript script;
    script.Queue(EditBoxAnswer::Cancel());
    DebugEditRecord record{};
    record.value = 7;
    EXPECT_EQ(script.Show(EditBoxKind::Integer, &record), EditBoxAnswer::kCancel);
    EXPECT_EQ(record.value, 7);
}

}  // namespace
}  // namespace StandinHostTests
