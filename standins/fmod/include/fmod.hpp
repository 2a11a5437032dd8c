// The core system: only what the studio system's set-up needs from it.
#pragma once

#include "fmod_common.h"

namespace FMOD {

// An opaque handle owned by its studio system (Studio::System::getCoreSystem).
class F_EXPORT System {
public:
    // Real channels, 0 to 4095; only before the studio system is initialised.
    FMOD_RESULT F_API setSoftwareChannels(int numsoftwarechannels);
    FMOD_RESULT F_API getSoftwareChannels(int* numsoftwarechannels);

    System() = delete;
    System(const System&) = delete;
    ~System() = delete;
};

}  // namespace FMOD
