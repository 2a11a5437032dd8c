#include "standins/mmfs2/PngImport.h"

#include <climits>
#include <cstring>
#include <memory>

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace Mmfs2StandIn {
namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, the IHDR chunk's length and type, width and height; then bit depth and colour type.
constexpr std::size_t kBitDepthOffset = 24;
constexpr std::size_t kColourTypeOffset = 25;

// Bits per pixel from the IHDR chunk; 0 when the bytes do not start like a PNG.
std::uint8_t DeclaredDepth(std::string_view bytes)
{
    if (bytes.size() <= kColourTypeOffset || std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0
        || bytes.substr(12, 4) != "IHDR")
        return 0;
    const unsigned bitDepth = static_cast<unsigned char>(bytes[kBitDepthOffset]);
    unsigned samples = 0;
    switch (static_cast<unsigned char>(bytes[kColourTypeOffset])) {
    case 0: samples = 1; break;  // grey
    case 2: samples = 3; break;  // RGB
    case 3: samples = 1; break;  // palette
    case 4: samples = 2; break;  // grey and alpha
    case 6: samples = 4; break;  // RGBA
    default: return 0;
    }
    const unsigned depth = bitDepth * samples;
    return depth > 255 ? 0 : static_cast<std::uint8_t>(depth);
}

}  // namespace

PngImport ImportPng(std::string_view bytes)
{
    PngImport result;
    result.depth = DeclaredDepth(bytes);
    if (result.depth < kLowestImportDepth || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return result;

    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels))
        return result;
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(data, length, &width, &height, nullptr, 4), &stbi_image_free);
    if (!rgba)
        return result;

    result.pixels.Create(width, height);
    const bool withAlpha = channels == 2 || channels == 4;
    if (withAlpha)
        result.pixels.CreateAlpha();
    for (std::size_t i = 0; i < result.pixels.colours.size(); ++i) {
        const stbi_uc* p = rgba.get() + 4 * i;
        result.pixels.colours[i] = p[0] | (p[1] << 8) | (static_cast<std::uint32_t>(p[2]) << 16);
        if (withAlpha)
            result.pixels.alpha[i] = p[3];
    }
    result.ok = true;
    return result;
}

}  // namespace Mmfs2StandIn
