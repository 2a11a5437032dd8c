// The settings file's text and its key lookup, apart from how the file is read.
// Lines are Key=Value, ended by LF or CR LF; keys match exactly at a line's start;
// one space on each side of every "=" is dropped.
#pragma once

#include <string>
#include <string_view>

namespace Vantor {

// The file's bytes framed by one line feed before and after (a leading UTF-8 byte-order mark
// dropped), with the spaces around each "=" normalised. Any bytes are accepted.
std::string PrepareSettingsText(std::string_view fileBytes);

// The value of key in a prepared text: from after "=" to the next CR or LF; empty when absent.
// An empty key matches nothing.
std::string FindSetting(std::string_view preparedText, std::string_view key);

}  // namespace Vantor
