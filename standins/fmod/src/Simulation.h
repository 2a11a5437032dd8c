// The one simulated studio behind every class of the library.
#pragma once

#include "Studio.h"

inline FmodStandin::Studio& Simulation()
{
    return FmodStandin::Studio::Shared();
}
