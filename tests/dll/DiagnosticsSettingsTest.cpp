// The settings file in the extensions folder: found, missing, empty, odd, and read at once by two threads.
#include <gtest/gtest.h>

#include <thread>

#include "tests/dll/support/TestLibrary.h"

using StandinHost::HostApplication;
using TestSupport::ScratchFolder;
using TestSupport::TestLibrary;

namespace {

TEST(DiagnosticsSettings, KeysAreFoundAtTheStartOfALineWithSpacesAroundTheEqualsSign)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder);
    TestSupport::WriteFile(test.Folder() / "Vantor.ini",
                           "Languages = UK English\r\n  SmartPropertiesUpgradeBox=never\nOther=a = b\n");
    ASSERT_EQ(test.Start(host), 0);
    EXPECT_EQ(test.Setting("Languages"), "UK English");
    EXPECT_EQ(test.Setting("SmartPropertiesUpgradeBox"), "");  // indented: not a key
    EXPECT_EQ(test.Setting("Other"), "a=b");
    EXPECT_EQ(test.Setting("Missing"), "");
    EXPECT_TRUE(test.Extension().TakeBoxes().empty());
}

TEST(DiagnosticsSettings, TheFileLivesInTheExtensionsFolderAboveUnicode)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder, "Extensions/Unicode");
    TestSupport::WriteFile(folder.Path() / "Extensions" / "Vantor.ini", "Languages=Found\n");
    ASSERT_EQ(test.Start(host), 0);
    EXPECT_EQ(test.Setting("Languages"), "Found");
}

TEST(DiagnosticsSettings, AMissingOrEmptyFileGivesEmptyValuesAndNoBox)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary missing(folder, "missing");
    ASSERT_EQ(missing.Start(host), 0);
    EXPECT_EQ(missing.Setting("Languages"), "");

    TestLibrary empty(folder, "empty");
    TestSupport::WriteFile(empty.Folder() / "Vantor.ini", "");
    ASSERT_EQ(empty.Start(host), 0);
    EXPECT_EQ(empty.Setting("Languages"), "");

    EXPECT_TRUE(missing.Extension().TakeBoxes().empty());
    EXPECT_TRUE(empty.Extension().TakeBoxes().empty());
}

TEST(DiagnosticsSettings, JunkAndVeryLongLinesAreHarmless)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder);
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 37) & 0xFF);
    junk += "\n" + std::string(200000, 'L') + "\nLanguages=After junk\n=\n\r\r\n";
    TestSupport::WriteFile(test.Folder() / "Vantor.ini", junk);
    ASSERT_EQ(test.Start(host), 0);
    EXPECT_EQ(test.Setting("Languages"), "After junk");
}

TEST(DiagnosticsSettings, TwoThreadsReadingFirstBothSeeTheFile)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder);
    TestSupport::WriteFile(test.Folder() / "Vantor.ini", "Languages=Both\n");
    ASSERT_EQ(test.Start(host), 0);
    std::string seen[2];
    // One reader on this thread: two extra threads at once crash wine under user-mode emulation.
    std::thread other([&] { seen[0] = test.Setting("Languages"); });
    seen[1] = test.Setting("Languages");
    other.join();
    EXPECT_EQ(seen[0], "Both");
    EXPECT_EQ(seen[1], "Both");
}

}  // namespace
