#include "standins/host/editor/StoredBlock.h"

#include <bit>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/PropertyTypes.h"

namespace StandinHost {
namespace {

using namespace Vantor;

std::vector<std::uint8_t> Word(std::uint32_t word)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &word, 4);
    return bytes;
}

std::vector<std::uint8_t> Bytes(std::string_view text, std::string_view prefix = {})
{
    std::vector<std::uint8_t> bytes(prefix.begin(), prefix.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

}  // namespace

std::string TypedValueOf(const json_value& property, const PropertyValues& values)
{
    const auto found = values.find(std::string(Text(Member(property, "Title"))));
    if (found != values.end())
        return found->second;
    const json_value& fallback = Member(property, "DefaultState");
    if (IsString(fallback))
        return std::string(Text(fallback));
    if (IsBoolean(fallback))
        return Boolean(fallback) ? "true" : "false";
    if (fallback.type == json_double)
        return std::to_string(fallback.u.dbl);
    return std::to_string(Integer(fallback));
}

std::vector<std::uint8_t> EncodedValue(PropertyTypeId type, const std::string& value)
{
    if (IsStoredTextId(type))
        return Bytes(value);
    if (IsComboBoxId(type))
        return Bytes(value, "L");
    if (IsStoredIntegerId(type))
        return Word(static_cast<std::uint32_t>(std::stoll(value)));
    if (IsStoredFloatId(type))
        return Word(std::bit_cast<std::uint32_t>(std::stof(value)));
    return {};
}

const json_value& DefinitionProperties(const JsonDocument& document)
{
    const int language = DefaultLanguageMember(document.root());
    return Member(MemberValue(document.root(), language < 0 ? 0 : language), "Properties");
}

std::string VisitTypedProperties(const json_value& properties, const PropertyValues& values,
                                 const std::function<std::string(const TypedProperty&)>& visit)
{
    for (std::size_t index = 0; index < ElementCount(properties); ++index) {
        const json_value& property = Element(properties, index);
        const std::string_view typeName = Text(Member(property, "Type"));
        const auto type = PropertyTypeFromName(typeName);
        if (!type)
            return "property " + std::to_string(index) + " has the unknown type \"" + std::string(typeName) + "\"";
        TypedProperty typed{index, *type, typeName, std::string(Text(Member(property, "Title"))), {}, {}, property};
        if (!IsValueless(typeName))
            typed.value = TypedValueOf(property, values);
        const bool hasCheckbox =
            *type == kCheckbox || (!IsValueless(typeName) && MemberIndex(property, "CheckboxDefaultState") >= 0);
        if (hasCheckbox) {
            const auto found = values.find(typed.title);
            typed.checked = found != values.end()
                                ? found->second == "true"
                                : Boolean(Member(property, *type == kCheckbox ? "DefaultState" : "CheckboxDefaultState"));
        }
        try {
            if (std::string error = visit(typed); !error.empty())
                return error;
        } catch (const std::logic_error&) {
            return "\"" + typed.value + "\" is not a number for property \"" + typed.title + "\"";
        }
    }
    return {};
}

StoredBlockResult BuildStoredBlock(const std::string& definitionText, const PropertyValues& values)
{
    const JsonDocument document = JsonDocument::Parse(definitionText);
    if (!document.ok())
        return {{}, "the definition does not parse: " + document.error()};
    const json_value& properties = DefinitionProperties(document);

    EditDataAssembler assembler;
    const std::string error = VisitTypedProperties(properties, values, [&](const TypedProperty& typed) {
        const std::string title = IsTitleless(typed.typeName) ? std::string() : typed.title;
        const std::vector<std::uint8_t> encoded =
            IsValueless(typed.typeName) ? std::vector<std::uint8_t>() : EncodedValue(typed.type, typed.value);
        if (!assembler.AddRecord(typed.type, static_cast<std::uint16_t>(typed.index), title, encoded))
            return "property \"" + title + "\" cannot be stored";
        if (typed.checked)
            assembler.SetChecked(typed.index, *typed.checked);
        return std::string();
    });
    if (!error.empty())
        return {{}, error};
    return {assembler.Finish(LayoutHashesOf(properties), 0, 0), {}};
}

}  // namespace StandinHost
