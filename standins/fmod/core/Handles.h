// Handle values: never 0, never reused, and in the upper half of a 32-bit address space so a
// caller that dereferences one faults at once instead of reading someone's memory.
#pragma once

#include <cstdint>

namespace FmodStandin {

using Handle = std::uint32_t;

class HandleSource {
public:
    Handle Next() { return 0x80000000u + 4u * ++issued_; }

private:
    std::uint32_t issued_ = 0;  // 2^29 handles before wrapping: far beyond any session
};

}  // namespace FmodStandin
