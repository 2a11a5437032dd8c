// Control of the studio stand-in for tests, demos and tools: what the simulated studio holds and
// did, its clock step and the thread callbacks arrive on. Every call is safe with no system.
#pragma once

#include <string>
#include <vector>

#include "fmod_studio.hpp"

namespace FmodStandin {

enum class CallbackThread {
    InUpdate,      // on the thread calling System::update, inside it (the default)
    StudioThread,  // from a thread of the stand-in, as soon as the simulation raises them
};

struct SystemInfo {
    bool exists = false;
    bool initialized = false;
    int maxChannels = 0;       // virtual voices, from System::initialize
    int softwareChannels = 0;  // real voices, from the core system
    FMOD_STUDIO_INITFLAGS studioFlags = 0;
    FMOD_INITFLAGS coreFlags = 0;
    int numListeners = 0;
    long long clockMs = 0;  // simulated time: updates times the clock step
    int updates = 0;
};

struct BankInfo {
    FMOD::Studio::Bank* handle = nullptr;
    std::string path;  // "bank:/..."
    std::string file;  // as given to loadBankFile
    int eventCount = 0;
};

struct ParameterInfo {
    std::string name;
    float value = 0.0f;       // as last set, clamped
    float finalValue = 0.0f;  // reached so far at the seek speed
    float minimum = 0.0f;
    float maximum = 0.0f;
    std::vector<std::string> labels;
};

struct InstanceInfo {
    FMOD::Studio::EventInstance* handle = nullptr;
    int serial = 0;
    std::string eventPath;
    FMOD_STUDIO_PLAYBACK_STATE state = FMOD_STUDIO_PLAYBACK_STOPPED;
    int timelinePosition = 0;
    bool released = false;
    bool isVirtual = false;
    FMOD_3D_ATTRIBUTES attributes{};
    void* userData = nullptr;
    FMOD_STUDIO_EVENT_CALLBACK callback = nullptr;
    FMOD_STUDIO_EVENT_CALLBACK_TYPE callbackMask = 0;
    std::vector<ParameterInfo> parameters;
};

struct ListenerInfo {
    FMOD_3D_ATTRIBUTES attributes{};
    FMOD_VECTOR attenuationPosition{};  // the listener's position unless one was given
};

struct MixerStripInfo {
    std::string path;  // "bus:/..." or "vca:/..."
    bool isVca = false;
    float volume = 1.0f;
    float finalVolume = 1.0f;
};

// Releases the system (without callbacks), stops the callback thread, clears the trace and puts
// the clock step and callback thread back to their defaults. Handles issued before stay invalid.
// FMOD_ERR_BADCOMMAND from inside a callback.
F_EXPORT FMOD_RESULT Reset();

// Milliseconds one System::update advances the clock: 1 to 1000, 20 by default.
F_EXPORT FMOD_RESULT SetClockStep(int milliseconds);
F_EXPORT int ClockStep();

// Takes effect for the next callback delivered; FMOD_ERR_BADCOMMAND from inside a callback.
F_EXPORT FMOD_RESULT SetCallbackThread(CallbackThread thread);
F_EXPORT CallbackThread GetCallbackThread();
// On the studio thread: returns once every callback raised so far has returned.
F_EXPORT void WaitForCallbacks();

F_EXPORT SystemInfo GetSystemInfo();
F_EXPORT std::vector<BankInfo> Banks();
F_EXPORT std::vector<InstanceInfo> Instances();  // live and released, oldest first
F_EXPORT std::vector<ListenerInfo> Listeners();   // numListeners entries
F_EXPORT std::vector<MixerStripInfo> MixerStrips();
F_EXPORT std::vector<ParameterInfo> GlobalParameters();

// One line per thing the studio did, oldest first, each stamped with the simulated clock.
F_EXPORT std::vector<std::string> Trace();
F_EXPORT void ClearTrace();

// "FMOD_OK", "FMOD_ERR_TRUNCATED", ...
F_EXPORT const char* ResultName(FMOD_RESULT result);

}  // namespace FmodStandin
