// Conversions between the texts extensions hand over and the UTF-16 the records keep.
#pragma once

#include <string>
#include <string_view>

namespace StandinHost {

// Invalid UTF-8 sequences become U+FFFD, as Windows decodes them.
std::wstring Utf8ToUtf16(std::string_view text);
// Decodes with the ANSI code page, as the A variants of user32 do.
std::wstring AnsiToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::wstring_view text);

}  // namespace StandinHost
