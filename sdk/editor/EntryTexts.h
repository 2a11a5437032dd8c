// The texts the editor shows for actions, conditions and expressions, from the current language.
#pragma once

#include <cstdint>
#include <string>

#include "sdk/definition/AceTables.h"

namespace Vantor {

// The entry's "Title"; empty for an ID outside the definition.
std::string EntryTitle(AceKind kind, int id);
// The display name of parameter `parameter`; empty when there is none.
std::string ParameterName(AceKind kind, int id, int parameter);
// An expression's title as typed, always ending in "(".
std::string ExpressionTitle(int id);

}  // namespace Vantor
