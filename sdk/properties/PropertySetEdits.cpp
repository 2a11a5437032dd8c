#include "sdk/properties/PropertySetEdits.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "sdk/definition/Json.h"
#include "sdk/properties/ByteFields.h"
#include "sdk/properties/EditDataAssembler.h"
#include "sdk/properties/EditDataLayout.h"
#include "sdk/properties/EditDataView.h"
#include "sdk/properties/EditorBlock.h"
#include "sdk/properties/JsonDefaultReader.h"
#include "sdk/properties/PropertySetLookup.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::string_view kTitle = "Property error";
constexpr std::size_t kNumRepeatsAt = offsetof(Properties::RuntimePropSet, numRepeats);
constexpr std::size_t kSelectedAt = offsetof(Properties::RuntimePropSet, setIndexSelected);

Problem SetBox(std::string text) { return Problem::Error(std::string(kTitle), std::move(text)); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

Problem AsBox(Problem problem) { return AsEditorBox(std::move(problem), kTitle); }

template <typename T> void WriteField(std::vector<std::uint8_t>& bytes, std::size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename T> T FieldOf(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return *ReadField<T>(bytes, offset);  // the callers' views checked these offsets
}

struct Located {
    PropertiesView view;
    std::vector<RecordView> records;
    StoredSet set;
};

Result<PropertiesView> SmartHeaderOf(std::span<const std::uint8_t> block)
{
    return EditorPropertiesOf(block, kTitle);
}

Result<Located> Locate(std::span<const std::uint8_t> block, const PropSet& set)
{
    Result<PropertiesView> view = SmartHeaderOf(block);
    if (!view.ok())
        return std::move(view).problem();
    Result<std::vector<RecordView>> read = view.value().Records();
    if (!read.ok())
        return AsBox(std::move(read).problem());
    const std::vector<RecordView>& records = read.value();

    const auto list = std::find_if(records.begin(), records.end(), [&](const RecordView& record) {
        return record.jsonIndex == set.nameList && HeadsPropertySet(record, PropertiesLayout::Vnt2);
    });
    if (list == records.end())
        return SetBox("The list of property set " + Quoted(set.name) + " is not among the stored properties.");
    const Result<PropertySetRecord> stored = ReadPropertySet(*list);
    if (!stored.ok())
        return AsBox(stored.problem());
    const PropertySetRecord& head = stored.value();
    if (head.firstSetJSONPropIndex != set.firstProp || head.lastSetJSONPropIndex != set.lastProp
        || head.numRepeats == 0)
        return SetBox("The stored list of property set " + Quoted(set.name)
            + " does not describe the set's range, or holds no entries.");

    StoredSet found{list->valueOffset, head.numRepeats, head.setIndexSelected, 0, {}};
    std::size_t position = list->position + 1;
    while (position < records.size() && records[position].jsonIndex != set.firstProp)
        ++position;
    found.firstEntryPosition = position;
    // Every entry is one complete run, first to last, as the default reader writes it.
    const std::size_t runLength = std::size_t(set.lastProp) - set.firstProp + 1;
    for (std::size_t entry = 0; entry < head.numRepeats; ++entry) {
        for (std::size_t j = 0; j < runLength; ++j, ++position)
            if (position >= records.size() || records[position].jsonIndex != set.firstProp + j)
                return SetBox("Entry " + std::to_string(entry) + " of property set " + Quoted(set.name)
                    + " is not stored as a complete run of the set's properties.");
        found.entryEnds.push_back(position);
    }
    return Located{std::move(view).value(), std::move(read).value(), std::move(found)};
}

// The block with `count` records from position `at` replaced by `inserted`, whose checkbox
// bits are `insertedBits`; sizes, counts and the checkbox bit field follow.
Result<std::vector<std::uint8_t>> Splice(std::span<const std::uint8_t> block, const Located& located,
    std::size_t at, std::size_t count, std::span<const std::uint8_t> inserted, const std::vector<bool>& insertedBits)
{
    const PropertiesView& view = located.view;
    const std::vector<RecordView>& records = located.records;
    const std::size_t stored = records.size();
    const std::size_t newCount = stored - count + insertedBits.size();
    if (newCount > std::numeric_limits<std::uint16_t>::max())
        return SetBox("A property set entry cannot be added: the object already stores "
            + std::to_string(stored) + " properties.");

    const auto offsetOf = [&](std::size_t position) {
        if (position < stored)
            return records[position].offset;
        return stored == 0 ? view.FirstRecordOffset() : records.back().offset + records.back().sizeBytes;
    };
    const std::size_t bitsAt = view.FirstRecordOffset() - CheckboxBytes(stored);
    const std::size_t cutFrom = offsetOf(at);
    const std::size_t cutTo = offsetOf(at + count);

    std::vector<std::uint8_t> result(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(bitsAt));
    std::vector<std::uint8_t> bits(CheckboxBytes(newCount), 0);
    for (std::size_t position = 0; position < newCount; ++position) {
        bool checked;
        if (position < at)
            checked = *view.CheckboxBit(position);
        else if (position < at + insertedBits.size())
            checked = insertedBits[position - at];
        else
            checked = *view.CheckboxBit(position - insertedBits.size() + count);
        if (checked)
            bits[position / 8] = static_cast<std::uint8_t>(bits[position / 8] | (1u << (position % 8)));
    }
    result.insert(result.end(), bits.begin(), bits.end());
    result.insert(result.end(), block.begin() + static_cast<std::ptrdiff_t>(view.FirstRecordOffset()),
        block.begin() + static_cast<std::ptrdiff_t>(cutFrom));
    result.insert(result.end(), inserted.begin(), inserted.end());
    result.insert(result.end(), block.begin() + static_cast<std::ptrdiff_t>(cutTo), block.end());

    const std::size_t props = view.Offset();
    const std::int64_t delta = std::int64_t(result.size()) - std::int64_t(block.size());
    const auto grown = [&](std::uint32_t size) { return static_cast<std::uint32_t>(std::int64_t(size) + delta); };
    WriteField(result, props + offsetof(Properties, numProps), static_cast<std::uint16_t>(newCount));
    WriteField(result, props + offsetof(Properties, sizeBytes),
        grown(FieldOf<std::uint32_t>(block, props + offsetof(Properties, sizeBytes))));
    const std::uint32_t extSize = static_cast<std::uint32_t>(result.size());
    WriteField(result, offsetof(EditDataHeader, extSize), extSize);
    WriteField(result, offsetof(EditDataHeader, extMaxSize),
        std::max(extSize, FieldOf<std::uint32_t>(block, offsetof(EditDataHeader, extMaxSize))));
    return result;
}

// The list record lies before any records a change inserts or removes, so it moves only by
// the growth of the checkbox bit field in front of all records.
void WriteSetHead(std::vector<std::uint8_t>& block, const Located& located, std::uint16_t repeats,
    std::uint16_t selected)
{
    const std::size_t stored = located.records.size();
    const std::size_t now = *ReadField<std::uint16_t>(block, located.view.Offset() + offsetof(Properties, numProps));
    const std::size_t list = located.set.listOffset + CheckboxBytes(now) - CheckboxBytes(stored);
    WriteField(block, list + kNumRepeatsAt, repeats);
    WriteField(block, list + kSelectedAt, selected);
}

// The records of one entry of default values, and their checkbox bits.
Result<std::vector<std::uint8_t>> DefaultEntry(
    const PropSet& set, const SetDefaults& defaults, std::vector<bool>& bits, std::vector<Problem>& boxes)
{
    const JsonDefaultReader reader(defaults.properties, defaults.sets, defaults.languageName);
    if (reader.Initialise(boxes) != ReaderStatus::Ok)
        return SetBox("Couldn't read initial value of property set " + Quoted(set.name) + ".");
    EditDataAssembler entry;
    bool checkboxFailed = false;
    for (std::size_t i = set.firstProp; i <= set.lastProp; ++i) {
        const json_value& property = Element(defaults.properties, i);
        const std::string_view title = Text(Member(property, "Title"));
        const ReaderReply value = reader.GetProperty(i, boxes);
        const std::string_view name = IsTitleless(Text(Member(property, "Type"))) ? std::string_view() : title;
        if (value.status != ReaderStatus::Ok
            || !entry.AddRecord(value.typeId, static_cast<std::uint16_t>(i), name, value.value))
            return SetBox("Couldn't read initial value of property set for JSON ID " + std::to_string(i) + ", title "
                + std::string(title) + ".");
        const ReaderReply checkbox = reader.GetPropertyCheckbox(i);
        checkboxFailed = checkboxFailed || checkbox.status == ReaderStatus::Failure;
        bits.push_back(checkbox.status == ReaderStatus::Ok && checkbox.checkbox == 1);
    }
    if (checkboxFailed)
        boxes.push_back(SetBox("Couldn't read check box of some set properties."));
    const std::vector<std::uint8_t> block = entry.Finish({0, 0}, 0, 0);
    return std::vector<std::uint8_t>(
        block.begin() + static_cast<std::ptrdiff_t>(kEditDataHeaderSize + CheckboxBytes(bits.size())), block.end());
}

}  // namespace

Result<StoredSet> LocateStoredSet(std::span<const std::uint8_t> block, const PropSet& set)
{
    Result<Located> located = Locate(block, set);
    if (!located.ok())
        return std::move(located).problem();
    return std::move(located).value().set;
}

Result<SetEdit> AddSetEntry(
    std::span<const std::uint8_t> block, const PropSet& set, const SetDefaults& defaults, std::vector<Problem>& boxes)
{
    const Result<Located> located = Locate(block, set);
    if (!located.ok())
        return located.problem();
    const StoredSet& stored = located.value().set;
    if (stored.numRepeats == std::numeric_limits<std::uint16_t>::max())
        return SetBox("Property set " + Quoted(set.name) + " already holds the most entries it can.");
    std::vector<bool> bits;
    const Result<std::vector<std::uint8_t>> entry = DefaultEntry(set, defaults, bits, boxes);
    if (!entry.ok())
        return entry.problem();
    Result<std::vector<std::uint8_t>> spliced
        = Splice(block, located.value(), stored.entryEnds.back(), 0, entry.value(), bits);
    if (!spliced.ok())
        return std::move(spliced).problem();
    SetEdit edit{std::move(spliced).value(), stored.numRepeats};
    WriteSetHead(edit.block, located.value(), static_cast<std::uint16_t>(stored.numRepeats + 1), edit.selected);
    return edit;
}

Result<SetEdit> DeleteSetEntry(std::span<const std::uint8_t> block, const PropSet& set)
{
    const Result<Located> located = Locate(block, set);
    if (!located.ok())
        return located.problem();
    const StoredSet& stored = located.value().set;
    if (stored.numRepeats <= 1)
        return SetEdit{{block.begin(), block.end()}, stored.selected};
    const std::size_t shown = std::min<std::size_t>(stored.selected, stored.numRepeats - 1u);
    const std::size_t first = shown == 0 ? stored.firstEntryPosition : stored.entryEnds[shown - 1];
    Result<std::vector<std::uint8_t>> spliced
        = Splice(block, located.value(), first, stored.entryEnds[shown] - first, {}, {});
    if (!spliced.ok())
        return std::move(spliced).problem();
    const auto repeats = static_cast<std::uint16_t>(stored.numRepeats - 1);
    SetEdit edit{std::move(spliced).value(), static_cast<std::uint16_t>(std::min<std::size_t>(shown, repeats - 1u))};
    WriteSetHead(edit.block, located.value(), repeats, edit.selected);
    return edit;
}

Result<SetEdit> SelectSetEntry(std::span<const std::uint8_t> block, const PropSet& set, std::uint32_t selection)
{
    const Result<Located> located = Locate(block, set);
    if (!located.ok())
        return located.problem();
    const StoredSet& stored = located.value().set;
    if (selection >= stored.numRepeats)
        return SetBox("Property set " + Quoted(set.name) + " holds " + std::to_string(stored.numRepeats)
            + " entries; entry " + std::to_string(selection) + " cannot be shown.");
    SetEdit edit{{block.begin(), block.end()}, static_cast<std::uint16_t>(selection)};
    WriteSetHead(edit.block, located.value(), stored.numRepeats, edit.selected);
    return edit;
}

Result<std::vector<std::string>> SetEntryNames(std::span<const std::uint8_t> block, const PropSet& set)
{
    const Result<Located> located = Locate(block, set);
    if (!located.ok())
        return located.problem();
    const StoredSet& stored = located.value().set;
    const std::vector<RecordView>& records = located.value().records;
    std::vector<std::string> names;
    std::size_t first = stored.firstEntryPosition;
    for (const std::size_t end : stored.entryEnds) {
        const auto name = std::find_if(records.begin() + std::ptrdiff_t(first), records.begin() + std::ptrdiff_t(end),
            [&](const RecordView& record) { return record.jsonIndex == set.nameEditbox; });
        if (name == records.begin() + std::ptrdiff_t(end))
            return Problem::Error("Property Error", "Went past the end of the sets while looping set name entries.");
        names.emplace_back(reinterpret_cast<const char*>(name->value.data()), name->value.size());
        first = end;
    }
    return names;
}

}  // namespace Vantor
