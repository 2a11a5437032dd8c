#include "sdk/properties/PropertyReads.h"

#include <cstdint>
#include <optional>
#include <span>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/PropertySetLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

std::string TextOf(std::span<const std::uint8_t> bytes)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The selected entry's copy of the set's name property.
Result<std::string> SelectedEntryName(
    const PropertiesView& view, const PropertyDefinition& definition, const RecordView& list)
{
    const Result<PropertySetRecord> set = ReadPropertySet(list);
    if (!set.ok())
        return set.problem();
    const Result<RecordView> name = DataAtForChange(view, definition, set.value().setNameJSONPropIndex, true);
    if (!name.ok())
        return name.problem();
    return TextOf(name.value().value);
}

Result<std::string> ComboText(
    const PropertiesView& view, const PropertyDefinition& definition, const RecordView& record)
{
    if (view.Layout() == PropertiesLayout::Vnt1)  // no indicator byte: the item text alone
        return TextOf(record.value);
    if (record.value.empty())
        return Problem::Fatal("Unexpected data in list property, expecting L or S prefix, but it holds no data.\n");
    if (record.value[0] == kListIndicator)
        return TextOf(record.value.subspan(1));
    if (record.value[0] == kSetIndicator)
        return SelectedEntryName(view, definition, record);
    return Problem::Fatal(std::string("Unexpected data in list property, expecting L or S prefix, but got '")
        + static_cast<char>(record.value[0]) + "'.\n");
}

// The record of a title for the read-only lookups, or none for a value-less property.
Result<std::optional<RecordView>> RecordOfTitle(const PropertiesView& view, const PropertyDefinition& definition,
    std::string_view operation, std::string_view title)
{
    const Result<std::uint16_t> jsonIndex = FindByTitle(view, operation, title);
    if (!jsonIndex.ok())
        return jsonIndex.problem();
    return DataAt(view, definition, jsonIndex.value(), true);
}

}  // namespace

Result<std::string> GetPropertyStr(
    const PropertiesView& view, const PropertyDefinition& definition, std::string_view title)
{
    const Result<std::optional<RecordView>> found = RecordOfTitle(view, definition, "GetPropertyStr", title);
    if (!found.ok())
        return found.problem();
    if (!found.value())
        return std::string();
    const RecordView& record = *found.value();
    if (IsStoredTextId(record.typeId))
        return TextOf(record.value);
    if (IsComboBoxId(record.typeId))
        return ComboText(view, definition, record);
    return Problem::Fatal("GetPropertyStr() error; prop index " + std::to_string(record.jsonIndex) + " (name "
        + std::string(title) + ") is not a string property.\n");
}

Result<float> GetPropertyNum(const PropertiesView& view, const PropertyDefinition& definition, std::string_view title)
{
    const Result<std::optional<RecordView>> found = RecordOfTitle(view, definition, "GetPropertyNum", title);
    if (!found.ok())
        return found.problem();
    if (!found.value())
        return 0.0f;
    const RecordView& record = *found.value();
    const bool isInteger = IsStoredIntegerId(record.typeId);
    if (!isInteger && !IsStoredFloatId(record.typeId))
        return Problem::Fatal("GetPropertyNum() error; property name \"" + std::string(title) + "\", JSON index "
            + std::to_string(record.jsonIndex) + ", is not a numeric property.\n");
    if (record.value.size() < 4)
        return Problem::Fatal("GetPropertyNum() error; property name \"" + std::string(title) + "\" stores "
            + std::to_string(record.value.size()) + " bytes, not the 4 of a number.\n");
    if (isInteger)
        return static_cast<float>(*ReadField<std::int32_t>(record.value, 0));
    return *ReadField<float>(record.value, 0);
}

Result<bool> IsPropChecked(const PropertiesView& view, const PropertyDefinition& definition, std::string_view title)
{
    const Result<std::uint16_t> jsonIndex = FindByTitle(view, "IsPropChecked", title);
    if (!jsonIndex.ok())
        return jsonIndex.problem();
    const json_value& property = Element(definition.properties, jsonIndex.value());
    if (!EqualsIgnoringAsciiCase(Text(Member(property, "Type")), "Checkbox")
        && MemberIndex(property, "CheckboxDefaultState") < 0)
        return Problem::Error("Vantor property error",
            "IsPropChecked() name = \"" + std::string(title) + "\" does not have a checkbox in the JSON.");
    return CheckboxOfJsonIndex(view, jsonIndex.value());
}

}  // namespace Vantor
