// The published description of a parameter: a stable ID from its scope and name, and a name
// pointer that stays readable for the life of the process.
#pragma once

#include <string_view>

#include "BankDefinition.h"
#include "fmod_studio_common.h"

namespace FmodStandin {

// scope is the event's path, or empty for a global parameter.
FMOD_STUDIO_PARAMETER_ID ParameterIdFor(std::string_view scope, std::string_view name);
bool SameParameterId(FMOD_STUDIO_PARAMETER_ID a, FMOD_STUDIO_PARAMETER_ID b);

FMOD_STUDIO_PARAMETER_DESCRIPTION DescribeParameter(const ParameterDefinition& parameter, std::string_view scope);

}  // namespace FmodStandin
