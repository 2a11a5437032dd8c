// A stand-in surface's contents and the pixel work of its host functions, free of any Windows call.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sdk/host/Mmfs2.h"

namespace Mmfs2StandIn {

// Errors a surface reports through Mmfs2_GetSurfaceError.
enum SurfaceError : std::int32_t {
    kNoError = 0,
    kErrorNotCreated = 1,    // a blit or clone with a surface that has no pixels yet
    kErrorBadRequest = 2,    // a blit with a null request, a zero scale or an unknown mode
    kErrorLocked = 3,        // a blit or clone while a buffer of either surface is locked
    kErrorForcedFailure = 4, // Mmfs2StandIn_FailBlits
};

struct SurfacePixels {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool created = false;
    std::vector<std::uint32_t> colours;  // row by row, the host's 0x00BBGGRR
    std::vector<std::uint8_t> alpha;     // empty: no alpha channel
    std::optional<std::uint32_t> transparent;

    bool HasAlpha() const { return !alpha.empty(); }
    // Black, without alpha channel or transparent colour; negative sizes count as 0.
    void Create(std::int32_t newWidth, std::int32_t newHeight);
    // Fully opaque.
    void CreateAlpha();
};

// Draws source onto destination as the request says: each destination pixel takes the source
// pixel its centre maps back to. kNoError, or why nothing was drawn.
SurfaceError Blit(const SurfacePixels& source, SurfacePixels& destination, const Vantor::Host::BlitRequest& request);

}  // namespace Mmfs2StandIn
