// The frame's drawing wrapper around a host surface it does not own.
#pragma once

#include <cstdint>
#include <string>

#include "sdk/editor/SurfaceLocks.h"
#include "sdk/host/Mmfs2.h"

namespace Vantor {

class Surface {
public:
    // `name` starts the texts of its fatal errors, for example "Editor surface: ".
    Surface(Host::cSurface* surface, std::string name);
    // Letting go of a surface with a buffer still locked is a fatal error.
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    Host::cSurface* HostSurface() const { return surface_; }
    std::int32_t Width() const;
    std::int32_t Height() const;
    bool HasAlpha() const;

    // Draws the whole surface onto target with its top-left corner at (x, y): unscaled,
    // unrotated, blended by its alpha channel when it has one, else without its transparent
    // colour. False when the host refused; drawing onto itself is a fatal error.
    bool DrawAt(Surface& target, std::int32_t x, std::int32_t y);

    // The pixel rows or the alpha channel for direct work; null when the host gives none.
    // Each lock must be given back before the wrapper goes.
    std::uint8_t* LockBuffer();
    void UnlockBuffer();
    std::uint8_t* LockAlpha();
    void UnlockAlpha();

private:
    Host::cSurface* surface_;
    std::string name_;
    SurfaceLocks locks_;
    std::uint8_t* buffer_ = nullptr;
    std::uint8_t* alpha_ = nullptr;
};

}  // namespace Vantor
