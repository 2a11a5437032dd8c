// A member function of the product's Extension, stored in the definition's function tables
// without the framework knowing the Extension class: the product's LinkAction instantiates
// an invoker that turns the host's 32-bit argument words back into the member's arguments.
#pragma once

#include <cstdint>
#include <cstring>

namespace Vantor {

class ExtensionBase;

constexpr int kMaxParameters = 16;

// What a member hands back, checked against the definition when it is linked.
enum class ResultKind : std::uint8_t { None, Integer, Float, Text };

struct LinkedFunction {
    using Invoker = std::uint32_t (*)(ExtensionBase& extension, const LinkedFunction& self,
                                      const std::uint32_t* arguments);

    Invoker invoke = nullptr;
    std::int16_t arity = 0;      // the number of arguments the member takes
    ResultKind result = ResultKind::None;
    alignas(void*) unsigned char member[2 * sizeof(void*)] = {};

    explicit operator bool() const { return invoke != nullptr; }
};

}  // namespace Vantor
