// The run header services are plain functions that get only rdPtr and two values, so they find
// the object's state through this process-wide map from rdPtr to the object that owns it. An
// object is in the map from before CreateRunObject until the RunObject is destroyed; nothing of
// one run header's objects is shared with another's.
#pragma once

#include "standins/host/internal/ObjectServices.h"

#include <cstddef>

namespace StandinHost::ServiceRegistry {

void Add(const void* rdPtr, ObjectServices& services);
void Remove(const void* rdPtr) noexcept;

// The object's services; an rdPtr the host does not know ends the process (ServiceFault),
// naming the service that was called with it.
ObjectServices& Find(const void* rdPtr, const char* service) noexcept;

}  // namespace StandinHost::ServiceRegistry
