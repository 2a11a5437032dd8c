// Records every event callback it receives, from whichever thread, with copies of its records.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "fmod_studio.hpp"

struct CallbackEntry {
    FMOD_STUDIO_EVENT_CALLBACK_TYPE type = 0;
    FMOD::Studio::EventInstance* instance = nullptr;
    void* userData = nullptr;          // as getUserData answered inside the callback
    FMOD_RESULT userDataResult = FMOD_OK;
    std::optional<std::string> markerName;  // empty for a marker without a name
    int markerPosition = -1;
    std::optional<FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES> beat;
    std::thread::id thread;
};

class CallbackLog {
public:
    static CallbackLog& Instance();
    static FMOD_RESULT F_CALLBACK Record(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event,
                                         void* parameters);

    std::vector<CallbackEntry> Entries() const;
    std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> Types() const;
    std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> TypesOf(FMOD::Studio::EventInstance* instance) const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<CallbackEntry> entries_;
};
