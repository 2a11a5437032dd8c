#include "sdk/properties/RuleReduction.h"

#include <algorithm>
#include <cctype>

namespace Vantor {
namespace {

// The rule language was first written with two regular expressions:
//   ("(?:(?=(?:\\?)).)*?")\s*(==|!=)\s*("(?:(?=(?:\\?)).)*?")\s*
//   (true|false)\s*(\|\||\&\&)\s*(true|false)\s*
// std::regex backtracks recursively and overflows the stack on long quoted texts, so the
// matches are found by hand instead. The look-ahead always succeeds, so a quoted text is a
// quote, the fewest characters other than line breaks, and a quote; the leftmost match wins.

struct Match {
    std::size_t begin;
    std::size_t end;  // trailing blanks included
    bool value;
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

std::size_t SkipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

// The closing quote of a quoted text opened at `open`, on the same line.
std::optional<std::size_t> ClosingQuote(std::string_view text, std::size_t open)
{
    for (std::size_t at = open + 1; at < text.size() && !IsLineBreak(text[at]); ++at)
        if (text[at] == '"')
            return at;
    return std::nullopt;
}

// After a left-hand text closed at `close`: blanks, an operator, blanks and a right-hand text.
struct Comparison {
    bool equal;
    std::size_t rightOpen;
    std::size_t rightClose;
};

std::optional<Comparison> ComparisonAfter(std::string_view text, std::size_t close)
{
    const std::size_t op = SkipBlanks(text, close + 1);
    if (op + 2 > text.size() || text[op + 1] != '=' || (text[op] != '=' && text[op] != '!'))
        return std::nullopt;
    const std::size_t open = SkipBlanks(text, op + 2);
    if (open >= text.size() || text[open] != '"')
        return std::nullopt;
    const std::optional<std::size_t> rightClose = ClosingQuote(text, open);
    if (!rightClose)
        return std::nullopt;
    return Comparison{text[op] == '=', open, *rightClose};
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// Within a line, the first quote is the leftmost possible start, and the lazy left-hand
// text ends at the first later quote of that line that a comparison follows.
std::optional<Match> FirstComparison(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('"', at);
        if (open == std::string_view::npos)
            return std::nullopt;
        std::size_t close = open + 1;
        for (; close < text.size() && !IsLineBreak(text[close]); ++close) {
            if (text[close] != '"')
                continue;
            if (const std::optional<Comparison> comparison = ComparisonAfter(text, close)) {
                const bool same = Lowered(text.substr(open, close + 1 - open))
                    == Lowered(text.substr(comparison->rightOpen, comparison->rightClose + 1 - comparison->rightOpen));
                return Match{open, SkipBlanks(text, comparison->rightClose + 1), same == comparison->equal};
            }
        }
        at = close;  // no start on this line works: go past its break
    }
    return std::nullopt;
}

std::optional<bool> BooleanAt(std::string_view text, std::size_t at, std::size_t& end)
{
    if (text.substr(at, 4) == "true") {
        end = at + 4;
        return true;
    }
    if (text.substr(at, 5) == "false") {
        end = at + 5;
        return false;
    }
    return std::nullopt;
}

std::optional<Match> FirstCombination(std::string_view text)
{
    for (std::size_t begin = 0; begin < text.size(); ++begin) {
        std::size_t end = 0;
        const std::optional<bool> left = BooleanAt(text, begin, end);
        if (!left)
            continue;
        const std::size_t op = SkipBlanks(text, end);
        if (op + 2 > text.size() || text[op] != text[op + 1] || (text[op] != '|' && text[op] != '&'))
            continue;
        const std::optional<bool> right = BooleanAt(text, SkipBlanks(text, op + 2), end);
        if (!right)
            continue;
        const bool value = text[op] == '|' ? (*left || *right) : (*left && *right);
        return Match{begin, SkipBlanks(text, end), value};
    }
    return std::nullopt;
}

// One step; false when nothing applies.
bool Reduce(std::string& text)
{
    if (text.starts_with("!true")) {
        text.replace(0, 5, "false");
        return true;
    }
    if (text.starts_with("!false")) {
        text.replace(0, 6, "true");
        return true;
    }
    std::optional<Match> match = FirstComparison(text);
    if (!match)
        match = FirstCombination(text);
    if (!match)
        return false;
    text.replace(match->begin, match->end - match->begin, match->value ? "true" : "false");
    return true;
}

}  // namespace

RuleReduction ReduceRule(std::string text)
{
    if (text.size() > kLongestReducibleRule)
        return {std::nullopt, std::move(text)};
    // Every step removes a leading "!" or shortens the text, so it ends; the bound is a guard.
    for (std::size_t steps = 0; steps <= kLongestReducibleRule; ++steps) {
        if (text == "true")
            return {true, std::move(text)};
        if (text == "false")
            return {false, std::move(text)};
        if (!Reduce(text))
            break;
    }
    return {std::nullopt, std::move(text)};
}

}  // namespace Vantor
