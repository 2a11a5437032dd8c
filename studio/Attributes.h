// The 3D attributes record from the nine floats the actions take: position, forward and up,
// passed on unchanged. No parameter gives a velocity: it stays zero, adding no Doppler shift.
#pragma once

#include "fmod_studio.hpp"

inline FMOD_3D_ATTRIBUTES AttributesFrom(float x, float y, float z, float forwardX, float forwardY, float forwardZ,
                                         float upX, float upY, float upZ)
{
    FMOD_3D_ATTRIBUTES attributes{};
    attributes.position = {x, y, z};
    attributes.forward = {forwardX, forwardY, forwardZ};
    attributes.up = {upX, upY, upZ};
    return attributes;
}
