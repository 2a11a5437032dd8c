// The studio object's actions: banks, one-shot events, global parameters, the listener and
// the mixer. Each works on the runtime's studio system as it is at the call; results that
// the host cannot be told about are ignored, and a lookup that finds nothing ends the action.
#include "sdk/text/Utf.h"
#include "studio/Attributes.h"
#include "studio/Extension.h"
#include "studio/Sonbridge.h"

using Vantor::ToUtf8;

namespace {

FMOD::Studio::EventInstance* NewInstance(const wchar_t* eventPath)
{
    FMOD::Studio::EventDescription* description = nullptr;
    Sonbridge::studioSystem->getEvent(ToUtf8(eventPath).c_str(), &description);
    if (!description)
        return nullptr;
    FMOD::Studio::EventInstance* instance = nullptr;
    description->createInstance(&instance);
    return instance;
}

}  // namespace

void Extension::LoadBank(const wchar_t* path)
{
    const std::string key = ToUtf8(path);
    FMOD::Studio::Bank* bank = nullptr;
    const FMOD_RESULT result = Sonbridge::studioSystem->loadBankFile(key.c_str(), 0, &bank);
    if (result == FMOD_OK && bank)
        Sonbridge::bankList[key] = bank;
}

void Extension::UnloadBank(const wchar_t* pathOrName)
{
    FMOD::Studio::Bank* bank = nullptr;
    Sonbridge::studioSystem->getBank(ToUtf8(pathOrName).c_str(), &bank);
    if (bank)
        bank->unload();
}

void Extension::PlayOneShot(const wchar_t* eventPath)
{
    FMOD::Studio::EventInstance* instance = NewInstance(eventPath);
    if (!instance)
        return;
    instance->start();
    instance->release();  // it plays to its end, then the runtime frees it
}

void Extension::PlayOneShot3D(const wchar_t* eventPath, float x, float y, float z, float forwardX, float forwardY,
                              float forwardZ, float upX, float upY, float upZ)
{
    FMOD::Studio::EventInstance* instance = NewInstance(eventPath);
    if (!instance)
        return;
    const FMOD_3D_ATTRIBUTES attributes = AttributesFrom(x, y, z, forwardX, forwardY, forwardZ, upX, upY, upZ);
    instance->set3DAttributes(&attributes);
    instance->start();
    instance->release();
}

void Extension::SetGlobalParameter(const wchar_t* name, float value)
{
    Sonbridge::studioSystem->setParameterByName(ToUtf8(name).c_str(), value, false);
}

void Extension::SetGlobalParameterWithLabel(const wchar_t* name, const wchar_t* label)
{
    Sonbridge::studioSystem->setParameterByNameWithLabel(ToUtf8(name).c_str(), ToUtf8(label).c_str(), false);
}

void Extension::SetListenerTransform(float x, float y, float z, float forwardX, float forwardY, float forwardZ,
                                     float upX, float upY, float upZ)
{
    const FMOD_3D_ATTRIBUTES attributes = AttributesFrom(x, y, z, forwardX, forwardY, forwardZ, upX, upY, upZ);
    Sonbridge::studioSystem->setListenerAttributes(0, &attributes, nullptr);
}

void Extension::SetBusVolume(const wchar_t* path, float volume)
{
    FMOD::Studio::Bus* bus = nullptr;
    Sonbridge::studioSystem->getBus(ToUtf8(path).c_str(), &bus);
    if (bus)
        bus->setVolume(volume);
}

void Extension::SetVCAVolume(const wchar_t* path, float volume)
{
    FMOD::Studio::VCA* vca = nullptr;
    Sonbridge::studioSystem->getVCA(ToUtf8(path).c_str(), &vca);
    if (vca)
        vca->setVolume(volume);
}
