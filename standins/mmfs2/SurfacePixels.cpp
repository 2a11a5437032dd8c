#include "standins/mmfs2/SurfacePixels.h"

#include <algorithm>
#include <cmath>

namespace Mmfs2StandIn {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::uint8_t Channel(std::uint32_t colour, int shift) { return static_cast<std::uint8_t>(colour >> shift); }

std::uint32_t Blend(std::uint32_t over, std::uint32_t under, std::uint8_t alpha)
{
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
        const unsigned mixed = (Channel(over, shift) * alpha + Channel(under, shift) * (255u - alpha) + 127u) / 255u;
        result |= mixed << shift;
    }
    return result;
}

// The destination rectangle the transformed source can touch, clipped to the destination.
struct Bounds {
    int left, top, right, bottom;  // right and bottom exclusive
};

Bounds Covered(const SurfacePixels& source, const SurfacePixels& destination, const Vantor::Host::BlitRequest& request,
               double cosine, double sine)
{
    double minX = 1e30, minY = 1e30, maxX = -1e30, maxY = -1e30;
    for (const double cornerX : {0.0, static_cast<double>(source.width)}) {
        for (const double cornerY : {0.0, static_cast<double>(source.height)}) {
            const double dx = (cornerX - request.hotSpotX) * request.scaleX;
            const double dy = (cornerY - request.hotSpotY) * request.scaleY;
            // Counter-clockwise on screen, where y grows downwards.
            const double x = request.x + dx * cosine + dy * sine;
            const double y = request.y - dx * sine + dy * cosine;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    }
    return {std::max(0, static_cast<int>(std::floor(minX))), std::max(0, static_cast<int>(std::floor(minY))),
            std::min(destination.width, static_cast<int>(std::ceil(maxX))),
            std::min(destination.height, static_cast<int>(std::ceil(maxY)))};
}

}  // namespace

void SurfacePixels::Create(std::int32_t newWidth, std::int32_t newHeight)
{
    width = std::max(newWidth, 0);
    height = std::max(newHeight, 0);
    created = true;
    colours.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    alpha.clear();
    transparent.reset();
}

void SurfacePixels::CreateAlpha()
{
    alpha.assign(colours.size(), 255);
}

SurfaceError Blit(const SurfacePixels& source, SurfacePixels& destination, const Vantor::Host::BlitRequest& request)
{
    using namespace Vantor::Host;
    if (!source.created || !destination.created)
        return kErrorNotCreated;
    if (request.scaleX == 0.0f || request.scaleY == 0.0f || !std::isfinite(request.scaleX)
        || !std::isfinite(request.scaleY) || !std::isfinite(request.angle) || !std::isfinite(request.x)
        || !std::isfinite(request.y) || request.mode > kBlitTransparent)
        return kErrorBadRequest;

    const double radians = request.angle * kPi / 180.0;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    const Bounds bounds = Covered(source, destination, request, cosine, sine);
    const bool blend = (request.flags & kBlitBlendAlpha) && source.HasAlpha();
    const bool copyAlpha = (request.flags & kBlitCopyAlpha) && source.HasAlpha() && destination.HasAlpha();
    const bool keyed = request.mode == kBlitTransparent && source.transparent.has_value();

    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            // Back from the destination pixel's centre into the source.
            const double dx = x + 0.5 - request.x, dy = y + 0.5 - request.y;
            const double sourceX = (dx * cosine - dy * sine) / request.scaleX + request.hotSpotX;
            const double sourceY = (dx * sine + dy * cosine) / request.scaleY + request.hotSpotY;
            const int sx = static_cast<int>(std::floor(sourceX)), sy = static_cast<int>(std::floor(sourceY));
            if (sx < 0 || sy < 0 || sx >= source.width || sy >= source.height)
                continue;
            const std::size_t from = static_cast<std::size_t>(sy) * source.width + sx;
            const std::size_t to = static_cast<std::size_t>(y) * destination.width + x;
            const std::uint32_t colour = source.colours[from];
            if (keyed && colour == *source.transparent)
                continue;
            if (blend) {
                const std::uint8_t a = source.alpha[from];
                destination.colours[to] = Blend(colour, destination.colours[to], a);
                if (destination.HasAlpha())
                    destination.alpha[to] = static_cast<std::uint8_t>(a + (destination.alpha[to] * (255u - a) + 127u) / 255u);
                continue;
            }
            destination.colours[to] = colour;
            if (copyAlpha)
                destination.alpha[to] = source.alpha[from];
            else if (destination.HasAlpha())
                destination.alpha[to] = 255;
        }
    }
    return kNoError;
}

}  // namespace Mmfs2StandIn
