// The three reads an Extension makes of its stored properties, by title: text (UTF-8; the
// edge converts it to UTF-16), number and checkbox.
#pragma once

#include <string>
#include <string_view>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/Problem.h"
#include "sdk/properties/PropertyLookup.h"

namespace Vantor {

// Text types as stored; combo boxes as their selected item's text, or, for a property
// set's list, the selected entry's name. "" for value-less properties.
Result<std::string> GetPropertyStr(
    const PropertiesView& view, const PropertyDefinition& definition, std::string_view title);
// Integer types converted, float types as stored. 0.0 for value-less properties.
Result<float> GetPropertyNum(const PropertiesView& view, const PropertyDefinition& definition, std::string_view title);
// "Checkbox" properties and those that declare "CheckboxDefaultState".
Result<bool> IsPropChecked(const PropertiesView& view, const PropertyDefinition& definition, std::string_view title);

}  // namespace Vantor
