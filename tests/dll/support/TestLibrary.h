// The test extension started in a scratch folder, with its diagnostics exports at hand.
#pragma once

#include <memory>
#include <string>

#include "standins/host/HostApplication.h"
#include "tests/dll/support/Extension.h"
#include "tests/dll/support/ScratchFolder.h"
#include "tests/extension/TestControl.h"

namespace TestSupport {

// A small definition the test library starts with.
extern const char kMinimalDefinition[];

class TestLibrary {
public:
    // Copies VantorTest.mfx into `folder` (below the scratch folder) with the minimal definition.
    TestLibrary(const ScratchFolder& scratch, const std::filesystem::path& folder = {});

    LoadedExtension& Extension() { return *extension_; }
    std::int32_t Start(StandinHost::HostApplication& host, bool quiet = false);

    void Log(std::int32_t level, const wchar_t* format, const wchar_t* argument = L"");
    std::int32_t Box(TestExtension::BoxKind kind, const wchar_t* title, const wchar_t* format,
                     const wchar_t* argument = L"");
    std::string Setting(const char* key);
    TestExtension::EnvironmentSnapshot Environment();
    std::wstring Path(TestExtension::PathKind which);

    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::unique_ptr<LoadedExtension> extension_;
};

}  // namespace TestSupport
