// The stand-in mmfs2.dll's test controls: what its host functions answer and what they were asked.
// Named exports; link the mmfs2 target (or look them up with GetProcAddress) to use them.
#pragma once

#include <cstdint>

#ifdef VANTOR_BUILDING_MMFS2
#define MMFS2_CONTROL extern "C" __declspec(dllexport)
#else
#define MMFS2_CONTROL extern "C" __declspec(dllimport)
#endif

// Back to the start: ordinal 153 fails, ordinal 10 answers 0, nothing recorded.
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
