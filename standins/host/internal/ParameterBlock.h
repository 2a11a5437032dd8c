// The parameter records of one action or condition call, laid out as the host lays them out
// (see Parameter.h), and the values the host hands out for each parameter.
#pragma once

#include "sdk/host/RunRecords.h"
#include "standins/host/Parameter.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace StandinHost {

// The answers throw ServiceRefusal when the parameter has no value of the asked kind.
class ParameterBlock {
public:
    // Throws std::length_error for a text too long for a 16-bit record size.
    explicit ParameterBlock(std::vector<Parameter> parameters);
    ParameterBlock(const ParameterBlock&) = delete;
    ParameterBlock& operator=(const ParameterBlock&) = delete;

    std::size_t Count() const noexcept { return parameters_.size(); }
    Vantor::Host::ParameterRecord* Record(std::size_t index);  // index Count() is the end record
    Vantor::Host::ParameterRecord* First() { return Record(0); }
    // The index of the record starting at `address`, Count() for the end record, else nothing.
    std::optional<std::size_t> IndexOf(const void* address) const;

    // The first two parameters' words become the call's param1 and param2.
    std::int32_t Word(std::size_t index);
    std::int32_t Integer(std::size_t index);    // number kinds; a float truncated
    std::int32_t FloatBits(std::size_t index);  // number kinds; an integer converted, a Raw as is
    std::int32_t Text(std::size_t index);       // text pointer of a text parameter

private:
    const Parameter& At(std::size_t index) const;
    std::uint8_t* Data(std::size_t index);

    std::vector<Parameter> parameters_;
    std::vector<std::size_t> offsets_;  // of every record, the end record's last
    std::vector<std::uint32_t> storage_;  // 32-bit units keep every record aligned
};

}  // namespace StandinHost
