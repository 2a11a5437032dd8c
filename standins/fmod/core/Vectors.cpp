#include "Vectors.h"

#include <cmath>
#include <cstdio>

namespace FmodStandin {

bool IsFinite(const FMOD_VECTOR& vector)
{
    return std::isfinite(vector.x) && std::isfinite(vector.y) && std::isfinite(vector.z);
}

bool IsFinite(const FMOD_3D_ATTRIBUTES& attributes)
{
    return IsFinite(attributes.position) && IsFinite(attributes.velocity) && IsFinite(attributes.forward) &&
           IsFinite(attributes.up);
}

std::string VectorText(const FMOD_VECTOR& vector)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", vector.x, vector.y, vector.z);
    return text;
}

}  // namespace FmodStandin
