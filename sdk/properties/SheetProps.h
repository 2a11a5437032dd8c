// The framework's side of the host's value classes: the objects GetPropValue hands the host
// (the host releases them through their own tables) and the reading of the host's objects
// that SetPropValue receives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sdk/host/PropValues.h"
#include "sdk/properties/PropertyChange.h"
#include "sdk/properties/SheetValue.h"

namespace Vantor {

// Null for a value the sheet shows none of.
Host::Prop* MakeHostValue(const SheetValue& value);

struct HostValue {
    ValueForm form;
    std::vector<std::uint8_t> bytes;
};

struct HostValueRead {
    std::optional<HostValue> value;
    std::string why;      // when there is no value
    bool custom = false;  // a class this frame does not know
};

// The bytes of a host value for a property; textProperty: a 'DATA' value is UTF-16 text.
HostValueRead ReadHostValue(const Host::Prop* value, bool textProperty);

}  // namespace Vantor
