// Splits one line of a bank file into bare words and quoted texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace FmodStandin {

struct BankToken {
    enum class Kind { Word, Text };
    Kind kind = Kind::Word;
    std::string value;  // a text token without its quotes, escapes resolved
};

// Words are runs of printable ASCII; texts are "..." with \" and \\ as the only escapes and must be
// valid UTF-8; "#" outside a text starts a comment. Returns false with a reason in error.
bool TokenizeBankLine(std::string_view line, std::vector<BankToken>& tokens, std::string& error);

}  // namespace FmodStandin
