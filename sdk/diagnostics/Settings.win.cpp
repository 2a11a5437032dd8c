#include "sdk/diagnostics/Settings.h"

#include <windows.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <new>
#include <optional>
#include <share.h>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Log.h"
#include "sdk/diagnostics/Paths.h"
#include "sdk/diagnostics/SettingsText.h"

namespace Vantor {
namespace {

constexpr const wchar_t* kErrorTitle = L"Vantor SDK error";

std::atomic<std::uint8_t> settingsLock{0};
bool settingsLoaded = false;
std::string settingsText;

class SpinLock {
public:
    SpinLock() {
        while (settingsLock.exchange(1, std::memory_order_acquire)) SwitchToThread();
    }
    ~SpinLock() { settingsLock.store(0, std::memory_order_release); }
    SpinLock(const SpinLock&) = delete;
    SpinLock& operator=(const SpinLock&) = delete;
};

// The file's bytes, or nothing when there is no file or it could not be read (reported).
std::optional<std::string> ReadSettingsFile() {
    if (ExtensionsFolder().empty()) {
        LogLine(kLogWarning, L"Extensions\\Vantor.ini not read: the library's own folder is unknown.\n");
        return std::nullopt;
    }
    const std::wstring path = ExtensionsFolder() + L"Vantor.ini";
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            ErrorBox(kErrorTitle, L"Error %u opening Extensions\\Vantor.ini.", static_cast<unsigned>(error));
        return std::nullopt;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;

    std::FILE* file = _wfsopen(path.c_str(), L"rb", _SH_DENYWR);
    if (!file) {
        ErrorBox(kErrorTitle, L"Couldn't open Extensions\\Vantor.ini, error %d.", errno);
        return std::nullopt;
    }
    std::string bytes;
    int readError = 0;
    try {
        char chunk[4096];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
        if (std::ferror(file)) readError = errno ? errno : EIO;
    } catch (const std::bad_alloc&) {
        readError = ENOMEM;
    }
    std::fclose(file);
    if (readError) {
        ErrorBox(kErrorTitle, L"Couldn't read Extensions\\Vantor.ini file, error %i.", readError);
        return std::nullopt;
    }
    return bytes;
}

const std::string& LoadedSettings() {
    SpinLock lock;
    if (!settingsLoaded) {
        settingsLoaded = true;  // set first: a failed load is not tried again
        if (const std::optional<std::string> bytes = ReadSettingsFile()) settingsText = PrepareSettingsText(*bytes);
    }
    return settingsText;
}

}  // namespace

std::string ReadSetting(const char* key) {
    const std::string& text = LoadedSettings();
    return key ? FindSetting(text, key) : std::string();
}

}  // namespace Vantor
