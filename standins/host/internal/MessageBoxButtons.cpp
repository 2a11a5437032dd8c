#include "standins/host/internal/MessageBoxButtons.h"

#include <algorithm>
#include <array>

namespace StandinHost {
namespace {

constexpr int kOk[] = {IDOK};
constexpr int kOkCancel[] = {IDOK, IDCANCEL};
constexpr int kAbortRetryIgnore[] = {IDABORT, IDRETRY, IDIGNORE};
constexpr int kYesNoCancel[] = {IDYES, IDNO, IDCANCEL};
constexpr int kYesNo[] = {IDYES, IDNO};
constexpr int kRetryCancel[] = {IDRETRY, IDCANCEL};
constexpr int kCancelTryContinue[] = {IDCANCEL, IDTRYAGAIN, IDCONTINUE};

// Indexed by the MB_TYPEMASK bits: MB_OK, MB_OKCANCEL, ... MB_CANCELTRYCONTINUE.
constexpr std::array<std::span<const int>, 7> kButtonSets = {
    kOk, kOkCancel, kAbortRetryIgnore, kYesNoCancel, kYesNo, kRetryCancel, kCancelTryContinue,
};

}  // namespace

std::span<const int> BoxAnswers(UINT style) {
    const UINT type = style & MB_TYPEMASK;
    return type < kButtonSets.size() ? kButtonSets[type] : std::span<const int>();
}

int DefaultBoxAnswer(UINT style) {
    const std::span<const int> answers = BoxAnswers(style);
    if (answers.empty()) return 0;
    const UINT defaultButton = (style & MB_DEFMASK) >> 8;
    return defaultButton < answers.size() ? answers[defaultButton] : answers.front();
}

bool CanBoxAnswer(UINT style, int answer) {
    const std::span<const int> answers = BoxAnswers(style);
    return std::find(answers.begin(), answers.end(), answer) != answers.end();
}

bool IsBoxAnswer(int answer) {
    return std::any_of(kButtonSets.begin(), kButtonSets.end(), [answer](std::span<const int> answers) {
        return std::find(answers.begin(), answers.end(), answer) != answers.end();
    });
}

}  // namespace StandinHost
