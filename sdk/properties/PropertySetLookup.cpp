#include "sdk/properties/PropertySetLookup.h"

#include <algorithm>
#include <span>
#include <string>

#include "sdk/properties/ByteFields.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

using SetHead = Properties::RuntimePropSet;

std::uint16_t SetField(std::span<const std::uint8_t> value, std::size_t offset)
{
    return *ReadField<std::uint16_t>(value, offset);  // the caller checked the head's size
}

Problem NotFound(std::size_t jsonIndex, std::size_t position, std::size_t stored)
{
    return Problem::Fatal("Couldn't find property of JSON ID " + std::to_string(jsonIndex) + ", hit property "
        + std::to_string(std::min(position, stored)) + " of " + std::to_string(stored) + " stored.\n");
}

}  // namespace

bool HeadsPropertySet(const RecordView& record, PropertiesLayout layout)
{
    return layout == PropertiesLayout::Vnt2 && IsComboBoxId(record.typeId) && !record.value.empty()
        && record.value[0] == kSetIndicator;
}

Result<PropertySetRecord> ReadPropertySet(const RecordView& list)
{
    const std::span<const std::uint8_t> value = list.value;
    if (value.size() < sizeof(SetHead))
        return Problem::Fatal("Stored property " + std::to_string(list.position) + " is a property set list holding "
            + std::to_string(value.size()) + " bytes, fewer than the " + std::to_string(sizeof(SetHead))
            + " of a set record.\n");
    const auto* name = reinterpret_cast<const char*>(value.data() + sizeof(SetHead));
    return PropertySetRecord {SetField(value, offsetof(SetHead, numRepeats)),
        SetField(value, offsetof(SetHead, lastSetJSONPropIndex)),
        SetField(value, offsetof(SetHead, firstSetJSONPropIndex)),
        SetField(value, offsetof(SetHead, setNameJSONPropIndex)), SetField(value, offsetof(SetHead, setIndexSelected)),
        std::string_view(name, value.size() - sizeof(SetHead))};
}

Result<SetAwareMatch> FindByJsonIndex(
    const std::vector<RecordView>& records, PropertiesLayout layout, std::size_t jsonIndex)
{
    const std::size_t stored = records.size();
    std::optional<PropertySetRecord> current;
    std::size_t i = 0;
    while (i < stored) {
        const RecordView& record = records[i];
        if (record.jsonIndex == jsonIndex)
            return SetAwareMatch {record, current};
        if (!HeadsPropertySet(record, layout)) {
            ++i;
            continue;
        }
        const Result<PropertySetRecord> read = ReadPropertySet(record);
        if (!read.ok())
            return read.problem();
        const PropertySetRecord& set = read.value();
        if (jsonIndex > set.lastSetJSONPropIndex) {
            // Step over the set: the sought property lies behind it.
            do
                ++i;
            while (i < stored && records[i].jsonIndex != set.lastSetJSONPropIndex);
            current.reset();
            ++i;
        } else if (jsonIndex < set.firstSetJSONPropIndex) {
            current.reset();
            ++i;
        } else {
            current = set;
            // Entry k starts behind the k-th record that ends an entry.
            for (std::size_t ends = 0; ends < set.setIndexSelected && i < stored;)
                if (++i < stored && records[i].jsonIndex == set.lastSetJSONPropIndex)
                    ++ends;
            ++i;
        }
    }
    return NotFound(jsonIndex, i, stored);
}

}  // namespace Vantor
