// The stand-in's image bank queries: each answers what the test chose.
#define VANTOR_BUILDING_MMFS2
#include "standins/mmfs2/Mmfs2Control.h"

#include <cstring>

#include "sdk/host/Mmfs2.h"
#include "standins/mmfs2/StandinState.h"

namespace {

struct State {
    std::int32_t imageInfoResult = 0;
    std::uint8_t imageFlagsByte = 0;
    std::int32_t hasImagesResult = 0;
    Mmfs2StandInCalls calls = {};
};

State state;

}  // namespace

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_HasImages(void* application) {
    ++state.calls.hasImagesCalls;
    state.calls.hasImagesApplication = application;
    return state.hasImagesResult;
}

extern "C" std::int32_t VANTOR_HOSTCALL Mmfs2_GetImageInfo(void* application, std::uint32_t image,
                                                           Vantor::Host::ImageInformation* info) {
    ++state.calls.imageInfoCalls;
    state.calls.imageInfoApplication = application;
    state.calls.imageInfoImage = image;
    if (!state.imageInfoResult || !info) return 0;
    std::memset(info, 0, sizeof *info);
    info->bytes[Vantor::Host::kImageFlagsByte] = state.imageFlagsByte;
    return state.imageInfoResult;
}

void __cdecl Mmfs2StandIn_Reset()
{
    state = State();
    Mmfs2StandIn::CurrentSwitches() = {};
}

void __cdecl Mmfs2StandIn_SetImageInfoAnswer(std::int32_t result, std::uint8_t flagsByte) {
    state.imageInfoResult = result;
    state.imageFlagsByte = flagsByte;
}

void __cdecl Mmfs2StandIn_SetHasImagesAnswer(std::int32_t result) { state.hasImagesResult = result; }

Mmfs2StandInCalls __cdecl Mmfs2StandIn_Calls() { return state.calls; }
