// How one entry's call reads its parameters and hands back its result, worked out once from
// its ACEInfo record and JSON entry when the definition is read, so that a call neither
// decodes parameter codes nor looks into the JSON.
#pragma once

#include <array>
#include <cstdint>

#include <json.h>

#include "sdk/definition/AceTables.h"
#include "sdk/dispatch/LinkedFunction.h"

namespace Vantor {

// How one argument is read, by its host parameter code and float flag.
enum class ArgumentForm : std::uint8_t {
    // Actions and conditions.
    Float,      // 22 with the float flag
    Integer,    // 22, 2, 23, 42
    Direction,  // 29
    Text,       // 40, 45, 46, 63: a null pointer stops the call
    Object,     // 1
    Raw,        // every other code
    // Expressions.
    ExpressionInteger,  // 1
    ExpressionFloat,    // 1 with the float flag
    ExpressionText,     // 3: a null pointer stops the call
    Unrecognised,       // any other code stops the call
};

struct CallPlan {
    // Arguments read and passed: the declared count, or "NumAutoProps" where that lowers it.
    std::int16_t count = 0;
    // Actions and conditions declaring at most two parameters get their values with the call.
    bool preloaded = true;
    std::uint8_t preloadedRecords = 0;  // the host records those values stand for
    std::uint8_t preloadedFloats = 0;   // bit i: value i is replaced by the host's float
    // A comparison among the arguments: the condition's whole result counts, not its low byte.
    bool comparison = false;
    ResultKind result = ResultKind::None;
    std::array<ArgumentForm, kMaxParameters> forms{};
    std::array<std::uint16_t, kMaxParameters> codes{};
};

CallPlan PlanCall(AceKind kind, const AceInfoRecord& info, const json_value& entry);

}  // namespace Vantor
