#include "sdk/properties/PropertyChange.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/EditorBlock.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::string_view kTitle = "Vantor property error";

Problem ChangeBox(std::string text) { return Problem::Error(std::string(kTitle), std::move(text)); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

template <typename T> void WriteField(std::vector<std::uint8_t>& bytes, std::size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

const char* FormName(ValueForm form)
{
    switch (form) {
    case ValueForm::Integer:
        return "integer";
    case ValueForm::Float:
        return "float";
    case ValueForm::Size:
        return "size";
    case ValueForm::Wide:
        return "8-byte";
    case ValueForm::Text:
        return "text";
    case ValueForm::Data:
        return "data";
    }
    return "unknown";
}

bool IsTextValue(std::uint16_t typeId) { return IsStoredTextId(typeId) || typeId == kUrlButton; }

// Whether the stored kind takes this form of value at all; a value of another kind would give
// the record a value of the wrong size and shape.
bool Accepts(std::uint16_t typeId, ValueForm form)
{
    if (IsStoredIntegerId(typeId) || IsComboBoxId(typeId))
        return form == ValueForm::Integer;
    if (IsStoredFloatId(typeId))
        return form == ValueForm::Float;
    if (typeId == kSize)
        return form == ValueForm::Size || form == ValueForm::Wide;
    if (IsTextValue(typeId))
        return form == ValueForm::Text;
    if (typeId == kImageList)
        return form == ValueForm::Data;
    return false;
}

bool FixedSizeFits(ValueForm form, std::size_t size)
{
    switch (form) {
    case ValueForm::Integer:
    case ValueForm::Float:
        return size == 4;
    case ValueForm::Size:
    case ValueForm::Wide:
        return size == 8;
    case ValueForm::Text:
    case ValueForm::Data:
        return true;
    }
    return false;
}

std::uint32_t Word(std::span<const std::uint8_t> bytes)
{
    std::uint32_t word = 0;
    std::memcpy(&word, bytes.data(), sizeof word);
    return word;
}

struct Target {
    PropertiesView view;
    RecordView record;
    std::string typeName;  // the JSON "Type", for messages
    std::string title;
};

Result<Target> Locate(std::span<const std::uint8_t> block, const PropertyDefinition& definition, std::size_t jsonIndex)
{
    Result<PropertiesView> view = EditorPropertiesOf(block, kTitle);
    if (!view.ok())
        return std::move(view).problem();
    const json_value& property = Element(definition.properties, jsonIndex);
    const std::string typeName(Text(Member(property, "Type")));
    const std::string title(Text(Member(property, "Title")));
    const Result<RecordView> record = DataAtForChange(view.value(), definition, jsonIndex, true);
    if (!record.ok())
        return ChangeBox("Couldn't find property " + title + " (JSON type " + typeName + "), failed to edit it.");
    return Target{std::move(view).value(), record.value(), typeName, title};
}

// A list value: 'L' and the text of the chosen item.
Result<std::vector<std::uint8_t>> ListValue(const json_value& property, const Target& target, std::uint32_t index)
{
    const json_value& items = Member(property, "Items");
    if (index >= ElementCount(items))
        return ChangeBox("Item " + std::to_string(index) + " is not among the " + std::to_string(ElementCount(items))
            + " items of combo box property " + Quoted(target.title) + ".");
    const std::string_view text = Text(Element(items, index));
    std::vector<std::uint8_t> value{kListIndicator};
    value.insert(value.end(), text.begin(), text.end());
    return value;
}

// An image list is a count and that many 16-bit handles.
bool IsImageList(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    std::uint16_t count = 0;
    std::memcpy(&count, bytes.data(), sizeof count);
    return bytes.size() == 2 * (std::size_t(count) + 1);
}

Result<std::vector<std::uint8_t>> Splice(std::span<const std::uint8_t> block, const Target& target,
    std::span<const std::uint8_t> value, std::uint32_t totalBefore)
{
    const RecordView& record = target.record;
    const std::size_t total = std::size_t(totalBefore) - record.value.size() + value.size();
    if (total > std::numeric_limits<std::uint32_t>::max() / 2)
        return ChangeBox("Property " + Quoted(target.title) + " cannot hold a value of " + std::to_string(value.size())
            + " bytes.");
    std::vector<std::uint8_t> result;
    result.reserve(total);
    const auto at = [&](std::size_t offset) { return block.begin() + static_cast<std::ptrdiff_t>(offset); };
    result.insert(result.end(), block.begin(), at(record.valueOffset));
    result.insert(result.end(), value.begin(), value.end());
    result.insert(result.end(), at(record.valueOffset + record.value.size()), block.end());
    // A header that claimed fewer bytes than the host's size: the gap stays zero.
    result.resize(total, 0);

    const std::size_t props = target.view.Offset();
    const auto newTotal = static_cast<std::uint32_t>(total);
    WriteField(result, props + offsetof(Properties, sizeBytes), newTotal);
    WriteField(result, record.offset + offsetof(Properties::Data, sizeBytes),
        static_cast<std::uint32_t>(value.size() + sizeof(Properties::Data) + record.title.size()));
    WriteField(result, offsetof(EditDataHeader, extSize), newTotal);
    const std::uint32_t maxSize = *ReadField<std::uint32_t>(block, offsetof(EditDataHeader, extMaxSize));
    WriteField(result, offsetof(EditDataHeader, extMaxSize), std::max(maxSize, newTotal));
    return result;
}

}  // namespace

std::size_t Utf16Units(std::string_view utf8)
{
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80)
            ++units;
        if (byte >= 0xF0)
            ++units;  // a surrogate pair
    }
    return units;
}

Result<ChangePlan> PlanChange(std::span<const std::uint8_t> block, const ChangeSource& source, std::size_t jsonIndex,
    ValueForm form, std::span<const std::uint8_t> bytes, const SizeMismatchQuestion& askSizeMismatch)
{
    const Result<Target> located = Locate(block, source.definition, jsonIndex);
    if (!located.ok())
        return located.problem();
    const Target& target = located.value();
    const RecordView& record = target.record;
    const json_value& property = Element(source.definition.properties, jsonIndex);

    if (!Accepts(record.typeId, form) || !FixedSizeFits(form, bytes.size()))
        return ChangeBox("Property " + Quoted(target.title) + " (JSON type " + target.typeName + ") cannot take a "
            + FormName(form) + " value of " + std::to_string(bytes.size()) + " bytes.");

    ChangePlan plan;
    std::vector<std::uint8_t> value(bytes.begin(), bytes.end());
    if (IsComboBoxId(record.typeId)) {
        if (!record.value.empty() && record.value.front() == kSetIndicator) {
            plan.kind = ChangePlan::Kind::SelectSetEntry;
            plan.selection = Word(bytes);
            return plan;
        }
        Result<std::vector<std::uint8_t>> list = ListValue(property, target, Word(bytes));
        if (!list.ok())
            return std::move(list).problem();
        value = std::move(list).value();
    }
    if (IsTextValue(record.typeId)) {
        const json_value& maxLength = Member(property, "MaxLength");
        const std::string_view text(reinterpret_cast<const char*>(value.data()), value.size());
        if (IsInteger(maxLength) && Utf16Units(text) > static_cast<std::uint64_t>(std::max<std::int64_t>(0, Integer(maxLength))))
            return ChangeBox("The text for property " + Quoted(target.title) + " is " + std::to_string(Utf16Units(text))
                + " characters long; it may hold at most " + std::to_string(Integer(maxLength)) + ".");
    }
    if (record.typeId == kImageList && !value.empty() && !IsImageList(value))
        return ChangeBox("The image list for property " + Quoted(target.title) + " does not hold a count and that many "
            "images (" + std::to_string(value.size()) + " bytes).");

    plan.renamedSet = SetWithNameEditbox(source.sets, jsonIndex);
    if (value.size() == record.value.size()) {
        plan.block.assign(block.begin(), block.end());
        std::copy(value.begin(), value.end(), plan.block.begin() + static_cast<std::ptrdiff_t>(record.valueOffset));
        return plan;
    }
    if (value.empty()) {
        if (plan.renamedSet)
            return ChangeBox("Set names cannot be blank.");
        if (!IsTextValue(record.typeId))
            plan.boxes.push_back(ChangeBox("Property size of property " + target.title + " (JSON type "
                + target.typeName + ") is 0!"));
    }

    const std::uint32_t extSize = *ReadField<std::uint32_t>(block, offsetof(EditDataHeader, extSize));
    const std::uint32_t sizeBytes = *ReadField<std::uint32_t>(block, target.view.Offset() + offsetof(Properties, sizeBytes));
    if (extSize != sizeBytes) {
        const Problem question = Problem::Warning("Vantor property warning",
            "Change to property " + Quoted(target.title) + " (JSON type " + Quoted(target.typeName)
                + ") caused reserved size to be different to actual size. Press Yes to set it to Fusion's size (may "
                  "corrupt properties).\nPress No to cancel property change.");
        if (!askSizeMismatch(question)) {
            plan.kind = ChangePlan::Kind::Cancelled;
            return plan;
        }
    }
    Result<std::vector<std::uint8_t>> spliced = Splice(block, target, value, extSize);
    if (!spliced.ok())
        return std::move(spliced).problem();
    plan.block = std::move(spliced).value();
    plan.resized = true;
    return plan;
}

Result<std::vector<std::uint8_t>> PlanCheck(
    std::span<const std::uint8_t> block, const PropertyDefinition& definition, std::size_t jsonIndex, bool checked)
{
    const Result<Target> located = Locate(block, definition, jsonIndex);
    if (!located.ok())
        return located.problem();
    const Target& target = located.value();
    const std::size_t position = target.record.position;
    const std::size_t byte = target.view.FirstRecordOffset() - CheckboxBytes(target.view.NumProps()) + position / 8;
    std::vector<std::uint8_t> result(block.begin(), block.end());
    const auto bit = static_cast<std::uint8_t>(1u << (position % 8));
    result[byte] = static_cast<std::uint8_t>(checked ? (result[byte] | bit) : (result[byte] & ~bit));
    return result;
}

}  // namespace Vantor
