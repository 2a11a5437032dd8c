// Paths that end the process, watched from a child process: its exit code and its last words.
#include <gtest/gtest.h>

#include <thread>

#include "tests/dll/support/TestLibrary.h"

using StandinHost::HostApplication;
using TestSupport::ScratchFolder;
using TestSupport::TestLibrary;

namespace {

constexpr int kFatalExitCode = 3;

class DiagnosticsFatal : public ::testing::Test {
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        ASSERT_EQ(test_.Start(host_), 0);
    }

    ScratchFolder folder_;
    HostApplication host_;
    TestLibrary test_{folder_};
};

TEST_F(DiagnosticsFatal, AFatalErrorLogsShowsAndEndsTheProcess)
{
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            test_.Extension().Export<TestExtension::FatalFn>("VantorTest_Fatal")(L"Everything is lost");
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "\\[log\\] Everything is lost\n\\[box\\] Fatal error - Vantor Test \\| Everything is lost");
}

TEST_F(DiagnosticsFatal, TheMainThreadGuardEndsTheProcessOnAnotherThread)
{
    auto guard = test_.Extension().Export<TestExtension::RequireMainThreadFn>("VantorTest_RequireMainThread");
    guard();  // the main thread passes
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            std::thread other(guard);
            other.join();
        },
        ::testing::ExitedWithCode(kFatalExitCode),
        "Use of VantorTest_RequireMainThread outside of main thread is forbidden");
}

}  // namespace
