#include "standins/host/Recorder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace StandinHostTests {
namespace {

using StandinHost::Recorder;

const HMODULE kFirst = reinterpret_cast<HMODULE>(0x10000000);
const HMODULE kSecond = reinterpret_cast<HMODULE>(0x20000000);

TEST(RecorderTest, BoxesAreSelectedAndTakenPerModule) {
    Recorder recorder;
    recorder.RecordBox(kFirst, nullptr, L"one", L"", MB_OK);
    recorder.RecordBox(kSecond, nullptr, L"two", L"", MB_OK);
    recorder.RecordBox(kFirst, nullptr, L"three", L"", MB_OK);

    const auto first = recorder.Boxes(kFirst);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].title, L"one");
    EXPECT_EQ(first[1].title, L"three");

    const auto taken = recorder.TakeBoxes(kSecond);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].title, L"two");
    EXPECT_EQ(recorder.Boxes().size(), 2u);
    EXPECT_EQ(recorder.TakeBoxes().size(), 2u);
    EXPECT_TRUE(recorder.Boxes().empty());
}

TEST(RecorderTest, LogsAreSelectedAndTakenPerModule) {
    Recorder recorder;
    recorder.RecordLog(kFirst, L"a");
    recorder.RecordLog(kSecond, L"b");
    EXPECT_EQ(recorder.Logs(kSecond).size(), 1u);
    const auto taken = recorder.TakeLogs(kFirst);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].text, L"a");
    const auto rest = recorder.TakeLogs();
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].text, L"b");
    EXPECT_TRUE(recorder.Logs().empty());
}

TEST(RecorderTest, ClearForgetsRecordsAndQueuedAnswers) {
    Recorder recorder;
    recorder.QueueAnswer(IDNO);
    recorder.RecordLog(kFirst, L"a");
    recorder.RecordBox(kFirst, nullptr, L"t", L"x", MB_OK);
    recorder.QueueAnswer(IDNO);
    recorder.Clear();
    EXPECT_TRUE(recorder.Logs().empty());
    EXPECT_TRUE(recorder.Boxes().empty());
    EXPECT_EQ(recorder.PendingAnswers(), 0u);
    EXPECT_EQ(recorder.RecordBox(kFirst, nullptr, L"t", L"x", MB_YESNO), IDYES);
}

TEST(RecorderTest, AnswersNoBoxCanGiveAreRefused) {
    Recorder recorder;
    EXPECT_THROW(recorder.QueueAnswer(0), std::invalid_argument);
    EXPECT_THROW(recorder.QueueAnswer(8), std::invalid_argument);
    EXPECT_THROW(recorder.QueueAnswer(99), std::invalid_argument);
    EXPECT_EQ(recorder.PendingAnswers(), 0u);
}

TEST(RecorderTest, StyleWindowsRefusesIsRecordedAndAnsweredZero) {
    Recorder recorder;
    recorder.QueueAnswer(IDOK);
    EXPECT_EQ(recorder.RecordBox(kFirst, nullptr, L"t", L"x", 7), 0);
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].answer, 0);
}

}  // namespace
}  // namespace StandinHostTests
