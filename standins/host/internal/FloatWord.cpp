#include "standins/host/internal/FloatWord.h"

#include <bit>
#include <cmath>
#include <limits>

namespace StandinHost {

std::int32_t TruncatedWord(float value) noexcept {
    if (std::isnan(value)) return 0;
    // 2^31 is exactly representable; every float below it truncates into range.
    constexpr float kLimit = 2147483648.0f;
    if (value >= kLimit) return std::numeric_limits<std::int32_t>::max();
    if (value < -kLimit) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t FloatBits(float value) noexcept { return std::bit_cast<std::int32_t>(value); }

float FloatFromBits(std::int32_t bits) noexcept { return std::bit_cast<float>(bits); }

}  // namespace StandinHost
