#include "sdk/text/Utf.h"

#include <cstring>

#include "sdk/text/Utf8.h"
#include "sdk/text/WideText.h"

namespace Vantor {

std::string ToUtf8(std::wstring_view text)
{
    return Utf16ToUtf8(ToU16(text));
}

std::wstring ToUtf16(std::string_view text)
{
    return ToWide(Utf8ToUtf16(text));
}

std::wstring ToUtf16UpToZero(const char* buffer, std::size_t capacity)
{
    if (!buffer)
        return {};
    const void* zero = std::memchr(buffer, 0, capacity);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : capacity;
    return ToUtf16(std::string_view(buffer, length));
}

}  // namespace Vantor
