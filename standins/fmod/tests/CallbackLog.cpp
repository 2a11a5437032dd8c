#include "CallbackLog.h"

CallbackLog& CallbackLog::Instance()
{
    static CallbackLog log;
    return log;
}

FMOD_RESULT F_CALLBACK CallbackLog::Record(FMOD_STUDIO_EVENT_CALLBACK_TYPE type, FMOD_STUDIO_EVENTINSTANCE* event,
                                           void* parameters)
{
    CallbackEntry entry;
    entry.type = type;
    entry.instance = reinterpret_cast<FMOD::Studio::EventInstance*>(event);
    entry.userDataResult = entry.instance->getUserData(&entry.userData);
    entry.thread = std::this_thread::get_id();
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER && parameters != nullptr) {
        const auto* marker = static_cast<FMOD_STUDIO_TIMELINE_MARKER_PROPERTIES*>(parameters);
        if (marker->name != nullptr) entry.markerName = marker->name;
        entry.markerPosition = marker->position;
    }
    if (type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT && parameters != nullptr) {
        entry.beat = *static_cast<FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES*>(parameters);
    }
    CallbackLog& log = Instance();
    const std::lock_guard lock(log.mutex_);
    log.entries_.push_back(entry);
    return FMOD_OK;
}

std::vector<CallbackEntry> CallbackLog::Entries() const
{
    const std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> CallbackLog::Types() const
{
    const std::lock_guard lock(mutex_);
    std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> types;
    for (const CallbackEntry& entry : entries_) types.push_back(entry.type);
    return types;
}

std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> CallbackLog::TypesOf(FMOD::Studio::EventInstance* instance) const
{
    const std::lock_guard lock(mutex_);
    std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE> types;
    for (const CallbackEntry& entry : entries_) {
        if (entry.instance == instance) types.push_back(entry.type);
    }
    return types;
}

void CallbackLog::Clear()
{
    const std::lock_guard lock(mutex_);
    entries_.clear();
}
