#include "sdk/dispatch/ParameterRecords.h"

#include "sdk/diagnostics/Fatal.h"

namespace Vantor {

Host::ParameterRecord* NextParameterRecord(Host::ParameterRecord* record)
{
    if (!record)
        FatalError(L"The host passed no parameter record where the event has one.\n");
    if (record->size < sizeof(Host::ParameterRecord))
        FatalError(L"The host's parameter record of code %hu has size %hu, smaller than its own head.\n",
                   record->code, record->size);
    return reinterpret_cast<Host::ParameterRecord*>(reinterpret_cast<std::uint8_t*>(record) + record->size);
}

Host::ParameterRecord* ParameterRecordAt(Host::ParameterRecord* record, int steps)
{
    for (int step = 0; step < steps; ++step)
        record = NextParameterRecord(record);
    if (!record)
        FatalError(L"The host passed no parameter record where the event has one.\n");
    return record;
}

}  // namespace Vantor
