// One extension library (.mfx DLL), loaded the way the host loads it, with everything it shows the
// user routed to the Recorder.
#pragma once

#include "standins/host/ExtensionLibraryError.h"
#include "standins/host/internal/RecordingHooks.h"

#include <windows.h>

#include <filesystem>
#include <type_traits>

namespace StandinHost {

class ExtensionLibrary {
public:
    // Loads by absolute path with the library's own folder searched first for its dependencies,
    // then hooks its imports (see RecordingHooks). Hooks go in after the library's DllMain has run.
    // Throws ExtensionLibraryError with Windows' error text when it cannot be loaded or hooked.
    explicit ExtensionLibrary(const std::filesystem::path& path);
    ~ExtensionLibrary();

    ExtensionLibrary(ExtensionLibrary&& other) noexcept;
    ExtensionLibrary& operator=(ExtensionLibrary&& other) noexcept;
    ExtensionLibrary(const ExtensionLibrary&) = delete;
    ExtensionLibrary& operator=(const ExtensionLibrary&) = delete;

    HMODULE Module() const noexcept { return module_; }
    const std::filesystem::path& Path() const noexcept { return path_; }

    // The export of that plain name as a pointer of type F, for example
    // Export<int(__stdcall*)(int)>("GetInfos"). Throws ExtensionLibraryError naming it when missing.
    template <class F>
    F Export(const char* name) const {
        static_assert(std::is_pointer_v<F> && std::is_function_v<std::remove_pointer_t<F>>,
                      "Export needs a function pointer type");
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(ExportAddress(name)));
    }

private:
    FARPROC ExportAddress(const char* name) const;
    void Unload() noexcept;

    std::filesystem::path path_;
    RecordingHooks hooks_;
    HMODULE module_ = nullptr;
};

}  // namespace StandinHost
