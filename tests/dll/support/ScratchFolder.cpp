#include "tests/dll/support/ScratchFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <windows.h>

namespace TestSupport {

std::filesystem::path BuildFolder()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return std::filesystem::path(path).parent_path();
}

void CopyHostLibraries(const std::filesystem::path& folder)
{
    for (const char* name : {"mmfs2.dll", "fmodstudio.dll", "Sonbridge.Windows.dll"}) {
        // copy_options::skip_existing throws on this standard library: test first.
        const std::filesystem::path target = folder / name;
        if (!std::filesystem::exists(target))
            std::filesystem::copy_file(BuildFolder() / name, target);
    }
}

ScratchFolder::ScratchFolder() : ScratchFolder(std::filesystem::path())
{
}

ScratchFolder::ScratchFolder(const std::filesystem::path& subfolder)
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "outside-test";
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':')
            c = '_';
    // A death test's child process builds the same fixture while its parent holds the
    // libraries of the first one: each process gets a folder of its own.
    path_ = BuildFolder().parent_path() / "scratch" / name / std::to_string(GetCurrentProcessId()) / subfolder;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

std::filesystem::path CopyBuiltLibrary(const std::filesystem::path& folder, std::string_view builtName,
                                       std::string_view newName)
{
    std::filesystem::create_directories(folder);
    const std::filesystem::path target = folder / std::string(newName.empty() ? builtName : newName);
    std::filesystem::copy_file(BuildFolder() / std::string(builtName), target,
                               std::filesystem::copy_options::overwrite_existing);
    CopyHostLibraries(folder);
    return target;
}

std::filesystem::path ScratchFolder::CopyLibrary(std::string_view builtName, std::string_view newName) const
{
    return CopyBuiltLibrary(path_, builtName, newName);
}

std::filesystem::path ScratchFolder::Write(const std::filesystem::path& relative, std::string_view bytes) const
{
    const std::filesystem::path target = path_ / relative;
    WriteFile(target, bytes);
    return target;
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("could not write " + path.string());
}

std::string FixtureText(const char* name)
{
    return ReadFileBytes(std::filesystem::path(VANTOR_SOURCE_DIR) / "tests" / "fixtures" / name);
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace TestSupport
