// What the stand-in remembers for its control exports. Host thread only, like Init and Update.
#pragma once

#include <vector>

#include "SonbridgeStandinControl.h"

namespace SonbridgeStandin {

struct StandinRecord {
    std::vector<InitCall> initCalls;
    int updates = 0;
    FmodStandin::CallbackThread callbackThread = FmodStandin::CallbackThread::InUpdate;
};

StandinRecord& Record();

}  // namespace SonbridgeStandin
