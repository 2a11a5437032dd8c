#include "sdk/diagnostics/Probes.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Environment.h"
#include "sdk/diagnostics/PathRules.h"
#include "sdk/diagnostics/Paths.h"
#include "sdk/diagnostics/ProbeRules.h"
#include "sdk/text/WideText.h"
#include "sdk/host/HostRecords.h"

namespace Vantor {
namespace {

using IsWow64Process2Function = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);
using RtlGetVersionFunction = LONG(WINAPI*)(RTL_OSVERSIONINFOEXW*);

constexpr std::int32_t kDefaultLanguage = 1033;
// "1036" and its terminator fit; a longer value is refused rather than cut.
constexpr DWORD kLanguageValueBytes = 6;
constexpr UINT kLanguageStringId = 720;
constexpr int kLanguageStringChars = 20;

template <class Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool LanguageError(unsigned error) {
    ErrorBox(L"Language Code error", L"Failed to look up Fusion editor language code: error %u.", error);
    return false;
}

// False after a box; a missing key or value leaves language as it is.
bool RegistryLanguage(std::int32_t& language) {
    const wchar_t* keyPath = Host::IsDeveloperEdition(ProcessEnvironment().hostVersion)
                                 ? L"Software\\Clickteam\\Fusion Developer 2.5\\General"
                                 : L"Software\\Clickteam\\Fusion 2.5\\General";
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key);
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status != ERROR_SUCCESS) return LanguageError(static_cast<unsigned>(status));
    char value[kLanguageValueBytes] = {};
    DWORD size = sizeof value;
    status = RegQueryValueExA(key, "language", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status == ERROR_FILE_NOT_FOUND) return true;
    if (status == ERROR_SUCCESS && size >= sizeof value) status = ERROR_MORE_DATA;
    if (status != ERROR_SUCCESS) return LanguageError(static_cast<unsigned>(status));
    language = LeadingDecimal(std::string_view(value, size));
    return true;
}

std::int32_t ResourceLanguage() {
    HMODULE host = LoadLibraryExW(HostExecutablePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!host) return kDefaultLanguage;
    wchar_t text[kLanguageStringChars + 1] = {};
    const int length = LoadStringW(host, kLanguageStringId, text, kLanguageStringChars + 1);
    FreeLibrary(host);
    return length > 0 ? LeadingDecimal(ToU16(std::wstring_view(text, length))) : kDefaultLanguage;
}

}  // namespace

bool ProbeWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) {
        const unsigned error = GetLastError();
        ErrorBox(L"Vantor Wine detection error", L"Couldn't search for Wine, couldn't load ntdll: error %u.", error);
        return false;
    }
    ProcessEnvironment().underWine = GetProcAddress(ntdll, "wine_get_version") != nullptr;
    return true;
}

bool ProbeCpu() {
    constexpr const wchar_t* kTitle = L"Vantor CPU detection error";
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (!kernel32) {
        const unsigned error = GetLastError();
        ErrorBox(kTitle, L"Couldn't detect CPU arch, couldn't load kernel32: error %u.", error);
        return false;
    }
    Environment& environment = ProcessEnvironment();
    if (const auto isWow64Process2 = Lookup<IsWow64Process2Function>(kernel32, "IsWow64Process2")) {
        USHORT process = 0, native = 0;
        if (!isWow64Process2(GetCurrentProcess(), &process, &native)) {
            const unsigned error = GetLastError();
            ErrorBox(kTitle, L"Couldn't detect CPU arch: IsWow64Process2() error %u.", error);
            return false;
        }
        process = EffectiveProcessMachine(process, native);
        if (!IsSupportedMachinePair(process, native)) {
            ErrorBox(kTitle, L"Couldn't detect CPU arch: IsWow64Process2() returned proc machine %#04X, native %#04X.",
                     static_cast<unsigned>(process), static_cast<unsigned>(native));
            return false;
        }
        environment.processMachine = process;
        environment.nativeMachine = native;
        environment.isWow64 = process != native;
    } else if (const auto isWow64Process = Lookup<IsWow64ProcessFunction>(kernel32, "IsWow64Process")) {
        BOOL wow64 = FALSE;
        if (!isWow64Process(GetCurrentProcess(), &wow64)) {
            const unsigned error = GetLastError();
            ErrorBox(kTitle, L"Couldn't detect CPU arch: IsWow64Process() error %u.", error);
            return false;
        }
        environment.isWow64 = wow64 != FALSE;
    }
    return true;
}

bool IsTestRunHost(bool unicodeHost) {
    return IsTestRunLayout(ToU16(LibraryFolder()), ToU16(HostExecutablePath()), unicodeHost,
                           [](const std::u16string& path) { return FileExists(ToWide(path)); });
}

bool ProbeEditorLanguage() {
    Environment& environment = ProcessEnvironment();
    if (environment.runContext != RunContext::Quiet && environment.runContext != RunContext::Editor) return true;
    std::int32_t language = kDefaultLanguage;
    if (environment.isFusion25) {
        if (!RegistryLanguage(language)) return false;
    } else {
        language = ResourceLanguage();
    }
    const char16_t* code = LanguageCodeFor(language);
    environment.languageCode[0] = code[0];
    environment.languageCode[1] = code[1];
    environment.languageCode[2] = L'\0';
    return true;
}

void ProbeExtensionPack() {
    Environment& environment = ProcessEnvironment();
    if (!environment.isFusion25 || environment.runContext == RunContext::BuiltApp) return;
    if (FileExists(HostRootFolder() + L"cfex.dll")) environment.extensionPack = true;
}

bool ProbeOsVersion() {
    constexpr const wchar_t* kTitle = L"Vantor OS detection error";
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) {
        ErrorBox(kTitle, L"Couldn't detect OS version: don't have ntdll.");
        return false;
    }
    const auto rtlGetVersion = Lookup<RtlGetVersionFunction>(ntdll, "RtlGetVersion");
    if (!rtlGetVersion) {
        ErrorBox(kTitle, L"Couldn't detect OS version: Couldn't load version function.");
        return false;
    }
    // The whole record the function may fill, announced with its true size.
    RTL_OSVERSIONINFOEXW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    const LONG status = rtlGetVersion(&version);
    if (status < 0) {
        ErrorBox(kTitle, L"Couldn't detect OS version: Version function returned failure (%u).",
                 static_cast<unsigned>(status));
        return false;
    }
    Environment& environment = ProcessEnvironment();
    environment.osMajor = version.dwMajorVersion;
    environment.osMinor = version.dwMinorVersion;
    environment.osBuild = version.dwBuildNumber;
    return true;
}

}  // namespace Vantor
