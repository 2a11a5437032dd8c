#include "BankTokens.h"

#include "Utf8Text.h"

namespace FmodStandin {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsWordByte(char c)
{
    return c > ' ' && c < 0x7F && c != '"' && c != '#';
}

// Reads the text token that starts after the opening quote at line[i]; i ends past the closing one.
bool ReadText(std::string_view line, std::size_t& i, std::string& value, std::string& error)
{
    ++i;
    while (i < line.size() && line[i] != '"') {
        char c = line[i];
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            error = "control character inside a text";
            return false;
        }
        if (c == '\\') {
            if (i + 1 >= line.size() || (line[i + 1] != '"' && line[i + 1] != '\\')) {
                error = "only \\\" and \\\\ may follow a backslash";
                return false;
            }
            c = line[++i];
        }
        value.push_back(c);
        ++i;
    }
    if (i >= line.size()) {
        error = "text without its closing quote";
        return false;
    }
    ++i;
    if (!IsValidUtf8(value)) {
        error = "text is not valid UTF-8";
        return false;
    }
    return true;
}

}  // namespace

bool TokenizeBankLine(std::string_view line, std::vector<BankToken>& tokens, std::string& error)
{
    tokens.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (IsBlank(c)) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            BankToken token{BankToken::Kind::Text, {}};
            if (!ReadText(line, i, token.value, error)) return false;
            tokens.push_back(std::move(token));
        } else if (IsWordByte(c)) {
            const std::size_t start = i;
            while (i < line.size() && IsWordByte(line[i])) ++i;
            tokens.push_back({BankToken::Kind::Word, std::string(line.substr(start, i - start))});
        } else {
            error = "unexpected character (byte " + std::to_string(static_cast<unsigned char>(c)) + ")";
            return false;
        }
    }
    return true;
}

}  // namespace FmodStandin
