#include "sdk/properties/JsonDefaultReader.h"

#include <limits>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

static_assert(std::numeric_limits<float>::is_iec559);

std::string Num(std::size_t value) { return std::to_string(value); }

ReaderReply Ok(std::uint16_t typeId, std::vector<std::uint8_t> value, bool isDefault)
{
    ReaderReply reply;
    reply.status = ReaderStatus::Ok;
    reply.typeId = typeId;
    reply.value = std::move(value);
    reply.isDefault = isDefault;
    return reply;
}

ReaderReply Checked(bool checked)
{
    ReaderReply reply;
    reply.status = ReaderStatus::Ok;
    reply.checkbox = checked ? 1 : 0;
    reply.isDefault = true;
    return reply;
}

ReaderReply Failure(std::string text)
{
    ReaderReply reply;
    reply.status = ReaderStatus::Failure;
    reply.failure = std::move(text);
    return reply;
}

ReaderReply WithStatus(ReaderStatus status)
{
    ReaderReply reply;
    reply.status = status;
    return reply;
}

template <typename T> std::vector<std::uint8_t> BytesOf(const T& value)
{
    std::vector<std::uint8_t> bytes;
    AppendField(bytes, value);
    return bytes;
}

// "DefaultState" as text; empty when it is not a string.
std::string_view DefaultText(const json_value& property) { return Text(Member(property, "DefaultState")); }

void ApplyCase(std::string& text, std::string_view textCase)
{
    const bool lower = EqualsIgnoringAsciiCase(textCase, "Lower");
    if (!lower && !EqualsIgnoringAsciiCase(textCase, "Upper"))
        return;
    for (char& c : text) {
        if (lower && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (!lower && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
}

bool StoresNoValue(std::uint16_t typeId)
{
    return typeId == kStaticText || typeId == kFolder || typeId == kFolderEnd || typeId == kEditButton
        || typeId == kCheckbox || typeId == kGroup;
}

}  // namespace

JsonDefaultReader::JsonDefaultReader(
    const json_value& properties, const EntryListSetNames& sets, std::string_view languageName)
    : properties_(properties)
    , sets_(sets)
    , languageName_(languageName)
{
}

ReaderStatus JsonDefaultReader::Initialise(std::vector<Problem>& boxes) const
{
    if (properties_.type == json_none || (IsArray(properties_) && ElementCount(properties_) <= kMostProperties))
        return ReaderStatus::Ok;
    boxes.push_back(
        Problem::Error("Property error", "JSONPropertyReader: Properties is the wrong type, expected an array.\n"));
    return ReaderStatus::Unsuitable;
}

std::string JsonDefaultReader::ItemText(const json_value& property, std::size_t index) const
{
    return "JSONPropertyReader: JSON item " + std::string(Text(Member(property, "Title"))) + ", ID " + Num(index)
        + ", language " + languageName_;
}

ReaderReply JsonDefaultReader::MissingOrNotObject(std::size_t index) const
{
    if (index >= ElementCount(properties_))
        return Failure("JSONPropertyReader: no JSON item for property " + Num(index) + ", only "
            + Num(ElementCount(properties_)) + " items are stored");
    return Failure("JSDNPropertyReader: Index " + Num(index) + " is not a json_object (but within Properties array)");
}

ReaderReply JsonDefaultReader::GetProperty(std::size_t index, std::vector<Problem>& boxes) const
{
    const json_value& property = Element(properties_, index);
    if (!IsObject(property))
        return MissingOrNotObject(index);
    const auto type = PropertyTypeFromName(Text(Member(property, "Type")));
    if (!type)
        return WithStatus(ReaderStatus::Pass);
    if (StoresNoValue(*type))
        return Ok(*type, {}, false);
    // "URL button" keeps its "DefaultState" like the text types, as its size is counted.
    if (IsStoredTextId(*type) || *type == kUrlButton)
        return TextDefault(property, *type);
    if (IsStoredIntegerId(*type))
        return IntegerDefault(property, index, *type);
    if (IsComboBoxId(*type))
        return ComboDefault(property, index, *type, boxes);
    if (IsStoredFloatId(*type))
        return FloatDefault(property, index, *type);
    if (*type == kSize)
        return SizeDefault(property);
    if (*type == kImageList)
        return ImageListDefault(property, index);
    return WithStatus(ReaderStatus::Pass);  // "Custom" and the types that cannot be stored
}

ReaderReply JsonDefaultReader::TextDefault(const json_value& property, std::uint16_t typeId) const
{
    std::string text(DefaultText(property));
    if (text.size() > kLongestDefaultText)
        return WithStatus(ReaderStatus::Unsuitable);
    ApplyCase(text, Text(Member(property, "Case")));
    return Ok(typeId, std::vector<std::uint8_t>(text.begin(), text.end()), true);
}

ReaderReply JsonDefaultReader::IntegerDefault(const json_value& property, std::size_t index, std::uint16_t typeId) const
{
    const json_value& value = Member(property, "DefaultState");
    if (!IsInteger(value))
        return Failure(ItemText(property, index) + " has no default value.");
    const std::int64_t number = Integer(value);
    if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
        return Failure(ItemText(property, index) + " has default value that can't be stored in 32-bit int (value is "
            + std::to_string(number) + ").");
    return Ok(typeId, BytesOf(static_cast<std::int32_t>(number)), true);
}

ReaderReply JsonDefaultReader::ComboDefault(
    const json_value& property, std::size_t index, std::uint16_t typeId, std::vector<Problem>& boxes) const
{
    const json_value& items = Member(property, "Items");
    if (const EntryListSet* set = FindEntryListSet(sets_, index)) {
        if (items.type != json_none)
            boxes.push_back(Problem::Error("Property error",
                "JSONPropertyReader: combo box name list " + std::string(Text(Member(property, "Title")))
                    + " has Items, which should not be used for a property "
                      "set name list."));
        const Properties::RuntimePropSet head {kSetIndicator, 1, set->endItem, set->startItem, set->entryName, 0};
        std::vector<std::uint8_t> value = BytesOf(head);
        value.insert(value.end(), set->setName.begin(), set->setName.end());
        return Ok(typeId, std::move(value), true);
    }
    // A list without "Items" still stores its default, as the size calculation counts it.
    if (items.type != json_none && items.type != json_null && !IsArray(items))
        return WithStatus(ReaderStatus::Pass);
    const std::string_view text = DefaultText(property);
    if (text.size() > kLongestDefaultText)
        return WithStatus(ReaderStatus::Unsuitable);
    std::vector<std::uint8_t> value {kListIndicator};
    value.insert(value.end(), text.begin(), text.end());
    return Ok(typeId, std::move(value), true);
}

ReaderReply JsonDefaultReader::SizeDefault(const json_value& property) const
{
    const json_value& size = Member(property, "DefaultState");
    if (ElementCount(size) != 2)
        return WithStatus(ReaderStatus::Unsuitable);
    std::vector<std::uint8_t> value;
    for (std::size_t i = 0; i < 2; ++i)  // width, then height; wider numbers keep their low 32 bits
        AppendField(value, static_cast<std::int32_t>(Integer(Element(size, i))));
    return Ok(kSize, std::move(value), true);
}

ReaderReply JsonDefaultReader::FloatDefault(const json_value& property, std::size_t index, std::uint16_t typeId) const
{
    const json_value& value = Member(property, "DefaultState");
    if (value.type != json_double)
        return Failure(ItemText(property, index) + " has no default value.");
    // IEEE floats reach infinity, so every double has a defined nearest float.
    return Ok(typeId, BytesOf(static_cast<float>(value.u.dbl)), true);
}

ReaderReply JsonDefaultReader::ImageListDefault(const json_value& property, std::size_t index) const
{
    if (Member(property, "DefaultState").type != json_none)
        return Failure(ItemText(property, index) + " has a default value, and shouldn't have one.");
    // The count is stored in 16 bits; a count too large for a new block fails the size check.
    const auto count = static_cast<std::uint16_t>(Integer(Member(property, "NumImages")));
    std::vector<std::uint8_t> value;
    AppendField(value, count);
    value.resize(value.size() + 2 * std::size_t {count}, 0);
    return Ok(kImageList, std::move(value), true);
}

ReaderReply JsonDefaultReader::GetPropertyCheckbox(std::size_t index) const
{
    const json_value& property = Element(properties_, index);
    if (!IsObject(property))
        return MissingOrNotObject(index);
    const std::string title(Text(Member(property, "Title")));
    if (EqualsIgnoringAsciiCase(Text(Member(property, "Type")), "Checkbox")) {
        const json_value& state = Member(property, "DefaultState");
        if (!IsBoolean(state))
            return Failure("JSONPropertyReader: DefaultState is not set for checkbox property. Property " + title
                + ", ID " + Num(index) + " (language " + languageName_ + "). Erroring.\n");
        return Checked(Boolean(state));
    }
    const int key = MemberIndex(property, "CheckboxDefaultState");
    if (key < 0)
        return WithStatus(ReaderStatus::Pass);
    const json_value& state = MemberValue(property, static_cast<std::size_t>(key));
    if (!IsBoolean(state))
        return Failure("JSONPropertyReader: the CheckboxDefaultState is not set for property with checkbox flag. "
                       "Property "
            + title + ", ID " + Num(index) + " (language " + languageName_ + "). Erroring.\n");
    return Checked(Boolean(state));
}

}  // namespace Vantor
