#include "standins/mmfs2/StandinState.h"

#include <cstdio>
#include <cstdlib>

namespace Mmfs2StandIn {

std::map<const void*, std::unique_ptr<Surface>>& Surfaces()
{
    static auto* surfaces = new std::map<const void*, std::unique_ptr<Surface>>();  // outlives late callers
    return *surfaces;
}

std::map<const void*, std::unique_ptr<Stream>>& Streams()
{
    static auto* streams = new std::map<const void*, std::unique_ptr<Stream>>();
    return *streams;
}

std::map<const void*, Vantor::Host::cSurface*>& WindowSurfaces()
{
    static auto* windows = new std::map<const void*, Vantor::Host::cSurface*>();
    return *windows;
}

ImageFilterManager& TheImageFilterManager()
{
    static ImageFilterManager manager;
    return manager;
}

Switches& CurrentSwitches()
{
    static Switches switches;
    return switches;
}

Surface& SurfaceOf(Vantor::Host::cSurface* surface, const char* function)
{
    const auto found = Surfaces().find(surface);
    if (found == Surfaces().end())
        Misuse(function, surface ? "not a live surface" : "null surface");
    return *found->second;
}

Vantor::Host::cSurface* HandleOf(Surface* surface)
{
    return reinterpret_cast<Vantor::Host::cSurface*>(surface);
}

void Misuse(const char* function, const char* why)
{
    std::fprintf(stderr, "[mmfs2] %s: %s\n", function, why);
    std::fflush(stderr);
    std::abort();
}

}  // namespace Mmfs2StandIn
