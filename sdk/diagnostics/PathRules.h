// The folder and path rules the frame applies to the library and host locations.
// Windows paths as UTF-16 text; every suffix test ignores ASCII case only.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace Vantor {

bool EndsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix);

// text without suffix when it ends with it, else text unchanged.
std::u16string_view WithoutSuffixIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix);

// The path up to and including its last "\"; empty when it has none.
std::u16string FolderOf(std::u16string_view path);

// The library folder without a trailing "Unicode\".
std::u16string ExtensionsFolderOf(std::u16string_view libraryFolder);

// The extensions folder without a trailing "Extensions\", or else without "Data\Runtime\".
std::u16string HostRootFolderOf(std::u16string_view extensionsFolder);

enum class HostPathSource {
    Process,            // the process's own executable
    CommandLine,        // an unpacked copy: the path after " /SF \"" on the command line
    MissingSwitch,      // an unpacked copy, but the command line has no " /SF \""
    UnterminatedQuote,  // an unpacked copy whose " /SF \"" has no closing quote
    EmptyQuote,         // an unpacked copy whose " /SF \"" names nothing
};

struct HostExecutable {
    std::u16string path;
    HostPathSource source;
};

// The host executable: processPath, unless it ends with ".tmp\stdrt.exe"; then the text between
// " /SF \"" and the next double quote of the command line. When that text cannot be had, the
// process path is kept and the source says why.
HostExecutable ResolveHostExecutable(std::u16string_view processPath, std::u16string_view commandLine);

// Whether a built app is really the editor's test run: the library sits in "Extensions\"
// (or its "Unicode\"), the host is "\edrt.exe" or "\edrtex.exe" in "Data\Runtime" (or its
// "\Hwa", "\Unicode" or "\Hwa\Unicode"), and the editor's "mmf2u.exe" (unicode host) or
// "mmf2.exe" exists beside "Data".
bool IsTestRunLayout(std::u16string_view libraryFolder, std::u16string_view hostExecutable, bool unicodeHost,
                     const std::function<bool(const std::u16string&)>& fileExists);

}  // namespace Vantor
