// Message boxes. The title gets " - " and the project name; the text is formatted with the
// Windows wide printf conventions into a 4000-character buffer (longer texts end in a
// truncation marker). A format that fails or gives no text shows "Failed to format a message
// box. Contact extension developer." instead and returns kBoxFormatFailed. In the editor, boxes
// raised on the main thread are task-modal and brought to the foreground.
#pragma once

#include "sdk/diagnostics/Report.h"

namespace Vantor {

enum BoxStyle : unsigned {
    kErrorBoxStyle = 16,    // stop icon, OK
    kWarningBoxStyle = 48,  // warning icon, OK
    kYesNoBoxStyle = 52,    // warning icon, Yes and No
    kInfoBoxStyle = 64,     // information icon, OK
};

inline constexpr int kBoxFormatFailed = 2;

// Each returns the button pressed (YesNoBox: 6 for Yes, 7 for No).
int ErrorBox(const wchar_t* title, const wchar_t* format, ...);
int InfoBox(const wchar_t* title, const wchar_t* format, ...);
int WarningBox(const wchar_t* title, const wchar_t* format, ...);
int YesNoBox(const wchar_t* title, const wchar_t* format, ...);

// One error box per report, in order; their UTF-8 texts are shown as they are, never as formats.
void ShowReports(const Reports& reports);

// Shows boxes in place of MessageBoxW and answers for the user; for tests. Null to restore.
// Receives exactly what MessageBoxW would: owner window, text, full title, final style.
using BoxPresenter = int (*)(void* owner, const wchar_t* text, const wchar_t* title, unsigned style);
void SetBoxPresenter(BoxPresenter presenter);

}  // namespace Vantor
