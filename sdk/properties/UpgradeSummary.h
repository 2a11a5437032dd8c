// The box that tells the user what a conversion kept and what it reset, as the setting
// "SmartPropertiesUpgradeBox" decides.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/diagnostics/Report.h"
#include "sdk/properties/EditDataConversion.h"
#include "sdk/properties/Problem.h"

namespace Vantor {

// The object's name for messages: the host's name with the project name in brackets, or the
// project name alone, always ending in "object".
std::string ObjectNameForMessages(std::string_view projectName, std::string_view hostName);

// Which application the previous conversion of this process happened in.
struct SummaryMemory {
    std::optional<std::uint32_t> lastApplication;
};

struct SummaryDecision {
    std::vector<Problem> boxes;  // a setting that cannot be understood
    std::optional<Report> info;  // the information box, when one is due
};

// setting: the raw value; application: the host's current-application value, which the
// memory remembers for the next conversion.
SummaryDecision DecideSummary(std::string_view setting, std::uint32_t application, SummaryMemory& memory,
    const Conversion& conversion, std::string_view objectName);

}  // namespace Vantor
