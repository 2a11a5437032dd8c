#include "standins/host/internal/MessageBoxButtons.h"

#include <gtest/gtest.h>

#include <vector>

namespace StandinHostTests {
namespace {

using namespace StandinHost;

std::vector<int> Answers(UINT style) {
    const auto answers = BoxAnswers(style);
    return {answers.begin(), answers.end()};
}

TEST(MessageBoxButtonsTest, EachButtonSetAnswersWithItsButtons) {
    EXPECT_EQ(Answers(MB_OK | MB_ICONERROR), (std::vector<int>{IDOK}));
    EXPECT_EQ(Answers(MB_OKCANCEL), (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(Answers(MB_ABORTRETRYIGNORE), (std::vector<int>{IDABORT, IDRETRY, IDIGNORE}));
    EXPECT_EQ(Answers(MB_YESNOCANCEL), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(Answers(MB_YESNO | MB_ICONQUESTION), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(Answers(MB_RETRYCANCEL), (std::vector<int>{IDRETRY, IDCANCEL}));
    EXPECT_EQ(Answers(MB_CANCELTRYCONTINUE), (std::vector<int>{IDCANCEL, IDTRYAGAIN, IDCONTINUE}));
    EXPECT_TRUE(Answers(7).empty());
}

TEST(MessageBoxButtonsTest, DefaultAnswerIsTheDefaultButton) {
    EXPECT_EQ(DefaultBoxAnswer(MB_OK), IDOK);
    EXPECT_EQ(DefaultBoxAnswer(MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(DefaultBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(DefaultBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(DefaultBoxAnswer(MB_YESNO | MB_DEFBUTTON3), IDYES);  // no third button: the first
    EXPECT_EQ(DefaultBoxAnswer(MB_OKCANCEL | MB_DEFBUTTON4), IDOK);
    EXPECT_EQ(DefaultBoxAnswer(7), 0);
}

TEST(MessageBoxButtonsTest, OnlyTheBoxsButtonsCanAnswerIt) {
    EXPECT_TRUE(CanBoxAnswer(MB_YESNO, IDNO));
    EXPECT_FALSE(CanBoxAnswer(MB_YESNO, IDOK));
    EXPECT_FALSE(CanBoxAnswer(MB_OK, IDCANCEL));
    EXPECT_FALSE(CanBoxAnswer(7, IDOK));
}

TEST(MessageBoxButtonsTest, KnownAnswersAreThoseOfSomeButton) {
    for (int answer : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDTRYAGAIN, IDCONTINUE}) {
        EXPECT_TRUE(IsBoxAnswer(answer)) << answer;
    }
    for (int answer : {0, 8, 9, 12, -1}) EXPECT_FALSE(IsBoxAnswer(answer)) << answer;
}

}  // namespace
}  // namespace StandinHostTests
