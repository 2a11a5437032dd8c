// Event descriptions: lookup, what they describe, and making instances of them.
#include "Studio.h"

#include "Limits.h"
#include "OutText.h"
#include "ParameterAccess.h"
#include "ParameterDescription.h"
#include "Utf8Text.h"

namespace FmodStandin {

namespace {

const ParameterDefinition* FindByName(const EventDefinition& event, std::string_view name)
{
    const std::string wanted = FoldAsciiCase(name);
    for (const ParameterDefinition& parameter : event.parameters) {
        if (FoldAsciiCase(parameter.name) == wanted) return &parameter;
    }
    return nullptr;
}

const ParameterDefinition* FindById(const EventDefinition& event, FMOD_STUDIO_PARAMETER_ID id)
{
    for (const ParameterDefinition& parameter : event.parameters) {
        if (SameParameterId(ParameterIdFor(event.path, parameter.name), id)) return &parameter;
    }
    return nullptr;
}

}  // namespace

FMOD_RESULT Studio::GetEvent(Handle system, const char* path, Handle& description)
{
    const Lock lock(mutex_);
    description = 0;
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    const auto text = BoundedText(path, Limits::kPathBytes);
    if (!text) return FMOD_ERR_INVALID_PARAM;
    description = catalog_.FindEvent(*text);
    return description != 0 ? FMOD_OK : FMOD_ERR_EVENT_NOTFOUND;
}

bool Studio::IsDescription(Handle description)
{
    const Lock lock(mutex_);
    return catalog_.Description(description) != nullptr;
}

FMOD_RESULT Studio::GetDescriptionPath(Handle description, char* path, int size, int* retrieved)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    return CopyOutText(record->event->path, path, size, retrieved);
}

FMOD_RESULT Studio::GetDescriptionLength(Handle description, int* length)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (length == nullptr) return FMOD_ERR_INVALID_PARAM;
    *length = record->event->lengthMs;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionOneshot(Handle description, bool* oneshot)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (oneshot == nullptr) return FMOD_ERR_INVALID_PARAM;
    *oneshot = !record->event->looping;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescription3D(Handle description, bool* is3D)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (is3D == nullptr) return FMOD_ERR_INVALID_PARAM;
    *is3D = record->event->is3D;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionInstanceCount(Handle description, int* count)
{
    const Lock lock(mutex_);
    if (catalog_.Description(description) == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (count == nullptr) return FMOD_ERR_INVALID_PARAM;
    *count = 0;
    for (const auto& [handle, instance] : instances_) {
        if (instance.description == description && !instance.retiring) ++*count;
    }
    return FMOD_OK;
}

FMOD_RESULT Studio::CreateInstance(Handle description, Handle& instance)
{
    const Lock lock(mutex_);
    instance = 0;
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (LiveInstanceCount() >= static_cast<int>(Limits::kLiveInstances)) return FMOD_ERR_MEMORY;
    const Handle handle = handles_.Next();
    const auto& created = instances_.try_emplace(handle, description, record->event, state_.nextSerial++).first->second;
    Note(Name(created) + " created");
    instance = handle;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionParameterCount(Handle description, int* count)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    if (count == nullptr) return FMOD_ERR_INVALID_PARAM;
    *count = static_cast<int>(record->event->parameters.size());
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionParameterByIndex(Handle description, int index,
                                                   FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const auto& parameters = record->event->parameters;
    if (parameter == nullptr || index < 0 || static_cast<std::size_t>(index) >= parameters.size()) {
        return FMOD_ERR_INVALID_PARAM;
    }
    *parameter = DescribeParameter(parameters[static_cast<std::size_t>(index)], record->event->path);
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionParameterByName(Handle description, const char* name,
                                                  FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const auto text = BoundedText(name, Limits::kNameBytes);
    if (!text || parameter == nullptr) return FMOD_ERR_INVALID_PARAM;
    const ParameterDefinition* found = FindByName(*record->event, *text);
    if (found == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    *parameter = DescribeParameter(*found, record->event->path);
    return FMOD_OK;
}

FMOD_RESULT Studio::GetDescriptionParameterLabel(Handle description, FMOD_STUDIO_PARAMETER_ID id, int index,
                                                 char* label, int size, int* retrieved)
{
    const Lock lock(mutex_);
    const DescriptionRecord* record = catalog_.Description(description);
    if (record == nullptr) return FMOD_ERR_INVALID_HANDLE;
    const ParameterDefinition* found = FindById(*record->event, id);
    if (found == nullptr) return FMOD_ERR_EVENT_NOTFOUND;
    return CopyLabel(*found, index, label, size, retrieved);
}

}  // namespace FmodStandin
