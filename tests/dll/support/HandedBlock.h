// What the conversion tests share: the block UpdateEditStructure hands over, taken back from its
// global memory, and the values the test definition's stored blocks are built with.
#pragma once

#include <cstdint>
#include <vector>

#include "standins/host/editor/StoredBlock.h"

namespace TestSupport {

// The bytes of a block handed over as global memory, cut to its extSize (the allocator may
// round up), and the memory freed. Empty when the handed memory is shorter than the host header.
std::vector<std::uint8_t> TakeHandedBlock(void* handed);

// Values of every property of VantorTest.json, none of them its default.
const StandinHost::PropertyValues& VantorTestValues();

}  // namespace TestSupport
