#pragma once

#include "sdk/host/HostRecords.h"

namespace Vantor {

// The host's UpdateEditStructure: a new block as Windows global memory (fixed, zero-filled)
// for the host to take over, or null when the old block stays, converted in place or not.
// Whatever fails, the old block is left as it was.
void* UpgradeEditData(Host::mV* mV, void* oldEdPtr);

}  // namespace Vantor
