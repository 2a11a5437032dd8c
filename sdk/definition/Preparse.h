// Pre-parse of the JSON definition: checks the start, drops a UTF-8 byte-order mark
// and strips "//" and "/* */" comments so that json-parser,
// which runs with comments off, sees plain JSON with every line feed in its place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Vantor {

struct PreparsedText {
    bool ok = false;
    std::string error;  // when !ok: the single-line message, UTF-8
    std::string text;   // when ok: the text to parse, without BOM and comments
};

// Positions in messages: the line is 1-based and counts line feeds (as json-parser counts
// them); the char is the 0-based byte offset from the start of that line (the byte after
// the last line feed, or after the BOM on line 1). json-parser 1.1.0 resets its column to 0
// at every line feed and never advances it, so its own messages always say "char 0".
struct TextPosition {
    int line;
    int character;
};
TextPosition PositionOf(std::string_view textWithoutBom, std::size_t offset);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

PreparsedText Preparse(std::string_view bytes);

}  // namespace Vantor
