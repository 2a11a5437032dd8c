// Conversions between the host's UTF-16 text (wchar_t on the target) and the UTF-8 of the
// definition, the stored properties and the audio runtime. As the Windows UTF-8 code page does
// without flags, each invalid sequence becomes one U+FFFD; an empty text gives an empty text.
#pragma once

#include <string>
#include <string_view>

namespace Vantor {

std::string ToUtf8(std::wstring_view text);
std::wstring ToUtf16(std::string_view text);

// Text from a foreign buffer is taken up to its first zero byte, never past its end.
std::wstring ToUtf16UpToZero(const char* buffer, std::size_t capacity);

}  // namespace Vantor
