// Where RUNDATA holds the Extension pointer: after the host's header and the optional
// blocks that the object's OEFLAGS add.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vantor {

constexpr std::uint32_t kDeclaredOeFlags = 0;

constexpr std::size_t ExtensionPointerOffset(std::uint32_t oeFlags)
{
    std::size_t offset = 184;
    if (oeFlags & 0x230)
        offset += 120;
    if (oeFlags & 0x20)
        offset += 80;
    if (oeFlags & 0x10)
        offset += 158;
    if (oeFlags & 0x200)
        offset += 36;
    if (oeFlags & 0x100)
        offset += 174;
    return offset;
}

static_assert(ExtensionPointerOffset(0) == 184);
static_assert(ExtensionPointerOffset(0x30) == 542);

}  // namespace Vantor
