// The event instance's life: created from an event path, started, stopped, released, and
// asked whether it plays. Nothing checks the instance first: the FMOD Studio API refuses a
// missing or released one, and the action then has no effect.
#include "eventinstance/Extension.h"
#include "sdk/text/Utf.h"
#include "studio/Sonbridge.h"

void Extension::CreateEventInstance(const wchar_t* eventPath)
{
    FMOD::Studio::EventDescription* description = nullptr;
    Sonbridge::studioSystem->getEvent(Vantor::ToUtf8(eventPath).c_str(), &description);
    FMOD::Studio::EventInstance* created = nullptr;
    if (description)
        description->createInstance(&created);
    instance = created;  // the one held before is forgotten, not stopped: the studio system keeps it
}

void Extension::StartEventInstance()
{
    instance->start();
}

void Extension::StopEventInstance(int mode)
{
    instance->stop(static_cast<FMOD_STUDIO_STOP_MODE>(mode));
}

void Extension::ReleaseEventInstance()
{
    instance->release();
}

bool Extension::IsEventInstancePlaying()
{
    return instance->getPlaybackState(nullptr) == FMOD_OK;
}
