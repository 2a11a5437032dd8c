// An object's stored property block as the editor would have saved it: every property of a
// definition at its default, except those a user set. For running objects without an editor.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sdk/definition/JsonDocument.h"
#include "sdk/properties/PropertyTypes.h"

struct _json_value;

namespace StandinHost {

// A value typed into the property sheet: text for text and combo box properties, a number for
// numeric ones, "true"/"false" for checkboxes.
using PropertyValues = std::map<std::string, std::string>;

struct StoredBlockResult {
    std::vector<std::uint8_t> block;  // empty when the definition cannot be stored
    std::string error;                // why not, naming the property
};

// The typed value of a property, or its JSON default rendered as typed text.
std::string TypedValueOf(const _json_value& property, const PropertyValues& values);
// A typed value in the stored form of its type; empty for value-less types. Throws
// std::logic_error for a number that does not parse.
std::vector<std::uint8_t> EncodedValue(Vantor::PropertyTypeId type, const std::string& value);
// The default language block's "Properties".
const _json_value& DefinitionProperties(const Vantor::JsonDocument& document);

// One property of a definition as the user left it.
struct TypedProperty {
    std::size_t index;
    Vantor::PropertyTypeId type;
    std::string_view typeName;
    std::string title;                // as in the definition, even for title-less types
    std::string value;                // empty for value-less types
    std::optional<bool> checked;      // for checkboxes and properties with a checkbox
    const _json_value& json;
};
// Calls visit for each property in JSON order; a non-empty answer (or an unknown type, or a
// value that is not a number) stops the walk and is returned.
std::string VisitTypedProperties(const _json_value& properties, const PropertyValues& values,
                                 const std::function<std::string(const TypedProperty&)>& visit);

// From the definition's JSON text (its first language block's "Properties").
StoredBlockResult BuildStoredBlock(const std::string& definitionText, const PropertyValues& values = {});

}  // namespace StandinHost
