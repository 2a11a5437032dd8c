// Walking the host's event parameter records, which are laid out back to back by their sizes.
#pragma once

#include "sdk/host/RunRecords.h"

namespace Vantor {

// The record after `record`. A size smaller than the record's own head is a broken host
// record, which ends the process rather than walking into memory that is not a record.
Host::ParameterRecord* NextParameterRecord(Host::ParameterRecord* record);

// The record `steps` records after `record`, each step checked as above.
Host::ParameterRecord* ParameterRecordAt(Host::ParameterRecord* record, int steps);

}  // namespace Vantor
