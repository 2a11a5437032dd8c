// "ShowIf" and "EnableIf": a property's rule, with each "[Title]" replaced by that property's
// current value, reduced to true or false.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertyLookup.h"

namespace Vantor {

constexpr std::string_view kShowIf = "ShowIf";
constexpr std::string_view kEnableIf = "EnableIf";

enum RuleResult : int {
    kRuleMalformed = -1,  // an error box has been added
    kRuleFalse = 0,
    kRuleTrue = 1,
};

// Rules referring to more properties than this are refused: a text value that holds a
// reference to its own property would otherwise be substituted for ever.
constexpr std::size_t kMostRuleReferences = 256;

// The rule under `key` of the JSON property at jsonIndex; a property without one (or with
// one that is not a text) is kRuleTrue.
RuleResult EvaluateRule(const PropertiesView& view, const PropertyDefinition& definition, std::size_t jsonIndex,
    std::string_view key, std::vector<Problem>& boxes);

// Whether the property has a rule under `key` at all.
bool HasRule(const PropertyDefinition& definition, std::size_t jsonIndex, std::string_view key);

}  // namespace Vantor
