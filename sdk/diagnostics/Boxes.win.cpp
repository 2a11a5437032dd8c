#include "sdk/diagnostics/Boxes.h"

#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <string>

#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/LogText.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/text/Utf8.h"
#include "sdk/diagnostics/WideFormat.h"
#include "sdk/text/WideText.h"

namespace Vantor {
namespace {

constexpr unsigned kModalityBits = 0x1000 | 0x2000;
constexpr unsigned kTaskModalForeground = 0x12000;

std::atomic<BoxPresenter> boxPresenter{nullptr};

unsigned EffectiveStyle(unsigned style) {
    const Environment& environment = ProcessEnvironment();
    if (environment.runContext == RunContext::Editor && GetCurrentThreadId() == environment.mainThreadId &&
        !(style & kModalityBits))
        style |= kTaskModalForeground;
    return style;
}

int Present(const std::wstring& text, const std::wstring& title, unsigned style) {
    void* owner = ProcessEnvironment().ownerWindow;
    style = EffectiveStyle(style);
    if (const BoxPresenter presenter = boxPresenter.load()) return presenter(owner, text.c_str(), title.c_str(), style);
    return MessageBoxW(static_cast<HWND>(owner), text.c_str(), title.c_str(), style);
}

int ShowBox(unsigned style, const wchar_t* title, const wchar_t* format, std::va_list args) {
    std::wstring fullTitle = title ? title : L"";
    fullTitle += L" - ";
    fullTitle += kProjectName;
    const std::optional<std::wstring> formatted = FormatWide(format, args);
    if (!formatted || formatted->empty()) {
        Present(L"Failed to format a message box. Contact extension developer.", fullTitle, kErrorBoxStyle);
        if (IsDebuggerPresent()) DebugBreak();
        return kBoxFormatFailed;
    }
    const std::u16string text = FitFormattedText(ToU16(*formatted), ToU16(format), kBoxTextChars);
    return Present(ToWide(text), fullTitle, style);
}

}  // namespace

#define VANTOR_BOX(name, style)                                  \
    int name(const wchar_t* title, const wchar_t* format, ...) { \
        std::va_list args;                                       \
        va_start(args, format);                                  \
        const int result = ShowBox(style, title, format, args);  \
        va_end(args);                                            \
        return result;                                           \
    }

VANTOR_BOX(ErrorBox, kErrorBoxStyle)
VANTOR_BOX(InfoBox, kInfoBoxStyle)
VANTOR_BOX(WarningBox, kWarningBoxStyle)
VANTOR_BOX(YesNoBox, kYesNoBoxStyle)
#undef VANTOR_BOX

void ShowReports(const Reports& reports) {
    for (const Report& report : reports) {
        const std::wstring title = ToWide(Utf8ToUtf16(report.title));
        const std::wstring text = ToWide(Utf8ToUtf16(report.text));
        ErrorBox(title.c_str(), L"%s", text.c_str());
    }
}

void SetBoxPresenter(BoxPresenter presenter) { boxPresenter.store(presenter); }

}  // namespace Vantor
