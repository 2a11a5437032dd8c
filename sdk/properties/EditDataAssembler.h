// Lays out a new 'VNT2' block: the two headers, the checkbox bits and the records, in the
// order they are added.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "sdk/properties/LayoutHash.h"

namespace Vantor {

class EditDataAssembler {
public:
    // False, with nothing added, when the title is longer than kLongestTitle, the block
    // already holds the most records numProps can count, or the record would not fit its
    // 32-bit size.
    bool AddRecord(
        std::uint16_t typeId, std::uint16_t jsonIndex, std::string_view title, std::span<const std::uint8_t> value);
    // False for a position that holds no record.
    bool SetChecked(std::size_t position, bool checked);

    std::size_t RecordCount() const { return checked_.size(); }
    // Headers, checkbox bytes and records.
    std::size_t TotalSize() const;

    // extMaxSize is the larger of the total and the replaced block's.
    std::vector<std::uint8_t> Finish(
        const LayoutHashes& hashes, std::uint32_t extId, std::uint32_t oldExtMaxSize) const;

private:
    std::vector<std::uint8_t> records_;
    std::vector<bool> checked_;
};

}  // namespace Vantor
