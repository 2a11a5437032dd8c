// Tracking chosen callbacks of the instance: the last one is kept as text for expression 2.
#include <cstdio>
#include <string>

#include "eventinstance/Extension.h"
#include "eventinstance/LiveObjects.h"
#include "sdk/text/Utf.h"
#include "studio/CallbackText.h"
#include "studio/Sonbridge.h"

namespace {

// A beat as "bar_beat_position_tempo_upper_lower", the tempo with six decimals.
std::string BeatText(const FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES& beat)
{
    char tempo[64];
    std::snprintf(tempo, sizeof tempo, "%f", static_cast<double>(beat.tempo));
    return std::to_string(beat.bar) + "_" + std::to_string(beat.beat) + "_" + std::to_string(beat.position) + "_"
         + tempo + "_" + std::to_string(beat.timesignatureupper) + "_" + std::to_string(beat.timesignaturelower);
}

// Runs on whatever thread the FMOD Studio API calls back on.
FMOD_RESULT F_CALLBACK InstanceEventCallback(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event,
                                             void* parameters)
{
    return RecordCallback(type, event, parameters, BeatText, [](void* userData, std::string text) {
        LiveObjects::WithLive(userData, [&](Extension& object) { object.lastCallback.Set(std::move(text)); });
    });
}

}  // namespace

void Extension::StartTracking(const wchar_t* callbackType)
{
    const unsigned mask = Sonbridge::StringToCallbackType(Vantor::ToUtf8(callbackType));
    if (mask == 0)
        return;  // an earlier registration stays
    instance->setUserData(this);
    if (instance->setCallback(&InstanceEventCallback, mask) == FMOD_OK)
        tracked_ = instance;
}

void Extension::StopTracking()
{
    instance->setCallback(nullptr, 0);
    instance->setUserData(nullptr);
    if (tracked_ == instance)
        tracked_ = nullptr;
}

const wchar_t* Extension::GetLastCallback()
{
    return Runtime.CopyString(Vantor::ToUtf16(lastCallback.Get()));
}
