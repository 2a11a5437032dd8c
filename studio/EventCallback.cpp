// The event callback this library exports for whoever registers it: it records an instance's
// last callback in the object its user data names.
#include <string>

#include "sdk/frame/ExtensionBase.h"
#include "studio/Extension.h"
#include "studio/Sonbridge.h"

namespace {

// The text of one callback: its type's name, a marker's own name, or "bar_BEAT_beat".
std::string CallbackText(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, void* parameters)
{
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER && parameters) {
        const auto* marker = static_cast<const FMOD_STUDIO_TIMELINE_MARKER_PROPERTIES*>(parameters);
        if (marker->name)
            return marker->name;
    }
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT && parameters) {
        const auto* beat = static_cast<const FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES*>(parameters);
        return std::to_string(beat->bar) + "_BEAT_" + std::to_string(beat->beat);
    }
    return Sonbridge::CallbackTypeToString(type);
}

}  // namespace

// The user data must be an object record whose second pointer-sized member is the RUNDATA of a
// live studio object of this library: its text is written under the object's own lock.
FMOD_RESULT F_CALLBACK Sonbridge::EventCallback(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event,
                                                void* parameters)
{
    void* userData = nullptr;
    reinterpret_cast<FMOD::Studio::EventInstance*>(event)->getUserData(&userData);
    if (!userData)
        return FMOD_OK;
    std::string text = CallbackText(type, parameters);
    auto* rdPtr = static_cast<Vantor::Host::RUNDATA**>(userData)[1];
    static_cast<Extension&>(Vantor::FindExtension(rdPtr)).lastCallback.Set(std::move(text));
    return FMOD_OK;
}
