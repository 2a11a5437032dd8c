#include "tests/dll/support/TestLibrary.h"

namespace TestSupport {

const char kMinimalDefinition[] =
    R"({ "Identifier": "VTST", "UK English": { "About": { "Name": "Vantor Test" }, "Actions": [ {} ] } })";

TestLibrary::TestLibrary(const ScratchFolder& scratch, const std::filesystem::path& folder)
    : folder_(scratch.Path() / folder)
{
    const std::filesystem::path library = CopyBuiltLibrary(folder_, "VantorTest.mfx");
    WriteFile(folder_ / "VantorTest.json", kMinimalDefinition);
    extension_ = std::make_unique<LoadedExtension>(library);
}

std::int32_t TestLibrary::Start(StandinHost::HostApplication& host, bool quiet)
{
    return extension_->Initialize(host.Record(), quiet);
}

void TestLibrary::Log(std::int32_t level, const wchar_t* format, const wchar_t* argument)
{
    extension_->Export<TestExtension::LogFn>("VantorTest_Log")(level, format, argument);
}

std::int32_t TestLibrary::Box(TestExtension::BoxKind kind, const wchar_t* title, const wchar_t* format,
                              const wchar_t* argument)
{
    return extension_->Export<TestExtension::BoxFn>("VantorTest_Box")(kind, title, format, argument);
}

std::string TestLibrary::Setting(const char* key)
{
    char value[4096] = {};
    extension_->Export<TestExtension::ReadSettingFn>("VantorTest_ReadSetting")(key, value, sizeof value);
    return value;
}

TestExtension::EnvironmentSnapshot TestLibrary::Environment()
{
    TestExtension::EnvironmentSnapshot snapshot{};
    extension_->Export<TestExtension::EnvironmentFn>("VantorTest_Environment")(&snapshot);
    return snapshot;
}

std::wstring TestLibrary::Path(TestExtension::PathKind which)
{
    wchar_t path[2048] = {};
    extension_->Export<TestExtension::PathFn>("VantorTest_Path")(which, path, static_cast<std::int32_t>(std::size(path)));
    return path;
}

}  // namespace TestSupport
