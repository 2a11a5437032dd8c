#include "standins/host/internal/EchoLine.h"

#include "standins/host/internal/TextConversion.h"

namespace StandinHost {
namespace {

std::string OneLine(std::wstring_view text) {
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.remove_suffix(1);
    std::wstring line;
    line.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L'\n') {
            line += L"\\n";
        } else if (c != L'\r') {
            line += c;
        }
    }
    return Utf16ToUtf8(line);
}

}  // namespace

std::string BoxEchoLine(std::wstring_view title, std::wstring_view text) {
    return "[box] " + OneLine(title) + " | " + OneLine(text);
}

std::string LogEchoLine(std::wstring_view text) { return "[log] " + OneLine(text); }

}  // namespace StandinHost
