// What the products' event callbacks do: find the object an instance's user data names and
// leave in it the text of the callback: a timeline marker's own name, a beat in the object's
// own format, or else the callback type's name.
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

// An instance without user data is ignored; the answer is always FMOD_OK, so a callback never
// alters what the studio does.
template <class FormatBeat, class Record>
FMOD_RESULT RecordCallback(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event, void* parameters,
                           FormatBeat formatBeat, Record record)
{
    void* userData = nullptr;
    reinterpret_cast<FMOD::Studio::EventInstance*>(event)->getUserData(&userData);
    if (userData)
        record(userData, CallbackText(type, parameters, formatBeat));
    return FMOD_OK;
}
