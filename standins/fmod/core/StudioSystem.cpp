// The system's life, its clock and its listeners.
#include "Studio.h"

#include "Limits.h"
#include "Vectors.h"

namespace FmodStandin {

namespace {

constexpr FMOD_STUDIO_INITFLAGS kKnownStudioFlags =
    FMOD_STUDIO_INIT_LIVEUPDATE | FMOD_STUDIO_INIT_ALLOW_MISSING_PLUGINS | FMOD_STUDIO_INIT_SYNCHRONOUS_UPDATE |
    FMOD_STUDIO_INIT_DEFERRED_CALLBACKS | FMOD_STUDIO_INIT_LOAD_FROM_UPDATE;

bool IsChannelCount(int channels, int least)
{
    return channels >= least && channels <= Limits::kMaxChannels;
}

}  // namespace

Studio& Studio::Shared()
{
    // Never destroyed: its callback thread may still run when the library is unloaded at exit.
    static Studio* const studio = new Studio();
    return *studio;
}

FMOD_RESULT Studio::Ready(Handle system) const
{
    if (system == 0 || system != state_.system) return FMOD_ERR_INVALID_HANDLE;
    return state_.initialized ? FMOD_OK : FMOD_ERR_UNINITIALIZED;
}

void Studio::Note(const std::string& text)
{
    trace_.Add(state_.clockMs, text);
}

void Studio::DropSystem()
{
    instances_.clear();
    catalog_.Clear();
    dispatcher_.Discard();
    state_ = SystemState{};
}

FMOD_RESULT Studio::CreateSystem(Handle& system, unsigned headerVersion)
{
    const Lock lock(mutex_);
    system = 0;
    if (headerVersion != FMOD_VERSION) return FMOD_ERR_HEADER_MISMATCH;
    if (state_.system != 0) return FMOD_ERR_INITIALIZED;
    state_ = SystemState{};
    state_.system = handles_.Next();
    state_.core = handles_.Next();
    system = state_.system;
    Note("system created");
    return FMOD_OK;
}

bool Studio::IsSystem(Handle system)
{
    const Lock lock(mutex_);
    return system != 0 && system == state_.system;
}

FMOD_RESULT Studio::GetCoreSystem(Handle system, Handle& core)
{
    const Lock lock(mutex_);
    core = 0;
    if (system == 0 || system != state_.system) return FMOD_ERR_INVALID_HANDLE;
    core = state_.core;
    return FMOD_OK;
}

FMOD_RESULT Studio::SetSoftwareChannels(Handle core, int channels)
{
    const Lock lock(mutex_);
    if (core == 0 || core != state_.core) return FMOD_ERR_INVALID_HANDLE;
    if (state_.initialized) return FMOD_ERR_INITIALIZED;
    if (!IsChannelCount(channels, 0)) return FMOD_ERR_INVALID_PARAM;
    state_.softwareChannels = channels;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetSoftwareChannels(Handle core, int* channels)
{
    const Lock lock(mutex_);
    if (core == 0 || core != state_.core) return FMOD_ERR_INVALID_HANDLE;
    if (channels == nullptr) return FMOD_ERR_INVALID_PARAM;
    *channels = state_.softwareChannels;
    return FMOD_OK;
}

FMOD_RESULT Studio::Initialize(Handle system, int maxChannels, FMOD_STUDIO_INITFLAGS studioFlags, FMOD_INITFLAGS flags)
{
    const Lock lock(mutex_);
    if (system == 0 || system != state_.system) return FMOD_ERR_INVALID_HANDLE;
    if (state_.initialized) return FMOD_ERR_INITIALIZED;
    if (!IsChannelCount(maxChannels, 1) || (studioFlags & ~kKnownStudioFlags) != 0) return FMOD_ERR_INVALID_PARAM;
    state_.initialized = true;
    state_.maxChannels = maxChannels;
    state_.studioFlags = studioFlags;
    state_.coreFlags = flags;
    Note("system initialised: " + std::to_string(maxChannels) + " channels, " +
         std::to_string(state_.softwareChannels) + " real, live update " +
         ((studioFlags & FMOD_STUDIO_INIT_LIVEUPDATE) ? "on" : "off"));
    return FMOD_OK;
}

FMOD_RESULT Studio::ReleaseSystem(Handle system)
{
    const Lock lock(mutex_);
    if (CallbackDispatcher::InsideCallback()) return FMOD_ERR_BADCOMMAND;
    if (system == 0 || system != state_.system) return FMOD_ERR_INVALID_HANDLE;
    DropSystem();
    Note("system released");
    return FMOD_OK;
}

FMOD_RESULT Studio::Update(Handle system)
{
    Lock lock(mutex_);
    if (CallbackDispatcher::InsideCallback()) return FMOD_ERR_BADCOMMAND;
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    state_.clockMs += clockStepMs_;
    ++state_.updates;
    AdvanceInstances(clockStepMs_);
    AssignVoices();
    for (auto& [key, global] : catalog_.Globals()) global.state.Advance(clockStepMs_);
    dispatcher_.DeliverFromUpdate(lock);
    return FMOD_OK;
}

FMOD_RESULT Studio::SetNumListeners(Handle system, int count)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    if (count < 1 || count > FMOD_MAX_LISTENERS) return FMOD_ERR_INVALID_PARAM;
    state_.numListeners = count;
    return FMOD_OK;
}

FMOD_RESULT Studio::GetNumListeners(Handle system, int* count)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    if (count == nullptr) return FMOD_ERR_INVALID_PARAM;
    *count = state_.numListeners;
    return FMOD_OK;
}

FMOD_RESULT Studio::SetListenerAttributes(Handle system, int listener, const FMOD_3D_ATTRIBUTES* attributes,
                                          const FMOD_VECTOR* attenuation)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    if (listener < 0 || listener >= state_.numListeners || attributes == nullptr) return FMOD_ERR_INVALID_PARAM;
    if (!IsFinite(*attributes) || (attenuation != nullptr && !IsFinite(*attenuation))) return FMOD_ERR_INVALID_FLOAT;
    Listener& target = state_.listeners[static_cast<std::size_t>(listener)];
    target.attributes = *attributes;
    target.hasAttenuation = attenuation != nullptr;
    target.attenuation = attenuation != nullptr ? *attenuation : FMOD_VECTOR{};
    Note("listener " + std::to_string(listener) + " at " + VectorText(attributes->position) + " facing " +
         VectorText(attributes->forward));
    return FMOD_OK;
}

FMOD_RESULT Studio::GetListenerAttributes(Handle system, int listener, FMOD_3D_ATTRIBUTES* attributes,
                                          FMOD_VECTOR* attenuation)
{
    const Lock lock(mutex_);
    if (const FMOD_RESULT result = Ready(system); result != FMOD_OK) return result;
    if (listener < 0 || listener >= state_.numListeners) return FMOD_ERR_INVALID_PARAM;
    const Listener& source = state_.listeners[static_cast<std::size_t>(listener)];
    if (attributes != nullptr) *attributes = source.attributes;
    if (attenuation != nullptr) *attenuation = source.hasAttenuation ? source.attenuation : source.attributes.position;
    return FMOD_OK;
}

}  // namespace FmodStandin
