#include "sdk/diagnostics/Paths.h"

#include <windows.h>

#include <atomic>

#include "sdk/diagnostics/Log.h"
#include "sdk/diagnostics/PathRules.h"
#include "sdk/text/WideText.h"

namespace Vantor {
namespace {

// Windows' own limit for a path with the "\\?\" prefix.
constexpr DWORD kLongestPath = 32768;

std::atomic<void*> storedModule{nullptr};

std::wstring ModuleFileName(HMODULE module) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= kLongestPath) return {};
        buffer.resize(buffer.size() * 2);  // the name was cut short
    }
}

std::wstring LongForm(const std::wstring& path) {
    if (path.empty()) return path;
    const DWORD needed = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return path;
    std::wstring buffer(needed, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), buffer.data(), needed);
    if (length == 0 || length >= needed) return path;
    buffer.resize(length);
    return buffer;
}

const wchar_t* DescribeUnusableSwitch(HostPathSource source) {
    switch (source) {
    case HostPathSource::MissingSwitch: return L"has no /SF switch";
    case HostPathSource::UnterminatedQuote: return L"has a /SF path without its closing quote";
    case HostPathSource::EmptyQuote: return L"has an empty /SF path";
    default: return nullptr;
    }
}

std::wstring ResolveHostExecutablePath() {
    const std::wstring process = LongForm(ModuleFileName(nullptr));
    const HostExecutable host = ResolveHostExecutable(ToU16(process), ToU16(GetCommandLineW()));
    if (const wchar_t* problem = DescribeUnusableSwitch(host.source))
        LogLine(kLogWarning, L"Host %s is an unpacked copy, but its command line %s; using its own path.\n",
                process.c_str(), problem);
    return ToWide(host.path);
}

}  // namespace

void SetModuleHandle(void* module) {
    void* expected = nullptr;
    storedModule.compare_exchange_strong(expected, module);
}

void* ModuleHandle() {
    if (void* module = storedModule.load()) return module;
    HMODULE own = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&storedModule), &own);
    return own;
}

const std::wstring& LibraryPath() {
    static const std::wstring path = LongForm(ModuleFileName(static_cast<HMODULE>(ModuleHandle())));
    return path;
}

const std::wstring& LibraryFolder() {
    static const std::wstring folder = ToWide(FolderOf(ToU16(LibraryPath())));
    return folder;
}

const std::wstring& ExtensionsFolder() {
    static const std::wstring folder = ToWide(ExtensionsFolderOf(ToU16(LibraryFolder())));
    return folder;
}

const std::wstring& HostRootFolder() {
    static const std::wstring folder = ToWide(HostRootFolderOf(ToU16(ExtensionsFolder())));
    return folder;
}

const std::wstring& HostExecutablePath() {
    static const std::wstring path = ResolveHostExecutablePath();
    return path;
}

bool FileExists(const std::wstring& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace Vantor
