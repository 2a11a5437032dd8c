// Message boxes: their titles, styles and answers, and a format that gives nothing.
#include <gtest/gtest.h>

#include <thread>

#include "tests/dll/support/TestLibrary.h"

using StandinHost::HostApplication;
using TestExtension::BoxKind;
using TestSupport::ScratchFolder;
using TestSupport::TestLibrary;

namespace {

constexpr unsigned kTaskModalForeground = 0x12000;

TEST(DiagnosticsBox, EachKindHasItsStyleAndTheProjectInItsTitle)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder);
    ASSERT_EQ(test.Start(host), 0);

    test.Box(BoxKind::kError, L"Oops", L"Value %s", L"one");
    test.Box(BoxKind::kInfo, L"Note", L"plain");
    test.Box(BoxKind::kWarning, L"Careful", L"plain");
    StandinHost::Recorder::Instance().QueueAnswer(IDNO);
    EXPECT_EQ(test.Box(BoxKind::kYesNo, L"Sure?", L"plain"), IDNO);

    const auto boxes = test.Extension().TakeBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].title, L"Oops - Vantor Test");
    EXPECT_EQ(boxes[0].text, L"Value one");
    EXPECT_EQ(boxes[0].style, 16u);
    EXPECT_EQ(boxes[1].style, 64u);
    EXPECT_EQ(boxes[2].style, 48u);
    EXPECT_EQ(boxes[3].style, 52u);
    EXPECT_EQ(boxes[0].owner, nullptr);
}

TEST(DiagnosticsBox, InTheEditorBoxesOfTheMainThreadAreTaskModal)
{
    ScratchFolder folder;
    HostApplication host;
    host.SetWindow(reinterpret_cast<void*>(0x1234));
    TestLibrary test(folder);
    ASSERT_EQ(test.Start(host), 0);

    test.Box(BoxKind::kError, L"Main", L"text");
    std::thread other([&] { test.Box(BoxKind::kError, L"Other", L"text"); });
    other.join();

    const auto boxes = test.Extension().TakeBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].style, 16u | kTaskModalForeground);
    EXPECT_EQ(boxes[0].owner, reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(boxes[1].style, 16u);
}

TEST(DiagnosticsBox, AFormatThatGivesNoTextIsReportedInstead)
{
    ScratchFolder folder;
    HostApplication host;
    TestLibrary test(folder);
    ASSERT_EQ(test.Start(host), 0);

    EXPECT_EQ(test.Box(BoxKind::kInfo, L"Empty", L""), 2);
    const auto boxes = test.Extension().TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, L"Empty - Vantor Test");
    EXPECT_EQ(boxes[0].text, L"Failed to format a message box. Contact extension developer.");
    EXPECT_EQ(boxes[0].style, 16u);
}

}  // namespace
