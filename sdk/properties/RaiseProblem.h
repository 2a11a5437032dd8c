// A problem a pure piece found, raised as the framework raises it: a box, or the fatal path.
#pragma once

#include "sdk/properties/Problem.h"

namespace Vantor {

void RaiseProblem(const Problem& problem);

}  // namespace Vantor
