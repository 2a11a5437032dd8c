// FMOD::Studio::EventInstance.
#include "HandleCast.h"
#include "Simulation.h"
#include "fmod_studio.hpp"

using FmodStandin::Handle;
using FmodStandin::HandleOf;
using FmodStandin::ObjectOf;

namespace FMOD::Studio {

bool F_API EventInstance::isValid() const
{
    return Simulation().IsInstance(HandleOf(this));
}

FMOD_RESULT F_API EventInstance::getDescription(EventDescription** description) const
{
    Handle handle = 0;
    const FMOD_RESULT result = Simulation().GetInstanceDescription(HandleOf(this), description != nullptr ? &handle : nullptr);
    if (description != nullptr) *description = ObjectOf<EventDescription>(handle);
    return result;
}

FMOD_RESULT F_API EventInstance::start()
{
    return Simulation().Start(HandleOf(this));
}

FMOD_RESULT F_API EventInstance::stop(FMOD_STUDIO_STOP_MODE mode)
{
    return Simulation().Stop(HandleOf(this), static_cast<int>(mode));
}

FMOD_RESULT F_API EventInstance::release()
{
    return Simulation().Release(HandleOf(this));
}

FMOD_RESULT F_API EventInstance::getPlaybackState(FMOD_STUDIO_PLAYBACK_STATE* state) const
{
    return Simulation().GetPlaybackState(HandleOf(this), state);
}

FMOD_RESULT F_API EventInstance::getTimelinePosition(int* position) const
{
    return Simulation().GetTimelinePosition(HandleOf(this), position);
}

FMOD_RESULT F_API EventInstance::isVirtual(bool* virtualstate) const
{
    return Simulation().GetVirtual(HandleOf(this), virtualstate);
}

FMOD_RESULT F_API EventInstance::set3DAttributes(const FMOD_3D_ATTRIBUTES* attributes)
{
    return Simulation().Set3DAttributes(HandleOf(this), attributes);
}

FMOD_RESULT F_API EventInstance::get3DAttributes(FMOD_3D_ATTRIBUTES* attributes) const
{
    return Simulation().Get3DAttributes(HandleOf(this), attributes);
}

FMOD_RESULT F_API EventInstance::setParameterByName(const char* name, float value, bool ignoreseekspeed)
{
    return Simulation().SetInstanceParameter(HandleOf(this), name, value, ignoreseekspeed);
}

FMOD_RESULT F_API EventInstance::setParameterByNameWithLabel(const char* name, const char* label, bool ignoreseekspeed)
{
    return Simulation().SetInstanceParameterLabel(HandleOf(this), name, label, ignoreseekspeed);
}

FMOD_RESULT F_API EventInstance::getParameterByName(const char* name, float* value, float* finalvalue) const
{
    return Simulation().GetInstanceParameter(HandleOf(this), name, value, finalvalue);
}

FMOD_RESULT F_API EventInstance::setCallback(FMOD_STUDIO_EVENT_CALLBACK callback,
                                             FMOD_STUDIO_EVENT_CALLBACK_TYPE callbackmask)
{
    return Simulation().SetCallback(HandleOf(this), callback, callbackmask);
}

FMOD_RESULT F_API EventInstance::getUserData(void** userdata) const
{
    return Simulation().GetUserData(HandleOf(this), userdata);
}

FMOD_RESULT F_API EventInstance::setUserData(void* userdata)
{
    return Simulation().SetUserData(HandleOf(this), userdata);
}

}  // namespace FMOD::Studio
