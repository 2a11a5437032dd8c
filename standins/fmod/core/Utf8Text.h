// UTF-8 checks and the ASCII-only case folding used to match paths and names.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace FmodStandin {

bool IsValidUtf8(std::string_view text);

// Length of the longest prefix of text no longer than maxBytes that ends on a code point boundary.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// Paths and names match without regard to ASCII case; other bytes match exactly.
std::string FoldAsciiCase(std::string_view text);

// Reads a caller's zero-terminated text without looking past maxBytes + 1 bytes;
// empty when the pointer is null or the text is longer than maxBytes.
std::optional<std::string_view> BoundedText(const char* text, std::size_t maxBytes);

}  // namespace FmodStandin
