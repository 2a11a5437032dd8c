#include "BankCursor.h"

#include <charconv>
#include <cmath>

namespace FmodStandin {

bool BankCursor::NextIsText() const
{
    return !AtEnd() && tokens_[position_].kind == BankToken::Kind::Text;
}

const BankToken& BankCursor::Take(std::string_view what)
{
    if (AtEnd()) throw BankError("expected " + std::string(what) + " at the end of the line");
    return tokens_[position_++];
}

std::string BankCursor::Word(std::string_view what)
{
    const BankToken& token = Take(what);
    if (token.kind != BankToken::Kind::Word) throw BankError("expected " + std::string(what) + ", found a quoted text");
    return token.value;
}

std::string BankCursor::Text(std::string_view what, std::size_t maxBytes, bool allowEmpty)
{
    const BankToken& token = Take(what);
    if (token.kind != BankToken::Kind::Text) {
        throw BankError("expected " + std::string(what) + " in double quotes, found '" + token.value + "'");
    }
    if (token.value.empty() && !allowEmpty) throw BankError(std::string(what) + " is empty");
    if (token.value.size() > maxBytes) {
        throw BankError(std::string(what) + " is longer than " + std::to_string(maxBytes) + " bytes");
    }
    return token.value;
}

double BankCursor::Number(std::string_view what)
{
    const std::string word = Word(what);
    double value = 0.0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        throw BankError("expected " + std::string(what) + " as a finite number, found '" + word + "'");
    }
    return value;
}

bool BankCursor::ParseInteger(std::string_view word, int& value)
{
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end && !word.empty();
}

int BankCursor::Integer(std::string_view what)
{
    const std::string word = Word(what);
    int value = 0;
    if (!ParseInteger(word, value)) {
        throw BankError("expected " + std::string(what) + " as a whole number, found '" + word + "'");
    }
    return value;
}

void BankCursor::ExpectEnd() const
{
    if (!AtEnd()) throw BankError("unexpected '" + tokens_[position_].value + "'");
}

}  // namespace FmodStandin
