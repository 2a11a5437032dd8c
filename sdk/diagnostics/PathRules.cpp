#include "sdk/diagnostics/PathRules.h"

namespace Vantor {
namespace {

char16_t AsciiLower(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit; }

constexpr std::u16string_view kUnpackedHostEnding = u".tmp\\stdrt.exe";
constexpr std::u16string_view kSourceSwitch = u" /SF \"";

}  // namespace

bool EndsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix) {
    if (suffix.size() > text.size()) return false;
    const std::u16string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (AsciiLower(tail[i]) != AsciiLower(suffix[i])) return false;
    return true;
}

std::u16string_view WithoutSuffixIgnoringAsciiCase(std::u16string_view text, std::u16string_view suffix) {
    return EndsWithIgnoringAsciiCase(text, suffix) ? text.substr(0, text.size() - suffix.size()) : text;
}

std::u16string FolderOf(std::u16string_view path) {
    const std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(0, slash + 1));
}

std::u16string ExtensionsFolderOf(std::u16string_view libraryFolder) {
    return std::u16string(WithoutSuffixIgnoringAsciiCase(libraryFolder, u"Unicode\\"));
}

std::u16string HostRootFolderOf(std::u16string_view extensionsFolder) {
    const std::u16string_view withoutExtensions = WithoutSuffixIgnoringAsciiCase(extensionsFolder, u"Extensions\\");
    if (withoutExtensions.size() != extensionsFolder.size()) return std::u16string(withoutExtensions);
    return std::u16string(WithoutSuffixIgnoringAsciiCase(extensionsFolder, u"Data\\Runtime\\"));
}

HostExecutable ResolveHostExecutable(std::u16string_view processPath, std::u16string_view commandLine) {
    const std::u16string process(processPath);
    if (!EndsWithIgnoringAsciiCase(processPath, kUnpackedHostEnding)) return {process, HostPathSource::Process};
    const std::size_t switchAt = commandLine.find(kSourceSwitch);
    if (switchAt == std::u16string_view::npos) return {process, HostPathSource::MissingSwitch};
    const std::size_t start = switchAt + kSourceSwitch.size();
    const std::size_t end = commandLine.find(u'"', start);
    if (end == std::u16string_view::npos) return {process, HostPathSource::UnterminatedQuote};
    if (end == start) return {process, HostPathSource::EmptyQuote};
    return {std::u16string(commandLine.substr(start, end - start)), HostPathSource::CommandLine};
}

bool IsTestRunLayout(std::u16string_view libraryFolder, std::u16string_view hostExecutable, bool unicodeHost,
                     const std::function<bool(const std::u16string&)>& fileExists) {
    if (!EndsWithIgnoringAsciiCase(ExtensionsFolderOf(libraryFolder), u"Extensions\\")) return false;
    std::u16string_view folder;
    if (EndsWithIgnoringAsciiCase(hostExecutable, u"\\edrt.exe"))
        folder = WithoutSuffixIgnoringAsciiCase(hostExecutable, u"\\edrt.exe");
    else if (EndsWithIgnoringAsciiCase(hostExecutable, u"\\edrtex.exe"))
        folder = WithoutSuffixIgnoringAsciiCase(hostExecutable, u"\\edrtex.exe");
    else
        return false;
    folder = WithoutSuffixIgnoringAsciiCase(folder, u"\\Unicode");
    folder = WithoutSuffixIgnoringAsciiCase(folder, u"\\Hwa");
    if (!EndsWithIgnoringAsciiCase(folder, u"Data\\Runtime")) return false;
    std::u16string editor(WithoutSuffixIgnoringAsciiCase(folder, u"Data\\Runtime"));
    editor += unicodeHost ? u"mmf2u.exe" : u"mmf2.exe";
    return fileExists && fileExists(editor);
}

}  // namespace Vantor
