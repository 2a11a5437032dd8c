// Walking the host's event parameter records, which are laid out back to back by their sizes.
#pragma once

#include <cstdint>

#include "sdk/host/RunRecords.h"

namespace Vantor {

// Ends the process over a record that cannot be stepped over.
[[noreturn]] void BrokenParameterRecord(const Host::ParameterRecord* record);

// The record after `record`. A size smaller than the record's own head is a broken host
// record, which ends the process rather than walking into memory that is not a record.
// Inline: every action and condition steps over its preloaded records.
inline Host::ParameterRecord* NextParameterRecord(Host::ParameterRecord* record)
{
    if (!record || record->size < sizeof(Host::ParameterRecord)) [[unlikely]]
        BrokenParameterRecord(record);
    return reinterpret_cast<Host::ParameterRecord*>(reinterpret_cast<std::uint8_t*>(record) + record->size);
}

// The record `steps` records after `record`, each step checked as above.
Host::ParameterRecord* ParameterRecordAt(Host::ParameterRecord* record, int steps);

}  // namespace Vantor
