#include "sdk/properties/SheetValue.h"

#include <cstring>

#include "sdk/definition/Json.h"
#include "sdk/properties/EditorBlock.h"
#include "sdk/properties/PropertySetLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::string_view kPropertyError = "Property error";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

SheetValue Numbers(SheetValue::Kind kind, std::int32_t first, std::int32_t second = 0)
{
    SheetValue value;
    value.kind = kind;
    value.first = first;
    value.second = second;
    return value;
}

SheetValue TextValue(std::string_view text)
{
    SheetValue value;
    value.kind = SheetValue::Kind::Text;
    value.text = text;
    return value;
}

Problem ValueBox(std::string text) { return Problem::Error(std::string(kPropertyError), std::move(text)); }

template <typename T> std::optional<T> Fixed(std::span<const std::uint8_t> value)
{
    if (value.size() != sizeof(T))
        return std::nullopt;
    T field;
    std::memcpy(&field, value.data(), sizeof field);
    return field;
}

Problem BrokenValue(std::string_view title, std::size_t size)
{
    return ValueBox("GetProperty error: the stored value of property " + Quoted(title) + " has " + std::to_string(size)
        + " bytes, which its type cannot hold.");
}

Result<SheetValue> ComboValue(const json_value& property, const RecordView& record, std::size_t jsonIndex,
    const PropertyDefinition& definition)
{
    const std::string_view title = Text(Member(property, "Title"));
    if (HeadsPropertySet(record, PropertiesLayout::Vnt2)) {
        const Result<PropertySetRecord> set = ReadPropertySet(record);
        if (!set.ok())
            return AsEditorBox(set.problem(), kPropertyError);
        return Numbers(SheetValue::Kind::Unsigned, set.value().setIndexSelected);
    }
    const json_value& items = Member(property, "Items");
    if (!IsArray(items))
        return ValueBox("GetProperty error: JSON Items not valid in Combo Box property " + Quoted(title) + ", ID "
            + std::to_string(jsonIndex) + ", language " + std::string(definition.languageName) + ".");
    const std::string_view stored(reinterpret_cast<const char*>(record.value.data()), record.value.size());
    const std::string_view text = stored.empty() ? stored : stored.substr(1);
    for (std::size_t k = 0; k < ElementCount(items); ++k)
        if (Text(Element(items, k)) == text && IsString(Element(items, k)))
            return Numbers(SheetValue::Kind::Unsigned, static_cast<std::int32_t>(k));
    return ValueBox("GetProperty error: JSON Items does not contain given value " + std::string(text) + " (Combo Box property "
        + Quoted(title) + ", ID " + std::to_string(jsonIndex) + ", JSON language " + std::string(definition.languageName)
        + ").");
}

}  // namespace

std::optional<Problem> SheetVersionProblem(const EditDataHeader& header, std::string_view projectName)
{
    constexpr std::string_view kUpgrade = "Version upgrade failure";
    const std::uint32_t stored = header.extVersion & ~kSmartPropertiesFlag;
    const std::string mismatch = "Extension version mismatch (MFA is " + std::to_string(stored) + ", real ext is "
        + std::to_string(kSmartExtVersion & ~kSmartPropertiesFlag) + "). ";
    if (header.extVersion == kSmartExtVersion) {
        if (header.extPrivateData != 0)
            return std::nullopt;
        return Problem::Error("No smart properties", "MFA ext version " + std::to_string(header.extVersion)
            + " was saved WITHOUT smart properties, but current extension has same version "
            + std::to_string(kSmartExtVersion) + " WITH smart properties.\n\nDid the extension developer upgrade the "
              "extension to smart properties without incrementing Extension::Version?");
    }
    if (header.extVersion > kSmartExtVersion)
        return Problem::Error(std::string(kUpgrade), mismatch + "You should update the " + std::string(projectName)
            + " extension immediately, WITHOUT saving the MFA first.");
    return Problem::Error(std::string(kUpgrade), mismatch + "Fusion should have called UpdateEditStructure, but didn't.");
}

Result<SheetValue> ReadSheetValue(std::span<const std::uint8_t> block, const PropertyDefinition& definition,
    std::size_t jsonIndex, std::string_view projectName)
{
    Result<PropertiesView> view = EditorPropertiesOf(block, "Vantor property error");
    if (!view.ok())
        return std::move(view).problem();
    const std::uint32_t sizeBytes = [&] {
        std::uint32_t size = 0;
        std::memcpy(&size, block.data() + view.value().Offset() + offsetof(Properties, sizeBytes), sizeof size);
        return size;
    }();
    if (sizeBytes == 0)
        return Problem::Error("Premature function call", "GetProperty() called without edPtr->Props being valid.");
    const Result<RecordView> found = DataAtForChange(view.value(), definition, jsonIndex, true);
    if (!found.ok())
        return Problem::Warning("Vantor property error",
            "Warning: Returned null Data. Properties are corrupt; replace the existing " + std::string(projectName)
                + ", by creating a new one and using \"Replace by another object\" in event editor.");
    const RecordView& record = found.value();
    const json_value& property = Element(definition.properties, jsonIndex);
    const std::string_view typeName = Text(Member(property, "Type"));
    const std::string_view title = Text(Member(property, "Title"));
    const std::optional<PropertyTypeId> type = PropertyTypeFromName(typeName);
    const std::string_view stored(reinterpret_cast<const char*>(record.value.data()), record.value.size());

    if (type && *type != record.typeId)
        return ValueBox("GetProperty error: property " + Quoted(title) + " is stored as type "
            + std::to_string(record.typeId) + " but the JSON says " + Quoted(typeName) + ".");
    switch (type.value_or(kStartItem)) {
    case kStaticText:
    case kEditButton:
        return TextValue(std::string(Text(Member(property, "DefaultState"))));
    case kCheckbox:
    case kFolder:
    case kFolderEnd:
    case kGroup:
    case kFont:
        return SheetValue{};
    case kEditString:
    case kEditMultiline:
    case kEditFile:
    case kEditImageFile:
    case kUrlButton:
    case kEditFolder:
        return TextValue(std::string(stored));
    case kEditNumber:
    case kSpin:
    case kSlider:
    case kColor:
    case kDirection: {
        const auto number = Fixed<std::int32_t>(record.value);
        if (!number)
            return BrokenValue(title, stored.size());
        return Numbers(SheetValue::Kind::Signed, *number);
    }
    case kEditFloat:
    case kSpinFloat: {
        const auto real = Fixed<float>(record.value);
        if (!real)
            return BrokenValue(title, stored.size());
        SheetValue value;
        value.kind = SheetValue::Kind::Float;
        value.real = *real;
        return value;
    }
    case kSize: {
        const auto size = Fixed<std::uint64_t>(record.value);
        if (!size)
            return BrokenValue(title, stored.size());
        return Numbers(SheetValue::Kind::Size, static_cast<std::int32_t>(*size & 0xFFFFFFFFu),
            static_cast<std::int32_t>(*size >> 32));
    }
    case kImageList: {
        SheetValue value;
        value.kind = SheetValue::Kind::Data;
        value.data.assign(record.value.begin(), record.value.end());
        return value;
    }
    case kComboBox:
    case kComboBoxButton:
    case kComboBoxIcons:
        return ComboValue(property, record, jsonIndex, definition);
    default:
        return ValueBox("GetProperty error: JSON property type " + Quoted(typeName) + " is unexpected.");
    }
}

}  // namespace Vantor
