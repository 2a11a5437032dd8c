// The parsed JSON definition: pre-parse (Preparse.h), then json-parser 1.1.0 with its default
// settings and a 256-byte error buffer. Owns the tree; move-only.
#pragma once

#include <string>
#include <string_view>

#include <json.h>

namespace Vantor {

class JsonDocument {
public:
    // Never throws for bad input; check ok(). (std::bad_alloc may escape for the copy.)
    static JsonDocument Parse(std::string_view bytes);

    JsonDocument() = default;
    JsonDocument(JsonDocument&& other) noexcept;
    JsonDocument& operator=(JsonDocument&& other) noexcept;
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;
    ~JsonDocument();

    bool ok() const { return root_ != nullptr; }
    // When !ok: the single-line message in one of the listed forms, UTF-8.
    const std::string& error() const { return error_; }
    // The root value; json_value_none when !ok.
    const json_value& root() const;

private:
    json_value* root_ = nullptr;
    std::string error_;
};

// Rewrites a json-parser 1.1.0 message into the form the editor shows:
// "L:C: X" -> "Line L, char C: X"; "... (at L:C)" -> "... (at line L, char C)";
// "L:C: Unexpected `" (its "Unexpected `%c` in object" cut short by a NUL byte) ->
// "Line L, char C: Unexpected `\0` in object" with a literal backslash and zero;
// an empty message -> "Unknown error". Anything else is returned unchanged.
std::string RewriteParserMessage(std::string_view message);

}  // namespace Vantor
