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

}  // namespace Vantor::Host

extern "C" {

// Ordinal 10: non-zero when the application's image bank holds images.
std::int32_t VANTOR_HOSTCALL Mmfs2_HasImages(void* application);

// Ordinal 153: fills info for image number image of the application's image bank; non-zero on success.
std::int32_t VANTOR_HOSTCALL Mmfs2_GetImageInfo(void* application, std::uint32_t image,
                                                Vantor::Host::ImageInformation* info);
}
