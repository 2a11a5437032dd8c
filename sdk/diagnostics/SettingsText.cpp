#include "sdk/diagnostics/SettingsText.h"

namespace Vantor {

std::string PrepareSettingsText(std::string_view fileBytes) {
    // Notepad may save a byte-order mark; left in, it would hide the first key.
    if (fileBytes.starts_with("\xEF\xBB\xBF")) fileBytes.remove_prefix(3);
    std::string text;
    text.reserve(fileBytes.size() + 2);
    text += '\n';
    for (std::size_t i = 0; i < fileBytes.size(); ++i) {
        if (fileBytes[i] != '=') {
            text += fileBytes[i];
            continue;
        }
        if (text.back() == ' ') text.pop_back();
        text += '=';
        if (i + 1 < fileBytes.size() && fileBytes[i + 1] == ' ') ++i;
    }
    text += '\n';
    return text;
}

std::string FindSetting(std::string_view preparedText, std::string_view key) {
    if (key.empty()) return {};
    std::string needle;
    needle.reserve(key.size() + 2);
    needle += '\n';
    needle += key;
    needle += '=';
    const std::size_t found = preparedText.find(needle);
    if (found == std::string_view::npos) return {};
    const std::size_t start = found + needle.size();
    const std::size_t end = preparedText.find_first_of("\r\n", start);
    return std::string(preparedText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

}  // namespace Vantor
