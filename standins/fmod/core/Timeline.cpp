#include "Timeline.h"

#include <algorithm>
#include <cmath>

namespace FmodStandin {

namespace {

void CollectBeats(const EventDefinition& event, int fromMs, int toMs, std::vector<TimelineEvent>& out)
{
    if (event.tempo <= 0.0) return;
    // Start a beat early so rounding can never skip the first one in range.
    int index = std::max(0, static_cast<int>(std::floor(fromMs * event.tempo / 60000.0)) - 1);
    while (BeatPosition(event, index) < fromMs) ++index;
    for (int position = BeatPosition(event, index); position < toMs; position = BeatPosition(event, ++index)) {
        TimelineEvent beat;
        beat.kind = TimelineEvent::Kind::Beat;
        beat.position = position;
        beat.bar = index / event.beatsPerBar + 1;
        beat.beat = index % event.beatsPerBar + 1;
        out.push_back(beat);
    }
}

}  // namespace

int BeatPosition(const EventDefinition& event, int index)
{
    return static_cast<int>(std::llround(index * 60000.0 / event.tempo));
}

void CollectTimelineEvents(const EventDefinition& event, int fromMs, int toMs, std::vector<TimelineEvent>& out)
{
    toMs = std::min(toMs, event.lengthMs);
    if (fromMs < 0 || fromMs >= toMs) return;
    const std::size_t first = out.size();
    CollectBeats(event, fromMs, toMs, out);
    for (const MarkerDefinition& marker : event.markers) {
        if (marker.position >= fromMs && marker.position < toMs) {
            TimelineEvent reached;
            reached.kind = TimelineEvent::Kind::Marker;
            reached.position = marker.position;
            reached.marker = &marker;
            out.push_back(reached);
        }
    }
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                     [](const TimelineEvent& a, const TimelineEvent& b) { return a.position < b.position; });
}

}  // namespace FmodStandin
