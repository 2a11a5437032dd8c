// The rectangle the frame editor gives an object to draw itself in.
#pragma once

#include <cstdint>
#include <optional>

#include "sdk/properties/Problem.h"

namespace Vantor {

// The host's RECT: right and bottom lie just outside.
struct EditorRectangle {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// The same rectangle with its sides swapped where they were the wrong way round.
EditorRectangle Normalised(const EditorRectangle& rectangle);

// The fatal problem of a rectangle with no area or its sides swapped; none for a proper one.
std::optional<Problem> RectangleProblem(const EditorRectangle& rectangle);

}  // namespace Vantor
