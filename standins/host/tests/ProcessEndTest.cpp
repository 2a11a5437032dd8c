#include "ProbeLibrary.h"

#include "standins/host/ProcessEnd.h"
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

// The same end caught in-process: the box is recorded, the exit code comes back, the test goes on.
TEST(ProcessEnd, ALibraryEndingTheProcessComesBackWithItsExitCode) {
    StandinHost::Recorder::Instance().Clear();
    ProbeLibrary probe;
    EXPECT_EQ(StandinHost::CatchProcessEnd([&] { probe.EndProcess(); }), 3u);
    // Nested: the inner catch takes the end, the outer body carries on.
    bool outerGoesOn = false;
    const auto outer = StandinHost::CatchProcessEnd([&] {
        EXPECT_EQ(StandinHost::CatchProcessEnd([&] {
                      probe.ShowBoxW(nullptr, L"Fatal error - Velisse", L"It broke", MB_ICONERROR);
                      probe.EndProcess();
                  }),
                  3u);
        outerGoesOn = true;
    });
    EXPECT_FALSE(outer.has_value());
    EXPECT_TRUE(outerGoesOn);
    EXPECT_EQ(StandinHost::Recorder::Instance().Boxes(probe.Module()).size(), 1u);
    EXPECT_FALSE(StandinHost::CatchProcessEnd([] {}).has_value());
}

}  // namespace
}  // namespace StandinHostTests
