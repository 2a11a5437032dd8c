// Reads a bank file named by a UTF-8 path, refusing missing, unreadable and oversized files.
#pragma once

#include <string>
#include <string_view>

#include "fmod_common.h"

namespace FmodStandin {

struct BankFileText {
    FMOD_RESULT result = FMOD_OK;  // FMOD_ERR_FILE_NOTFOUND or FMOD_ERR_FILE_BAD on failure
    std::string text;
};

BankFileText ReadBankFile(std::string_view utf8Path);

}  // namespace FmodStandin
