#pragma once

#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace Vantor::Ovik {

// The first Initialize: probes the environment, reads and parses the definition and builds
// the SDK object. 0 on success; -1 after showing why not.
std::int32_t Init(Host::mV* mV, bool quiet);

}  // namespace Vantor::Ovik
