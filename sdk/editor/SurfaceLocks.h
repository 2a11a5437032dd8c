// What a drawing wrapper holds of its host surface, and the faults of letting go of it too early.
#pragma once

#include <optional>
#include <string_view>

#include "sdk/properties/Problem.h"

namespace Vantor {

struct SurfaceLocks {
    bool buffer = false;  // the pixel buffer is locked
    bool alpha = false;   // the alpha channel is locked
};

// The fatal problem of destroying a wrapper that still holds a lock; none when it holds none.
// `name` starts the text; `address` names the host surface.
std::optional<Problem> DestroyProblem(const SurfaceLocks& locks, std::string_view name, const void* address);

// The fatal problem of drawing a wrapper onto itself.
Problem CopyToSelfProblem(std::string_view name);

}  // namespace Vantor
