// The name of a result code, for traces and messages.
#pragma once

#include "fmod_common.h"

namespace FmodStandin {

// "FMOD_ERR_TRUNCATED"; "unknown result" for a value that is no result code.
const char* ResultText(FMOD_RESULT result);

}  // namespace FmodStandin
