// The host runtime library mmfs2.dll, imported by ordinal. The names are ours: the import library
// (standins/mmfs2/mmfs2.def) binds each to its ordinal, and the stand-in DLL implements them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sdk/host/HostRecords.h"

namespace Vantor::Host {

// The host writes its image record here; the frame reads only byte 17. Sized well past any
// image record so the host never writes beyond it.
struct ImageInformation {
    std::uint8_t bytes[256];
};
constexpr std::size_t kImageFlagsByte = 17;
constexpr std::uint8_t kImageFlagExtensionPack = 0x08;  // bit 3

// The host's surface and read stream; only ever handled by pointer.
struct cSurface;
struct CInputFile;

// A surface prototype: bits per pixel, the host's surface type and driver codes.
constexpr std::int32_t kPrototypeDepth = 32;
constexpr std::int32_t kSurfaceTypeMemory = 1;
constexpr std::int32_t kSurfaceDriverDib = 3;

// The host's 32-bit colour value, 0x00BBGGRR.
constexpr std::uint32_t kMagenta = 0xFF00FF;

enum BlitMode : std::uint32_t {
    kBlitOpaque = 0,       // every source pixel
    kBlitTransparent = 1,  // source pixels of its transparent colour are left out
};

enum BlitFlags : std::uint32_t {
    kBlitCopyAlpha = 0x1,   // the source's alpha replaces the destination's
    kBlitBlendAlpha = 0x2,  // the source is blended over the destination by its alpha
};

// One blit: the source's hot spot lands on (x, y) of the destination; the source is scaled and
// rotated (degrees, counter-clockwise) around its hot spot.
struct BlitRequest {
    float x;
    float y;
    float scaleX;
    float scaleY;
    float angle;
    std::int32_t hotSpotX;
    std::int32_t hotSpotY;
    std::uint32_t mode;   // BlitMode
    std::uint32_t flags;  // BlitFlags
};
static_assert(offsetof(BlitRequest, scaleX) == 8);
static_assert(offsetof(BlitRequest, angle) == 16);
static_assert(offsetof(BlitRequest, hotSpotX) == 20);
static_assert(offsetof(BlitRequest, mode) == 28);
static_assert(sizeof(BlitRequest) == 36);

}  // namespace Vantor::Host

extern "C" {

// Ordinal 10: non-zero when the application's image bank holds images.
std::int32_t VANTOR_HOSTCALL Mmfs2_HasImages(void* application);

// Ordinal 153: fills info for image number image of the application's image bank; non-zero on success.
std::int32_t VANTOR_HOSTCALL Mmfs2_GetImageInfo(void* application, std::uint32_t image,
                                                Vantor::Host::ImageInformation* info);

// Surfaces, ordinals 200 to 215.
// The prototype of a surface of that depth, type and driver; non-zero on success.
std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfacePrototype(Vantor::Host::cSurface** prototype, std::int32_t depth,
                                                       std::int32_t type, std::int32_t driver);
Vantor::Host::cSurface* VANTOR_HOSTCALL Mmfs2_NewSurface();
void VANTOR_HOSTCALL Mmfs2_DeleteSurface(Vantor::Host::cSurface* surface);
// Gives the surface pixels of that size, laid out as the prototype's.
void VANTOR_HOSTCALL Mmfs2_CreateSurface(Vantor::Host::cSurface* surface, std::int32_t width, std::int32_t height,
                                         Vantor::Host::cSurface* prototype);
std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceWidth(Vantor::Host::cSurface* surface);
std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceHeight(Vantor::Host::cSurface* surface);
std::int32_t VANTOR_HOSTCALL Mmfs2_HasAlpha(Vantor::Host::cSurface* surface);
void VANTOR_HOSTCALL Mmfs2_CreateAlpha(Vantor::Host::cSurface* surface);
void VANTOR_HOSTCALL Mmfs2_SetTransparentColor(Vantor::Host::cSurface* surface, std::uint32_t colour);
// Non-zero on success; otherwise the destination's last error tells why.
std::int32_t VANTOR_HOSTCALL Mmfs2_Blit(Vantor::Host::cSurface* source, Vantor::Host::cSurface* destination,
                                        const Vantor::Host::BlitRequest* request);
// Makes target a copy of the whole source, alpha channel and transparent colour included.
std::int32_t VANTOR_HOSTCALL Mmfs2_CloneSurface(Vantor::Host::cSurface* target, Vantor::Host::cSurface* source);
std::int32_t VANTOR_HOSTCALL Mmfs2_GetSurfaceError(Vantor::Host::cSurface* surface);
// The pixels (rows of 32-bit colours) or the alpha channel (rows of bytes); null when there are none.
std::uint8_t* VANTOR_HOSTCALL Mmfs2_LockBuffer(Vantor::Host::cSurface* surface);
void VANTOR_HOSTCALL Mmfs2_UnlockBuffer(Vantor::Host::cSurface* surface, std::uint8_t* buffer);
std::uint8_t* VANTOR_HOSTCALL Mmfs2_LockAlpha(Vantor::Host::cSurface* surface);
void VANTOR_HOSTCALL Mmfs2_UnlockAlpha(Vantor::Host::cSurface* surface, std::uint8_t* alpha);

// Read streams, ordinals 230 and 231.
Vantor::Host::CInputFile* VANTOR_HOSTCALL Mmfs2_OpenMemoryStream(const void* bytes, std::uint32_t size);
void VANTOR_HOSTCALL Mmfs2_CloseStream(Vantor::Host::CInputFile* stream);

// Image import, ordinals 240 and 241.
// Decodes an image file from the stream into the surface; non-zero on success.
std::int32_t VANTOR_HOSTCALL Mmfs2_ImportImageFile(void* imageFilterManager, Vantor::Host::CInputFile* stream,
                                                   Vantor::Host::cSurface* surface);
// The bits per pixel of the last image the manager was asked to import, also when that failed.
std::uint8_t VANTOR_HOSTCALL Mmfs2_GetImportDepth(void* imageFilterManager);

// Ordinal 250: the surface the host draws a window with; null when it has none.
Vantor::Host::cSurface* VANTOR_HOSTCALL Mmfs2_GetWindowSurface(void* window);
}
