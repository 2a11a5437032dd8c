// Finding the record of a JSON index when property sets repeat their run of records once
// per entry: the walk follows each set's selected entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/Problem.h"

namespace Vantor {

// A property set's "EntryList" value (Properties::RuntimePropSet), decoded.
struct PropertySetRecord {
    std::uint16_t numRepeats;
    std::uint16_t lastSetJSONPropIndex;
    std::uint16_t firstSetJSONPropIndex;
    std::uint16_t setNameJSONPropIndex;
    std::uint16_t setIndexSelected;
    std::string_view setName;
};

// A 'VNT2' combo box whose value begins with 'S'. 'VNT1' combo values have no indicator,
// so an item text beginning with S is not mistaken for a set there.
bool HeadsPropertySet(const RecordView& record, PropertiesLayout layout);
// The set record of a list that heads a set; Fatal when its value is shorter than the
// record's fixed part.
Result<PropertySetRecord> ReadPropertySet(const RecordView& list);

struct SetAwareMatch {
    RecordView record;                     // record.position: its place in storage
    std::optional<PropertySetRecord> set;  // the set the record lies in, if any
};

// records: all of a block's records (PropertiesView::Records). A JSON index that no
// record holds, a set record too short to read, or a selection past the stored entries
// ends in a Fatal problem, never in a read past the records.
Result<SetAwareMatch> FindByJsonIndex(
    const std::vector<RecordView>& records, PropertiesLayout layout, std::size_t jsonIndex);

}  // namespace Vantor
