// Buses and VCAs: found by path, volumes set and read.
#include "Studio.h"

#include <cmath>
#include <cstdio>

#include "Limits.h"
#include "OutText.h"
#include "Utf8Text.h"

namespace FmodStandin {

FMOD_RESULT Studio::GetMixerStrip(Handle system, const char* path, bool isVca, Handle& strip)
{
    const Lock lock(mutex_);
    strip = 0;
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(path, Limits::kPathBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    strip = catalog_.FindMixer(*text, isVca);
    return strip != 0 ? FMOD_OK : FMOD_ERR_EVENT_NOTFOUND;
}

bool Studio::IsMixerStrip(Handle strip, bool isVca)
{
    const Lock lock(mutex_);
    return catalog_.Mixer(strip, isVca) != nullptr;
}

FMOD_RESULT Studio::GetMixerStripPath(Handle strip, bool isVca, char* path, int size, int* retrieved)
{
    const Lock lock(mutex_);
    const MixerRecord* record = catalog_.Mixer(strip, isVca);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    return CopyOutText(record->path, path, size, retrieved);
}

FMOD_RESULT Studio::SetMixerStripVolume(Handle strip, bool isVca, float volume)
{
    const Lock lock(mutex_);
    MixerRecord* record = catalog_.Mixer(strip, isVca);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (!std::isfinite(volume)) return FMOD_ERR_INVALID_FLOAT;
    if (volume < 0.0f) return FMOD_ERR_INVALID_PARAM;
    record->volume = volume;
    char text[32];
    std::snprintf(text, sizeof text, "%g", volume);
    Note(record->path + " volume " + text);
    return FMOD_OK;
}

FMOD_RESULT Studio::GetMixerStripVolume(Handle strip, bool isVca, float* volume, float* finalVolume)
{
    const Lock lock(mutex_);
    const MixerRecord* record = catalog_.Mixer(strip, isVca);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (volume != nullptr) *volume = record->volume;
    if (finalVolume != nullptr) *finalVolume = catalog_.FinalVolume(*record);
    return FMOD_OK;
}

}  // namespace FmodStandin
