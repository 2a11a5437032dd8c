#include "InstanceRecord.h"

#include "Utf8Text.h"

namespace FmodStandin {

FMOD_3D_ATTRIBUTES DefaultAttributes()
{
    FMOD_3D_ATTRIBUTES attributes{};
    attributes.forward = {0.0f, 0.0f, 1.0f};
    attributes.up = {0.0f, 1.0f, 0.0f};
    return attributes;
}

InstanceRecord::InstanceRecord(Handle descriptionHandle, std::shared_ptr<const EventDefinition> definition, int number)
    : description(descriptionHandle), event(std::move(definition)), serial(number), playback(*event),
      attributes(DefaultAttributes())
{
    for (const ParameterDefinition& parameter : event->parameters) parameters.emplace_back(parameter);
}

ParameterState* InstanceRecord::FindParameter(std::string_view name)
{
    const std::string wanted = FoldAsciiCase(name);
    for (ParameterState& parameter : parameters) {
        if (FoldAsciiCase(parameter.Definition().name) == wanted) return &parameter;
    }
    return nullptr;
}

}  // namespace FmodStandin
