// The event callback this library exports for whoever registers it: it records an instance's
// last callback in the object its user data names.
#include <string>

#include "sdk/frame/ExtensionBase.h"
#include "studio/CallbackText.h"
#include "studio/Extension.h"
#include "studio/Sonbridge.h"

namespace {

// "bar_BEAT_beat"
std::string BeatText(const FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES& beat)
{
    return std::to_string(beat.bar) + "_BEAT_" + std::to_string(beat.beat);
}

}  // namespace

// The user data must be an object record whose second pointer-sized member is the RUNDATA of a
// live studio object of this library: its text is written under the object's own lock.
FMOD_RESULT F_CALLBACK Sonbridge::EventCallback(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event,
                                                void* parameters)
{
    return RecordCallback(type, event, parameters, BeatText, [](void* userData, std::string text) {
        auto* rdPtr = static_cast<Vantor::Host::RUNDATA**>(userData)[1];
        static_cast<Extension&>(Vantor::FindExtension(rdPtr)).lastCallback.Set(std::move(text));
    });
}
