// The life of one run-time object, and the hooks the host calls around it.
#include <cstring>

#include "sdk/exports/Export.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/frame/ExtensionHooks.h"
#include "sdk/frame/HostRecord.h"
#include "sdk/frame/Sdk.h"
#include "sdk/properties/StoredBlockCheck.h"

using Vantor::Host::mV;
using Vantor::Host::RUNDATA;

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL LoadObject(mV* mV, const wchar_t* fileName, void* edPtr, std::int32_t)
{
    Vantor::Ovik::AdoptHostRecord(mV, edPtr);
    Vantor::CheckLoadedBlock(edPtr);
    return 0;
}

VANTOR_EXPORT void VANTOR_HOSTCALL UnloadObject(mV*, void*, std::int32_t)
{
}

VANTOR_EXPORT void VANTOR_HOSTCALL StartApp(mV*, void*)
{
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL CreateRunObject(RUNDATA* rdPtr, void* edPtr, void* cobPtr)
{
    Vantor::ExtensionBase* extension = Vantor::kExtensionHooks.create(rdPtr, edPtr, cobPtr);
    rdPtr->extension = extension;
    extension->Runtime.objectSelection.extension = extension;
    return 0;
}

VANTOR_EXPORT std::uint32_t VANTOR_HOSTCALL HandleRunObject(RUNDATA* rdPtr)
{
    return Vantor::kExtensionHooks.handle(&Vantor::FindExtension(rdPtr));
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL DestroyRunObject(RUNDATA* rdPtr, std::int32_t)
{
    Vantor::kExtensionHooks.destroy(&Vantor::FindExtension(rdPtr));
    // A stray call after this reaches the fatal error rather than a freed object.
    rdPtr->extension = nullptr;
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL PauseRunObject(RUNDATA*)
{
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL ContinueRunObject(RUNDATA*)
{
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL Free(mV*)
{
    return 0;
}
