// How a formatted text is cut down to the fixed buffer it is shown or logged from.
// A text that does not fit (with its terminator) keeps its start, gets the marker
// "... [truncated]" 18 characters before the buffer's end, then the format's own line ending.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Vantor {

inline constexpr std::size_t kLogLineChars = 2024;
inline constexpr std::size_t kBoxTextChars = 4000;
inline constexpr std::size_t kFatalTextChars = 2048;

std::u16string FitFormattedText(std::u16string_view formatted, std::u16string_view format, std::size_t bufferChars);

// A log line as written to the debugger output.
std::u16string FinishLogLine(std::u16string_view formatted, std::u16string_view format);

// What is logged or shown when the format itself could not be used, so the text is not lost.
std::u16string FormatFailureText(std::u16string_view format);

}  // namespace Vantor
