// Test-only exports that hand framework diagnostics to the tests.
#include <algorithm>
#include <cstring>
#include <string>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/diagnostics/Log.h"
#include "sdk/diagnostics/Paths.h"
#include "sdk/diagnostics/Settings.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/HostBuffer.h"
#include "tests/extension/TestControl.h"

using namespace TestExtension;

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_Log(std::int32_t level, const wchar_t* format, const wchar_t* argument)
{
    Vantor::LogLine(level, format, argument);
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_Box(std::int32_t kind, const wchar_t* title,
                                                          const wchar_t* format, const wchar_t* argument)
{
    switch (kind) {
    case kInfo: return Vantor::InfoBox(title, format, argument);
    case kWarning: return Vantor::WarningBox(title, format, argument);
    case kYesNo: return Vantor::YesNoBox(title, format, argument);
    default: return Vantor::ErrorBox(title, format, argument);
    }
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_ReadSetting(const char* key, char* value, std::int32_t capacity)
{
    const std::string setting = Vantor::ReadSetting(key);
    Vantor::CopyToHostBuffer(value, static_cast<std::size_t>(capacity), std::string_view(setting));
    return static_cast<std::int32_t>(setting.size());
}

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_Environment(EnvironmentSnapshot* snapshot)
{
    const Vantor::Environment& environment = Vantor::ProcessEnvironment();
    *snapshot = {};
    snapshot->runContext = static_cast<std::int32_t>(environment.runContext);
    snapshot->mainThreadId = environment.mainThreadId;
    snapshot->hostVersion = environment.hostVersion;
    snapshot->isFusion25 = environment.isFusion25;
    snapshot->underWine = environment.underWine;
    snapshot->extensionPack = environment.extensionPack;
    std::memcpy(snapshot->languageCode, environment.languageCode, sizeof snapshot->languageCode);
    Vantor::CopyTruncated(snapshot->languageName, std::size(snapshot->languageName),
                          std::wstring_view(Vantor::Ovik::CurrentLanguageName()));
}

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_Fatal(const wchar_t* text)
{
    Vantor::FatalError(L"%s", text);
}

VANTOR_EXPORT void VANTOR_HOSTCALL VantorTest_RequireMainThread()
{
    Vantor::RequireMainThread("VantorTest_RequireMainThread");
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_Path(std::int32_t which, wchar_t* path, std::int32_t capacity)
{
    const std::wstring* value = nullptr;
    switch (which) {
    case kLibrary: value = &Vantor::LibraryPath(); break;
    case kLibraryFolder: value = &Vantor::LibraryFolder(); break;
    case kExtensionsFolder: value = &Vantor::ExtensionsFolder(); break;
    case kHostRoot: value = &Vantor::HostRootFolder(); break;
    default: value = &Vantor::HostExecutablePath(); break;
    }
    Vantor::CopyToHostBuffer(path, static_cast<std::size_t>(capacity), std::wstring_view(*value));
    return static_cast<std::int32_t>(value->size());
}
