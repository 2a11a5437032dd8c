// Walks the tokens of one bank statement; every "expected ..." failure throws BankError.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "BankTokens.h"

namespace FmodStandin {

struct BankError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class BankCursor {
public:
    explicit BankCursor(const std::vector<BankToken>& tokens) : tokens_(tokens) {}

    bool AtEnd() const { return position_ == tokens_.size(); }
    bool NextIsText() const;

    std::string Word(std::string_view what);
    // A quoted text of 1 to maxBytes bytes (0 to maxBytes when allowEmpty).
    std::string Text(std::string_view what, std::size_t maxBytes, bool allowEmpty = false);
    double Number(std::string_view what);  // finite decimal
    int Integer(std::string_view what);

    void ExpectEnd() const;

    // The whole word as a decimal int.
    static bool ParseInteger(std::string_view word, int& value);

private:
    const BankToken& Take(std::string_view what);

    const std::vector<BankToken>& tokens_;
    std::size_t position_ = 0;
};

}  // namespace FmodStandin
