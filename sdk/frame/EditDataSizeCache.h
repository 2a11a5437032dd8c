#pragma once

#include <cstdint>

namespace Vantor::Ovik {

// The size of a new object's EDITDATA, computed from the definition on first use.
std::uint16_t EditDataSize();

}  // namespace Vantor::Ovik
