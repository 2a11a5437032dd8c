// Little-endian fields of stored bytes. Reads copy through memcpy (no unaligned pointer is
// ever formed) and answer none when the field does not lie wholly inside the bytes given.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

namespace Vantor {

static_assert(std::endian::native == std::endian::little, "stored blocks and both machines are little-endian");

template <typename T> std::optional<T> ReadField(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    static_assert(std::is_trivially_copyable_v<T>);
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        return std::nullopt;
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

template <typename T> void AppendField(std::vector<std::uint8_t>& bytes, const T& value)
{
    static_assert(std::is_trivially_copyable_v<T>);
    const auto* first = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof(T));
}

}  // namespace Vantor
