#include "sdk/properties/PropertyLookup.h"

#include <string>
#include <vector>

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertySetLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::string_view kPrematureTitle = "Premature function call";

using OptionalRecord = std::optional<RecordView>;

Problem InvalidId(std::size_t id, bool isJsonIndex)
{
    return Problem::Fatal("Looking up invalid prop ID " + std::to_string(id)
        + " (is JSON index = " + (isJsonIndex ? "yes" : "no") + ").\n");
}

Result<RecordView> RecordAt(
    const std::vector<RecordView>& records, PropertiesLayout layout, std::size_t id, bool isJsonIndex)
{
    if (isJsonIndex) {
        const Result<SetAwareMatch> match = FindByJsonIndex(records, layout, id);
        if (!match.ok())
            return match.problem();
        return match.value().record;
    }
    if (id >= records.size())
        return InvalidId(id, false);
    return records[id];
}

bool IsValuelessProperty(const json_value& properties, std::size_t jsonIndex)
{
    return IsValueless(Text(Member(Element(properties, jsonIndex), "Type")));
}

}  // namespace

Result<std::uint16_t> FindByTitle(const PropertiesView& view, std::string_view operation, std::string_view title)
{
    const Result<std::vector<RecordView>> records = view.Records();
    if (!records.ok())
        return records.problem();
    for (const RecordView& record : records.value())
        if (record.title == title)
            return record.jsonIndex;
    return Problem::Fatal(
        std::string(operation) + "() error; property name \"" + std::string(title) + "\" does not exist.\n");
}

Result<OptionalRecord> DataAt(
    const PropertiesView& view, const PropertyDefinition& definition, std::size_t id, bool isJsonIndex)
{
    if (!IsArray(definition.properties))
        return Problem::Error(std::string(kPrematureTitle),
            "Internal_DataAt() const called for prop ID " + std::to_string(id)
                + " without JSON properties being valid.");
    const Result<std::vector<RecordView>> records = view.Records();
    if (!records.ok())
        return records.problem();
    // By position, the JSON property is the one the record itself names.
    if (isJsonIndex && IsValuelessProperty(definition.properties, id))
        return OptionalRecord {};
    const Result<RecordView> record = RecordAt(records.value(), view.Layout(), id, isJsonIndex);
    if (!record.ok())
        return record.problem();
    if (!isJsonIndex && IsValuelessProperty(definition.properties, record.value().jsonIndex))
        return OptionalRecord {};
    return OptionalRecord {record.value()};
}

Result<RecordView> DataAtForChange(
    const PropertiesView& view, const PropertyDefinition& definition, std::size_t id, bool isJsonIndex)
{
    if (id >= view.NumProps())
        return InvalidId(id, isJsonIndex);
    if (!IsArray(definition.properties))
        return Problem::Error(std::string(kPrematureTitle),
            "Internal_DataAt() called for prop ID " + std::to_string(id) + " without Vantor_Props for language "
                + std::string(definition.languageName) + " being valid.");
    const Result<std::vector<RecordView>> records = view.Records();
    if (!records.ok())
        return records.problem();
    return RecordAt(records.value(), view.Layout(), id, isJsonIndex);
}

std::optional<std::size_t> JsonIndexOfTitle(const json_value& properties, std::string_view title)
{
    for (std::size_t i = 0; i < ElementCount(properties); ++i)
        if (EqualsIgnoringAsciiCase(Text(Member(Element(properties, i), "Title")), title))
            return i;
    return std::nullopt;
}

Result<bool> CheckboxOfJsonIndex(const PropertiesView& view, std::size_t jsonIndex)
{
    if (jsonIndex >= view.NumProps())
        return Problem::Fatal("Can't read property checkbox for property ID " + std::to_string(jsonIndex)
            + ", the valid ID range is 0 to " + std::to_string(view.NumProps()) + ".\n");
    std::size_t position = jsonIndex;
    if (view.Layout() == PropertiesLayout::Vnt2) {
        const Result<std::vector<RecordView>> records = view.Records();
        if (!records.ok())
            return records.problem();
        const Result<SetAwareMatch> match = FindByJsonIndex(records.value(), view.Layout(), jsonIndex);
        if (!match.ok())
            return match.problem();
        position = match.value().record.position;
    }
    return *view.CheckboxBit(position);  // both positions are below NumProps()
}

}  // namespace Vantor
