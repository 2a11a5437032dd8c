#include "standins/host/app/SceneLiterals.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace StandinHost {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool EndsToken(char c) { return IsBlank(c) || c == ',' || c == ')'; }

// The extent of a number token starting at `text`, or 0.
std::size_t NumberLength(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && !EndsToken(text[end]))
        ++end;
    return ParseNumber(text.substr(0, end)) ? end : 0;
}

// Where the arguments begin: the first quote, or a number standing as a token of its own.
std::size_t ArgumentsStart(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            return i;
        const bool tokenStart = i == 0 || IsBlank(text[i - 1]) || text[i - 1] == '(' || text[i - 1] == ',';
        if (tokenStart && NumberLength(text.substr(i)) > 0)
            return i;
    }
    return text.size();
}

std::string ParseArguments(std::string_view text, std::vector<SceneValue>& arguments)
{
    while (true) {
        text = Trimmed(text);
        if (text.empty())
            return {};
        if (text.front() == '"') {
            const auto quoted = TakeQuoted(text);
            if (!quoted)
                return "a closing quote";
            arguments.push_back({SceneValue::Kind::Text, 0, 0, *quoted});
        } else {
            const std::size_t length = NumberLength(text);
            if (length == 0)
                return "an argument (an integer, a float or a quoted text) at \"" + std::string(text) + "\"";
            arguments.push_back(*ParseNumber(text.substr(0, length)));
            text.remove_prefix(length);
        }
        text = Trimmed(text);
        if (!text.empty() && text.front() == ',')
            text.remove_prefix(1);
    }
}

}  // namespace

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view WithoutComment(std::string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (quoted && line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            quoted = !quoted;
        else if (!quoted && line[i] == '#' && (i == 0 || IsBlank(line[i - 1])) &&
                 (i + 1 == line.size() || IsBlank(line[i + 1]) || line[i + 1] == '#'))
            return line.substr(0, i);
    }
    return line;
}

std::optional<std::string> TakeQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\'))
            ++i;
        out += text[i];
    }
    return std::nullopt;
}

std::optional<SceneValue> ParseNumber(std::string_view token)
{
    std::size_t i = token.size() > 0 && (token[0] == '-' || token[0] == '+') ? 1 : 0;
    const std::size_t digitsStart = i;
    while (i < token.size() && IsDigit(token[i]))
        ++i;
    bool isFloat = false;
    std::size_t digits = i - digitsStart;
    if (i < token.size() && token[i] == '.') {
        isFloat = true;
        const std::size_t fraction = ++i;
        while (i < token.size() && IsDigit(token[i]))
            ++i;
        digits += i - fraction;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        isFloat = true;
        ++i;
        if (i < token.size() && (token[i] == '-' || token[i] == '+'))
            ++i;
        const std::size_t exponent = i;
        while (i < token.size() && IsDigit(token[i]))
            ++i;
        if (i == exponent)
            return std::nullopt;
    }
    if (i != token.size())
        return std::nullopt;
    const std::string copy(token);
    errno = 0;
    if (isFloat) {
        const float value = std::strtof(copy.c_str(), nullptr);
        if (errno == ERANGE || !std::isfinite(value))
            return std::nullopt;
        return SceneValue{SceneValue::Kind::Float, 0, value, {}};
    }
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return SceneValue{SceneValue::Kind::Integer, static_cast<std::int32_t>(value), static_cast<float>(value), {}};
}

std::string ParseCallText(std::string_view text, SceneCall& call)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || Trimmed(text.substr(0, colon)).empty())
        return "\"OBJECT: NAME\" with the name of an object before the colon";
    call.object = std::string(Trimmed(text.substr(0, colon)));
    std::string_view rest = Trimmed(text.substr(colon + 1));
    const std::size_t start = ArgumentsStart(rest);
    std::string_view name = Trimmed(rest.substr(0, start));
    std::string_view arguments = rest.substr(start);
    // Expression style: NAME(ARGUMENTS) and NAME().
    if (name.ends_with("()")) {
        name.remove_suffix(2);
    } else if (name.ends_with("(")) {
        name.remove_suffix(1);
        arguments = Trimmed(arguments);
        if (!arguments.ends_with(")"))
            return "\")\" to close the arguments of \"" + std::string(name) + "(\"";
        arguments.remove_suffix(1);
    }
    call.name = std::string(Trimmed(name));
    if (call.name.empty())
        return "an action, condition or expression name (menu text, title or #number) after \"" + call.object + ":\"";
    return ParseArguments(arguments, call.arguments);
}

}  // namespace StandinHost
