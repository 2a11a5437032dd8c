#include "Utf8Text.h"

#include <cstring>

namespace FmodStandin {

namespace {

// Number of bytes of the sequence led by lead, or 0 for a byte that cannot lead one.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

bool IsValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return false;
        }
        if (length >= 3) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            // Over-long forms, UTF-16 surrogates and code points past U+10FFFF.
            if (lead == 0xE0 && second < 0xA0) return false;
            if (lead == 0xED && second > 0x9F) return false;
            if (lead == 0xF0 && second < 0x90) return false;
            if (lead == 0xF4 && second > 0x8F) return false;
        }
        i += length;
    }
    return true;
}

std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) return text.size();
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end]))) --end;
    return end;
}

std::string FoldAsciiCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

std::optional<std::string_view> BoundedText(const char* text, std::size_t maxBytes)
{
    if (text == nullptr) return std::nullopt;
    const std::size_t length = ::strnlen(text, maxBytes + 1);
    if (length > maxBytes) return std::nullopt;
    return std::string_view(text, length);
}

}  // namespace FmodStandin
