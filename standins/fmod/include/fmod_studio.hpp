// The studio API: every class is an opaque handle; a call on a null, released or unloaded
// handle answers FMOD_ERR_INVALID_HANDLE and does nothing. Text is UTF-8 throughout.
#pragma once

#include "fmod.hpp"
#include "fmod_studio_common.h"

namespace FMOD {
namespace Studio {

class Bank;
class Bus;
class VCA;
class EventDescription;
class EventInstance;

// One studio system may exist at a time; update() advances its clock by one fixed step.
class F_EXPORT System {
public:
    static FMOD_RESULT F_API create(System** system, unsigned int headerversion = FMOD_VERSION);
    bool F_API isValid() const;

    FMOD_RESULT F_API getCoreSystem(FMOD::System** coresystem) const;
    FMOD_RESULT F_API initialize(int maxchannels, FMOD_STUDIO_INITFLAGS studioflags, FMOD_INITFLAGS flags,
                                 void* extradriverdata);
    FMOD_RESULT F_API release();
    FMOD_RESULT F_API update();

    FMOD_RESULT F_API loadBankFile(const char* filename, FMOD_STUDIO_LOAD_BANK_FLAGS flags, Bank** bank);
    FMOD_RESULT F_API getBank(const char* path, Bank** bank) const;
    FMOD_RESULT F_API getBankCount(int* count) const;
    FMOD_RESULT F_API getBankList(Bank** array, int capacity, int* count) const;
    FMOD_RESULT F_API getEvent(const char* path, EventDescription** event) const;
    FMOD_RESULT F_API getBus(const char* path, Bus** bus) const;
    FMOD_RESULT F_API getVCA(const char* path, VCA** vca) const;

    FMOD_RESULT F_API setParameterByName(const char* name, float value, bool ignoreseekspeed = false);
    FMOD_RESULT F_API setParameterByNameWithLabel(const char* name, const char* label, bool ignoreseekspeed = false);
    FMOD_RESULT F_API getParameterByName(const char* name, float* value, float* finalvalue = 0) const;
    FMOD_RESULT F_API getParameterDescriptionByName(const char* name,
                                                    FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const;
    FMOD_RESULT F_API getParameterLabelByID(FMOD_STUDIO_PARAMETER_ID id, int labelindex, char* label, int size,
                                            int* retrieved) const;

    FMOD_RESULT F_API setNumListeners(int numlisteners);
    FMOD_RESULT F_API getNumListeners(int* numlisteners) const;
    FMOD_RESULT F_API setListenerAttributes(int listener, const FMOD_3D_ATTRIBUTES* attributes,
                                            const FMOD_VECTOR* attenuationposition = 0);
    FMOD_RESULT F_API getListenerAttributes(int listener, FMOD_3D_ATTRIBUTES* attributes,
                                            FMOD_VECTOR* attenuationposition = 0) const;

    System() = delete;
    System(const System&) = delete;
    ~System() = delete;
};

class F_EXPORT Bank {
public:
    bool F_API isValid() const;
    FMOD_RESULT F_API getPath(char* path, int size, int* retrieved) const;
    FMOD_RESULT F_API getLoadingState(FMOD_STUDIO_LOADING_STATE* state) const;
    FMOD_RESULT F_API getEventCount(int* count) const;
    FMOD_RESULT F_API getEventList(EventDescription** array, int capacity, int* count) const;
    FMOD_RESULT F_API unload();

    Bank() = delete;
    Bank(const Bank&) = delete;
    ~Bank() = delete;
};

class F_EXPORT Bus {
public:
    bool F_API isValid() const;
    FMOD_RESULT F_API getPath(char* path, int size, int* retrieved) const;
    FMOD_RESULT F_API setVolume(float volume);
    // finalvolume: this bus's volume times that of every loaded bus above it ("bus:/A" above "bus:/A/B").
    FMOD_RESULT F_API getVolume(float* volume, float* finalvolume = 0) const;

    Bus() = delete;
    Bus(const Bus&) = delete;
    ~Bus() = delete;
};

class F_EXPORT VCA {
public:
    bool F_API isValid() const;
    FMOD_RESULT F_API getPath(char* path, int size, int* retrieved) const;
    FMOD_RESULT F_API setVolume(float volume);
    FMOD_RESULT F_API getVolume(float* volume, float* finalvolume = 0) const;

    VCA() = delete;
    VCA(const VCA&) = delete;
    ~VCA() = delete;
};

class F_EXPORT EventDescription {
public:
    bool F_API isValid() const;
    FMOD_RESULT F_API getPath(char* path, int size, int* retrieved) const;
    FMOD_RESULT F_API getLength(int* length) const;
    FMOD_RESULT F_API isOneshot(bool* oneshot) const;
    FMOD_RESULT F_API is3D(bool* is3d) const;
    FMOD_RESULT F_API getInstanceCount(int* count) const;
    FMOD_RESULT F_API createInstance(EventInstance** instance) const;

    FMOD_RESULT F_API getParameterDescriptionCount(int* count) const;
    FMOD_RESULT F_API getParameterDescriptionByIndex(int index, FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const;
    FMOD_RESULT F_API getParameterDescriptionByName(const char* name,
                                                    FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const;
    FMOD_RESULT F_API getParameterLabelByID(FMOD_STUDIO_PARAMETER_ID id, int labelindex, char* label, int size,
                                            int* retrieved) const;

    EventDescription() = delete;
    EventDescription(const EventDescription&) = delete;
    ~EventDescription() = delete;
};

// Released instances refuse every call, except from inside one of their own callbacks.
class F_EXPORT EventInstance {
public:
    bool F_API isValid() const;
    FMOD_RESULT F_API getDescription(EventDescription** description) const;

    FMOD_RESULT F_API start();
    FMOD_RESULT F_API stop(FMOD_STUDIO_STOP_MODE mode);
    FMOD_RESULT F_API release();
    FMOD_RESULT F_API getPlaybackState(FMOD_STUDIO_PLAYBACK_STATE* state) const;
    FMOD_RESULT F_API getTimelinePosition(int* position) const;
    FMOD_RESULT F_API isVirtual(bool* virtualstate) const;

    FMOD_RESULT F_API set3DAttributes(const FMOD_3D_ATTRIBUTES* attributes);
    FMOD_RESULT F_API get3DAttributes(FMOD_3D_ATTRIBUTES* attributes) const;

    FMOD_RESULT F_API setParameterByName(const char* name, float value, bool ignoreseekspeed = false);
    FMOD_RESULT F_API setParameterByNameWithLabel(const char* name, const char* label, bool ignoreseekspeed = false);
    FMOD_RESULT F_API getParameterByName(const char* name, float* value, float* finalvalue = 0) const;

    FMOD_RESULT F_API setCallback(FMOD_STUDIO_EVENT_CALLBACK callback,
                                  FMOD_STUDIO_EVENT_CALLBACK_TYPE callbackmask = FMOD_STUDIO_EVENT_CALLBACK_ALL);
    FMOD_RESULT F_API getUserData(void** userdata) const;
    FMOD_RESULT F_API setUserData(void* userdata);

    EventInstance() = delete;
    EventInstance(const EventInstance&) = delete;
    ~EventInstance() = delete;
};

}  // namespace Studio
}  // namespace FMOD
