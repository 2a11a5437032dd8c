// The size of a freshly created EDITDATA block for a definition's "Properties".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sdk/diagnostics/Report.h"

struct _json_value;

namespace Vantor {

// Property sets make their "EntryList" combo box store a set record instead of a list value:
// the JSON index of each such combo box, with its set's name.
using EntryListSetNames = std::vector<std::pair<std::size_t, std::string>>;

constexpr std::uint32_t kEditDataHeaderSize = 48;
constexpr std::uint32_t kEditDataSizeLimit = 65535;

// The host learns the size as 16 bits: the result is the low 16 bits of the real size,
// which is reported when it reaches the limit.
std::uint16_t EditDataSizeFromJson(const _json_value& properties, const EntryListSetNames& sets,
                                   std::string_view languageName, Reports& reports);

}  // namespace Vantor
