// Markers and beats an event's timeline passes over between two positions.
#pragma once

#include <vector>

#include "BankDefinition.h"

namespace FmodStandin {

struct TimelineEvent {
    enum class Kind { Beat, Marker };
    Kind kind = Kind::Beat;
    int position = 0;  // ms
    const MarkerDefinition* marker = nullptr;  // for a marker
    int bar = 0;  // for a beat: both count from 1
    int beat = 0;
};

// Position of beat number index (0 = bar 1 beat 1): one beat lasts 60000 / tempo ms.
int BeatPosition(const EventDefinition& event, int index);

// Appends what lies at positions in [fromMs, toMs) of one pass, by position; at one position the
// beat comes before the marker. Positions past the event's length are never reached.
void CollectTimelineEvents(const EventDefinition& event, int fromMs, int toMs, std::vector<TimelineEvent>& out);

}  // namespace FmodStandin
