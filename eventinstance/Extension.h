// The event-instance object: one per object instance of Velisse.
#pragma once

#include <string>

#include "sdk/frame/ExtensionBase.h"

class Extension : public Vantor::ExtensionBase {
public:
    Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);

    std::uint32_t Handle();

    std::string lastCallback;  // UTF-8; written by the instance's event callback
};
