#include "FreshRecord.h"
#include "ProbeLibrary.h"

#include "standins/host/ExtensionLibrary.h"
#include "standins/host/internal/TextConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace StandinHostTests {
namespace {

using StandinHost::ExtensionLibrary;
using StandinHost::ExtensionLibraryError;

std::string SystemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer, length);
    LocalFree(buffer);
    return StandinHost::Utf16ToUtf8(text.substr(0, text.find_last_not_of(L" \r\n") + 1));
}

bool IsLoaded(const wchar_t* name) { return GetModuleHandleW(name) != nullptr; }

class ExtensionLibraryTest : public FreshRecord {};

TEST_F(ExtensionLibraryTest, DependenciesComeFromTheLibrarysOwnFolder) {
    ASSERT_FALSE(std::filesystem::exists(TestFolder() / ProbeLibrary::CompanionPath().filename()))
        << "the companion must not sit beside the test, or the folder search proves nothing";
    ProbeLibrary probe;
    EXPECT_EQ(probe.CompanionValue(), 42);
    wchar_t companion[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"standin_probe_companion.dll"), companion, MAX_PATH);
    EXPECT_TRUE(std::filesystem::equivalent(companion, ProbeLibrary::CompanionPath()));
}

TEST_F(ExtensionLibraryTest, RelativePathIsLoadedAsAbsolute) {
    const std::filesystem::path relative = std::filesystem::relative(ProbeLibrary::Path());
    ASSERT_TRUE(relative.is_relative());
    ExtensionLibrary library(relative);
    EXPECT_EQ(library.Path(), std::filesystem::absolute(relative));
    EXPECT_TRUE(library.Path().is_absolute());
    EXPECT_NE(library.Module(), nullptr);
}

TEST_F(ExtensionLibraryTest, MissingExportIsNamedInTheError) {
    ProbeLibrary probe;
    try {
        probe.Library().Export<void(__stdcall*)()>("NoSuchExport");
        FAIL() << "a missing export must throw";
    } catch (const ExtensionLibraryError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("has no export \"NoSuchExport\""), std::string::npos) << message;
        EXPECT_NE(message.find("standin_probe.dll"), std::string::npos) << message;
        EXPECT_EQ(error.WindowsError(), static_cast<std::uint32_t>(ERROR_PROC_NOT_FOUND));
    }
}

TEST_F(ExtensionLibraryTest, MissingLibraryGivesWindowsErrorText) {
    const std::filesystem::path missing = TestFolder() / L"no_such_extension.mfx";
    try {
        ExtensionLibrary library(missing);
        FAIL() << "a missing library must throw";
    } catch (const ExtensionLibraryError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind("cannot load extension library " + StandinHost::Utf16ToUtf8(missing.native()), 0), 0u)
            << message;
        const std::string systemText = SystemText(ERROR_MOD_NOT_FOUND);
        ASSERT_FALSE(systemText.empty());
        EXPECT_NE(message.find(systemText), std::string::npos) << message;
        EXPECT_NE(message.find("(error 126)"), std::string::npos) << message;
        EXPECT_EQ(error.WindowsError(), static_cast<std::uint32_t>(ERROR_MOD_NOT_FOUND));
    }
}

TEST_F(ExtensionLibraryTest, EmptyPathIsRefused) {
    EXPECT_THROW(ExtensionLibrary{std::filesystem::path{}}, ExtensionLibraryError);
}

TEST_F(ExtensionLibraryTest, DestructionUnloadsTheLibrary) {
    {
        ProbeLibrary probe;
        ASSERT_TRUE(IsLoaded(L"standin_probe.dll"));
    }
    EXPECT_FALSE(IsLoaded(L"standin_probe.dll"));
}

TEST_F(ExtensionLibraryTest, MovedLibraryStaysLoadedAndHooked) {
    ExtensionLibrary first(ProbeLibrary::Path());
    const HMODULE module = first.Module();
    ExtensionLibrary second(std::move(first));
    EXPECT_EQ(first.Module(), nullptr);
    EXPECT_EQ(second.Module(), module);
    EXPECT_THROW(first.Export<void(__stdcall*)()>("ProbeEndProcess"), ExtensionLibraryError);

    second.Export<void(__stdcall*)(const wchar_t*)>("ProbeLogW")(L"still hooked");
    const auto logs = Record().Logs(module);
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].text, L"still hooked");
}

TEST_F(ExtensionLibraryTest, MoveAssignmentReleasesTheLibraryItReplaces) {
    {
        ExtensionLibrary kept(ProbeLibrary::Path());
        ExtensionLibrary replacing(ProbeLibrary::Path());
        kept = std::move(replacing);
        EXPECT_NE(kept.Module(), nullptr);
    }
    // Two loads and one release per object: an assignment that forgot its old load leaves it loaded.
    EXPECT_FALSE(IsLoaded(L"standin_probe.dll"));
}

TEST_F(ExtensionLibraryTest, SameLibraryLoadedTwiceStaysHookedUntilTheLastGoes) {
    ExtensionLibrary first(ProbeLibrary::Path());
    {
        ExtensionLibrary second(ProbeLibrary::Path());
        EXPECT_EQ(second.Module(), first.Module());
    }
    first.Export<void(__stdcall*)(const wchar_t*)>("ProbeLogW")(L"after the second went");
    const auto logs = Record().Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].module, first.Module());
}

}  // namespace
}  // namespace StandinHostTests
