#include "sdk/definition/Preparse.h"

#include <climits>
#include <cstdio>

namespace Vantor {

namespace {

bool IsJsonWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Format(const char* form, TextPosition at) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, form, at.line, at.character);
    return buffer;
}

// Does the double quote at text[i] close a string? Only when it is not escaped, that is
// when an even number of backslashes stands right before it.
bool IsEscaped(std::string_view text, std::size_t i) {
    std::size_t backslashes = 0;
    while (i > backslashes && text[i - 1 - backslashes] == '\\') ++backslashes;
    return backslashes % 2 == 1;
}

}  // namespace

TextPosition PositionOf(std::string_view text, std::size_t offset) {
    if (offset > text.size()) offset = text.size();
    long long line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    const std::size_t column = offset - lineStart;
    return {line > INT_MAX ? INT_MAX : static_cast<int>(line),
            column > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(column)};
}

PreparsedText Preparse(std::string_view bytes) {
    PreparsedText result;
    const bool hasBom = bytes.size() >= 3 && bytes.substr(0, 3) == kUtf8Bom;
    if (!hasBom && (bytes.empty() || (bytes[0] != '{' && bytes[0] != '/' && !IsJsonWhiteSpace(bytes[0])))) {
        result.error =
            "Line 1, char 0: Unrecognised start; not a UTF-8 BOM or brace. Is the JSON not in UTF-8 encoding?";
        return result;
    }
    const std::string_view text = hasBom ? bytes.substr(3) : bytes;

    if (text.find('/') == std::string_view::npos) {
        result.ok = true;
        result.text.assign(text);
        return result;
    }

    std::string copy;
    copy.reserve(text.size());
    bool inString = false;
    bool removed = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (!inString || !IsEscaped(text, i)) inString = !inString;
            copy.push_back(c);
            continue;
        }
        if (!inString && c == '/' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '/') {
                const std::size_t lineFeed = text.find('\n', i + 2);
                if (lineFeed == std::string_view::npos) {
                    result.error = Format("Line %d, char %d: Opened // comment but no newline encountered.",
                                          PositionOf(text, i));
                    return result;
                }
                copy += "\r\n";
                i = lineFeed;  // the loop steps past the line feed
                removed = true;
                continue;
            }
            if (next == '*') {
                const std::size_t close = text.find("*/", i + 2);
                if (close == std::string_view::npos) {
                    result.error = Format("Line %d, char %d: Opened /* */ comment without closing it.",
                                          PositionOf(text, i));
                    return result;
                }
                for (std::size_t j = i + 2; j < close; ++j)
                    if (text[j] == '\n') copy.push_back('\n');
                i = close + 1;  // the loop steps past the "/"
                removed = true;
                continue;
            }
        }
        copy.push_back(c);
    }

    result.ok = true;
    if (removed)
        result.text = std::move(copy);
    else
        result.text.assign(text);
    return result;
}

}  // namespace Vantor
