#include "ProbeLibrary.h"

#include "standins/host/Recorder.h"

#include <gtest/gtest.h>

namespace StandinHostTests {
namespace {

// A library that ends the process leaves its last box and log line on stderr for the death test.
TEST(ProcessEndDeathTest, LastWordsReachStderrBeforeTheProcessEnds) {
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            ProbeLibrary probe;
            probe.LogA("about to end\n");
            probe.ShowBoxW(nullptr, L"Fatal error - Velisse", L"It broke\nbadly", MB_ICONERROR);
            probe.EndProcess();
        },
        ::testing::ExitedWithCode(3),
        "\\[log\\] about to end\\s+\\[box\\] Fatal error - Velisse \\| It broke\\\\nbadly\\s*$");
}

}  // namespace
}  // namespace StandinHostTests
