#include "standins/host/internal/ImportTable.h"

#include "standins/host/ExtensionLibraryError.h"

#include <cstring>
#include <string>
#include <vector>

namespace StandinHost {
namespace {

[[noreturn]] void Malformed(const std::string& what) { throw ExtensionLibraryError("malformed import table: " + what); }

// Bounds-checked access to a module image by relative virtual address.
class ImageView {
public:
    explicit ImageView(HMODULE module) : base_(reinterpret_cast<BYTE*>(module)) {
        if (base_ == nullptr) Malformed("no module");
        // The headers are read before the image size is known: keep them inside the first region.
        MEMORY_BASIC_INFORMATION region{};
        if (VirtualQuery(base_, &region, sizeof region) != sizeof region || region.State != MEM_COMMIT) {
            Malformed("module memory is not readable");
        }
        size_ = region.RegionSize;
        const auto* dos = At<IMAGE_DOS_HEADER>(0);
        if (dos->e_magic != IMAGE_DOS_SIGNATURE) Malformed("no DOS header");
        if (dos->e_lfanew < 0) Malformed("NT headers before the image");
        nt_ = At<IMAGE_NT_HEADERS32>(static_cast<DWORD>(dos->e_lfanew));
        if (nt_->Signature != IMAGE_NT_SIGNATURE) Malformed("no NT headers");
        if (nt_->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR32_MAGIC) Malformed("not a 32-bit image");
        size_ = nt_->OptionalHeader.SizeOfImage;
    }

    // Zero address when the image has no imports.
    IMAGE_DATA_DIRECTORY ImportDirectory() const {
        const IMAGE_OPTIONAL_HEADER32& optional = nt_->OptionalHeader;
        if (optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return {};
        return optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    }

    template <class T>
    T* At(DWORD rva) const {
        if (rva > size_ || size_ - rva < sizeof(T)) {
            Malformed("address " + std::to_string(rva) + " lies outside the image");
        }
        return reinterpret_cast<T*>(base_ + rva);
    }

    const char* StringAt(DWORD rva) const {
        const char* text = At<char>(rva);
        if (std::memchr(text, 0, size_ - rva) == nullptr) Malformed("name runs past the image");
        return text;
    }

private:
    BYTE* base_;
    std::size_t size_ = 0;
    const IMAGE_NT_HEADERS32* nt_ = nullptr;
};

bool EqualIgnoringAsciiCase(const char* a, const char* b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (lower(*a) != lower(*b)) return false;
    }
    return *a == *b;
}

DWORD CurrentAddress(const ImportReplacement& replacement) {
    const HMODULE dll = GetModuleHandleA(replacement.dll);
    return dll == nullptr ? 0 : reinterpret_cast<DWORD>(GetProcAddress(dll, replacement.function));
}

void Write(DWORD* entry, DWORD value) {
    DWORD oldProtection = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &oldProtection)) {
        throw ExtensionLibraryError("cannot make the import address table writable", GetLastError());
    }
    *entry = value;
    VirtualProtect(entry, sizeof *entry, oldProtection, &oldProtection);
}

class DescriptorPatcher {
public:
    DescriptorPatcher(const ImageView& image, std::span<const ImportReplacement> replacements)
        : image_(image), replacements_(replacements) {
        for (const ImportReplacement& replacement : replacements) originals_.push_back(CurrentAddress(replacement));
    }

    void Patch(const IMAGE_IMPORT_DESCRIPTOR& descriptor) const {
        const char* dll = image_.StringAt(descriptor.Name);
        // Without a name table the address table is the only list, and it already holds addresses.
        const DWORD names = descriptor.OriginalFirstThunk;
        for (DWORD offset = 0;; offset += sizeof(IMAGE_THUNK_DATA32)) {
            auto* bound = image_.At<IMAGE_THUNK_DATA32>(descriptor.FirstThunk + offset);
            const DWORD thunk =
                names != 0 ? image_.At<IMAGE_THUNK_DATA32>(names + offset)->u1.AddressOfData : bound->u1.Function;
            if (thunk == 0) return;
            const char* function =
                names != 0 && !IMAGE_SNAP_BY_ORDINAL32(thunk) ? image_.StringAt(thunk + sizeof(WORD)) : nullptr;
            if (const void* replacement = ReplacementFor(dll, function, bound->u1.Function)) {
                Write(&bound->u1.Function, reinterpret_cast<DWORD>(replacement));
            }
        }
    }

private:
    const void* ReplacementFor(const char* dll, const char* function, DWORD address) const {
        for (std::size_t i = 0; i < replacements_.size(); ++i) {
            const ImportReplacement& replacement = replacements_[i];
            const bool byName = function != nullptr && std::strcmp(function, replacement.function) == 0 &&
                                EqualIgnoringAsciiCase(dll, replacement.dll);
            const bool byAddress = originals_[i] != 0 && address == originals_[i];
            if (byName || byAddress) return replacement.replacement;
        }
        return nullptr;
    }

    const ImageView& image_;
    std::span<const ImportReplacement> replacements_;
    std::vector<DWORD> originals_;
};

}  // namespace

void ReplaceImports(HMODULE module, std::span<const ImportReplacement> replacements) {
    const ImageView image(module);
    const IMAGE_DATA_DIRECTORY directory = image.ImportDirectory();
    if (directory.VirtualAddress == 0) return;
    const DescriptorPatcher patcher(image, replacements);
    for (DWORD offset = 0;; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto& descriptor = *image.At<IMAGE_IMPORT_DESCRIPTOR>(directory.VirtualAddress + offset);
        // The loader stops at the first descriptor without a name or an address table; so do we.
        if (descriptor.Name == 0 || descriptor.FirstThunk == 0) return;
        patcher.Patch(descriptor);
    }
}

}  // namespace StandinHost
