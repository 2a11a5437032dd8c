// The one-line UTF-8 forms in which the recorder echoes boxes and log lines to stderr.
#pragma once

#include <string>
#include <string_view>

namespace StandinHost {

// Line breaks inside the text show as "\n"; a final line break is dropped; no newline is appended.
std::string BoxEchoLine(std::wstring_view title, std::wstring_view text);  // "[box] title | text"
std::string LogEchoLine(std::wstring_view text);                           // "[log] text"

}  // namespace StandinHost
