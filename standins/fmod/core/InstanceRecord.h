// One event instance as the studio keeps it, from createInstance until it is retired.
#pragma once

#include <memory>
#include <vector>

#include "BankDefinition.h"
#include "Handles.h"
#include "ParameterState.h"
#include "Playback.h"
#include "fmod_studio_common.h"

namespace FmodStandin {

FMOD_3D_ATTRIBUTES DefaultAttributes();

struct InstanceRecord {
    InstanceRecord(Handle descriptionHandle, std::shared_ptr<const EventDefinition> definition, int number);

    Handle description;
    std::shared_ptr<const EventDefinition> event;
    int serial;  // 1, 2, ... per system, for readable traces
    Playback playback;
    std::vector<ParameterState> parameters;
    FMOD_3D_ATTRIBUTES attributes;
    void* userData = nullptr;
    FMOD_STUDIO_EVENT_CALLBACK callback = nullptr;
    FMOD_STUDIO_EVENT_CALLBACK_TYPE callbackMask = 0;
    bool createdReported = false;
    bool released = false;
    bool retiring = false;  // destroyed: only its queued callbacks may still reach it
    bool isVirtual = false;
    long long voiceOrder = 0;  // when it last began playing; earlier ones keep real voices

    ParameterState* FindParameter(std::string_view name);
};

}  // namespace FmodStandin
