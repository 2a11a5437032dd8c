// What a message box can answer, from the button set and default button in its style.
#pragma once

#include <windows.h>

#include <span>

namespace StandinHost {

// The answers of the box's buttons in order; empty for a style Windows refuses.
std::span<const int> BoxAnswers(UINT style);
// The default button's answer, as pressing Enter gives it; 0 for a style Windows refuses.
int DefaultBoxAnswer(UINT style);
bool CanBoxAnswer(UINT style, int answer);
// Whether `answer` is one of the IDOK... answers any message box can give.
bool IsBoxAnswer(int answer);

}  // namespace StandinHost
