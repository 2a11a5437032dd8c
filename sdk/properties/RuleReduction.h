// The boolean reduction of a visibility rule once its property references are replaced by
// values: quoted comparisons first, then "&&" / "||", always the leftmost match, until the
// text is exactly "true" or "false".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Vantor {

// Longer texts are not reduced: each round rescans the whole text.
constexpr std::size_t kLongestReducibleRule = 16384;

struct RuleReduction {
    std::optional<bool> value;  // none: the text stopped reducing
    std::string text;           // the text as far as it was reduced
};

RuleReduction ReduceRule(std::string text);

}  // namespace Vantor
