#include "sdk/dispatch/ParameterRecords.h"

#include "sdk/diagnostics/Fatal.h"

namespace Vantor {

void BrokenParameterRecord(const Host::ParameterRecord* record)
{
    if (!record)
        FatalError(L"The host passed no parameter record where the event has one.\n");
    FatalError(L"The host's parameter record of code %hu has size %hu, smaller than its own head.\n", record->code,
               record->size);
}

Host::ParameterRecord* ParameterRecordAt(Host::ParameterRecord* record, int steps)
{
    for (int step = 0; step < steps; ++step)
        record = NextParameterRecord(record);
    if (!record)
        BrokenParameterRecord(record);
    return record;
}

}  // namespace Vantor
