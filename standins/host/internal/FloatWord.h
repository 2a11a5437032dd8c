// How the host turns a float parameter into the 32-bit words it hands out.
#pragma once

#include <cstdint>

namespace StandinHost {

// The value truncated toward zero, as the host passes a float in an integer slot; NaN gives 0 and
// values beyond the 32-bit range give its nearest end.
std::int32_t TruncatedWord(float value) noexcept;

// The float's own 32 bits, as the float services answer.
std::int32_t FloatBits(float value) noexcept;
float FloatFromBits(std::int32_t bits) noexcept;

}  // namespace StandinHost
