// A fresh folder per test, holding copies of built libraries and the files a test puts
// beside them; each copy is a library of its own to the loader, with its own process state.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace TestSupport {

// The folder of the running test executable, where every built library lies.
std::filesystem::path BuildFolder();

// Puts the libraries an extension imports (the stand-ins of mmfs2, FMOD Studio and Sonbridge)
// into `folder`, where an extension library copied there finds them.
void CopyHostLibraries(const std::filesystem::path& folder);

// Copies a built library into `folder` (made when missing), under another name when one is
// given, with the libraries it imports beside it.
std::filesystem::path CopyBuiltLibrary(const std::filesystem::path& folder, std::string_view builtName,
                                       std::string_view newName = {});

class ScratchFolder {
public:
    // A new, empty folder named after the running test, below the build folder.
    ScratchFolder();
    explicit ScratchFolder(const std::filesystem::path& subfolder);

    const std::filesystem::path& Path() const { return path_; }

    // Copies a built library here, under another name when one is given.
    std::filesystem::path CopyLibrary(std::string_view builtName, std::string_view newName = {}) const;
    // Writes a file (raw bytes) here, creating folders on the way.
    std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
// A file of tests/fixtures in the source tree.
std::string FixtureText(const char* name);
// Writes raw bytes, creating the folders on the way.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace TestSupport
