// The options of an "event" statement and the "marker" lines that follow it.
#pragma once

#include <string>

#include "BankCursor.h"
#include "BankDefinition.h"

namespace FmodStandin {

EventDefinition ReadEventOptions(BankCursor& cursor, std::string path);
MarkerDefinition ReadMarker(BankCursor& cursor, const EventDefinition& event);

}  // namespace FmodStandin
