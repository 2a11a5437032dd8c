#include "standins/host/internal/EchoLine.h"

#include <gtest/gtest.h>

namespace StandinHostTests {
namespace {

using StandinHost::BoxEchoLine;
using StandinHost::LogEchoLine;

TEST(EchoLineTest, BoxShowsTitleAndText) {
    EXPECT_EQ(BoxEchoLine(L"Fatal error", L"It broke"), "[box] Fatal error | It broke");
}

TEST(EchoLineTest, LineBreaksInsideShowEscapedAndAFinalOneIsDropped) {
    EXPECT_EQ(BoxEchoLine(L"t", L"one\r\ntwo\nthree\n"), "[box] t | one\\ntwo\\nthree");
    EXPECT_EQ(LogEchoLine(L"Invalid value 40.\n"), "[log] Invalid value 40.");
    EXPECT_EQ(LogEchoLine(L"\n"), "[log] ");
}

TEST(EchoLineTest, TextIsWrittenAsUtf8) {
    EXPECT_EQ(LogEchoLine(L"Grüße 世"),
              "[log] Gr\xC3\xBC\xC3\x9F"
              "e \xE4\xB8\x96");
}

}  // namespace
}  // namespace StandinHostTests
