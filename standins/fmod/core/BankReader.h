// Reads the text of a bank file (grammar in standins/fmod/README.md) into a BankDefinition.
#pragma once

#include <string>
#include <string_view>

#include "BankDefinition.h"

namespace FmodStandin {

struct BankReadResult {
    bool ok = false;
    BankDefinition bank;
    int errorLine = 0;  // 1-based line of the first fault
    std::string error;
};

BankReadResult ReadBankText(std::string_view text);

}  // namespace FmodStandin
