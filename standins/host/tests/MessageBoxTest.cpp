#include "FreshRecord.h"
#include "ProbeLibrary.h"

#include <gtest/gtest.h>

namespace StandinHostTests {
namespace {

class MessageBoxTest : public FreshRecord {
protected:
    ProbeLibrary probe;
};

const HWND kOwner = reinterpret_cast<HWND>(0x1234);

TEST_F(MessageBoxTest, WideBoxIsRecordedAndAnsweredOk) {
    EXPECT_EQ(probe.ShowBoxW(kOwner, L"Fatal error - Velisse", L"Zeile 1\nGrüße", MB_OK | MB_ICONERROR), IDOK);
    const auto boxes = Record().Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].module, probe.Module());
    EXPECT_EQ(boxes[0].owner, kOwner);
    EXPECT_EQ(boxes[0].title, L"Fatal error - Velisse");
    EXPECT_EQ(boxes[0].text, L"Zeile 1\nGrüße");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(boxes[0].answer, IDOK);
}

TEST_F(MessageBoxTest, AnsiBoxIsRecorded) {
    EXPECT_EQ(probe.ShowBoxA(nullptr, "Ansi title", "Ansi text", MB_ICONWARNING), IDOK);
    const auto boxes = Record().Boxes(probe.Module());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].title, L"Ansi title");
    EXPECT_EQ(boxes[0].text, L"Ansi text");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_ICONWARNING));
}

TEST_F(MessageBoxTest, NullTitleAndTextAreRecordedEmpty) {
    probe.ShowBoxW(nullptr, nullptr, nullptr, MB_OK);
    probe.ShowBoxA(nullptr, nullptr, nullptr, MB_OK);
    const auto boxes = Record().Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.title, L"");
        EXPECT_EQ(box.text, L"");
    }
}

TEST_F(MessageBoxTest, QueuedAnswersAreGivenInOrder) {
    Record().QueueAnswer(IDNO);
    Record().QueueAnswer(IDYES);
    EXPECT_EQ(probe.ShowBoxW(nullptr, L"Upgrade", L"Convert?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(probe.ShowBoxA(nullptr, "Upgrade", "Convert?", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(Record().PendingAnswers(), 0u);
    const auto boxes = Record().Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].answer, IDNO);
    EXPECT_EQ(boxes[1].answer, IDYES);
}

TEST_F(MessageBoxTest, UnscriptedBoxPressesItsDefaultButton) {
    EXPECT_EQ(probe.ShowBoxW(nullptr, L"t", L"x", MB_YESNO), IDYES);
    EXPECT_EQ(probe.ShowBoxW(nullptr, L"t", L"x", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

TEST_F(MessageBoxTest, QueuedAnswerTheBoxLacksIsUsedUpAndDefaultGiven) {
    Record().QueueAnswer(IDYES);
    EXPECT_EQ(probe.ShowBoxW(nullptr, L"Info", L"Only OK here", MB_OK), IDOK);
    EXPECT_EQ(Record().PendingAnswers(), 0u);
    EXPECT_EQ(probe.ShowBoxW(nullptr, L"Ask", L"Next one", MB_YESNO | MB_DEFBUTTON2), IDNO);
}

}  // namespace
}  // namespace StandinHostTests
