// Stored objects of another extension version, converted as the host opens them.
#include "sdk/exports/Export.h"
#include "sdk/properties/EditDataUpgrade.h"

VANTOR_EXPORT void* VANTOR_HOSTCALL UpdateEditStructure(Vantor::Host::mV* mV, void* oldEdPtr)
{
    return Vantor::UpgradeEditData(mV, oldEdPtr);
}
