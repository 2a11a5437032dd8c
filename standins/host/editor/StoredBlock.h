// An object's stored property block as the editor would have saved it: every property of a
// definition at its default, except those a user set. For running objects without an editor.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace StandinHost {

// A value typed into the property sheet: text for text and combo box properties, a number for
// numeric ones, "true"/"false" for checkboxes.
using PropertyValues = std::map<std::string, std::string>;

struct StoredBlockResult {
    std::vector<std::uint8_t> block;  // empty when the definition cannot be stored
    std::string error;                // why not, naming the property
};

// From the definition's JSON text (its first language block's "Properties").
StoredBlockResult BuildStoredBlock(const std::string& definitionText, const PropertyValues& values = {});

}  // namespace StandinHost
