#include "sdk/diagnostics/Fatal.h"

#include <windows.h>

#include <cstdarg>
#include <string>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Log.h"
#include "sdk/diagnostics/LogText.h"
#include "sdk/text/Utf8.h"
#include "sdk/text/WideText.h"

namespace Vantor {

void FatalError(const wchar_t* format, ...) {
    std::va_list args;
    va_start(args, format);
    const std::u16string formatted = FormatOrDescribe(format, args);
    va_end(args);
    const std::u16string formatText = format ? ToU16(format) : u"";
    const std::u16string text = FitFormattedText(formatted, formatText, kFatalTextChars);
    WriteLogLine(kLogFatal, FinishLogLine(text, formatText));
    const std::wstring wide = ToWide(text);
    ErrorBox(L"Fatal error", L"%s", wide.c_str());
    TerminateProcess(GetCurrentProcess(), kFatalErrorExitCode);
    ExitProcess(kFatalErrorExitCode);  // only if terminating ourselves was refused
}

void RequireMainThread(const char* functionName) {
    if (GetCurrentThreadId() == ProcessEnvironment().mainThreadId) return;
    const std::wstring name = ToWide(Utf8ToUtf16(functionName ? functionName : ""));
    FatalError(L"Use of %s outside of main thread is forbidden", name.c_str());
}

}  // namespace Vantor
