// The options of a "parameter" or "global" statement: range, default, seek speed, labels.
#pragma once

#include <string>

#include "BankCursor.h"
#include "BankDefinition.h"

namespace FmodStandin {

ParameterDefinition ReadParameterOptions(BankCursor& cursor, std::string name);

}  // namespace FmodStandin
