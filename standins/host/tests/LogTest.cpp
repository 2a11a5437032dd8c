#include "FreshRecord.h"
#include "ProbeLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace StandinHostTests {
namespace {

class LogTest : public FreshRecord {
protected:
    std::vector<std::wstring> Texts() const {
        std::vector<std::wstring> texts;
        for (const auto& line : Record().Logs()) texts.push_back(line.text);
        return texts;
    }

    ProbeLibrary probe;
};

TEST_F(LogTest, WideLineIsRecordedAsWritten) {
    probe.LogW(L"[Vantor] Grüße, 世界\n");
    const auto logs = Record().Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].module, probe.Module());
    EXPECT_EQ(logs[0].text, L"[Vantor] Grüße, 世界\n");
}

TEST_F(LogTest, NarrowLineIsDecodedFromUtf8) {
    probe.LogA(
        "Gr\xC3\xBC\xC3\x9F"
        "e, \xE4\xB8\x96\xE7\x95\x8C \xF0\x9F\x8E\xB5\n");
    EXPECT_EQ(Texts(), std::vector<std::wstring>{L"Grüße, 世界 \U0001F3B5\n"});
}

TEST_F(LogTest, InvalidUtf8BecomesReplacementCharacters) {
    probe.LogA(
        "a\xFF"
        "b");
    EXPECT_EQ(Texts(), std::vector<std::wstring>{L"a\uFFFDb"});
}

TEST_F(LogTest, LinesFromASecondThreadAreAllKept) {
    constexpr int kCount = 20000;
    probe.LogFromTwoThreads(kCount);
    const auto logs = Record().Logs(probe.Module());
    ASSERT_EQ(logs.size(), 2u * kCount);
    int nextMain = 0;
    int nextWorker = 0;
    for (const auto& line : logs) {
        if (line.text == L"main " + std::to_wstring(nextMain)) {
            ++nextMain;
        } else {
            EXPECT_EQ(line.text, L"worker " + std::to_wstring(nextWorker));
            ++nextWorker;
        }
    }
    EXPECT_EQ(nextMain, kCount);
    EXPECT_EQ(nextWorker, kCount);
}

TEST_F(LogTest, LinesAreKeptPerModule) {
    probe.LogW(L"mine");
    EXPECT_EQ(Record().Logs(probe.Module()).size(), 1u);
    EXPECT_TRUE(Record().Logs(GetModuleHandleW(nullptr)).empty());
    EXPECT_EQ(Record().TakeLogs(probe.Module()).size(), 1u);
    EXPECT_TRUE(Record().Logs().empty());
}

}  // namespace
}  // namespace StandinHostTests
