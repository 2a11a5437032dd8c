// Finding the bytes of a file that may sit beside the library or be embedded in it:
// the JSON definition and the icon.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace Vantor {

enum class DefinitionOrigin { NotFound = 0, File = 1, Resource = 2 };

struct DefinitionBytes {
    DefinitionOrigin origin = DefinitionOrigin::NotFound;
    std::string_view bytes;         // a file's bytes are followed by one zero byte
    std::unique_ptr<char[]> owned;  // a file's buffer; a resource belongs to the library
    std::wstring path;              // the file read, for messages
};

// A file named like the library with `ending` in place of its extension, beside the library
// or in the host's folders; empty when none exists.
std::wstring GetSiblingPath(std::wstring_view ending);

// The language-specific file (for example X.EN.json), the plain file (X.json), then resource
// `resourceNumber` of type "OVIK" (none when 0). Throws std::runtime_error when a file or
// resource that exists cannot be read.
DefinitionBytes ReadDefinition(std::wstring_view languageCode, std::wstring_view extension, int resourceNumber);

}  // namespace Vantor
