#pragma once

#include "sdk/host/HostRecords.h"

namespace Vantor::Ovik {

// What loading or creating an object first does with the host's record: keeps it, refreshes the
// owner window of every box, and in the editor tells the host the object is in use.
void AdoptHostRecord(Host::mV* mV, void* edPtr);

}  // namespace Vantor::Ovik
