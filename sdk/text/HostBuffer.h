// Hand-over of a text into a host-owned buffer of a given capacity in characters.
#pragma once

#include <cstddef>
#include <string_view>

namespace Vantor {

// The whole text and its terminator, or, when that does not fit, an empty text:
// the host never sees a cut text it could mistake for the real one.
template <class Char>
void CopyToHostBuffer(Char* buffer, std::size_t capacity, std::basic_string_view<Char> text)
{
    if (!buffer || capacity == 0)
        return;
    if (text.size() + 1 > capacity) {
        buffer[0] = Char{};
        return;
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = Char{};
}

// A bounded copy that keeps as much as fits, always terminated.
template <class Char>
void CopyTruncated(Char* buffer, std::size_t capacity, std::basic_string_view<Char> text)
{
    if (!buffer || capacity == 0)
        return;
    const std::size_t count = text.size() < capacity ? text.size() : capacity - 1;
    text.copy(buffer, count);
    buffer[count] = Char{};
}

}  // namespace Vantor
