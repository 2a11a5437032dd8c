#include "sdk/properties/ImageListEdit.h"

#include <algorithm>
#include <cstring>

#include "sdk/definition/Json.h"

namespace Vantor {

ImageListEdit ReadImageListEdit(const json_value& property, std::span<const std::uint8_t> stored)
{
    ImageListEdit edit;
    edit.windowTitle = std::string(Text(Member(property, "WindowTitle")));
    const std::int64_t count = Integer(Member(property, "NumImages"));
    const std::int64_t most = Integer(Member(property, "MaxNumImages"));
    edit.maxCount = static_cast<std::int32_t>(std::clamp<std::int64_t>(std::max(count, most), 1, 0xFFFF));
    const json_value& size = Member(property, "ImageSize");
    if (IsArray(size)) {
        edit.width = static_cast<std::int32_t>(std::clamp<std::int64_t>(Integer(Element(size, 0)), 1, 0x7FFFFFFF));
        edit.height = static_cast<std::int32_t>(std::clamp<std::int64_t>(Integer(Element(size, 1)), 1, 0x7FFFFFFF));
    }
    const auto flag = [&](std::string_view key, std::uint32_t bits) {
        if (Boolean(Member(property, key)))
            edit.options |= bits;
    };
    flag("FixedImageSize", 0x1);
    flag("HotSpotAndActionPoint", 0x6);
    flag("NoAlphaChannel", 0x40);
    flag("NoTransparentColor", 0x20);
    flag("16Colors", 0x8);
    flag("FixedNumOfImages", 0x10);
    flag("AllowEmpty", 0x80);
    if (edit.maxCount == 1)
        edit.options |= 0x10;
    const json_value& titles = Member(property, "ImageTitles");
    for (std::size_t k = 0; k < ElementCount(titles); ++k)
        edit.titles.emplace_back(Text(Element(titles, k)));

    std::uint16_t storedCount = 0;
    if (stored.size() >= 2)
        std::memcpy(&storedCount, stored.data(), 2);
    // Never more handles than the record holds or the editor has room for.
    const std::size_t held = std::min<std::size_t>({storedCount, stored.size() >= 2 ? (stored.size() - 2) / 2 : 0,
        static_cast<std::size_t>(edit.maxCount)});
    for (std::size_t k = 0; k < held; ++k) {
        std::uint16_t image = 0;
        std::memcpy(&image, stored.data() + 2 + 2 * k, 2);
        edit.images.push_back(image);
    }
    return edit;
}

std::vector<std::uint8_t> ImageListValue(std::span<const std::uint16_t> images)
{
    std::vector<std::uint8_t> value(2 * (images.size() + 1));
    const auto count = static_cast<std::uint16_t>(images.size());
    std::memcpy(value.data(), &count, 2);
    if (!images.empty())
        std::memcpy(value.data() + 2, images.data(), 2 * images.size());
    return value;
}

}  // namespace Vantor
