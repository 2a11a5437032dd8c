// The studio-system object: one per object instance of Tonvale. The first one of the process
// brings the audio runtime up from its properties; every one ticks it once per frame.
#pragma once

#include "sdk/frame/ExtensionBase.h"
#include "studio/LastCallback.h"

class Extension : public Vantor::ExtensionBase {
public:
    Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);

    std::uint32_t Handle();

    // Actions
    void LoadBank(const wchar_t* path);
    void UnloadBank(const wchar_t* pathOrName);
    void PlayOneShot(const wchar_t* eventPath);
    void PlayOneShot3D(const wchar_t* eventPath, float x, float y, float z, float forwardX, float forwardY,
                       float forwardZ, float upX, float upY, float upZ);
    void SetGlobalParameter(const wchar_t* name, float value);
    void SetGlobalParameterWithLabel(const wchar_t* name, const wchar_t* label);
    void SetListenerTransform(float x, float y, float z, float forwardX, float forwardY, float forwardZ, float upX,
                              float upY, float upZ);
    void SetBusVolume(const wchar_t* path, float volume);
    void SetVCAVolume(const wchar_t* path, float volume);

    // Expressions
    float GetGlobalParameter(const wchar_t* name);
    const wchar_t* GetLabelledGlobalParameter(const wchar_t* name);

    LastCallback lastCallback;  // written by the exported event callback
};
