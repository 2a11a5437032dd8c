// The live value of one parameter: the value last asked for (clamped) and the value reached so
// far, which follows it at the parameter's seek speed.
#pragma once

#include <string_view>

#include "BankDefinition.h"
#include "fmod_common.h"

namespace FmodStandin {

class ParameterState {
public:
    explicit ParameterState(const ParameterDefinition& definition)
        : definition_(&definition), value_(definition.defaultValue), finalValue_(definition.defaultValue)
    {
    }

    const ParameterDefinition& Definition() const { return *definition_; }
    float Value() const { return value_; }
    float FinalValue() const { return finalValue_; }

    // NaN and infinities are refused (FMOD_ERR_INVALID_FLOAT); other values are clamped to the range.
    FMOD_RESULT Set(float value, bool ignoreSeekSpeed);
    // The label's index becomes the value; an unknown label is FMOD_ERR_EVENT_NOTFOUND.
    FMOD_RESULT SetByLabel(std::string_view label, bool ignoreSeekSpeed);
    void Advance(int stepMs);

private:
    const ParameterDefinition* definition_;
    float value_;
    float finalValue_;
};

}  // namespace FmodStandin
