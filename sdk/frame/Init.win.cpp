#include "sdk/frame/Init.h"

#include <mutex>
#include <new>
#include <stdexcept>
#include <windows.h>

#include "sdk/definition/DefinitionSource.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/diagnostics/InvalidParameter.h"
#include "sdk/diagnostics/PathRules.h"
#include "sdk/diagnostics/Paths.h"
#include "sdk/diagnostics/Probes.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/text/WideText.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/Utf.h"

namespace Vantor::Ovik {
namespace {

constexpr int kDefinitionResource = 102;

RunContext ChooseRunContext(const Host::mV& mV, bool quiet)
{
    if (quiet)
        return RunContext::Quiet;
    if (mV.window)
        return RunContext::Editor;
    const bool unicodeHost = mV.callFunction && mV.callFunction(nullptr, Host::kCallIsUnicode, 0, 0, 0) != 0;
    return IsTestRunHost(unicodeHost) ? RunContext::TestRun : RunContext::BuiltApp;
}

// Learns where the library runs, from the host's record and the machine.
bool ProbeHost(const Host::mV& mV, bool quiet)
{
    Environment& environment = ProcessEnvironment();
    environment.ownerWindow = mV.window;
    environment.hostVersion = mV.getVersion();
    environment.isFusion25 = Host::IsFusion25(environment.hostVersion);
    if (!ProbeWine() || !ProbeCpu())
        return false;
    environment.runContext = ChooseRunContext(mV, quiet);
    if (!ProbeEditorLanguage())
        return false;
    ProbeExtensionPack();
    InstallInvalidParameterHandler();
    return ProbeOsVersion();
}

// Without a version function only the host-less tool may load the library.
void AcceptHostlessTool()
{
    if (EndsWithIgnoringAsciiCase(ToU16(HostExecutablePath()), u"\\Lumeracts.exe")) {
        ProcessEnvironment().isFusion25 = true;
        return;
    }
    ErrorBox(L"Unexpected mV", L"The extension is incorrectly initialized. Pass a valid mV struct.");
    TerminateProcess(GetCurrentProcess(), kFatalErrorExitCode);
}

std::int32_t LoadDefinition(Host::mV* mV)
{
    DefinitionBytes definition;
    try {
        definition = ReadDefinition(ProcessEnvironment().languageCode, L"json", kDefinitionResource);
    } catch (const std::runtime_error& error) {
        // A definition that exists but cannot be read: reported, never thrown at the host.
        ErrorBox(L"Couldn't read JSON", L"JSON file for %s couldn't be read: %s", kProjectName,
                 ToUtf16(error.what()).c_str());
        return -1;
    }
    if (definition.origin == DefinitionOrigin::NotFound) {
        ErrorBox(L"Couldn't find JSON", L"JSON file for %s not found on disk or in MFX resources", kProjectName);
        return -1;
    }

    JsonDocument document;
    try {
        document = JsonDocument::Parse(definition.bytes);
    } catch (const std::bad_alloc&) {
        ErrorBox(L"Out of memory", L"JSON file for %s couldn't allocate %zu bytes while loading", kProjectName,
                 definition.bytes.size() + 1);
        return -1;
    }
    if (!document.ok()) {
        ErrorBox(L"Error parsing JSON", L"JSON file for %s couldn't be parsed:\n%s", kProjectName,
                 ToUtf16(document.error()).c_str());
        return -1;
    }

    static std::once_flag built;
    static std::unique_ptr<SDK> instance;  // freed when the library leaves the process
    std::call_once(built, [&] { instance = std::make_unique<SDK>(mV, std::move(document)); });
    ::SDK = instance.get();
    return 0;
}

}  // namespace

std::int32_t Init(Host::mV* mV, bool quiet)
{
    // Two threads starting the library at once set it up once; the second finds it ready.
    static std::mutex starting;
    const std::lock_guard<std::mutex> lock(starting);
    if (::SDK)
        return 0;

    Environment& environment = ProcessEnvironment();
    wcscpy(environment.languageCode, L"EN");
    environment.mainThreadId = GetCurrentThreadId();

    if (mV && mV->getVersion) {
        if (!ProbeHost(*mV, quiet))
            return -1;
    } else {
        AcceptHostlessTool();
    }
    return LoadDefinition(mV);
}

}  // namespace Vantor::Ovik
