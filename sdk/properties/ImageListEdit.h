// What the host's image editors are asked for an "Image List" property: the window title, the
// sizes, the option bits and the images already stored, read from the definition and the record.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct _json_value;

namespace Vantor {

struct ImageListEdit {
    std::string windowTitle;
    std::int32_t maxCount = 1;  // at least 1
    std::int32_t width = 32;
    std::int32_t height = 32;
    std::uint32_t options = 0;
    std::vector<std::string> titles;   // "ImageTitles"
    std::vector<std::uint16_t> images;  // as stored, never more than maxCount
};

ImageListEdit ReadImageListEdit(const _json_value& property, std::span<const std::uint8_t> stored);

// The stored value for the images the editor returned: the count, then each handle.
std::vector<std::uint8_t> ImageListValue(std::span<const std::uint16_t> images);

}  // namespace Vantor
