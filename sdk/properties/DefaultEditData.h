// The block a new object gets: every property at its JSON default, laid out as 'VNT2'.
// This is the conversion with no old block, so the JSON defaults are the only reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/Problem.h"

struct _json_value;

namespace Vantor {

struct DefaultEditDataRequest {
    const _json_value& properties;  // the current language's "Properties"; JsonNone() when absent
    const EntryListSetNames& sets;
    std::string_view languageName;
    std::string_view projectName;  // "Vantor Template" in Tonvale, "Velisse" in Velisse
    bool quiet = false;            // the Quiet run context shows fewer boxes
    std::uint32_t extId = 0;       // from the block being replaced; 0 when there is none
    std::uint32_t oldExtMaxSize = 0;
};

struct DefaultEditData {
    // Empty when no block was made: a property got no value, a title was too long to
    // store, or the block would reach the host's size limit. Never a block with gaps.
    std::vector<std::uint8_t> block;
    std::string resetList;  // "• title\n" per property given a default
    std::size_t resetCount = 0;
    std::vector<Problem> boxes;  // to show in this order, whether or not a block was made

    bool made() const { return !block.empty(); }
};

DefaultEditData BuildDefaultEditData(const DefaultEditDataRequest& request);

}  // namespace Vantor
