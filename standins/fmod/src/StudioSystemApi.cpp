// FMOD::Studio::System and the core system it owns.
#include "HandleCast.h"
#include "Simulation.h"
#include "fmod_studio.hpp"

using FmodStandin::Handle;
using FmodStandin::HandleOf;
using FmodStandin::HandOut;

namespace FMOD {

FMOD_RESULT F_API System::setSoftwareChannels(int numsoftwarechannels)
{
    return Simulation().SetSoftwareChannels(HandleOf(this), numsoftwarechannels);
}

FMOD_RESULT F_API System::getSoftwareChannels(int* numsoftwarechannels)
{
    return Simulation().GetSoftwareChannels(HandleOf(this), numsoftwarechannels);
}

namespace Studio {

FMOD_RESULT F_API System::create(System** system, unsigned int headerversion)
{
    return HandOut(system, [&](Handle& out) { return Simulation().CreateSystem(out, headerversion); });
}

bool F_API System::isValid() const
{
    return Simulation().IsSystem(HandleOf(this));
}

FMOD_RESULT F_API System::getCoreSystem(FMOD::System** coresystem) const
{
    return HandOut(coresystem, [&](Handle& out) { return Simulation().GetCoreSystem(HandleOf(this), out); });
}

FMOD_RESULT F_API System::initialize(int maxchannels, FMOD_STUDIO_INITFLAGS studioflags, FMOD_INITFLAGS flags,
                                     void* extradriverdata)
{
    return Simulation().Initialize(HandleOf(this), maxchannels, studioflags, flags);
}

FMOD_RESULT F_API System::release()
{
    return Simulation().ReleaseSystem(HandleOf(this));
}

FMOD_RESULT F_API System::update()
{
    return Simulation().Update(HandleOf(this));
}

FMOD_RESULT F_API System::loadBankFile(const char* filename, FMOD_STUDIO_LOAD_BANK_FLAGS flags, Bank** bank)
{
    return HandOut(bank, [&](Handle& out) { return Simulation().LoadBankFile(HandleOf(this), filename, flags, out); });
}

FMOD_RESULT F_API System::getBank(const char* path, Bank** bank) const
{
    return HandOut(bank, [&](Handle& out) { return Simulation().GetBank(HandleOf(this), path, out); });
}

FMOD_RESULT F_API System::getBankCount(int* count) const
{
    if (count == nullptr) return FMOD_ERR_INVALID_PARAM;
    std::vector<Handle> banks;
    const FMOD_RESULT result = Simulation().GetBankList(HandleOf(this), banks);
    *count = static_cast<int>(banks.size());
    return result;
}

FMOD_RESULT F_API System::getBankList(Bank** array, int capacity, int* count) const
{
    std::vector<Handle> banks;
    const FMOD_RESULT result = Simulation().GetBankList(HandleOf(this), banks);
    return FmodStandin::CopyHandleList(result, banks, array, capacity, count);
}

FMOD_RESULT F_API System::getEvent(const char* path, EventDescription** event) const
{
    return HandOut(event, [&](Handle& out) { return Simulation().GetEvent(HandleOf(this), path, out); });
}

FMOD_RESULT F_API System::getBus(const char* path, Bus** bus) const
{
    return HandOut(bus, [&](Handle& out) { return Simulation().GetMixerStrip(HandleOf(this), path, false, out); });
}

FMOD_RESULT F_API System::getVCA(const char* path, VCA** vca) const
{
    return HandOut(vca, [&](Handle& out) { return Simulation().GetMixerStrip(HandleOf(this), path, true, out); });
}

FMOD_RESULT F_API System::setParameterByName(const char* name, float value, bool ignoreseekspeed)
{
    return Simulation().SetGlobalParameter(HandleOf(this), name, value, ignoreseekspeed);
}

FMOD_RESULT F_API System::setParameterByNameWithLabel(const char* name, const char* label, bool ignoreseekspeed)
{
    return Simulation().SetGlobalParameterLabel(HandleOf(this), name, label, ignoreseekspeed);
}

FMOD_RESULT F_API System::getParameterByName(const char* name, float* value, float* finalvalue) const
{
    return Simulation().GetGlobalParameter(HandleOf(this), name, value, finalvalue);
}

FMOD_RESULT F_API System::getParameterDescriptionByName(const char* name,
                                                        FMOD_STUDIO_PARAMETER_DESCRIPTION* parameter) const
{
    return Simulation().GetGlobalParameterDescription(HandleOf(this), name, parameter);
}

FMOD_RESULT F_API System::getParameterLabelByID(FMOD_STUDIO_PARAMETER_ID id, int labelindex, char* label, int size,
                                                int* retrieved) const
{
    return Simulation().GetGlobalParameterLabel(HandleOf(this), id, labelindex, label, size, retrieved);
}

FMOD_RESULT F_API System::setNumListeners(int numlisteners)
{
    return Simulation().SetNumListeners(HandleOf(this), numlisteners);
}

FMOD_RESULT F_API System::getNumListeners(int* numlisteners) const
{
    return Simulation().GetNumListeners(HandleOf(this), numlisteners);
}

FMOD_RESULT F_API System::setListenerAttributes(int listener, const FMOD_3D_ATTRIBUTES* attributes,
                                                const FMOD_VECTOR* attenuationposition)
{
    return Simulation().SetListenerAttributes(HandleOf(this), listener, attributes, attenuationposition);
}

FMOD_RESULT F_API System::getListenerAttributes(int listener, FMOD_3D_ATTRIBUTES* attributes,
                                                FMOD_VECTOR* attenuationposition) const
{
    return Simulation().GetListenerAttributes(HandleOf(this), listener, attributes, attenuationposition);
}

}  // namespace Studio
}  // namespace FMOD
