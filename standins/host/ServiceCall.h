// One call of a run header service, as an object's extension made it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace StandinHost {

struct ServiceCall {
    std::size_t service = 0;  // its offset in the run header, for example kServiceNextParameter
    std::int32_t a = 0;       // the two values after rdPtr
    std::int32_t b = 0;
    std::int32_t answer = 0;

    bool operator==(const ServiceCall&) const = default;
};

}  // namespace StandinHost
