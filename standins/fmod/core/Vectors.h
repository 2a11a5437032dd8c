// Checks and text for the 3D records callers hand in.
#pragma once

#include <string>

#include "fmod_common.h"

namespace FmodStandin {

bool IsFinite(const FMOD_VECTOR& vector);
bool IsFinite(const FMOD_3D_ATTRIBUTES& attributes);
std::string VectorText(const FMOD_VECTOR& vector);  // "(1, 2.5, -3)"

}  // namespace FmodStandin
