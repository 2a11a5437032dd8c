// Calls on event instances.
#include "Studio.h"

#include <cstdio>

#include "Vectors.h"

namespace FmodStandin {

InstanceRecord* Studio::Reachable(Handle instance)
{
    const auto found = instances_.find(instance);
    if (found == instances_.end()) return nullptr;
    InstanceRecord& record = found->second;
    // A released or destroyed instance still answers inside its own callbacks.
    if ((record.released || record.retiring) && CallbackDispatcher::InstanceInCallback() != instance) return nullptr;
    return &record;
}

std::string Studio::Name(const InstanceRecord& instance) const
{
    return "instance #" + std::to_string(instance.serial) + " (" + instance.event->path + ")";
}

bool Studio::IsInstance(Handle instance)
{
    const Lock lock(mutex_);
    return Reachable(instance) != nullptr;
}

FMOD_RESULT Studio::GetInstanceDescription(Handle instance, Handle* description)
{
    const Lock lock(mutex_);
    if (description != nullptr) *description = 0;
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (description == nullptr) return FMOD_OK;
    if (catalog_.Description(record->description) == nullptr) return FMOD_ERR_INVALID_HANDLE;
    *description = record->description;
    return FMOD_OK;
}

FMOD_RESULT Studio::Start(Handle instance)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    record->playback.Start();
    return FMOD_OK;
}

FMOD_RESULT Studio::Stop(Handle instance, int mode)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (mode != FMOD_STUDIO_STOP_ALLOWFADEOUT && mode != FMOD_STUDIO_STOP_IMMEDIATE) return FMOD_ERR_INVALID_PARAM;
    const FMOD_STUDIO_PLAYBACK_STATE before = record->playback.State();
    std::vector<PlaybackNotice> notices;
    record->playback.Stop(mode == FMOD_STUDIO_STOP_ALLOWFADEOUT, notices);
    if (before == FMOD_STUDIO_PLAYBACK_PLAYING && record->playback.State() == FMOD_STUDIO_PLAYBACK_STOPPING) {
        Note(Name(*record) + " stopping (fade-out " + std::to_string(record->event->fadeoutMs) + " ms)");
    }
    Report(instance, *record, notices);
    return FMOD_OK;
}

FMOD_RESULT Studio::Release(Handle instance)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (!record->released) Note(Name(*record) + " released");
    record->released = true;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetPlaybackState(Handle instance, FMOD_STUDIO_PLAYBACK_STATE* state)
{
    const Lock lock(mutex_);
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (state != nullptr) *state = record->playback.State();
    return FMOD_OK;
}

FMOD_RESULT Studio::GetTimelinePosition(Handle instance, int* position)
{
    const Lock lock(mutex_);
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (position == nullptr) return FMOD_ERR_INVALID_PARAM;
    *position = record->playback.Position();
    return FMOD_OK;
}

FMOD_RESULT Studio::GetVirtual(Handle instance, bool* isVirtual)
{
    const Lock lock(mutex_);
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (isVirtual == nullptr) return FMOD_ERR_INVALID_PARAM;
    *isVirtual = record->isVirtual;
    return FMOD_OK;
}

FMOD_RESULT Studio::Set3DAttributes(Handle instance, const FMOD_3D_ATTRIBUTES* attributes)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (attributes == nullptr) return FMOD_ERR_INVALID_PARAM;
    if (!IsFinite(*attributes)) return FMOD_ERR_INVALID_FLOAT;
    record->attributes = *attributes;
    Note(Name(*record) + " at " + VectorText(attributes->position));
    return FMOD_OK;
}

FMOD_RESULT Studio::Get3DAttributes(Handle instance, FMOD_3D_ATTRIBUTES* attributes)
{
    const Lock lock(mutex_);
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (attributes == nullptr) return FMOD_ERR_INVALID_PARAM;
    *attributes = record->attributes;
    return FMOD_OK;
}

FMOD_RESULT Studio::SetCallback(Handle instance, FMOD_STUDIO_EVENT_CALLBACK callback,
                                FMOD_STUDIO_EVENT_CALLBACK_TYPE mask)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    record->callback = callback;
    record->callbackMask = callback != nullptr ? mask : 0;
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", record->callbackMask);
    Note(Name(*record) + (callback != nullptr ? std::string(" callback set, mask ") + text : " callback removed"));
    return FMOD_OK;
}

FMOD_RESULT Studio::GetUserData(Handle instance, void** userData)
{
    const Lock lock(mutex_);
    const InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (userData == nullptr) return FMOD_ERR_INVALID_PARAM;
    *userData = record->userData;
    return FMOD_OK;
}

FMOD_RESULT Studio::SetUserData(Handle instance, void* userData)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    record->userData = userData;
    return FMOD_OK;
}

}  // namespace FmodStandin
