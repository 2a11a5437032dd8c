#include "sdk/diagnostics/Log.h"

#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <string>

#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/LogText.h"
#include "sdk/text/Utf8.h"
#include "sdk/diagnostics/WideFormat.h"
#include "sdk/text/WideText.h"

namespace Vantor {
namespace {

std::atomic<LogObserver> logObserver{nullptr};

}  // namespace

std::u16string FormatOrDescribe(const wchar_t* format, std::va_list args) {
    if (const std::optional<std::wstring> formatted = FormatWide(format, args)) return ToU16(*formatted);
    return FormatFailureText(format ? ToU16(format) : u"(null)");
}

void LogLine(int level, const wchar_t* format, ...) {
    std::va_list args;
    va_start(args, format);
    const std::u16string text = FormatOrDescribe(format, args);
    va_end(args);
    WriteLogLine(level, FinishLogLine(text, format ? ToU16(format) : u""));
}

void WriteLogLine(int level, std::u16string_view line) {
    const std::wstring wide = ToWide(line);
    if (ProcessEnvironment().underWine)
        OutputDebugStringA(Utf16ToUtf8(line).c_str());
    else
        OutputDebugStringW(wide.c_str());
    if (const LogObserver observer = logObserver.load()) observer(level, wide.c_str());
}

void SetLogObserver(LogObserver observer) { logObserver.store(observer); }

}  // namespace Vantor
