// The host's ACEInfo records of one language block's "Actions", "Conditions" and
// "Expressions". Pure: the Windows edge copies each
// record's words into the heap block the host reads and shows the reports as error boxes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <json.h>

#include "sdk/diagnostics/Report.h"

namespace Vantor {

enum class AceKind { Action, Condition, Expression };

inline constexpr std::size_t kMaxAceParameters = 16;
// IDs are signed 16-bit words in the record: at most this many entries of one kind are used.
inline constexpr std::size_t kMaxAceEntries = 0x7FFF;
// At most this many reports come from one BuildAceTables; the rest are counted in one more.
inline constexpr std::size_t kMaxAceReports = 32;

inline constexpr std::uint16_t kConditionFlagsNotTriggered = 0x220;

// One record as the host reads it, as 16-bit words (little-endian on the target):
// float flags, ID, flags, n, n parameter codes, n zero words: 8 + 4n bytes.
class AceInfoRecord {
public:
    AceInfoRecord();  // ID 0, flags 0, no parameters
    AceInfoRecord(std::int16_t id, std::uint16_t flags, const std::vector<std::uint16_t>& codes,
                  std::uint16_t floatFlags);
    // The record kept in place of an entry that failed its checks: no parameters, the
    // kind's default flags.
    static AceInfoRecord Empty(AceKind kind, std::int16_t id);

    const std::uint16_t* words() const { return words_.data(); }
    std::size_t wordCount() const { return words_.size(); }
    std::size_t byteCount() const { return words_.size() * 2; }

    std::uint16_t floatFlags() const { return words_[0]; }
    std::int16_t id() const { return static_cast<std::int16_t>(words_[1]); }
    std::uint16_t flags() const { return words_[2]; }
    std::int16_t numParams() const { return static_cast<std::int16_t>(words_[3]); }
    std::uint16_t paramCode(int i) const;  // 0 out of range
    bool paramIsFloat(int i) const;        // bit i of the float flags

private:
    std::vector<std::uint16_t> words_;
};

struct AceTables {
    std::vector<AceInfoRecord> actions, conditions, expressions;  // index = ID = JSON index
    // Jump-table slots: the JSON array lengths (capped at kMaxAceEntries). Each table above
    // has exactly this many records: an entry that fails its checks is reported and kept as
    // AceInfoRecord::Empty, so no later record shifts to a lower ID.
    std::size_t numActions = 0, numConditions = 0, numExpressions = 0;
};

// Builds the records of one entry; nullopt (after a report) when the entry fails its checks.
std::optional<AceInfoRecord> BuildAceInfo(AceKind kind, const json_value& entry, std::size_t id,
                                          Reports& reports);

// Reads "Actions", "Conditions" and "Expressions" of the language block; a missing key or a
// non-array reads as no entries (no report: a language that is not an object is the caller's
// "Internal JSON error").
AceTables BuildAceTables(const json_value& language, Reports& reports);

}  // namespace Vantor
