// FMOD::Studio::Bus and FMOD::Studio::VCA: two views of one kind of mixer strip.
#include "HandleCast.h"
#include "Simulation.h"
#include "fmod_studio.hpp"

using FmodStandin::HandleOf;

namespace FMOD::Studio {

bool F_API Bus::isValid() const
{
    return Simulation().IsMixerStrip(HandleOf(this), false);
}

FMOD_RESULT F_API Bus::getPath(char* path, int size, int* retrieved) const
{
    return Simulation().GetMixerStripPath(HandleOf(this), false, path, size, retrieved);
}

FMOD_RESULT F_API Bus::setVolume(float volume)
{
    return Simulation().SetMixerStripVolume(HandleOf(this), false, volume);
}

FMOD_RESULT F_API Bus::getVolume(float* volume, float* finalvolume) const
{
    return Simulation().GetMixerStripVolume(HandleOf(this), false, volume, finalvolume);
}

bool F_API VCA::isValid() const
{
    return Simulation().IsMixerStrip(HandleOf(this), true);
}

FMOD_RESULT F_API VCA::getPath(char* path, int size, int* retrieved) const
{
    return Simulation().GetMixerStripPath(HandleOf(this), true, path, size, retrieved);
}

FMOD_RESULT F_API VCA::setVolume(float volume)
{
    return Simulation().SetMixerStripVolume(HandleOf(this), true, volume);
}

FMOD_RESULT F_API VCA::getVolume(float* volume, float* finalvolume) const
{
    return Simulation().GetMixerStripVolume(HandleOf(this), true, volume, finalvolume);
}

}  // namespace FMOD::Studio
