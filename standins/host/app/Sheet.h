// `vantor-host sheet`: an object's property sheet as the editor shows it, one value edited.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace StandinHost {

// edit: "Title=value", or empty to only show the sheet. 0 when the library started and the
// edit (if any) was made.
int ShowSheet(const std::filesystem::path& library, const std::wstring& edit, std::wostream& out);

}  // namespace StandinHost
