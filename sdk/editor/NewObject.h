#pragma once

#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace Vantor {

// Fills a new object's EDITDATA with the definition's default block, asking the host to resize
// it when it made it of another size. 0, or -1 after the boxes saying why not.
std::int32_t FillNewObject(Host::mV* mV, void* edPtr);

}  // namespace Vantor
