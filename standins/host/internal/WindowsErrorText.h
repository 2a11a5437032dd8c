// Windows' own description of an error code, for messages a developer reads.
#pragma once

#include <cstdint>
#include <string>

namespace StandinHost {

// UTF-8, for example "Module not found. (error 126)".
std::string WindowsErrorText(std::uint32_t code);

}  // namespace StandinHost
