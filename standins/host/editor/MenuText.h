// A Windows menu written out as text, one item a line, as the editor would show it.
#pragma once

#include <windows.h>

#include <string>

namespace StandinHost {

// Items indented two spaces per level: "25000 Load bank from file", "[greyed] 25003 …",
// "Banks >" for a submenu, "----" for a separator.
std::wstring MenuText(HMENU menu);

}  // namespace StandinHost
