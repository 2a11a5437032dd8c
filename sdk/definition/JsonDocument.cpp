#include "sdk/definition/JsonDocument.h"

#include <cstring>
#include <utility>
#include <vector>

#include "sdk/definition/Preparse.h"

namespace Vantor {

namespace {

constexpr std::size_t kErrorBufferSize = 256;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads "L:C" (optionally signed, as "%d" prints) at text[pos]; returns the end or npos.
std::size_t ReadLineAndColumn(std::string_view text, std::size_t pos, std::string_view& line,
                              std::string_view& column) {
    auto readNumber = [&](std::size_t p, std::string_view& out) -> std::size_t {
        const std::size_t start = p;
        if (p < text.size() && text[p] == '-') ++p;
        const std::size_t digits = p;
        while (p < text.size() && IsDigit(text[p])) ++p;
        if (p == digits) return std::string_view::npos;
        out = text.substr(start, p - start);
        return p;
    };
    std::size_t p = readNumber(pos, line);
    if (p == std::string_view::npos || p >= text.size() || text[p] != ':') return std::string_view::npos;
    return readNumber(p + 1, column);
}

}  // namespace

std::string RewriteParserMessage(std::string_view message) {
    if (message.empty()) return "Unknown error";

    std::string_view line, column;
    // "L:C: X"
    const std::size_t prefixEnd = ReadLineAndColumn(message, 0, line, column);
    if (prefixEnd != std::string_view::npos && message.substr(prefixEnd, 2) == ": ") {
        std::string_view rest = message.substr(prefixEnd + 2);
        std::string out = "Line ";
        out.append(line).append(", char ").append(column).append(": ");
        if (rest == "Unexpected `")
            out += "Unexpected `\\0` in object";
        else
            out.append(rest);
        return out;
    }

    // "X (at L:C)"
    static constexpr std::string_view kAt = " (at ";
    const std::size_t at = message.rfind(kAt);
    if (at != std::string_view::npos && message.back() == ')') {
        const std::size_t end = ReadLineAndColumn(message, at + kAt.size(), line, column);
        if (end == message.size() - 1) {
            std::string out(message.substr(0, at));
            out.append(" (at line ").append(line).append(", char ").append(column).append(")");
            return out;
        }
    }
    return std::string(message);
}

JsonDocument JsonDocument::Parse(std::string_view bytes) {
    JsonDocument document;
    PreparsedText pre = Preparse(bytes);
    if (!pre.ok) {
        document.error_ = std::move(pre.error);
        return document;
    }

    // A zero-padded copy: json-parser looks ahead a few bytes in places, and stops at a NUL.
    std::vector<char> copy(pre.text.size() + 8, '\0');
    if (!pre.text.empty()) std::memcpy(copy.data(), pre.text.data(), pre.text.size());

    json_settings settings;
    std::memset(&settings, 0, sizeof settings);
    char error[kErrorBufferSize];
    std::memset(error, 0, sizeof error);

    document.root_ = json_parse_ex(&settings, copy.data(), pre.text.size(), error);
    if (document.root_ == nullptr) {
        error[kErrorBufferSize - 1] = '\0';
        document.error_ = RewriteParserMessage(std::string_view(error, std::strlen(error)));
    }
    return document;
}

JsonDocument::JsonDocument(JsonDocument&& other) noexcept
    : root_(std::exchange(other.root_, nullptr)), error_(std::move(other.error_)) {}

JsonDocument& JsonDocument::operator=(JsonDocument&& other) noexcept {
    if (this != &other) {
        if (root_ != nullptr) json_value_free(root_);
        root_ = std::exchange(other.root_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

JsonDocument::~JsonDocument() {
    if (root_ != nullptr) json_value_free(root_);
}

const json_value& JsonDocument::root() const { return root_ != nullptr ? *root_ : json_value_none; }

}  // namespace Vantor
