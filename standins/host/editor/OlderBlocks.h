// Stored blocks as older versions of an extension saved them, for the editor to hand to
// UpdateEditStructure: the layout from before smart properties, the first smart layout
// 'VNT1', and (through BuildStoredBlock with another definition) the current one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "standins/host/editor/StoredBlock.h"

namespace StandinHost {

// Values in JSON order without names: texts zero-terminated, combo boxes as the index of
// the item in "Items", numbers in 4 bytes, checkboxes in the bit array only.
StoredBlockResult BuildPreSmartBlock(const std::string& definitionText, const PropertyValues& values = {},
                                     std::uint32_t extVersion = 0);
// 'VNT1' records: no JSON index, combo boxes store the item text without an indicator.
StoredBlockResult BuildVnt1Block(const std::string& definitionText, const PropertyValues& values = {},
                                 std::uint32_t extVersion = 0x100);

// Marks a block as saved by another extension version.
void SetExtVersion(std::vector<std::uint8_t>& block, std::uint32_t extVersion);

}  // namespace StandinHost
