#include "OutText.h"

#include <cstring>

#include "Utf8Text.h"

namespace FmodStandin {

FMOD_RESULT CopyOutText(std::string_view text, char* buffer, int size, int* retrieved)
{
    if (size < 0 || (buffer == nullptr && size != 0)) return FMOD_ERR_INVALID_PARAM;
    if (retrieved != nullptr) *retrieved = static_cast<int>(text.size() + 1);
    if (buffer == nullptr) return FMOD_OK;
    const std::size_t room = static_cast<std::size_t>(size);
    if (room == 0) return FMOD_ERR_TRUNCATED;
    const std::size_t length = Utf8PrefixLength(text, room - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length == text.size() ? FMOD_OK : FMOD_ERR_TRUNCATED;
}

}  // namespace FmodStandin
