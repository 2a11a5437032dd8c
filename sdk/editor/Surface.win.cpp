#include "sdk/editor/Surface.h"

#include "sdk/properties/ProblemBoxes.h"

namespace Vantor {

Surface::Surface(Host::cSurface* surface, std::string name) : surface_(surface), name_(std::move(name))
{
}

Surface::~Surface()
{
    if (const auto problem = DestroyProblem(locks_, name_, surface_))
        ShowProblem(*problem);
}

std::int32_t Surface::Width() const
{
    return Mmfs2_GetSurfaceWidth(surface_);
}

std::int32_t Surface::Height() const
{
    return Mmfs2_GetSurfaceHeight(surface_);
}

bool Surface::HasAlpha() const
{
    return Mmfs2_HasAlpha(surface_) != 0;
}

bool Surface::DrawAt(Surface& target, std::int32_t x, std::int32_t y)
{
    if (&target == this || target.surface_ == surface_)
        ShowProblem(CopyToSelfProblem(name_));
    // The hot spot is the centre, so it lands half the size in from the corner.
    const std::int32_t hotSpotX = Width() / 2, hotSpotY = Height() / 2;
    const Host::BlitRequest request{static_cast<float>(x + hotSpotX),
                                    static_cast<float>(y + hotSpotY),
                                    1.0f,
                                    1.0f,
                                    0.0f,
                                    hotSpotX,
                                    hotSpotY,
                                    Host::kBlitTransparent,
                                    HasAlpha() ? Host::kBlitBlendAlpha : 0u};
    return Mmfs2_Blit(surface_, target.surface_, &request) != 0;
}

std::uint8_t* Surface::LockBuffer()
{
    if (!locks_.buffer && (buffer_ = Mmfs2_LockBuffer(surface_)))
        locks_.buffer = true;
    return buffer_;
}

void Surface::UnlockBuffer()
{
    if (!locks_.buffer)
        return;
    Mmfs2_UnlockBuffer(surface_, buffer_);
    buffer_ = nullptr;
    locks_.buffer = false;
}

std::uint8_t* Surface::LockAlpha()
{
    if (!locks_.alpha && (alpha_ = Mmfs2_LockAlpha(surface_)))
        locks_.alpha = true;
    return alpha_;
}

void Surface::UnlockAlpha()
{
    if (!locks_.alpha)
        return;
    Mmfs2_UnlockAlpha(surface_, alpha_);
    alpha_ = nullptr;
    locks_.alpha = false;
}

}  // namespace Vantor
