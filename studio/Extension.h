// The studio-system object: one per object instance of Tonvale.
#pragma once

#include <string>

#include "sdk/frame/ExtensionBase.h"

class Extension : public Vantor::ExtensionBase {
public:
    Extension(Vantor::Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);

    std::uint32_t Handle();

    std::string lastCallback;  // UTF-8; written by the exported event callback
};
