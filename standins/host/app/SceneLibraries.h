// The libraries a scene names, loaded once each, with the catalog of their definitions.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "standins/host/ExtensionLibrary.h"
#include "standins/host/app/SceneCatalog.h"

namespace StandinHost {

struct SceneLibrary {
    std::unique_ptr<ExtensionLibrary> library;
    std::string definition;  // the embedded JSON text
    SceneCatalog catalog;
};

class SceneLibraries {
public:
    // A written library file: absolute, else beside the scene, else beside vantor-host.exe.
    // The loaded library, or nothing with `error` saying what was expected.
    SceneLibrary* Load(const std::string& file, const std::filesystem::path& sceneFolder, std::string& error);
    std::map<std::filesystem::path, SceneLibrary>& All() { return loaded_; }

private:
    std::map<std::filesystem::path, SceneLibrary> loaded_;
};

}  // namespace StandinHost
