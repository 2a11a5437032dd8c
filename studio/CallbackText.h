// The text an event callback leaves in an object: a timeline marker's own name, a beat in the
// object's own format, or else the callback type's name.
#pragma once

#include <string>

#include "studio/Sonbridge.h"

template <class FormatBeat>
std::string CallbackText(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, void* parameters, FormatBeat formatBeat)
{
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER && parameters) {
        const auto* marker = static_cast<const FMOD_STUDIO_TIMELINE_MARKER_PROPERTIES*>(parameters);
        if (marker->name)
            return marker->name;
    }
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT && parameters)
        return formatBeat(*static_cast<const FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES*>(parameters));
    return Sonbridge::CallbackTypeToString(type);
}
