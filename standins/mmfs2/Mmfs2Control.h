// The stand-in mmfs2.dll's test controls: what its host functions answer and what they were asked.
// Named exports; link the mmfs2 target (or look them up with GetProcAddress) to use them.
#pragma once

#include <cstdint>

#include "sdk/host/Mmfs2.h"

#ifdef VANTOR_BUILDING_MMFS2
#define MMFS2_CONTROL extern "C" __declspec(dllexport)
#else
#define MMFS2_CONTROL extern "C" __declspec(dllimport)
#endif

// Back to the start: ordinal 153 fails, ordinal 10 answers 0, prototypes and blits work, nothing
// recorded. Surfaces, streams and window surfaces stay: libraries may still hold them.
MMFS2_CONTROL void __cdecl Mmfs2StandIn_Reset();

// Ordinal 153's answer: its result, and the byte it writes at offset 17 of the image record
// (bit 3 is the 2.5+ extension pack). The rest of the record is written as zeros.
MMFS2_CONTROL void __cdecl Mmfs2StandIn_SetImageInfoAnswer(std::int32_t result, std::uint8_t flagsByte);

// Ordinal 10's answer.
MMFS2_CONTROL void __cdecl Mmfs2StandIn_SetHasImagesAnswer(std::int32_t result);

struct Mmfs2StandInCalls {
    std::int32_t imageInfoCalls;
    void* imageInfoApplication;  // arguments of the last call to ordinal 153
    std::uint32_t imageInfoImage;
    std::int32_t hasImagesCalls;
    void* hasImagesApplication;  // argument of the last call to ordinal 10
};
MMFS2_CONTROL Mmfs2StandInCalls __cdecl Mmfs2StandIn_Calls();

// The one image filter manager, to put at offset 40 of the host's mV. Only it imports images.
MMFS2_CONTROL void* __cdecl Mmfs2StandIn_ImageFilterManager();

// Non-zero: prototypes are refused (ordinal 200 answers 0). Non-zero: every blit fails with
// the surface error kErrorForcedFailure (4).
MMFS2_CONTROL void __cdecl Mmfs2StandIn_FailPrototypes(std::int32_t fail);
MMFS2_CONTROL void __cdecl Mmfs2StandIn_FailBlits(std::int32_t fail);

// The surface ordinal 250 answers for a window; null forgets it.
MMFS2_CONTROL void __cdecl Mmfs2StandIn_SetWindowSurface(void* window, Vantor::Host::cSurface* surface);

// Surfaces made by ordinal 201 and not yet deleted.
MMFS2_CONTROL std::int32_t __cdecl Mmfs2StandIn_SurfaceCount();

struct Mmfs2StandInSurface {
    std::int32_t width;
    std::int32_t height;
    std::int32_t created;  // sized by ordinal 203, an import or a clone
    std::int32_t hasAlpha;
    std::int32_t hasTransparent;
    std::uint32_t transparent;  // 0x00BBGGRR
    std::int32_t lastError;
    std::int32_t bufferLocked;
    std::int32_t alphaLocked;
};
// Zero for a pointer that is no live surface.
MMFS2_CONTROL std::int32_t __cdecl Mmfs2StandIn_DescribeSurface(Vantor::Host::cSurface* surface,
                                                               Mmfs2StandInSurface* description);

// Copies up to `count` pixels, row by row, into colours (0x00BBGGRR) and, when not null, alpha
// (255 where the surface has no alpha channel). The number copied; 0 for an unknown surface.
MMFS2_CONTROL std::int32_t __cdecl Mmfs2StandIn_ReadPixels(Vantor::Host::cSurface* surface, std::uint32_t* colours,
                                                          std::uint8_t* alpha, std::int32_t count);
