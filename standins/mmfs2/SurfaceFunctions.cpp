// The stand-in's surface functions: real pixels, alpha channels, transparent colours and blits.
#define VANTOR_BUILDING_MMFS2
#include "standins/mmfs2/Mmfs2Control.h"

#include <algorithm>

#include "standins/mmfs2/StandinState.h"

using Vantor::Host::BlitRequest;
using Vantor::Host::cSurface;
using namespace Mmfs2StandIn;

namespace {

// The one prototype the stand-in knows: 32 bits, memory surface, DIB driver.
struct Prototype {
    std::int32_t depth = Vantor::Host::kPrototypeDepth;
} prototype32;

cSurface* PrototypeHandle() { return reinterpret_cast<cSurface*>(&prototype32); }

bool Locked(const Surface& surface) { return surface.bufferLocked || surface.alphaLocked; }

}  // namespace

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfacePrototype(cSurface** prototype, std::int32_t depth,
                                                                  std::int32_t type, std::int32_t driver)
{
    if (!prototype)
        Misuse("GetSurfacePrototype", "null result pointer");
    *prototype = nullptr;
    if (CurrentSwitches().failPrototypes || depth != Vantor::Host::kPrototypeDepth
        || type != Vantor::Host::kSurfaceTypeMemory || driver != Vantor::Host::kSurfaceDriverDib)
        return 0;
    *prototype = PrototypeHandle();
    return 1;
}

extern "C" cSurface* VANTOR_HOSTCALL Mmfs2_NewSurface()
{
    auto surface = std::make_unique<Surface>();
    cSurface* handle = HandleOf(surface.get());
    Surfaces().emplace(handle, std::move(surface));
    return handle;
}

extern "C" void VANTOR_HOSTCALL Mmfs2_DeleteSurface(cSurface* surface)
{
    if (!surface)
        return;  // as delete does
    SurfaceOf(surface, "DeleteSurface");
    Surfaces().erase(surface);
    for (auto& [window, shown] : WindowSurfaces())
        if (shown == surface)
            shown = nullptr;
}

extern "C" void VANTOR_HOSTCALL Mmfs2_CreateSurface(cSurface* surface, std::int32_t width, std::int32_t height,
                                                    cSurface* prototype)
{
    Surface& target = SurfaceOf(surface, "CreateSurface");
    if (prototype != PrototypeHandle())
        Misuse("CreateSurface", "not a prototype");
    if (Locked(target))
        Misuse("CreateSurface", "surface has a locked buffer");
    target.pixels.Create(width, height);
    target.lastError = kNoError;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceWidth(cSurface* surface)
{
    return SurfaceOf(surface, "GetSurfaceWidth").pixels.width;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceHeight(cSurface* surface)
{
    return SurfaceOf(surface, "GetSurfaceHeight").pixels.height;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_HasAlpha(cSurface* surface)
{
    return SurfaceOf(surface, "HasAlpha").pixels.HasAlpha() ? 1 : 0;
}

extern "C" void VANTOR_HOSTCALL Mmfs2_CreateAlpha(cSurface* surface)
{
    Surface& target = SurfaceOf(surface, "CreateAlpha");
    if (target.alphaLocked)
        Misuse("CreateAlpha", "alpha channel is locked");
    if (!target.pixels.HasAlpha())
        target.pixels.CreateAlpha();
}

extern "C" void VANTOR_HOSTCALL Mmfs2_SetTransparentColor(cSurface* surface, std::uint32_t colour)
{
    SurfaceOf(surface, "SetTransparentColor").pixels.transparent = colour;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_Blit(cSurface* source, cSurface* destination,
                                                   const BlitRequest* request)
{
    const Surface& from = SurfaceOf(source, "Blit");
    Surface& to = SurfaceOf(destination, "Blit");
    SurfaceError error = kNoError;
    if (CurrentSwitches().failBlits)
        error = kErrorForcedFailure;
    else if (!request)
        error = kErrorBadRequest;
    else if (Locked(from) || Locked(to))
        error = kErrorLocked;
    else
        error = Blit(from.pixels, to.pixels, *request);
    to.lastError = error;
    return error == kNoError ? 1 : 0;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_CloneSurface(cSurface* target, cSurface* source)
{
    Surface& to = SurfaceOf(target, "CloneSurface");
    const Surface& from = SurfaceOf(source, "CloneSurface");
    if (!from.pixels.created || Locked(from) || Locked(to)) {
        to.lastError = from.pixels.created ? kErrorLocked : kErrorNotCreated;
        return 0;
    }
    if (target != source)
        to.pixels = from.pixels;
    to.lastError = kNoError;
    return 1;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceError(cSurface* surface)
{
    return SurfaceOf(surface, "GetSurfaceError").lastError;
}

extern "C" std::uint8_t* VANTOR_HOSTCALL Mmfs2_LockBuffer(cSurface* surface)
{
    Surface& target = SurfaceOf(surface, "LockBuffer");
    if (target.bufferLocked || target.pixels.colours.empty())
        return nullptr;
    target.bufferLocked = true;
    return reinterpret_cast<std::uint8_t*>(target.pixels.colours.data());
}

extern "C" void VANTOR_HOSTCALL Mmfs2_UnlockBuffer(cSurface* surface, std::uint8_t* buffer)
{
    Surface& target = SurfaceOf(surface, "UnlockBuffer");
    if (!target.bufferLocked || buffer != reinterpret_cast<std::uint8_t*>(target.pixels.colours.data()))
        Misuse("UnlockBuffer", "not the surface's locked buffer");
    target.bufferLocked = false;
}

extern "C" std::uint8_t* VANTOR_HOSTCALL Mmfs2_LockAlpha(cSurface* surface)
{
    Surface& target = SurfaceOf(surface, "LockAlpha");
    if (target.alphaLocked || !target.pixels.HasAlpha())
        return nullptr;
    target.alphaLocked = true;
    return target.pixels.alpha.data();
}

extern "C" void VANTOR_HOSTCALL Mmfs2_UnlockAlpha(cSurface* surface, std::uint8_t* alpha)
{
    Surface& target = SurfaceOf(surface, "UnlockAlpha");
    if (!target.alphaLocked || alpha != target.pixels.alpha.data())
        Misuse("UnlockAlpha", "not the surface's locked alpha channel");
    target.alphaLocked = false;
}

void __cdecl Mmfs2StandIn_FailPrototypes(std::int32_t fail) { CurrentSwitches().failPrototypes = fail != 0; }

void __cdecl Mmfs2StandIn_FailBlits(std::int32_t fail) { CurrentSwitches().failBlits = fail != 0; }

std::int32_t __cdecl Mmfs2StandIn_SurfaceCount() { return static_cast<std::int32_t>(Surfaces().size()); }

std::int32_t __cdecl Mmfs2StandIn_DescribeSurface(cSurface* surface, Mmfs2StandInSurface* description)
{
    const auto found = Surfaces().find(surface);
    if (found == Surfaces().end() || !description)
        return 0;
    const Surface& s = *found->second;
    *description = {s.pixels.width,
                    s.pixels.height,
                    s.pixels.created ? 1 : 0,
                    s.pixels.HasAlpha() ? 1 : 0,
                    s.pixels.transparent ? 1 : 0,
                    s.pixels.transparent.value_or(0),
                    s.lastError,
                    s.bufferLocked ? 1 : 0,
                    s.alphaLocked ? 1 : 0};
    return 1;
}

std::int32_t __cdecl Mmfs2StandIn_ReadPixels(cSurface* surface, std::uint32_t* colours, std::uint8_t* alpha,
                                             std::int32_t count)
{
    const auto found = Surfaces().find(surface);
    if (found == Surfaces().end() || !colours || count <= 0)
        return 0;
    const SurfacePixels& pixels = found->second->pixels;
    const std::size_t copied = std::min(pixels.colours.size(), static_cast<std::size_t>(count));
    std::copy_n(pixels.colours.begin(), copied, colours);
    if (alpha) {
        if (pixels.HasAlpha())
            std::copy_n(pixels.alpha.begin(), copied, alpha);
        else
            std::fill_n(alpha, copied, std::uint8_t{255});
    }
    return static_cast<std::int32_t>(copied);
}
