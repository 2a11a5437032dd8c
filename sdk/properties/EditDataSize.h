// The size of a freshly created EDITDATA block for a definition's "Properties".
#pragma once

#include <cstdint>
#include <string_view>

#include "sdk/diagnostics/Report.h"
#include "sdk/properties/EntryListSets.h"

struct _json_value;

namespace Vantor {

// A new block must stay below this size.
constexpr std::uint32_t kEditDataSizeLimit = 65535;

// The host learns the size as 16 bits: the result is the low 16 bits of the real size,
// which is reported when it reaches the limit.
std::uint16_t EditDataSizeFromJson(const _json_value& properties, const EntryListSetNames& sets,
                                   std::string_view languageName, Reports& reports);

}  // namespace Vantor
