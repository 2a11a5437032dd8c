#include "sdk/editor/NewObjectBoxes.h"

#include <string>

namespace Vantor {
namespace {

// The host refuses images under this many bits per pixel.
constexpr std::uint8_t kLowestIconDepth = 5;

}  // namespace

Problem SizeMismatchBox(std::size_t hostSize, std::size_t blockSize, std::uint16_t computedSize)
{
    return Problem::Error("EDITDATA size mismatch",
        "Fusion provided an EDITDATA of " + std::to_string(hostSize) + " bytes, Props sizeBytes is "
            + std::to_string(blockSize) + ", but GetEDITDATASizeFromJSON calculation was "
            + std::to_string(computedSize) + " bytes expected.\nThis is a Vantor bug!");
}

Problem InitialisationFailureBox(int error)
{
    return Problem::Error("Initialisation failure", "Initialising extension failed: error " + std::to_string(error) + ".");
}

Problem IconImportBox(std::string_view projectName, std::uint8_t depth)
{
    const std::string icon = std::string(projectName) + "'s Icon.png";
    // 0 is no depth at all: the file was not even read as an image.
    if (depth != 0 && depth < kLowestIconDepth)
        return Problem::Error("Failed to load ext icon",
            icon + " uses a bit depth of " + std::to_string(depth) + ", which is too small.");
    return Problem::Error("Failed to load ext icon", icon + " failed to load.");
}

}  // namespace Vantor
