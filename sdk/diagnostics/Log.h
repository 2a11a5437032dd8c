// Log lines to the debugger output. Every line is written whatever its level.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace Vantor {

enum LogLevel : int {
    kLogDetail = 4,
    kLogNote = 5,
    kLogWarning = 6,
    kLogFatal = 7,
};

// Formats (Windows wide printf conventions) into a 2024-character line, truncating with a marker
// that keeps the format's line ending. A format that cannot be used is logged as it stands.
void LogLine(int level, const wchar_t* format, ...);

// The text a format gives, or, when the format cannot be used, a text naming the format.
std::u16string FormatOrDescribe(const wchar_t* format, std::va_list args);

// Writes a line that is already formatted and fitted: UTF-8 through OutputDebugStringA under
// Wine, else OutputDebugStringW.
void WriteLogLine(int level, std::u16string_view line);

// Sees every line written, after it went to the debugger output; for tests. Null to stop.
using LogObserver = void (*)(int level, const wchar_t* line);
void SetLogObserver(LogObserver observer);

}  // namespace Vantor
