// How the framework makes, ticks and destroys the product's Extension without knowing its
// class: each product defines kExtensionHooks = HooksFor<Extension>().
#pragma once

#include <cstdint>

#include "sdk/host/RunRecords.h"

namespace Vantor {

class ExtensionBase;

struct ExtensionHooks {
    ExtensionBase* (*create)(Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr);
    void (*destroy)(ExtensionBase* extension);
    std::uint32_t (*handle)(ExtensionBase* extension);
};

extern const ExtensionHooks kExtensionHooks;

template <class E>
constexpr ExtensionHooks HooksFor()
{
    return {
        [](Host::RUNDATA* rdPtr, void* edPtr, void* cobPtr) -> ExtensionBase* { return new E(rdPtr, edPtr, cobPtr); },
        [](ExtensionBase* extension) { delete static_cast<E*>(extension); },
        [](ExtensionBase* extension) -> std::uint32_t { return static_cast<E*>(extension)->Handle(); },
    };
}

}  // namespace Vantor
