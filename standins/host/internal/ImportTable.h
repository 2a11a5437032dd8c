// Points a loaded module's imports of chosen functions at replacements, by rewriting its import
// address table in memory. The module's file is not touched.
#pragma once

#include <windows.h>

#include <span>

namespace StandinHost {

struct ImportReplacement {
    const char* dll;          // as imports name it, for example "user32.dll"; ASCII case is ignored
    const char* function;     // exported name
    const void* replacement;  // must have the function's signature and calling convention
};

// An import is replaced when its descriptor names the DLL and its thunk names the function, or
// when its bound address is the function's own: that covers imports by ordinal, imports through
// another DLL name that forwards to the function, and import tables without a name table.
// Throws ExtensionLibraryError for a module whose import table reaches outside its image.
void ReplaceImports(HMODULE module, std::span<const ImportReplacement> replacements);

}  // namespace StandinHost
