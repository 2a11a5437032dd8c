// Problems the pure property pieces found, raised as the framework raises them.
#pragma once

#include <vector>

#include "sdk/properties/Problem.h"

namespace Vantor {

// A box, or for a Fatal problem the fatal path.
void ShowProblem(const Problem& problem);
void ShowProblems(const std::vector<Problem>& problems);

}  // namespace Vantor
