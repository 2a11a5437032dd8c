#include "BankEventReader.h"

#include <set>

#include "Limits.h"

namespace FmodStandin {

namespace {

bool IsBeatUnit(int value)
{
    return value >= 1 && value <= 64 && (value & (value - 1)) == 0;
}

void ReadSignature(BankCursor& cursor, EventDefinition& event)
{
    const std::string word = cursor.Word("a time signature such as 4/4");
    const auto slash = word.find('/');
    const std::string_view text(word);
    if (slash == std::string::npos || !BankCursor::ParseInteger(text.substr(0, slash), event.beatsPerBar) ||
        !BankCursor::ParseInteger(text.substr(slash + 1), event.beatUnit)) {
        throw BankError("expected a time signature such as 4/4, found '" + word + "'");
    }
    if (event.beatsPerBar < 1 || event.beatsPerBar > Limits::kMaxBeatsPerBar) {
        throw BankError("beats per bar must be 1 to " + std::to_string(Limits::kMaxBeatsPerBar));
    }
    if (!IsBeatUnit(event.beatUnit)) throw BankError("the beat unit must be 1, 2, 4, 8, 16, 32 or 64");
}

}  // namespace

EventDefinition ReadEventOptions(BankCursor& cursor, std::string path)
{
    EventDefinition event;
    event.path = std::move(path);
    event.fadeoutMs = Limits::kDefaultFadeoutMs;
    std::set<std::string> seen;
    bool hasSignature = false;
    while (!cursor.AtEnd()) {
        const std::string key = cursor.Word("an event option");
        if (!seen.insert(key).second) throw BankError("'" + key + "' given twice");
        if (key == "length") {
            event.lengthMs = cursor.Integer("a length in ms");
            if (event.lengthMs < 1 || event.lengthMs > Limits::kMaxLengthMs) {
                throw BankError("length must be 1 to " + std::to_string(Limits::kMaxLengthMs) + " ms");
            }
        } else if (key == "loop") {
            event.looping = true;
        } else if (key == "3d") {
            event.is3D = true;
        } else if (key == "tempo") {
            event.tempo = cursor.Number("a tempo in beats per minute");
            if (event.tempo <= 0.0 || event.tempo > Limits::kMaxTempo) throw BankError("tempo must be above 0 and at most 1000");
        } else if (key == "signature") {
            ReadSignature(cursor, event);
            hasSignature = true;
        } else if (key == "fadeout") {
            event.fadeoutMs = cursor.Integer("a fade-out time in ms");
            if (event.fadeoutMs < 0 || event.fadeoutMs > Limits::kMaxFadeoutMs) {
                throw BankError("fadeout must be 0 to " + std::to_string(Limits::kMaxFadeoutMs) + " ms");
            }
        } else {
            throw BankError("unknown event option '" + key + "'");
        }
    }
    if (!seen.count("length")) throw BankError("an event needs 'length'");
    if (hasSignature && event.tempo == 0.0) throw BankError("'signature' needs a 'tempo'");
    return event;
}

MarkerDefinition ReadMarker(BankCursor& cursor, const EventDefinition& event)
{
    MarkerDefinition marker;
    marker.position = cursor.Integer("a marker position in ms");
    if (marker.position < 0 || marker.position >= event.lengthMs) {
        throw BankError("marker position must lie within the event's length");
    }
    if (!cursor.AtEnd()) {
        marker.name = cursor.Text("a marker name", Limits::kNameBytes, true);
        marker.hasName = true;
    }
    cursor.ExpectEnd();
    return marker;
}

}  // namespace FmodStandin
