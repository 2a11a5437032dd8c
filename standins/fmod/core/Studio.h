// The simulated studio of the process: at most one system with its banks, instances, listeners,
// mixer and clock. Every entry takes the one lock; callbacks run outside it. Handles that are
// null, stale or of another kind answer FMOD_ERR_INVALID_HANDLE and change nothing.
#pragma once

#include <array>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "CallbackDispatcher.h"
#include "Catalog.h"
#include "FmodStandinControl.h"
#include "Handles.h"
#include "InstanceRecord.h"
#include "Limits.h"
#include "TraceLog.h"

namespace FmodStandin {

class Studio final : private DeliveryHost {
public:
    static Studio& Shared();

    // System
    FMOD_RESULT CreateSystem(Handle& system, unsigned headerVersion);
    bool IsSystem(Handle system);
    FMOD_RESULT GetCoreSystem(Handle system, Handle& core);
    FMOD_RESULT SetSoftwareChannels(Handle core, int channels);
    FMOD_RESULT GetSoftwareChannels(Handle core, int* channels);
    FMOD_RESULT Initialize(Handle system, int maxChannels, FMOD_STUDIO_INITFLAGS studioFlags, FMOD_INITFLAGS flags);
    FMOD_RESULT ReleaseSystem(Handle system);
    FMOD_RESULT Update(Handle system);
    FMOD_RESULT SetNumListeners(Handle system, int count);
    FMOD_RESULT GetNumListeners(Handle system, int* count);
    FMOD_RESULT SetListenerAttributes(Handle system, int listener, const FMOD_3D_ATTRIBUTES* attributes,
                                      const FMOD_VECTOR* attenuation);
    FMOD_RESULT GetListenerAttributes(Handle system, int listener, FMOD_3D_ATTRIBUTES* attributes,
                                      FMOD_VECTOR* attenuation);

    // Banks
    FMOD_RESULT LoadBankFile(Handle system, const char* file, FMOD_STUDIO_LOAD_BANK_FLAGS flags, Handle& bank);
    FMOD_RESULT GetBank(Handle system, const char* path, Handle& bank);
    FMOD_RESULT GetBankList(Handle system, std::vector<Handle>& banks);
    bool IsBank(Handle bank);
    FMOD_RESULT UnloadBank(Handle bank);
    FMOD_RESULT GetBankPath(Handle bank, char* path, int size, int* retrieved);
    FMOD_RESULT GetBankLoadingState(Handle bank, FMOD_STUDIO_LOADING_STATE* state);
    FMOD_RESULT GetBankEvents(Handle bank, std::vector<Handle>& events);

    // Buses and VCAs
    FMOD_RESULT GetMixerStrip(Handle system, const char* path, bool isVca, Handle& strip);
    bool IsMixerStrip(Handle strip, bool isVca);
    FMOD_RESULT GetMixerStripPath(Handle strip, bool isVca, char* path, int size, int* retrieved);
    FMOD_RESULT SetMixerStripVolume(Handle strip, bool isVca, float volume);
    FMOD_RESULT GetMixerStripVolume(Handle strip, bool isVca, float* volume, float* finalVolume);

    // Global parameters
    FMOD_RESULT SetGlobalParameter(Handle system, const char* name, float value, bool ignoreSeekSpeed);
    FMOD_RESULT SetGlobalParameterLabel(Handle system, const char* name, const char* label, bool ignoreSeekSpeed);
    FMOD_RESULT GetGlobalParameter(Handle system, const char* name, float* value, float* finalValue);
    FMOD_RESULT GetGlobalParameterDescription(Handle system, const char* name,
                                              FMOD_STUDIO_PARAMETER_DESCRIPTION* description);
    FMOD_RESULT GetGlobalParameterLabel(Handle system, FMOD_STUDIO_PARAMETER_ID id, int index, char* label,
                                        int size, int* retrieved);

    // Event descriptions
    FMOD_RESULT GetEvent(Handle system, const char* path, Handle& description);
    bool IsDescription(Handle description);
    FMOD_RESULT GetDescriptionPath(Handle description, char* path, int size, int* retrieved);
    FMOD_RESULT GetDescriptionLength(Handle description, int* length);
    FMOD_RESULT GetDescriptionOneshot(Handle description, bool* oneshot);
    FMOD_RESULT GetDescription3D(Handle description, bool* is3D);
    FMOD_RESULT GetDescriptionInstanceCount(Handle description, int* count);
    FMOD_RESULT CreateInstance(Handle description, Handle& instance);
    FMOD_RESULT GetDescriptionParameterCount(Handle description, int* count);
    FMOD_RESULT GetDescriptionParameterByIndex(Handle description, int index,
                                               FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter);
    FMOD_RESULT GetDescriptionParameterByName(Handle description, const char* name,
                                              FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter);
    FMOD_RESULT GetDescriptionParameterLabel(Handle description, FMOD_STUDIO_PARAMETER_ID id, int index, char* label,
                                             int size, int* retrieved);

    // Event instances
    bool IsInstance(Handle instance);
    FMOD_RESULT GetInstanceDescription(Handle instance, Handle* description);
    FMOD_RESULT Start(Handle instance);
    FMOD_RESULT Stop(Handle instance, int mode);
    FMOD_RESULT Release(Handle instance);
    FMOD_RESULT GetPlaybackState(Handle instance, FMOD_STUDIO_PLAYBACK_STATE* state);
    FMOD_RESULT GetTimelinePosition(Handle instance, int* position);
    FMOD_RESULT GetVirtual(Handle instance, bool* isVirtual);
    FMOD_RESULT Set3DAttributes(Handle instance, const FMOD_3D_ATTRIBUTES* attributes);
    FMOD_RESULT Get3DAttributes(Handle instance, FMOD_3D_ATTRIBUTES* attributes);
    FMOD_RESULT SetInstanceParameter(Handle instance, const char* name, float value, bool ignoreSeekSpeed);
    FMOD_RESULT SetInstanceParameterLabel(Handle instance, const char* name, const char* label, bool ignoreSeekSpeed);
    FMOD_RESULT GetInstanceParameter(Handle instance, const char* name, float* value, float* finalValue);
    FMOD_RESULT SetCallback(Handle instance, FMOD_STUDIO_EVENT_CALLBACK callback, FMOD_STUDIO_EVENT_CALLBACK_TYPE mask);
    FMOD_RESULT GetUserData(Handle instance, void** userData);
    FMOD_RESULT SetUserData(Handle instance, void* userData);

    // Control
    FMOD_RESULT Reset();
    FMOD_RESULT SetClockStep(int milliseconds);
    int ClockStep();
    FMOD_RESULT SetCallbackThread(CallbackThread thread);
    CallbackThread GetCallbackThread();
    void WaitForCallbacks();
    SystemInfo GetSystemInfo();
    std::vector<BankInfo> Banks();
    std::vector<InstanceInfo> Instances();
    std::vector<ListenerInfo> Listeners();
    std::vector<MixerStripInfo> MixerStrips();
    std::vector<ParameterInfo> GlobalParameters();
    std::vector<std::string> TraceLines();
    void ClearTrace();

private:
    struct Listener {
        FMOD_3D_ATTRIBUTES attributes = DefaultAttributes();
        bool hasAttenuation = false;
        FMOD_VECTOR attenuation{};
    };

    struct SystemState {
        Handle system = 0;
        Handle core = 0;
        bool initialized = false;
        int maxChannels = 0;
        int softwareChannels = 64;
        FMOD_STUDIO_INITFLAGS studioFlags = 0;
        FMOD_INITFLAGS coreFlags = 0;
        int numListeners = 1;
        std::array<Listener, FMOD_MAX_LISTENERS> listeners{};
        long long clockMs = 0;
        int updates = 0;
        int nextSerial = 1;
        long long nextVoiceOrder = 1;
    };

    using Lock = std::unique_lock<std::mutex>;

    Studio() : dispatcher_(mutex_, *this) {}

    FMOD_STUDIO_EVENT_CALLBACK Resolve(const PendingCallback& pending) override;
    void Retire(Handle instance) override;

    FMOD_RESULT Ready(Handle system) const;
    InstanceRecord* Reachable(Handle instance);
    void Note(const std::string& text);
    std::string Name(const InstanceRecord& instance) const;

    void Raise(Handle handle, const InstanceRecord& instance, FMOD_STUDIO_EVENT_CALLBACK_TYPE type,
               const TimelineEvent* timeline = nullptr);
    void Report(Handle handle, InstanceRecord& instance, const std::vector<PlaybackNotice>& notices);
    void Destroy(Handle handle, InstanceRecord& instance);
    void HaltInstancesOf(Handle bank);
    void DropSystem();

    void AdvanceInstances(int stepMs);
    void AssignVoices();
    int LiveInstanceCount() const;

    FMOD_RESULT SetParameter(ParameterState* parameter, const std::string& owner, float value, bool ignoreSeekSpeed);
    FMOD_RESULT SetParameterLabel(ParameterState* parameter, const std::string& owner, const char* label,
                                  bool ignoreSeekSpeed);

    std::mutex mutex_;
    CallbackDispatcher dispatcher_;
    HandleSource handles_;
    SystemState state_;
    Catalog catalog_;
    std::map<Handle, InstanceRecord> instances_;
    TraceLog trace_;
    int clockStepMs_ = Limits::kDefaultClockStepMs;
};

}  // namespace FmodStandin
