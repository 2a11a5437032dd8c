// Control of the Sonbridge stand-in for tests: what Init and Update were asked, the callback
// thread Init gives the studio system, and a way back to the state before any Init.
#pragma once

#include <string>
#include <vector>

#include "FmodStandinControl.h"
#include "studio/Sonbridge.h"

namespace SonbridgeStandin {

struct InitCall {
    std::string masterBank;
    std::string stringsBank;
    bool liveUpdate = false;
    int realChannels = 0;  // as passed, before any clamping
    int virtualChannels = 0;
    bool startedSystem = false;  // this call brought the system up
    FMOD_RESULT masterBankResult = FMOD_OK;   // of loadBankFile; FMOD_OK also when no load was tried
    FMOD_RESULT stringsBankResult = FMOD_OK;
};

// Releases the system Init made, empties bankList, clears g_FMODInitialized and the records below,
// and puts the callback thread back to InUpdate.
SONBRIDGE_API void Reset();
// The callback thread the next Init that starts the system will choose.
SONBRIDGE_API void SetCallbackThread(FmodStandin::CallbackThread thread);
SONBRIDGE_API std::vector<InitCall> InitCalls();
SONBRIDGE_API int UpdateCount();

}  // namespace SonbridgeStandin
