// What the stand-in's host functions share: the live surfaces and streams, and the switches
// tests set. A pointer the stand-in never handed out is a fault of the caller.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>

#include "sdk/host/Mmfs2.h"
#include "standins/mmfs2/SurfacePixels.h"

namespace Mmfs2StandIn {

struct Surface {
    SurfacePixels pixels;
    std::int32_t lastError = kNoError;
    bool bufferLocked = false;
    bool alphaLocked = false;
};

struct Stream {
    std::string_view bytes;  // the caller's block, until it closes the stream
};

struct ImageFilterManager {
    std::uint8_t lastDepth = 0;
};

struct Switches {
    bool failPrototypes = false;
    bool failBlits = false;
};

std::map<const void*, std::unique_ptr<Surface>>& Surfaces();
std::map<const void*, std::unique_ptr<Stream>>& Streams();
std::map<const void*, Vantor::Host::cSurface*>& WindowSurfaces();
ImageFilterManager& TheImageFilterManager();
Switches& CurrentSwitches();

// The live surface behind a pointer; an unknown one ends the process naming the function.
Surface& SurfaceOf(Vantor::Host::cSurface* surface, const char* function);
Vantor::Host::cSurface* HandleOf(Surface* surface);

// Writes "[mmfs2] function: why" to stderr and aborts, as the host would crash.
[[noreturn]] void Misuse(const char* function, const char* why);

}  // namespace Mmfs2StandIn
