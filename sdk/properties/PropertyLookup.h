// The lookups behind run-time property access, shared with the editor side: a record by
// title, a record by JSON index or position, and the checkbox bit of a JSON index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "sdk/properties/EditDataView.h"
#include "sdk/properties/Problem.h"

struct _json_value;

namespace Vantor {

// What the lookups consult besides the block: the current language's "Properties"
// (JsonNone() when absent) and that language's name.
struct PropertyDefinition {
    const _json_value& properties;
    std::string_view languageName;
};

// The propJSONIndex of the first record whose title has exactly these bytes; Fatal
// "%s() error; property name ..." naming the operation when none has.
Result<std::uint16_t> FindByTitle(const PropertiesView& view, std::string_view operation, std::string_view title);

// Read-only Internal_DataAt: no record (and no message) for a value-less property.
// id is a JSON index (set-aware) or a record position.
Result<std::optional<RecordView>> DataAt(
    const PropertiesView& view, const PropertyDefinition& definition, std::size_t id, bool isJsonIndex);
// Modifying Internal_DataAt: id must be below numProps; value-less properties are found
// too. The record's offsets index the caller's block, which the caller may rewrite.
Result<RecordView> DataAtForChange(
    const PropertiesView& view, const PropertyDefinition& definition, std::size_t id, bool isJsonIndex);

// The JSON index of the first property whose "Title" equals title, ignoring ASCII case.
std::optional<std::size_t> JsonIndexOfTitle(const _json_value& properties, std::string_view title);

// 'VNT2': the bit of the record the set-aware lookup finds; 'VNT1': bit jsonIndex.
Result<bool> CheckboxOfJsonIndex(const PropertiesView& view, std::size_t jsonIndex);

}  // namespace Vantor
