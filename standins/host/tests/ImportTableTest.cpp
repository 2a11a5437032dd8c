#include "FreshRecord.h"
#include "ProbeLibrary.h"

#include "standins/host/ExtensionLibraryError.h"
#include "standins/host/internal/ImportTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace StandinHostTests {
namespace {

using StandinHost::ExtensionLibraryError;
using StandinHost::ImportReplacement;
using StandinHost::ReplaceImports;

extern "C" int SevenInstead() { return 7; }
BOOL WINAPI DebuggerAttached() { return TRUE; }
BOOL WINAPI DebuggerDetached() { return FALSE; }

class ImportTableTest : public FreshRecord {
protected:
    ProbeLibrary probe;
};

TEST_F(ImportTableTest, ImportByOrdinalIsReplaced) {
    const ImportReplacement replacements[] = {
        {"standin_probe_companion.dll", "ProbeCompanionAnswer", reinterpret_cast<const void*>(&SevenInstead)}};
    ReplaceImports(probe.Module(), replacements);
    EXPECT_EQ(probe.CompanionValue(), 7);
}

TEST_F(ImportTableTest, OtherFunctionsOfTheSameDllAreLeftAlone) {
    const ImportReplacement replacements[] = {
        {"standin_probe_companion.dll", "SomethingElse", reinterpret_cast<const void*>(&SevenInstead)}};
    ReplaceImports(probe.Module(), replacements);
    EXPECT_EQ(probe.CompanionValue(), 42);
}

// Once an entry is replaced its address is no longer the function's, so only its name can match it again.
TEST_F(ImportTableTest, ImportIsFoundByNameWithDllNameInAnyCase) {
    const ImportReplacement first[] = {
        {"kernel32.dll", "IsDebuggerPresent", reinterpret_cast<const void*>(&DebuggerAttached)}};
    ReplaceImports(probe.Module(), first);
    ASSERT_TRUE(probe.SeesDebugger());
    const ImportReplacement second[] = {
        {"KeRnEl32.DlL", "IsDebuggerPresent", reinterpret_cast<const void*>(&DebuggerDetached)}};
    ReplaceImports(probe.Module(), second);
    EXPECT_FALSE(probe.SeesDebugger());
}

// A two-page image made by hand: headers in the first page, import data in the second.
class HandMadeImage {
public:
    static constexpr DWORD kSize = 0x2000;

    HandMadeImage()
        : base_(static_cast<BYTE*>(VirtualAlloc(nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {
        if (base_ == nullptr) throw std::runtime_error("cannot allocate the hand-made image");
        auto* dos = At<IMAGE_DOS_HEADER>(0);
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = 0x40;
        auto* nt = Nt();
        nt->Signature = IMAGE_NT_SIGNATURE;
        nt->OptionalHeader.Magic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
        nt->OptionalHeader.SizeOfImage = kSize;
        nt->OptionalHeader.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
    }
    ~HandMadeImage() { VirtualFree(base_, 0, MEM_RELEASE); }
    HandMadeImage(const HandMadeImage&) = delete;
    HandMadeImage& operator=(const HandMadeImage&) = delete;

    HMODULE Module() const { return reinterpret_cast<HMODULE>(base_); }
    IMAGE_NT_HEADERS32* Nt() { return At<IMAGE_NT_HEADERS32>(0x40); }
    template <class T>
    T* At(DWORD rva) {
        return reinterpret_cast<T*>(base_ + rva);
    }

    // One descriptor at 0x1000 (followed by the zero one), its name at `nameRva`.
    IMAGE_IMPORT_DESCRIPTOR* OneDescriptor(DWORD nameRva) {
        Nt()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT] = {0x1000,
                                                                            2 * sizeof(IMAGE_IMPORT_DESCRIPTOR)};
        auto* descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(0x1000);
        descriptor->Name = nameRva;
        descriptor->OriginalFirstThunk = 0x1100;
        descriptor->FirstThunk = 0x1200;
        std::strcpy(At<char>(0x1300), "user32.dll");
        return descriptor;
    }

private:
    BYTE* base_;
};

void ExpectMalformed(HMODULE module, const char* what) {
    const ImportReplacement replacements[] = {
        {"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&SevenInstead)}};
    try {
        ReplaceImports(module, replacements);
        ADD_FAILURE() << "expected a malformed import table: " << what;
    } catch (const ExtensionLibraryError& error) {
        EXPECT_NE(std::string(error.what()).find(what), std::string::npos) << error.what();
    }
}

TEST(ImportTableImageTest, ImageWithoutImportsIsLeftAlone) {
    HandMadeImage image;
    const ImportReplacement replacements[] = {
        {"user32.dll", "MessageBoxW", reinterpret_cast<const void*>(&SevenInstead)}};
    EXPECT_NO_THROW(ReplaceImports(image.Module(), replacements));
}

TEST(ImportTableImageTest, NamedAndOrdinalThunksOfAHandMadeImageAreWalked) {
    HandMadeImage image;
    image.OneDescriptor(0x1300);
    std::strcpy(image.At<char>(0x1402), "MessageBoxW");
    *image.At<DWORD>(0x1100) = IMAGE_ORDINAL_FLAG32 | 5;
    *image.At<DWORD>(0x1104) = 0x1400;
    *image.At<DWORD>(0x1200) = 0x11111111;
    *image.At<DWORD>(0x1204) = 0x22222222;
    const ImportReplacement replacements[] = {
        {"USER32.DLL", "MessageBoxW", reinterpret_cast<const void*>(&SevenInstead)}};
    ReplaceImports(image.Module(), replacements);
    EXPECT_EQ(*image.At<DWORD>(0x1200), 0x11111111u);
    EXPECT_EQ(*image.At<DWORD>(0x1204), reinterpret_cast<DWORD>(&SevenInstead));
}

TEST(ImportTableImageTest, NullModuleIsRefused) { ExpectMalformed(nullptr, "no module"); }

TEST(ImportTableImageTest, MissingDosSignatureIsRefused) {
    HandMadeImage image;
    image.At<IMAGE_DOS_HEADER>(0)->e_magic = 0;
    ExpectMalformed(image.Module(), "no DOS header");
}

TEST(ImportTableImageTest, NtHeadersBeyondTheHeaderPagesAreRefused) {
    HandMadeImage image;
    image.At<IMAGE_DOS_HEADER>(0)->e_lfanew = 0x7FFFFFF0;
    ExpectMalformed(image.Module(), "outside the image");
}

TEST(ImportTableImageTest, ImportDirectoryOutsideTheImageIsRefused) {
    HandMadeImage image;
    image.Nt()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT] = {0x50000, sizeof(IMAGE_IMPORT_DESCRIPTOR)};
    ExpectMalformed(image.Module(), "outside the image");
}

TEST(ImportTableImageTest, DllNameOutsideTheImageIsRefused) {
    HandMadeImage image;
    image.OneDescriptor(0xFFFFFFF0);
    ExpectMalformed(image.Module(), "outside the image");
}

TEST(ImportTableImageTest, DllNameRunningPastTheImageIsRefused) {
    HandMadeImage image;
    image.OneDescriptor(HandMadeImage::kSize - 4);
    std::memset(image.At<char>(HandMadeImage::kSize - 4), 'a', 4);
    ExpectMalformed(image.Module(), "name runs past the image");
}

TEST(ImportTableImageTest, ThunksRunningPastTheImageAreRefused) {
    HandMadeImage image;
    image.OneDescriptor(0x1300)->OriginalFirstThunk = HandMadeImage::kSize - 4;
    *image.At<DWORD>(HandMadeImage::kSize - 4) = IMAGE_ORDINAL_FLAG32 | 1;
    ExpectMalformed(image.Module(), "outside the image");
}

}  // namespace
}  // namespace StandinHostTests
