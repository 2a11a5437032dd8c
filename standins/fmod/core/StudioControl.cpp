// The control side: settings of the simulation and snapshots of what it holds.
#include "Studio.h"

#include <cstdint>

#include "Limits.h"

namespace FmodStandin {

namespace {

template <typename T>
T* AsHandle(Handle handle)
{
    return reinterpret_cast<T*>(static_cast<std::uintptr_t>(handle));
}

ParameterInfo Describe(const ParameterState& parameter)
{
    const ParameterDefinition& definition = parameter.Definition();
    return {definition.name,    parameter.Value(),  parameter.FinalValue(),
            definition.minimum, definition.maximum, definition.labels};
}

}  // namespace

FMOD_RESULT Studio::Reset()
{
    Lock lock(mutex_);
    if (CallbackDispatcher::InsideCallback()) return FMOD_ERR_BADCOMMAND;
    dispatcher_.Discard();
    dispatcher_.SetThread(CallbackThread::InUpdate, lock);
    DropSystem();
    trace_.Clear();
    clockStepMs_ = Limits::kDefaultClockStepMs;
    return FMOD_OK;
}

FMOD_RESULT Studio::SetClockStep(int milliseconds)
{
    const Lock lock(mutex_);
    if (milliseconds < Limits::kMinClockStepMs || milliseconds > Limits::kMaxClockStepMs) return FMOD_ERR_INVALID_PARAM;
    clockStepMs_ = milliseconds;
    return FMOD_OK;
}

int Studio::ClockStep()
{
    const Lock lock(mutex_);
    return clockStepMs_;
}

FMOD_RESULT Studio::SetCallbackThread(CallbackThread thread)
{
    Lock lock(mutex_);
    if (CallbackDispatcher::InsideCallback()) return FMOD_ERR_BADCOMMAND;
    if (thread != CallbackThread::InUpdate && thread != CallbackThread::StudioThread) return FMOD_ERR_INVALID_PARAM;
    dispatcher_.SetThread(thread, lock);
    return FMOD_OK;
}

CallbackThread Studio::GetCallbackThread()
{
    const Lock lock(mutex_);
    return dispatcher_.Thread();
}

void Studio::WaitForCallbacks()
{
    Lock lock(mutex_);
    if (!CallbackDispatcher::InsideCallback()) dispatcher_.WaitUntilIdle(lock);
}

SystemInfo Studio::GetSystemInfo()
{
    const Lock lock(mutex_);
    SystemInfo info;
    info.exists = state_.system != 0;
    info.initialized = state_.initialized;
    info.maxChannels = state_.maxChannels;
    info.softwareChannels = state_.softwareChannels;
    info.studioFlags = state_.studioFlags;
    info.coreFlags = state_.coreFlags;
    info.numListeners = info.exists ? state_.numListeners : 0;
    info.clockMs = state_.clockMs;
    info.updates = state_.updates;
    return info;
}

std::vector<BankInfo> Studio::Banks()
{
    const Lock lock(mutex_);
    std::vector<BankInfo> banks;
    for (const auto& [handle, bank] : catalog_.Banks()) {
        banks.push_back({AsHandle<FMOD::Studio::Bank>(handle), bank.path, bank.file, static_cast<int>(bank.events.size())});
    }
    return banks;
}

std::vector<InstanceInfo> Studio::Instances()
{
    const Lock lock(mutex_);
    std::vector<InstanceInfo> instances;
    for (const auto& [handle, instance] : instances_) {
        if (instance.retiring) continue;
        InstanceInfo info;
        info.handle = AsHandle<FMOD::Studio::EventInstance>(handle);
        info.serial = instance.serial;
        info.eventPath = instance.event->path;
        info.state = instance.playback.State();
        info.timelinePosition = instance.playback.Position();
        info.released = instance.released;
        info.isVirtual = instance.isVirtual;
        info.attributes = instance.attributes;
        info.userData = instance.userData;
        info.callback = instance.callback;
        info.callbackMask = instance.callbackMask;
        for (const ParameterState& parameter : instance.parameters) info.parameters.push_back(Describe(parameter));
        instances.push_back(std::move(info));
    }
    return instances;
}

std::vector<ListenerInfo> Studio::Listeners()
{
    const Lock lock(mutex_);
    std::vector<ListenerInfo> listeners;
    if (state_.system == 0) return listeners;
    for (int index = 0; index < state_.numListeners; ++index) {
        const Listener& listener = state_.listeners[static_cast<std::size_t>(index)];
        listeners.push_back(
            {listener.attributes, listener.hasAttenuation ? listener.attenuation : listener.attributes.position});
    }
    return listeners;
}

std::vector<MixerStripInfo> Studio::MixerStrips()
{
    const Lock lock(mutex_);
    std::vector<MixerStripInfo> strips;
    for (const auto& [handle, strip] : catalog_.Mixers()) {
        strips.push_back({strip.path, strip.isVca, strip.volume, catalog_.FinalVolume(strip)});
    }
    return strips;
}

std::vector<ParameterInfo> Studio::GlobalParameters()
{
    const Lock lock(mutex_);
    std::vector<ParameterInfo> globals;
    for (const auto& [key, global] : catalog_.Globals()) globals.push_back(Describe(global.state));
    return globals;
}

std::vector<std::string> Studio::TraceLines()
{
    const Lock lock(mutex_);
    return trace_.Lines();
}

void Studio::ClearTrace()
{
    const Lock lock(mutex_);
    trace_.Clear();
}

}  // namespace FmodStandin
