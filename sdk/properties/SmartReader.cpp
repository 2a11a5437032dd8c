#include "sdk/properties/SmartReader.h"

#include <bit>
#include <string>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/PropertySetLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

bool IsPlainTextId(std::uint16_t id)
{
    return id == kEditString || id == kEditFile || id == kEditImageFile || id == kEditFolder;
}

bool IsWholeNumberId(std::uint16_t id) { return id == kEditNumber || id == kSpin || id == kSlider; }

ReaderReply WithStatus(ReaderStatus status)
{
    ReaderReply reply;
    reply.status = status;
    return reply;
}

// The stored value in the current type's form.
std::vector<std::uint8_t> CarriedValue(const RecordView& record, PropertiesLayout layout, std::uint16_t current)
{
    std::vector<std::uint8_t> value(record.value.begin(), record.value.end());
    if (layout == PropertiesLayout::Vnt1 && IsComboBoxId(current))
        value.insert(value.begin(), kListIndicator);
    // An integer taken over by a float property keeps its number, not its bit pattern.
    if (IsStoredIntegerId(record.typeId) && IsStoredFloatId(current)) {
        const auto number = ReadField<std::int32_t>(record.value, 0);
        value.clear();
        AppendField(value, static_cast<float>(number.value_or(0)));
    }
    return value;
}

bool ValueFits(const RecordView& record, PropertiesLayout layout, std::uint16_t current)
{
    if (IsStoredIntegerId(record.typeId) || IsStoredFloatId(record.typeId))
        return record.value.size() == 4;
    // A set list carried alone would claim entries the new block does not hold.
    return !HeadsPropertySet(record, layout) || !IsComboBoxId(current);
}

}  // namespace

bool TypesCompatible(std::uint16_t stored, std::uint16_t current)
{
    if (stored == current)
        return true;
    if (IsPlainTextId(stored))
        return IsPlainTextId(current) || current == kEditMultiline;
    if (IsComboBoxId(stored))
        return IsComboBoxId(current);
    if (IsWholeNumberId(stored))
        return IsWholeNumberId(current) || IsStoredFloatId(current);
    return IsStoredFloatId(stored) && IsStoredFloatId(current);
}

SmartReader::SmartReader(const EditDataView& block, const json_value& properties)
    : block_(block)
    , properties_(properties)
{
}

ReaderStatus SmartReader::Initialise(std::vector<Problem>& boxes)
{
    const auto header = block_.Header();
    if (!header || header->extPrivateData == 0 || header->extPrivateData >= header->extSize)
        return ReaderStatus::Unsuitable;
    Result<PropertiesView> view = block_.PropertiesAt(header->extPrivateData);
    if (!view.ok())
        return ReaderStatus::Unsuitable;
    Result<std::vector<RecordView>> records = view.value().Records();
    if (!records.ok()) {
        boxes.push_back(Problem::Error("Property conversion error",
            "The stored properties are damaged: " + records.problem().text
                + "No stored value could be trusted, so every property gets its default."));
        return ReaderStatus::Unsuitable;
    }
    view_ = std::move(view).value();
    records_ = std::move(records).value();
    return ReaderStatus::Ok;
}

const RecordView* SmartReader::Match(std::size_t index) const
{
    const json_value& property = Element(properties_, index);
    const auto current = PropertyTypeFromName(Text(Member(property, "Type")));
    if (!current)
        return nullptr;
    for (const std::string_view key : {"OldTitle", "Title"}) {
        const std::string_view title = Text(Member(property, key));
        if (title.empty())
            continue;
        for (const RecordView& record : records_)
            if (EqualsIgnoringAsciiCase(record.title, title) && TypesCompatible(record.typeId, *current)
                && ValueFits(record, view_->Layout(), *current))
                return &record;
    }
    return nullptr;
}

ReaderReply SmartReader::GetProperty(std::size_t index) const
{
    const json_value& property = Element(properties_, index);
    const auto current = PropertyTypeFromName(Text(Member(property, "Type")));
    if (!current) {
        ReaderReply reply = WithStatus(ReaderStatus::Failure);
        reply.failure = "SmartPropertyReader: failed to read Data for property " + std::to_string(index)
            + ". Type ID in JSON " + std::string(Text(Member(property, "Type"))) + " could not be converted to ID.\n";
        return reply;
    }
    const RecordView* record = Match(index);
    if (!record)
        return WithStatus(ReaderStatus::Pass);  // left for the defaults, and listed as reset
    ReaderReply reply = WithStatus(ReaderStatus::Ok);
    reply.typeId = *current;
    reply.value = CarriedValue(*record, view_->Layout(), *current);
    reply.checkbox = *view_->CheckboxBit(record->position) ? 1 : 0;
    return reply;
}

ReaderReply SmartReader::GetPropertyCheckbox(std::size_t index) const
{
    // Only the property's own old record answers: another's bit at the same index would
    // hand it a state it never had.
    const RecordView* record = Match(index);
    if (!record)
        return WithStatus(ReaderStatus::Pass);
    ReaderReply reply = WithStatus(ReaderStatus::Ok);
    reply.checkbox = *view_->CheckboxBit(record->position) ? 1 : 0;
    return reply;
}

}  // namespace Vantor
