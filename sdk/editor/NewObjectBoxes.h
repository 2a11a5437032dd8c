// The boxes object creation and the icon's set-up show, their texts filled in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sdk/properties/Problem.h"

namespace Vantor {

// The host's error when it refuses to resize a new object's EDITDATA.
constexpr int kResizeRefused = 12;

// The host made a block of another size than the definition's default block.
Problem SizeMismatchBox(std::size_t hostSize, std::size_t blockSize, std::uint16_t computedSize);
Problem InitialisationFailureBox(int error);

// The icon could not be imported; `depth` is the bits per pixel the host reports for the file,
// 0 when it found none.
Problem IconImportBox(std::string_view projectName, std::uint8_t depth);

}  // namespace Vantor
