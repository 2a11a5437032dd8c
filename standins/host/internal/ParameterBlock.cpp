#include "standins/host/internal/ParameterBlock.h"

#include "standins/host/internal/FloatWord.h"
#include "standins/host/internal/ServiceRefusal.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace StandinHost {
namespace {

using Form = Parameter::Form;
using Vantor::Host::ParameterRecord;

constexpr std::size_t kHead = sizeof(ParameterRecord);
constexpr std::size_t kEndRecordBytes = 8;

std::size_t DataBytes(const Parameter& parameter) {
    if (parameter.GetForm() != Form::Text) return 4;
    const std::size_t bytes = (parameter.GetText().size() + 1) * sizeof(wchar_t);
    return (bytes + 3) & ~std::size_t{3};
}

const char* FormName(Form form) {
    switch (form) {
    case Form::Integer: return "an integer";
    case Form::Float: return "a float";
    case Form::Text: return "a text";
    case Form::NullText: return "a null text";
    case Form::Object: return "an object";
    case Form::Direction: return "a direction";
    case Form::Raw: return "a raw value";
    }
    return "an unknown";
}

[[noreturn]] void Refuse(const char* asked, std::size_t index, Form form) {
    throw ServiceRefusal(std::string("asked ") + asked + " of parameter " + std::to_string(index) + ", " +
                         FormName(form) + " parameter");
}

bool IsText(Form form) { return form == Form::Text || form == Form::NullText; }

}  // namespace

ParameterBlock::ParameterBlock(std::vector<Parameter> parameters) : parameters_(std::move(parameters)) {
    std::size_t offset = 0;
    for (const Parameter& parameter : parameters_) {
        const std::size_t size = kHead + DataBytes(parameter);
        if (size > std::numeric_limits<std::uint16_t>::max())
            throw std::length_error("a parameter text of " + std::to_string(parameter.GetText().size()) +
                                    " characters does not fit a 16-bit record size");
        offsets_.push_back(offset);
        offset += size;
    }
    offsets_.push_back(offset);
    storage_.assign((offset + kEndRecordBytes) / sizeof(std::uint32_t), 0);

    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        const Parameter& parameter = parameters_[i];
        const auto trueSize = static_cast<std::uint16_t>(offsets_[i + 1] - offsets_[i]);
        ParameterRecord* record = Record(i);
        record->size = parameter.ClaimedRecordSize().value_or(trueSize);
        record->code = parameter.Code();
        std::uint8_t* data = Data(i);
        switch (parameter.GetForm()) {
        case Form::Text:
            std::memcpy(data, parameter.GetText().c_str(), (parameter.GetText().size() + 1) * sizeof(wchar_t));
            break;
        case Form::Float: {
            const std::int32_t bits = StandinHost::FloatBits(parameter.Real());
            std::memcpy(data, &bits, sizeof bits);
            break;
        }
        case Form::NullText: break;
        default: {
            const std::uint32_t value = parameter.Value();
            std::memcpy(data, &value, sizeof value);
            break;
        }
        }
    }
}

ParameterRecord* ParameterBlock::Record(std::size_t index) {
    return reinterpret_cast<ParameterRecord*>(reinterpret_cast<std::uint8_t*>(storage_.data()) + offsets_.at(index));
}

std::optional<std::size_t> ParameterBlock::IndexOf(const void* address) const {
    const auto* base = reinterpret_cast<const std::uint8_t*>(storage_.data());
    for (std::size_t i = 0; i < offsets_.size(); ++i)
        if (base + offsets_[i] == address) return i;
    return std::nullopt;
}

const Parameter& ParameterBlock::At(std::size_t index) const {
    if (index >= parameters_.size())
        throw ServiceRefusal("asked for parameter " + std::to_string(index) + " of a call that has " +
                             std::to_string(parameters_.size()));
    return parameters_[index];
}

std::uint8_t* ParameterBlock::Data(std::size_t index) { return reinterpret_cast<std::uint8_t*>(Record(index)) + kHead; }

std::int32_t ParameterBlock::Word(std::size_t index) {
    const Parameter& parameter = At(index);
    switch (parameter.GetForm()) {
    case Form::Float: return TruncatedWord(parameter.Real());
    case Form::Text: return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(Data(index)));
    case Form::NullText: return 0;
    case Form::Object: return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(Record(index)));
    default: return static_cast<std::int32_t>(parameter.Value());
    }
}

std::int32_t ParameterBlock::Integer(std::size_t index) {
    const Parameter& parameter = At(index);
    if (IsText(parameter.GetForm()) || parameter.GetForm() == Form::Object)
        Refuse("an integer", index, parameter.GetForm());
    return Word(index);
}

std::int32_t ParameterBlock::FloatBits(std::size_t index) {
    const Parameter& parameter = At(index);
    switch (parameter.GetForm()) {
    case Form::Float: return StandinHost::FloatBits(parameter.Real());
    case Form::Integer: return StandinHost::FloatBits(static_cast<float>(static_cast<std::int32_t>(parameter.Value())));
    case Form::Raw: return static_cast<std::int32_t>(parameter.Value());
    default: Refuse("a float", index, parameter.GetForm());
    }
}

std::int32_t ParameterBlock::Text(std::size_t index) {
    const Parameter& parameter = At(index);
    if (!IsText(parameter.GetForm())) Refuse("a text", index, parameter.GetForm());
    return Word(index);
}

}  // namespace StandinHost
