#include "StandinRecord.h"

namespace SonbridgeStandin {

StandinRecord& Record()
{
    static StandinRecord record;
    return record;
}

void Reset()
{
    if (Sonbridge::studioSystem != nullptr) Sonbridge::studioSystem->release();
    Sonbridge::studioSystem = nullptr;
    Sonbridge::g_FMODInitialized = false;
    Sonbridge::bankList.clear();
    Record() = StandinRecord{};
}

void SetCallbackThread(FmodStandin::CallbackThread thread)
{
    Record().callbackThread = thread;
}

std::vector<InitCall> InitCalls()
{
    return Record().initCalls;
}

int UpdateCount()
{
    return Record().updates;
}

}  // namespace SonbridgeStandin
