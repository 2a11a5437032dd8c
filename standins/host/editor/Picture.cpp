#include "standins/host/editor/Picture.h"

#include <cstdio>
#include <memory>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "standins/mmfs2/Mmfs2Control.h"

namespace StandinHost {
namespace {

void WriteToFile(void* context, void* data, int size)
{
    std::fwrite(data, 1, static_cast<std::size_t>(size), static_cast<std::FILE*>(context));
}

}  // namespace

Picture ReadPicture(Vantor::Host::cSurface* surface)
{
    Picture picture;
    Mmfs2StandInSurface description{};
    if (!Mmfs2StandIn_DescribeSurface(surface, &description))
        return picture;
    picture.width = description.width;
    picture.height = description.height;
    picture.hasAlpha = description.hasAlpha != 0;
    picture.hasTransparent = description.hasTransparent != 0;
    picture.transparent = description.transparent;
    const std::size_t count = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    picture.colours.resize(count);
    picture.alpha.resize(count);
    if (count)
        Mmfs2StandIn_ReadPixels(surface, picture.colours.data(), picture.alpha.data(), static_cast<std::int32_t>(count));
    return picture;
}

bool WritePng(const Picture& picture, const std::filesystem::path& path)
{
    if (picture.width <= 0 || picture.height <= 0)
        return false;
    std::vector<std::uint8_t> rgba(picture.colours.size() * 4);
    for (std::size_t i = 0; i < picture.colours.size(); ++i) {
        const std::uint32_t colour = picture.colours[i];
        rgba[4 * i] = static_cast<std::uint8_t>(colour);
        rgba[4 * i + 1] = static_cast<std::uint8_t>(colour >> 8);
        rgba[4 * i + 2] = static_cast<std::uint8_t>(colour >> 16);
        const bool keyed = !picture.hasAlpha && picture.hasTransparent && colour == picture.transparent;
        rgba[4 * i + 3] = keyed ? 0 : picture.alpha[i];
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(_wfopen(path.c_str(), L"wb"), &std::fclose);
    if (!file)
        return false;
    return stbi_write_png_to_func(&WriteToFile, file.get(), picture.width, picture.height, 4, rgba.data(),
                                  picture.width * 4) != 0
        && std::fflush(file.get()) == 0;
}

}  // namespace StandinHost
