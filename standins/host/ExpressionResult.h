// What an expression call handed back, read the way the host reads it: by the result-type bits
// the extension set in its object header.
#pragma once

#include <cstdint>
#include <string>

namespace StandinHost {

enum class ResultKind { Integer, Float, Text };

struct ExpressionResult {
    ResultKind kind = ResultKind::Integer;  // Text when bit 0x8000 is set, else Float when 0x4000
    std::int32_t integer = 0;               // the 32-bit result as returned, whatever the kind
    float real = 0;                         // Float: the result's bits as a float
    std::wstring text;                      // Text: a copy of the text; empty for a null pointer
    bool textInHostBuffer = false;          // Text: the pointer lies in a buffer of the text-buffer service
};

}  // namespace StandinHost
