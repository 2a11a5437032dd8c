// `vantor-host run`: plays a scene script against the real extension libraries.
#pragma once

#include <filesystem>
#include <ostream>

namespace StandinHost {

// Prints the per-frame trace to `out` and script errors ("file:line: expected ...") to `errors`.
// 0 when the scene ran to its end, 1 otherwise.
int RunScene(const std::filesystem::path& script, std::wostream& out, std::wostream& errors);

}  // namespace StandinHost
