#include "sdk/frame/HostRecord.h"

#include "sdk/diagnostics/Environment.h"
#include "sdk/frame/Sdk.h"

namespace Vantor::Ovik {

void AdoptHostRecord(Host::mV* mV, void* edPtr)
{
    if (::SDK)
        ::SDK->mV = mV;
    if (mV)
        ProcessEnvironment().ownerWindow = mV->window;
    if (ProcessEnvironment().runContext == RunContext::Editor && mV && mV->callFunction)
        mV->callFunction(edPtr, Host::kCallLoadObject, 0, 0, 0);
}

}  // namespace Vantor::Ovik
