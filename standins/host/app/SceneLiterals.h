// The pieces of one scene line: quoted texts, numbers, and the "OBJECT: NAME ARGUMENTS" of a call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "standins/host/app/SceneScript.h"

namespace StandinHost {

// Blanks at both ends removed.
std::string_view Trimmed(std::string_view text);
// The line up to a "# " outside quotes ("#4" names a number, it starts no comment).
std::string_view WithoutComment(std::string_view line);

// A quoted text at the start of `text` ("\"" and "\\" escapes); `text` is advanced past it.
// Nothing when there is none or it is not closed.
std::optional<std::string> TakeQuoted(std::string_view& text);
// An integer or float written alone (a float has "." or an exponent).
std::optional<SceneValue> ParseNumber(std::string_view token);

// Fills object, name and arguments from "OBJECT: NAME ARGUMENTS"; the error when not.
std::string ParseCallText(std::string_view text, SceneCall& call);

}  // namespace StandinHost
