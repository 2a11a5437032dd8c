#include "sdk/definition/DefinitionSource.h"

#include <cstdio>
#include <new>
#include <stdexcept>
#include <windows.h>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Paths.h"

namespace Vantor {
namespace {

constexpr std::size_t kExtensionBufferSize = 32;

std::wstring ExecutableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

DefinitionBytes ReadFile(const std::wstring& path)
{
    DefinitionBytes result;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return result;
    std::unique_ptr<FILE, int (*)(FILE*)> closer(file, &std::fclose);

    if (std::fseek(file, 0, SEEK_END) != 0)
        throw std::runtime_error("Reading opened file resource into RAM failed");
    const long size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        throw std::runtime_error("Reading opened file resource into RAM failed");

    std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<std::size_t>(size) + 1]);
    if (!buffer)
        throw std::runtime_error("Out of memory");
    buffer[size] = '\0';
    if (std::fread(buffer.get(), 1, static_cast<std::size_t>(size), file) != static_cast<std::size_t>(size))
        throw std::runtime_error("Reading opened file resource into RAM failed");

    result.origin = DefinitionOrigin::File;
    result.bytes = std::string_view(buffer.get(), static_cast<std::size_t>(size));
    result.owned = std::move(buffer);
    result.path = path;
    return result;
}

DefinitionBytes ReadResource(int resourceNumber)
{
    DefinitionBytes result;
    const HMODULE module = static_cast<HMODULE>(ModuleHandle());
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceNumber), L"OVIK");
    if (!found)
        return result;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        throw std::runtime_error("Could not load resource");
    const void* bytes = LockResource(loaded);
    if (!bytes)
        throw std::runtime_error("Could not lock resource");
    result.origin = DefinitionOrigin::Resource;
    result.bytes = std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found));
    return result;
}

}  // namespace

std::wstring GetSiblingPath(std::wstring_view ending)
{
    const std::wstring& library = LibraryPath();
    const std::size_t dot = library.rfind(L'.');
    const std::size_t slash = library.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return {};
    std::wstring sibling = library.substr(0, dot + 1);
    sibling.append(ending);
    if (FileExists(sibling))
        return sibling;

    const std::wstring fileName = slash == std::wstring::npos ? sibling : sibling.substr(slash + 1);
    const std::wstring folder = ExecutableFolder();
    for (const wchar_t* middle : {L"/", L"/Data/Runtime/"}) {
        std::wstring candidate = folder + middle + fileName;
        if (FileExists(candidate))
            return candidate;
    }
    return {};
}

DefinitionBytes ReadDefinition(std::wstring_view languageCode, std::wstring_view extension, int resourceNumber)
{
    std::wstring path;
    const std::size_t formattedLength = languageCode.size() + 1 + extension.size();
    if (formattedLength >= kExtensionBufferSize) {
        const std::wstring shown(extension);
        ErrorBox(L"GetSiblingPath fail", L"Invalid file extension %s", shown.c_str());
    } else {
        std::wstring languageExtension(languageCode);
        languageExtension += L'.';
        languageExtension += extension;
        path = GetSiblingPath(languageExtension);
        if (path.empty())
            path = GetSiblingPath(extension);
    }

    if (!path.empty())
        return ReadFile(path);
    if (resourceNumber == 0)
        return {};
    return ReadResource(resourceNumber);
}

}  // namespace Vantor
