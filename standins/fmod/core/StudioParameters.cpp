// Setting parameters, and the global parameters of the system.
#include "Studio.h"

#include <cstdio>

#include "Limits.h"
#include "ParameterAccess.h"
#include "ParameterDescription.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

std::string NumberText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

FMOD_RESULT Studio::SetParameter(ParameterState* parameter, const std::string& owner, float value,
                                 bool ignoreSeekSpeed)
{
    if (parameter == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    if (const FMOD_RESULT result = parameter->Set(value, ignoreSeekSpeed); result != FMOD_OK) return result;
    const std::string asked = parameter->Value() != value ? " (asked " + NumberText(value) + ")" : "";
    Note(owner + " parameter \"" + parameter->Definition().name + "\" = " + NumberText(parameter->Value()) + asked);
    return FMOD_OK;
}

FMOD_RESULT Studio::SetParameterLabel(ParameterState* parameter, const std::string& owner, const char* label,
                                      bool ignoreSeekSpeed)
{
    const auto text = BoundedText(label, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    if (parameter == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    if (const FMOD_RESULT result = parameter->SetByLabel(*text, ignoreSeekSpeed); result != FMOD_OK) return result;
    Note(owner + " parameter \"" + parameter->Definition().name + "\" = " + NumberText(parameter->Value()) +
         " (label \"" + std::string(*text) + "\")");
    return FMOD_OK;
}

FMOD_RESULT Studio::SetGlobalParameter(Handle system, const char* name, float value, bool ignoreSeekSpeed)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    GlobalRecord* global = catalog_.Global(*text);
    return SetParameter(global != nullptr ? &global->state : nullptr, "global", value, ignoreSeekSpeed);
}

FMOD_RESULT Studio::SetGlobalParameterLabel(Handle system, const char* name, const char* label, bool ignoreSeekSpeed)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    GlobalRecord* global = catalog_.Global(*text);
    return SetParameterLabel(global != nullptr ? &global->state : nullptr, "global", label, ignoreSeekSpeed);
}

FMOD_RESULT Studio::GetGlobalParameter(Handle system, const char* name, float* value, float* finalValue)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    const GlobalRecord* global = catalog_.Global(*text);
    return ReadParameter(global != nullptr ? &global->state : nullptr, value, finalValue);
}

FMOD_RESULT Studio::GetGlobalParameterDescription(Handle system, const char* name,
                                                  FMOD_STUDIO_PARAMETER_DESCRIPTION* description)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text || description == nullptr) return FMOD_ERR_INVALID_PARAM;
    const GlobalRecord* global = catalog_.Global(*text);
    if (global == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    *description = DescribeParameter(*global->definition, {});
    return FMOD_OK;
}

FMOD_RESULT Studio::GetGlobalParameterLabel(Handle system, FMOD_STUDIO_PARAMETER_ID id, int index, char* label,
                                            int size, int* retrieved)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const GlobalRecord* global = catalog_.GlobalById(id);
    if (global == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    return CopyLabel(*global->definition, index, label, size, retrieved);
}

FMOD_RESULT Studio::SetInstanceParameter(Handle instance, const char* name, float value, bool ignoreSeekSpeed)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    return SetParameter(record->FindParameter(*text), Name(*record), value, ignoreSeekSpeed);
}

FMOD_RESULT Studio::SetInstanceParameterLabel(Handle instance, const char* name, const char* label,
                                              bool ignoreSeekSpeed)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    return SetParameterLabel(record->FindParameter(*text), Name(*record), label, ignoreSeekSpeed);
}

FMOD_RESULT Studio::GetInstanceParameter(Handle instance, const char* name, float* value, float* finalValue)
{
    const Lock lock(mutex_);
    InstanceRecord* record = Reachable(instance);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    return ReadParameter(record->FindParameter(*text), value, finalValue);
}

}  // namespace FmodStandin
