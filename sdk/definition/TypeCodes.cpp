#include "sdk/definition/TypeCodes.h"

#include "sdk/definition/Json.h"

namespace Vantor {

namespace {

struct NamedCode {
    std::string_view name;
    std::uint16_t code;
    bool isFloat;
};

constexpr NamedCode kActionParams[] = {
    {"Text", ParamCode::ExpString, false},
    {"String", ParamCode::ExpString, false},
    {"Filename", ParamCode::Filename, false},
    {"File", ParamCode::Filename, false},
    {"Float", ParamCode::Expression, true},
    {"Integer", ParamCode::Expression, false},
    {"Unsigned Integer", ParamCode::Expression, false},
    {"Object", ParamCode::Object, false},
    {"Time", ParamCode::Time, false},
    {"Position", ParamCode::Position, false},
    {"Create", ParamCode::Create, false},
    {"SysCreate", ParamCode::SysCreate, false},
    {"Animation", ParamCode::Animation, false},
    {"Nop", ParamCode::Nop, false},
    {"Player", ParamCode::Player, false},
    {"Every", ParamCode::Every, false},
    {"Key", ParamCode::Key, false},
    {"Speed", ParamCode::Speed, false},
    {"JoyDirection", ParamCode::JoyDirection, false},
    {"Shoot", ParamCode::Shoot, false},
    {"Zone", ParamCode::Zone, false},
    {"Comparison", ParamCode::Comparison, false},
    {"StringComparison", ParamCode::StringComparison, false},
    {"Color", ParamCode::Colour, false},
    {"Colour", ParamCode::Colour, false},
    {"Frame", ParamCode::Frame, false},
    {"SampleLoop", ParamCode::SampleLoop, false},
    {"MusicLoop", ParamCode::MusicLoop, false},
    {"NewDirection", ParamCode::NewDirection, false},
    {"TextNumber", ParamCode::TextNumber, false},
    {"Click", ParamCode::Click, false},
    {"Program", ParamCode::Program, false},
};

constexpr NamedCode kExpressionParams[] = {
    {"Text", ExpParamCode::String, false},
    {"String", ExpParamCode::String, false},
    {"Float", ExpParamCode::Long, true},
    {"Integer", ExpParamCode::Long, false},
    {"Unsigned Integer", ExpParamCode::Long, false},
};

constexpr NamedCode kReturnTypes[] = {
    {"Integer", ExpReturnCode::Integer, false},
    {"Short", ExpReturnCode::Integer, false},
    {"Unsigned Integer", ExpReturnCode::Integer, false},
    {"Text", ExpReturnCode::String, false},
    {"String", ExpReturnCode::String, false},
    {"Float", ExpReturnCode::Float, false},
};

template <std::size_t N>
const NamedCode* Find(const NamedCode (&table)[N], std::string_view name) {
    for (const NamedCode& entry : table)
        if (EqualsIgnoringAsciiCase(entry.name, name)) return &entry;
    return nullptr;
}

// "Custom" + decimal N with 1000 + N inside 16 bits.
bool CustomCode(std::string_view name, std::uint16_t& code) {
    constexpr std::string_view kPrefix = "Custom";
    if (name.size() <= kPrefix.size() || !EqualsIgnoringAsciiCase(name.substr(0, kPrefix.size()), kPrefix))
        return false;
    std::uint32_t n = 0;
    for (char c : name.substr(kPrefix.size())) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
        if (n > 0xFFFFu - ParamCode::CustomBase) return false;  // stops before any overflow
    }
    code = static_cast<std::uint16_t>(ParamCode::CustomBase + n);
    return true;
}

}  // namespace

ParamType ActionParamType(std::string_view typeName) {
    if (const NamedCode* entry = Find(kActionParams, typeName)) return {entry->code, entry->isFloat, true};
    std::uint16_t code = 0;
    if (CustomCode(typeName, code)) return {code, false, true};
    return {0, false, false};
}

ParamType ExpressionParamType(std::string_view typeName) {
    if (const NamedCode* entry = Find(kExpressionParams, typeName)) return {entry->code, entry->isFloat, true};
    return {0, false, false};
}

ReturnType ExpressionReturnType(std::string_view typeName) {
    if (const NamedCode* entry = Find(kReturnTypes, typeName)) return {entry->code, true};
    return {ExpReturnCode::Integer, false};
}

}  // namespace Vantor
