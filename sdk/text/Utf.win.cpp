#include "sdk/text/Utf.h"

#include <climits>
#include <cstring>
#include <windows.h>

namespace Vantor {

std::string ToUtf8(std::wstring_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

std::wstring ToUtf16(std::string_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring result(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), needed);
    return result;
}

std::wstring ToUtf16UpToZero(const char* buffer, std::size_t capacity)
{
    if (!buffer)
        return {};
    const void* zero = std::memchr(buffer, 0, capacity);
    const std::size_t length = zero ? static_cast<const char*>(zero) - buffer : capacity;
    return ToUtf16(std::string_view(buffer, length));
}

}  // namespace Vantor
