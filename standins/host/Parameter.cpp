#include "standins/host/Parameter.h"

#include <utility>

namespace StandinHost {

Parameter Parameter::Integer(std::int32_t value) {
    Parameter parameter(Form::Integer, kExpressionCode);
    parameter.value_ = static_cast<std::uint32_t>(value);
    return parameter;
}

Parameter Parameter::Float(float value) {
    Parameter parameter(Form::Float, kExpressionCode);
    parameter.real_ = value;
    return parameter;
}

Parameter Parameter::Text(std::wstring text, std::uint16_t code) {
    Parameter parameter(Form::Text, code);
    parameter.text_ = std::move(text);
    return parameter;
}

Parameter Parameter::NullText(std::uint16_t code) { return Parameter(Form::NullText, code); }

Parameter Parameter::Object(std::int16_t objectListIndex, std::int16_t objectNumber) {
    Parameter parameter(Form::Object, kObjectCode);
    parameter.value_ = static_cast<std::uint16_t>(objectListIndex) |
                       (static_cast<std::uint32_t>(static_cast<std::uint16_t>(objectNumber)) << 16);
    return parameter;
}

Parameter Parameter::Direction(std::uint32_t mask) {
    Parameter parameter(Form::Direction, kDirectionCode);
    parameter.value_ = mask;
    return parameter;
}

Parameter Parameter::DirectionValue(std::int32_t value) { return Integer(value); }

Parameter Parameter::Raw(std::uint16_t code, std::uint32_t value) {
    Parameter parameter(Form::Raw, code);
    parameter.value_ = value;
    return parameter;
}

Parameter Parameter::WithRecordSize(std::uint16_t size) const {
    Parameter parameter = *this;
    parameter.claimedSize_ = size;
    return parameter;
}

}  // namespace StandinHost
