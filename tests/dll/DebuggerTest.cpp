// The host debugger's view of an object whose Extension registers no items.
#include <gtest/gtest.h>

#include <thread>

#include "tests/dll/support/RuntimeSession.h"

using TestSupport::RuntimeSession;

namespace {

TEST(Debugger, AnObjectWithoutItemsShowsAnEmptyTree)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_TRUE(object.DebugTree().empty());
}

TEST(Debugger, AnItemTheTreeDoesNotHoldIsReportedAndNothingWritten)
{
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_EQ(object.DebugItem(0), std::nullopt);
    object.EditDebugItem(0);
    EXPECT_EQ(session.TakeBoxLines(),
              (std::vector<std::wstring>{
                  L"Fusion debugger error - Vantor Test | Couldn't find debug ID in Fusion debugger list.",
                  L"Fusion debugger error - Vantor Test | Couldn't find debug ID in Fusion debugger list."}));
}

TEST(Debugger, AnotherThreadIsRefused)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RuntimeSession session;
    auto& object = session.CreateObject();
    EXPECT_EXIT(
        {
            StandinHost::Recorder::Instance().SetEcho(true);
            std::thread other([&] { object.DebugTree(); });
            other.join();
        },
        ::testing::ExitedWithCode(3), "Use of FusionDebugger outside of main thread is forbidden");
}

}  // namespace
