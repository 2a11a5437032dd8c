// FMOD::Studio::Bank.
#include "HandleCast.h"
#include "Simulation.h"
#include "fmod_studio.hpp"

using FmodStandin::Handle;
using FmodStandin::HandleOf;

namespace FMOD::Studio {

bool F_API Bank::isValid() const
{
    return Simulation().IsBank(HandleOf(this));
}

FMOD_RESULT F_API Bank::getPath(char* path, int size, int* retrieved) const
{
    return Simulation().GetBankPath(HandleOf(this), path, size, retrieved);
}

FMOD_RESULT F_API Bank::getLoadingState(FMOD_STUDIO_LOADING_STATE* state) const
{
    return Simulation().GetBankLoadingState(HandleOf(this), state);
}

FMOD_RESULT F_API Bank::getEventCount(int* count) const
{
    if (count == nullptr) return FMOD_ERR_INVALID_PARAM;
    std::vector<Handle> events;
    const FMOD_RESULT result = Simulation().GetBankEvents(HandleOf(this), events);
    *count = static_cast<int>(events.size());
    return result;
}

FMOD_RESULT F_API Bank::getEventList(EventDescription** array, int capacity, int* count) const
{
    std::vector<Handle> events;
    const FMOD_RESULT result = Simulation().GetBankEvents(HandleOf(this), events);
    return FmodStandin::CopyHandleList(result, events, array, capacity, count);
}

FMOD_RESULT F_API Bank::unload()
{
    return Simulation().UnloadBank(HandleOf(this));
}

}  // namespace FMOD::Studio
