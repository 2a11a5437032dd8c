// FMOD::Studio::EventDescription.
#include "HandleCast.h"
#include "Simulation.h"
#include "fmod_studio.hpp"

using FmodStandin::Handle;
using FmodStandin::HandleOf;
using FmodStandin::HandOut;

namespace FMOD::Studio {

bool F_API EventDescription::isValid() const
{
    return Simulation().IsDescription(HandleOf(this));
}

FMOD_RESULT F_API EventDescription::getPath(char* path, int size, int* retrieved) const
{
    return Simulation().GetDescriptionPath(HandleOf(this), path, size, retrieved);
}

FMOD_RESULT F_API EventDescription::getLength(int* length) const
{
    return Simulation().GetDescriptionLength(HandleOf(this), length);
}

FMOD_RESULT F_API EventDescription::isOneshot(bool* oneshot) const
{
    return Simulation().GetDescriptionOneshot(HandleOf(this), oneshot);
}

FMOD_RESULT F_API EventDescription::is3D(bool* is3d) const
{
    return Simulation().GetDescription3D(HandleOf(this), is3d);
}

FMOD_RESULT F_API EventDescription::getInstanceCount(int* count) const
{
    return Simulation().GetDescriptionInstanceCount(HandleOf(this), count);
}

FMOD_RESULT F_API EventDescription::createInstance(EventInstance** instance) const
{
    return HandOut(instance, [&](Handle& out) { return Simulation().CreateInstance(HandleOf(this), out); });
}

FMOD_RESULT F_API EventDescription::getParameterDescriptionCount(int* count) const
{
    return Simulation().GetDescriptionParameterCount(HandleOf(this), count);
}

FMOD_RESULT F_API EventDescription::getParameterDescriptionByIndex(int index,
                                                                   FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const
{
    return Simulation().GetDescriptionParameterByIndex(HandleOf(this), index, parameter);
}

FMOD_RESULT F_API EventDescription::getParameterDescriptionByName(const char* name,
                                                                  FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const
{
    return Simulation().GetDescriptionParameterByName(HandleOf(this), name, parameter);
}

FMOD_RESULT F_API EventDescription::getParameterLabelByID(FMOD_STUDIO_PARAMETER_ID id, int labelindex, char* label,
                                                          int size, int* retrieved) const
{
    return Simulation().GetDescriptionParameterLabel(HandleOf(this), id, labelindex, label, size, retrieved);
}

}  // namespace FMOD::Studio
