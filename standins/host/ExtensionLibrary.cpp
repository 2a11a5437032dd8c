#include "standins/host/ExtensionLibrary.h"

#include "standins/host/internal/TextConversion.h"
#include "standins/host/internal/WindowsErrorText.h"

#include <string>
#include <utility>

namespace StandinHost {
namespace {

std::string Describe(const std::filesystem::path& path) { return "extension library " + Utf16ToUtf8(path.native()); }

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
    if (path.empty()) throw ExtensionLibraryError("no extension library path given");
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        throw ExtensionLibraryError("cannot make an absolute path of " + Describe(path) + ": " + error.message());
    return absolute;
}

HMODULE Load(const std::filesystem::path& path) {
    // A library that fails to load must not put up Windows' own error box.
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    const DWORD error = GetLastError();
    SetThreadErrorMode(oldMode, nullptr);
    if (module == nullptr) {
        throw ExtensionLibraryError("cannot load " + Describe(path) + ": " + WindowsErrorText(error), error);
    }
    return module;
}

}  // namespace

ExtensionLibrary::ExtensionLibrary(const std::filesystem::path& path) : path_(AbsolutePath(path)) {
    const HMODULE module = Load(path_);
    try {
        hooks_ = RecordingHooks(module);
    } catch (const ExtensionLibraryError& error) {
        FreeLibrary(module);
        throw ExtensionLibraryError("cannot hook " + Describe(path_) + ": " + error.what(), error.WindowsError());
    } catch (...) {
        FreeLibrary(module);
        throw;
    }
    module_ = module;
}

ExtensionLibrary::~ExtensionLibrary() { Unload(); }

ExtensionLibrary::ExtensionLibrary(ExtensionLibrary&& other) noexcept
    : path_(std::move(other.path_)), hooks_(std::move(other.hooks_)), module_(std::exchange(other.module_, nullptr)) {}

ExtensionLibrary& ExtensionLibrary::operator=(ExtensionLibrary&& other) noexcept {
    if (this != &other) {
        Unload();
        path_ = std::move(other.path_);
        hooks_ = std::move(other.hooks_);
        module_ = std::exchange(other.module_, nullptr);
    }
    return *this;
}

FARPROC ExtensionLibrary::ExportAddress(const char* name) const {
    if (name == nullptr) throw ExtensionLibraryError("no export name given");
    if (module_ == nullptr)
        throw ExtensionLibraryError("no library loaded to look up export \"" + std::string(name) + "\" in");
    const FARPROC address = GetProcAddress(module_, name);
    if (address == nullptr) {
        const DWORD error = GetLastError();
        throw ExtensionLibraryError(Describe(path_) + " has no export \"" + name + "\"", error);
    }
    return address;
}

void ExtensionLibrary::Unload() noexcept {
    // The library is freed while still hooked: its detach code may still show or log something.
    if (module_ != nullptr) FreeLibrary(std::exchange(module_, nullptr));
    hooks_ = RecordingHooks();
}

}  // namespace StandinHost
