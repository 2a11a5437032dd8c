// Hands text to a caller's buffer the way every getPath/getLabel call does.
#pragma once

#include <string_view>

#include "fmod_common.h"

namespace FmodStandin {

// Copies text zero-terminated into buffer (size bytes), cut on a code point boundary when it does
// not fit (FMOD_ERR_TRUNCATED). retrieved, when given, receives the bytes the whole text needs,
// terminator included. A null buffer with size 0 only asks for that length.
FMOD_RESULT CopyOutText(std::string_view text, char* buffer, int size, int* retrieved);

}  // namespace FmodStandin
