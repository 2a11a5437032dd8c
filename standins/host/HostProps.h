// Value objects made by the host side, as the host hands them to extensions: the extension
// reads them through their tables and releases them through slot 1.
#pragma once

#include <cstddef>
#include <string_view>

#include "sdk/host/PropValues.h"

namespace StandinHost {

// A 'STRW' object holding a copy of text.
Vantor::Host::Prop* MakeHostWStr(std::wstring_view text);

// Objects made here and not yet released: a leak check for tests.
std::size_t LiveHostProps();

}  // namespace StandinHost
