// The stand-in mmfs2's surfaces and image import, driven through its host functions as a library
// would, and read back through its test controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "standins/mmfs2/Mmfs2Control.h"

namespace StandinHostTests {
namespace {

using Vantor::Host::BlitRequest;
using Vantor::Host::cSurface;

constexpr std::uint32_t kMagenta = 0xFF00FF;

void Collect(void* context, void* data, int size)
{
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

std::string Png(int width, int height, int channels, const std::vector<std::uint8_t>& pixels)
{
    std::string bytes;
    stbi_write_png_to_func(&Collect, &bytes, width, height, channels, pixels.data(), width * channels);
    return bytes;
}

class Mmfs2Surface : public ::testing::Test {
protected:
    void SetUp() override
    {
        Mmfs2StandIn_Reset();
        ASSERT_TRUE(Mmfs2_GetSurfacePrototype(&prototype_, 32, 1, 3));
    }
    void TearDown() override
    {
        for (cSurface* surface : made_)
            Mmfs2_DeleteSurface(surface);
        Mmfs2StandIn_Reset();
    }

    cSurface* Make(int width, int height, std::uint32_t colour)
    {
        cSurface* surface = Mmfs2_NewSurface();
        made_.push_back(surface);
        Mmfs2_CreateSurface(surface, width, height, prototype_);
        auto* pixels = reinterpret_cast<std::uint32_t*>(Mmfs2_LockBuffer(surface));
        std::fill(pixels, pixels + width * height, colour);
        Mmfs2_UnlockBuffer(surface, reinterpret_cast<std::uint8_t*>(pixels));
        return surface;
    }

    void Put(cSurface* surface, int x, int y, std::uint32_t colour)
    {
        auto* pixels = reinterpret_cast<std::uint32_t*>(Mmfs2_LockBuffer(surface));
        pixels[y * Mmfs2_GetSurfaceWidth(surface) + x] = colour;
        Mmfs2_UnlockBuffer(surface, reinterpret_cast<std::uint8_t*>(pixels));
    }

    std::vector<std::uint32_t> Colours(cSurface* surface)
    {
        std::vector<std::uint32_t> colours(Mmfs2_GetSurfaceWidth(surface) * Mmfs2_GetSurfaceHeight(surface));
        Mmfs2StandIn_ReadPixels(surface, colours.data(), nullptr, static_cast<std::int32_t>(colours.size()));
        return colours;
    }

    std::uint32_t At(cSurface* surface, int x, int y) { return Colours(surface)[y * Mmfs2_GetSurfaceWidth(surface) + x]; }

    cSurface* prototype_ = nullptr;
    std::vector<cSurface*> made_;
};

TEST_F(Mmfs2Surface, PrototypesExistOnlyFor32BitMemorySurfaces)
{
    cSurface* prototype = reinterpret_cast<cSurface*>(1);
    EXPECT_FALSE(Mmfs2_GetSurfacePrototype(&prototype, 24, 1, 3));
    EXPECT_EQ(prototype, nullptr);
    EXPECT_FALSE(Mmfs2_GetSurfacePrototype(&prototype, 32, 2, 3));
    Mmfs2StandIn_FailPrototypes(1);
    EXPECT_FALSE(Mmfs2_GetSurfacePrototype(&prototype, 32, 1, 3));
}

TEST_F(Mmfs2Surface, ABlitPutsTheHotSpotOnThePointAndLeavesTheTransparentColourOut)
{
    cSurface* source = Make(4, 2, 0x0000FF);
    Put(source, 0, 0, kMagenta);
    Mmfs2_SetTransparentColor(source, kMagenta);
    cSurface* target = Make(10, 10, 0xFFFFFF);
    const BlitRequest request{5.0f, 5.0f, 1.0f, 1.0f, 0.0f, 2, 1, Vantor::Host::kBlitTransparent, 0};
    ASSERT_TRUE(Mmfs2_Blit(source, target, &request));
    EXPECT_EQ(At(target, 3, 4), 0xFFFFFFu);  // the magenta corner left out
    EXPECT_EQ(At(target, 4, 4), 0x0000FFu);
    EXPECT_EQ(At(target, 6, 5), 0x0000FFu);
    EXPECT_EQ(At(target, 7, 5), 0xFFFFFFu);
    EXPECT_EQ(At(target, 3, 6), 0xFFFFFFu);

    const BlitRequest opaque{3.0f, 4.0f, 1.0f, 1.0f, 0.0f, 0, 0, Vantor::Host::kBlitOpaque, 0};
    ASSERT_TRUE(Mmfs2_Blit(source, target, &opaque));
    EXPECT_EQ(At(target, 3, 4), kMagenta);
}

TEST_F(Mmfs2Surface, ABlitScalesAndRotatesAroundTheHotSpot)
{
    cSurface* source = Make(2, 1, 0x00FF00);
    Put(source, 1, 0, 0x0000FF);
    cSurface* target = Make(8, 8, 0);
    const BlitRequest doubled{2.0f, 2.0f, 2.0f, 2.0f, 0.0f, 0, 0, Vantor::Host::kBlitOpaque, 0};
    ASSERT_TRUE(Mmfs2_Blit(source, target, &doubled));
    EXPECT_EQ(At(target, 3, 3), 0x00FF00u);
    EXPECT_EQ(At(target, 4, 3), 0x0000FFu);
    EXPECT_EQ(At(target, 5, 3), 0x0000FFu);
    EXPECT_EQ(At(target, 6, 3), 0u);
    EXPECT_EQ(At(target, 2, 2), 0x00FF00u);
    EXPECT_EQ(At(target, 2, 4), 0u);

    // A quarter turn counter-clockwise: the row stands up, its second pixel above the first.
    cSurface* turned = Make(8, 8, 0);
    const BlitRequest quarter{4.0f, 4.0f, 1.0f, 1.0f, 90.0f, 0, 0, Vantor::Host::kBlitOpaque, 0};
    ASSERT_TRUE(Mmfs2_Blit(source, turned, &quarter));
    EXPECT_EQ(At(turned, 4, 3), 0x00FF00u);
    EXPECT_EQ(At(turned, 4, 2), 0x0000FFu);
    EXPECT_EQ(At(turned, 5, 4), 0u);
}

TEST_F(Mmfs2Surface, AlphaIsBlendedOrCopiedAsAsked)
{
    cSurface* source = Make(1, 1, 0x0000FF);
    Mmfs2_CreateAlpha(source);
    std::uint8_t* alpha = Mmfs2_LockAlpha(source);
    alpha[0] = 51;  // a fifth
    Mmfs2_UnlockAlpha(source, alpha);
    cSurface* target = Make(1, 1, 0xFFFFFF);
    const BlitRequest blend{0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0, 0, Vantor::Host::kBlitTransparent,
                            Vantor::Host::kBlitBlendAlpha};
    ASSERT_TRUE(Mmfs2_Blit(source, target, &blend));
    EXPECT_EQ(At(target, 0, 0), 0xCCCCFFu);

    cSurface* copy = Make(1, 1, 0);
    Mmfs2_CreateAlpha(copy);
    const BlitRequest copyAlpha{0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0, 0, Vantor::Host::kBlitOpaque,
                                Vantor::Host::kBlitCopyAlpha};
    ASSERT_TRUE(Mmfs2_Blit(source, copy, &copyAlpha));
    std::uint32_t colour = 0;
    std::uint8_t copied = 0;
    ASSERT_EQ(Mmfs2StandIn_ReadPixels(copy, &colour, &copied, 1), 1);
    EXPECT_EQ(colour, 0x0000FFu);
    EXPECT_EQ(copied, 51);
}

TEST_F(Mmfs2Surface, FailedBlitsSayWhy)
{
    cSurface* source = Make(2, 2, 0);
    cSurface* target = Make(2, 2, 0);
    cSurface* blank = Mmfs2_NewSurface();
    made_.push_back(blank);
    const BlitRequest request{0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0, 0, Vantor::Host::kBlitOpaque, 0};
    EXPECT_FALSE(Mmfs2_Blit(blank, target, &request));
    EXPECT_EQ(Mmfs2_GetSurfaceError(target), 1);
    const BlitRequest flat{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0, 0, Vantor::Host::kBlitOpaque, 0};
    EXPECT_FALSE(Mmfs2_Blit(source, target, &flat));
    EXPECT_EQ(Mmfs2_GetSurfaceError(target), 2);
    std::uint8_t* buffer = Mmfs2_LockBuffer(source);
    EXPECT_FALSE(Mmfs2_Blit(source, target, &request));
    EXPECT_EQ(Mmfs2_GetSurfaceError(target), 3);
    Mmfs2_UnlockBuffer(source, buffer);
    Mmfs2StandIn_FailBlits(1);
    EXPECT_FALSE(Mmfs2_Blit(source, target, &request));
    EXPECT_EQ(Mmfs2_GetSurfaceError(target), 4);
    Mmfs2StandIn_FailBlits(0);
    EXPECT_TRUE(Mmfs2_Blit(source, target, &request));
    EXPECT_EQ(Mmfs2_GetSurfaceError(target), 0);
}

TEST_F(Mmfs2Surface, ACloneCopiesPixelsAlphaAndTransparentColour)
{
    cSurface* source = Make(3, 2, 0x123456);
    Mmfs2_CreateAlpha(source);
    Mmfs2_SetTransparentColor(source, kMagenta);
    cSurface* clone = Mmfs2_NewSurface();
    made_.push_back(clone);
    ASSERT_TRUE(Mmfs2_CloneSurface(clone, source));
    Mmfs2StandInSurface described{};
    ASSERT_TRUE(Mmfs2StandIn_DescribeSurface(clone, &described));
    EXPECT_EQ(described.width, 3);
    EXPECT_EQ(described.height, 2);
    EXPECT_TRUE(described.hasAlpha);
    EXPECT_TRUE(described.hasTransparent);
    EXPECT_EQ(described.transparent, kMagenta);
    EXPECT_EQ(Colours(clone), std::vector<std::uint32_t>(6, 0x123456));
}

TEST_F(Mmfs2Surface, PngsImportWithTheirAlphaAndDepth)
{
    void* manager = Mmfs2StandIn_ImageFilterManager();
    const std::string rgba = Png(2, 1, 4, {255, 0, 0, 255, 0, 0, 255, 10});
    cSurface* surface = Mmfs2_NewSurface();
    made_.push_back(surface);
    Vantor::Host::CInputFile* stream = Mmfs2_OpenMemoryStream(rgba.data(), static_cast<std::uint32_t>(rgba.size()));
    ASSERT_TRUE(Mmfs2_ImportImageFile(manager, stream, surface));
    Mmfs2_CloseStream(stream);
    EXPECT_EQ(Mmfs2_GetImportDepth(manager), 32);
    EXPECT_TRUE(Mmfs2_HasAlpha(surface));
    std::uint32_t colours[2] = {};
    std::uint8_t alpha[2] = {};
    ASSERT_EQ(Mmfs2StandIn_ReadPixels(surface, colours, alpha, 2), 2);
    EXPECT_EQ(colours[0], 0x0000FFu);
    EXPECT_EQ(colours[1], 0xFF0000u);
    EXPECT_EQ(alpha[1], 10);

    const std::string grey = Png(1, 1, 1, {128});
    stream = Mmfs2_OpenMemoryStream(grey.data(), static_cast<std::uint32_t>(grey.size()));
    ASSERT_TRUE(Mmfs2_ImportImageFile(manager, stream, surface));
    Mmfs2_CloseStream(stream);
    EXPECT_EQ(Mmfs2_GetImportDepth(manager), 8);
    EXPECT_FALSE(Mmfs2_HasAlpha(surface));
    EXPECT_EQ(At(surface, 0, 0), 0x808080u);

    // Cut short: the header still tells the depth, the surface keeps what it had.
    const std::string cut = rgba.substr(0, rgba.size() - 20);
    stream = Mmfs2_OpenMemoryStream(cut.data(), static_cast<std::uint32_t>(cut.size()));
    EXPECT_FALSE(Mmfs2_ImportImageFile(manager, stream, surface));
    Mmfs2_CloseStream(stream);
    EXPECT_EQ(Mmfs2_GetImportDepth(manager), 32);
    EXPECT_EQ(At(surface, 0, 0), 0x808080u);

    stream = Mmfs2_OpenMemoryStream("GIF89a", 6);
    EXPECT_FALSE(Mmfs2_ImportImageFile(manager, stream, surface));
    Mmfs2_CloseStream(stream);
    EXPECT_EQ(Mmfs2_GetImportDepth(manager), 0);
}

TEST_F(Mmfs2Surface, WindowsHaveTheSurfaceTheHostGaveThem)
{
    void* window = reinterpret_cast<void*>(0x5150);
    EXPECT_EQ(Mmfs2_GetWindowSurface(window), nullptr);
    cSurface* surface = Make(1, 1, 0);
    Mmfs2StandIn_SetWindowSurface(window, surface);
    EXPECT_EQ(Mmfs2_GetWindowSurface(window), surface);
    const std::int32_t live = Mmfs2StandIn_SurfaceCount();
    Mmfs2_DeleteSurface(surface);
    made_.pop_back();
    EXPECT_EQ(Mmfs2StandIn_SurfaceCount(), live - 1);
    EXPECT_EQ(Mmfs2_GetWindowSurface(window), nullptr);  // a deleted surface is no window's any more
}

}  // namespace
}  // namespace StandinHostTests
