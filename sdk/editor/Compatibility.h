#pragma once

#include "sdk/host/HostRecords.h"

namespace Vantor {

// Whether the host is new enough for the editor exports: a version function answering a build
// of at least 254 and a version of at least 0x0200. Computed once, unless there is no version
// function to ask.
bool IsCompatibleHost(const Host::mV* mV);

}  // namespace Vantor
