// The stand-in image filter's PNG reader: a file's bytes decoded into a surface's contents.
#pragma once

#include <cstdint>
#include <string_view>

#include "standins/mmfs2/SurfacePixels.h"

namespace Mmfs2StandIn {

// Like the host's own filter, images under this many bits per pixel are refused.
constexpr std::uint8_t kLowestImportDepth = 5;

struct PngImport {
    bool ok = false;
    std::uint8_t depth = 0;  // bits per pixel the header declares; 0 when there is no header
    SurfacePixels pixels;    // sized and filled when ok; an alpha channel when the file has one
};

PngImport ImportPng(std::string_view bytes);

}  // namespace Mmfs2StandIn
