// The three type-name translators: action/condition parameter types, expression
// parameter types and expression return types. Names are compared ignoring ASCII case and
// with equal length (embedded NULs count, so "Float\0" matches nothing).
#pragma once

#include <cstdint>
#include <string_view>

namespace Vantor {

struct ParamType {
    std::uint16_t code;  // the host's parameter code; 0 when unknown
    bool isFloat;        // sets the parameter's bit in the record's float flags
    bool known;          // false: report it
};

// Actions and conditions. "Custom" (any case) followed by one or more decimal digits N gives
// 1000 + N when that fits 16 bits (N <= 64535, leading zeros allowed); "Custom" alone, a
// sign, a space or any non-digit after it, or a larger N is unknown.
ParamType ActionParamType(std::string_view typeName);

// Expressions: "Text"/"String" 3; "Float" 1 with the float flag; "Integer"/"Unsigned Integer" 1.
ParamType ExpressionParamType(std::string_view typeName);

struct ReturnType {
    std::uint16_t code;  // the expression record's flags word; 0 (integer) when unknown
    bool known;
};

// "Integer"/"Short"/"Unsigned Integer" 0; "Text"/"String" 1; "Float" 2.
ReturnType ExpressionReturnType(std::string_view typeName);

// The host's codes, named for readers of the tables.
namespace ParamCode {
inline constexpr std::uint16_t Object = 1, Time = 2, Position = 8, Create = 9, Animation = 10, Nop = 11,
                               Player = 12, Every = 13, Key = 14, Speed = 15, JoyDirection = 17, Shoot = 18,
                               Zone = 19, SysCreate = 20, Expression = 22, Comparison = 23, Colour = 24,
                               Frame = 26, SampleLoop = 27, MusicLoop = 28, NewDirection = 29,
                               TextNumber = 30, Click = 31, Program = 33, Filename = 40, ExpString = 45,
                               StringComparison = 46, CustomBase = 1000;
}
namespace ExpParamCode {
inline constexpr std::uint16_t Long = 1, String = 3;
}
namespace ExpReturnCode {
inline constexpr std::uint16_t Integer = 0, String = 1, Float = 2;
}

}  // namespace Vantor
