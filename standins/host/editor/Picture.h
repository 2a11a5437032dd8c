// Pixels read back from a stand-in host surface, and their PNG form.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "sdk/host/Mmfs2.h"

namespace StandinHost {

struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> colours;  // row by row, the host's 0x00BBGGRR
    std::vector<std::uint8_t> alpha;     // 255 where the surface has no alpha channel
    bool hasAlpha = false;
    bool hasTransparent = false;
    std::uint32_t transparent = 0;

    std::uint32_t At(std::int32_t x, std::int32_t y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t AlphaAt(std::int32_t x, std::int32_t y) const { return alpha[static_cast<std::size_t>(y) * width + x]; }
};

// Reads a live surface of the stand-in mmfs2; an empty picture for an unknown one.
Picture ReadPicture(Vantor::Host::cSurface* surface);

// Writes an RGBA PNG: the alpha channel as it is, or, without one, the transparent colour as
// fully transparent. False when the file could not be written.
bool WritePng(const Picture& picture, const std::filesystem::path& path);

}  // namespace StandinHost
