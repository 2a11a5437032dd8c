// The event-instance object: one per object instance of Velisse, holding at most one FMOD
// Studio event instance. It never starts or ticks the studio system: a studio object does.
#pragma once

#include "fmod_studio.hpp"
#include "sdk/frame/ExtensionBase.h"
#include "studio/LastCallback.h"

class Extension : public Vantor::ExtensionBase {
public:
    Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);
    ~Extension();

    std::uint32_t Handle();

    // Actions
    void CreateEventInstance(const wchar_t* eventPath);
    void StartEventInstance();
    void StopEventInstance(int mode);
    void ReleaseEventInstance();
    void SetEventParameter(const wchar_t* name, float value);
    void SetEventParameterWithLabel(const wchar_t* name, const wchar_t* label);
    void SetEvent3DTransform(float x, float y, float z, float forwardX, float forwardY, float forwardZ, float upX,
                             float upY, float upZ);
    void StartTracking(const wchar_t* callbackType);
    void StopTracking();

    // Condition
    bool IsEventInstancePlaying();

    // Expressions
    float GetEventParameter(const wchar_t* name);
    const wchar_t* GetLabelledEventParameter(const wchar_t* name);
    const wchar_t* GetLastCallback();

    FMOD::Studio::EventInstance* instance = nullptr;  // replaced by each Create, never cleared
    LastCallback lastCallback;                        // written by the instance's event callback

private:
    // The instance this object registered its callback on, so destruction can take it back.
    FMOD::Studio::EventInstance* tracked_ = nullptr;
};
