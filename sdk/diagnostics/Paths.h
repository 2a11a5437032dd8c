// The library's and the host's locations, worked out once and cached for the process.
// Paths of any length Windows gives are handled; a path that cannot be read comes back empty.
#pragma once

#include <string>

namespace Vantor {

// DllMain stores the library's module handle; the first one stored stays.
void SetModuleHandle(void* module);
// The stored handle, or, before DllMain stored one, the module this code is linked into.
void* ModuleHandle();

const std::wstring& LibraryPath();        // the library's full path, long form
const std::wstring& LibraryFolder();      // up to and including its last "\"
const std::wstring& ExtensionsFolder();   // without a trailing "Unicode\"
const std::wstring& HostRootFolder();     // without "Extensions\" or "Data\Runtime\"
// The process's executable (long form), or, for an unpacked copy (".tmp\stdrt.exe"), the path its
// command line names after " /SF \"". When that cannot be had, a warning is logged once.
const std::wstring& HostExecutablePath();

// An existing file, not a folder.
bool FileExists(const std::wstring& path);

}  // namespace Vantor
