// Reading parameters and their labels out to a caller.
#pragma once

#include "BankDefinition.h"
#include "ParameterState.h"
#include "fmod_common.h"

namespace FmodStandin {

// FMOD_ERR_EVENT_NOTFOUND for a parameter that was not found (null).
FMOD_RESULT ReadParameter(const ParameterState* parameter, float* value, float* finalValue);
// FMOD_ERR_INVALID_PARAM for an index outside the labels (or a parameter without any).
FMOD_RESULT CopyLabel(const ParameterDefinition& parameter, int index, char* label, int size, int* retrieved);

}  // namespace FmodStandin
