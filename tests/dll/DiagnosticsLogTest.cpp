// Log lines as the debugger output receives them, cut at the buffer with their line ending kept.
#include <gtest/gtest.h>

#include "tests/dll/support/TestLibrary.h"

using StandinHost::HostApplication;
using TestSupport::ScratchFolder;
using TestSupport::TestLibrary;

namespace {

class DiagnosticsLog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(test_.Start(host_), 0); test_.Extension().TakeLogs(); }

    std::vector<std::wstring> Lines()
    {
        std::vector<std::wstring> lines;
        for (const auto& log : test_.Extension().TakeLogs())
            lines.push_back(log.text);
        return lines;
    }

    ScratchFolder folder_;
    HostApplication host_;
    TestLibrary test_{folder_};
};

TEST_F(DiagnosticsLog, ALineIsWrittenAsFormatted)
{
    test_.Log(5, L"Note: %s.\n", L"Grüße, 音");
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"Note: Grüße, 音.\n"});
}

TEST_F(DiagnosticsLog, AnOverlongLineIsCutWithAMarkerAndKeepsItsLineEnding)
{
    const std::wstring long3000(3000, L'x');
    test_.Log(6, L"%s\n", long3000.c_str());
    test_.Log(6, L"%s\r\n", long3000.c_str());
    test_.Log(6, L"%s", long3000.c_str());
    const std::wstring kept(2006, L'x');
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{kept + L"... [truncated]\n", kept + L"... [truncated]\r\n",
                                                   kept + L"... [truncated]"}));
}

TEST_F(DiagnosticsLog, ALineThatJustFitsIsNotCut)
{
    const std::wstring fits(2022, L'y');  // with its line feed and terminator: 2024
    test_.Log(4, L"%s\n", fits.c_str());
    EXPECT_EQ(Lines(), std::vector<std::wstring>{fits + L"\n"});
}

}  // namespace
