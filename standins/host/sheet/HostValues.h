// The host's own value objects for the property sheet, as it hands them to SetPropValue: the
// extension reads them through their tables; the sheet releases them through slot 1.
#pragma once

#include <cstdint>
#include <vector>

#include "sdk/host/PropValues.h"

namespace StandinHost {

Vantor::Host::Prop* MakeHostSInt(std::int32_t value);
Vantor::Host::Prop* MakeHostUInt(std::uint32_t value);
Vantor::Host::Prop* MakeHostFloat(float value);
Vantor::Host::Prop* MakeHostSize(std::int32_t width, std::int32_t height);
Vantor::Host::Prop* MakeHostBuff(const std::vector<std::uint8_t>& bytes);
// A class of the host's the extension does not know; for tests of refusals.
Vantor::Host::Prop* MakeHostForeign(std::uint32_t classId);

}  // namespace StandinHost
