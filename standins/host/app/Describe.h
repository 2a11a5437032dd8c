// `vantor-host describe`: what each extension library tells the host when it starts up.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

namespace StandinHost {

// Loads every library into one stand-in editor and prints what each says; the number of
// libraries that failed.
int Describe(const std::vector<std::filesystem::path>& libraries, std::wostream& out);

}  // namespace StandinHost
