// Where an Extension finds its stored properties: the header behind the host's record header.
#pragma once

#include "sdk/properties/EditDataLayout.h"

namespace Vantor {

// The property header of an object's EDITDATA. A missing block ends the process: the host
// always hands one to a new object, so its absence is a broken host record.
const Properties& PropertiesOf(const void* edPtr);

}  // namespace Vantor
