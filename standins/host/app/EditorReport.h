// `vantor-host editor`: each extension library as the frame editor shows it.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace StandinHost {

// Loads every library into one stand-in editor and prints its menus, its entries' texts and info
// records and what creating and duplicating an object gives; with an icon folder, writes each
// library's icon as EditorDisplay draws it to <folder>/<library name>.png. The number of
// libraries that failed.
int ShowEditor(const std::vector<std::filesystem::path>& libraries, const std::filesystem::path& iconFolder,
               std::wostream& out);

}  // namespace StandinHost
