// The boxes the chain of property readers shows while it builds a block.
#pragma once

#include <cstddef>
#include <string_view>

#include "sdk/properties/Problem.h"

namespace Vantor {

// A reader failed on one property; the next one is asked. The failure text loses a
// trailing white-space character.
Problem ReaderFailureBox(std::string_view readerName, std::string_view failure);
// No reader could even start. quiet: the Quiet run context's wording.
Problem NoReadersBox(std::string_view projectName, bool quiet);
// No reader gave a value for this property.
Problem NoValueBox(std::size_t jsonIndex, std::string_view title);
// A reader failed on a checkbox; the next one is asked.
Problem CheckboxFailureBox();

}  // namespace Vantor
