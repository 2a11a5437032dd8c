#include "sdk/diagnostics/LogText.h"

namespace Vantor {
namespace {

constexpr std::u16string_view kMarker = u"... [truncated]";
// The marker, its terminator and room for a CR LF after it.
constexpr std::size_t kTailChars = kMarker.size() + 3;

std::u16string_view LineEndingOf(std::u16string_view format) {
    if (format.ends_with(u"\r\n")) return u"\r\n";
    if (format.ends_with(u"\n")) return u"\n";
    return {};
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::u16string FitFormattedText(std::u16string_view formatted, std::u16string_view format, std::size_t bufferChars) {
    if (formatted.size() < bufferChars) return std::u16string(formatted);
    if (bufferChars <= kTailChars) return std::u16string(formatted.substr(0, bufferChars ? bufferChars - 1 : 0));
    std::size_t kept = bufferChars - kTailChars;
    // Never leave half of a surrogate pair in front of the marker.
    if (IsHighSurrogate(formatted[kept - 1])) --kept;
    std::u16string text(formatted.substr(0, kept));
    text += kMarker;
    text += LineEndingOf(format);
    return text;
}

std::u16string FinishLogLine(std::u16string_view formatted, std::u16string_view format) {
    return FitFormattedText(formatted, format, kLogLineChars);
}

std::u16string FormatFailureText(std::u16string_view format) {
    return u"Failed to format text: " + std::u16string(format);
}

}  // namespace Vantor
