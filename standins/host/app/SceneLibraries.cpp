#include "standins/host/app/SceneLibraries.h"

#include <windows.h>

#include <optional>

#include "sdk/text/Utf.h"

namespace StandinHost {
namespace {

std::filesystem::path ProgramFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return std::filesystem::path(buffer).parent_path();
}

std::optional<std::filesystem::path> Locate(const std::filesystem::path& file, const std::filesystem::path& sceneFolder)
{
    std::error_code ignored;
    if (file.is_absolute())
        return std::filesystem::is_regular_file(file, ignored) ? std::optional(file) : std::nullopt;
    for (const auto& folder : {sceneFolder, ProgramFolder()})
        if (std::filesystem::is_regular_file(folder / file, ignored))
            return std::filesystem::weakly_canonical(folder / file, ignored);
    return std::nullopt;
}

// The definition the library carries: resource 102 of type "OVIK".
std::string EmbeddedDefinition(HMODULE module)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(102), L"OVIK");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(module, found)) : std::string();
}

}  // namespace

SceneLibrary* SceneLibraries::Load(const std::string& file, const std::filesystem::path& sceneFolder, std::string& error)
{
    const auto path = Locate(std::filesystem::path(Vantor::ToUtf16(file)), sceneFolder);
    if (!path) {
        error = "a library file beside the scene, beside vantor-host.exe or at an absolute path; \"" + file +
                "\" is not there";
        return nullptr;
    }
    if (auto known = loaded_.find(*path); known != loaded_.end())
        return &known->second;
    SceneLibrary entry;
    try {
        entry.library = std::make_unique<ExtensionLibrary>(*path);
    } catch (const std::exception& failure) {
        error = "a loadable extension library in \"" + file + "\": " + failure.what();
        return nullptr;
    }
    entry.definition = EmbeddedDefinition(entry.library->Module());
    CatalogResult catalog = ReadSceneCatalog(entry.definition);
    if (!catalog.error.empty()) {
        error = "an extension library with a readable definition in \"" + file + "\": " + catalog.error;
        return nullptr;
    }
    entry.catalog = std::move(catalog.catalog);
    return &loaded_.emplace(*path, std::move(entry)).first->second;
}

}  // namespace StandinHost
