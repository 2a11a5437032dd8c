// Init and Update: the one studio system of the process and the two banks it starts with.
#include <algorithm>

#include "StandinRecord.h"
#include "studio/Sonbridge.h"

bool Sonbridge::g_FMODInitialized = false;
FMOD::Studio::System* Sonbridge::studioSystem = nullptr;
std::unordered_map<std::string, FMOD::Studio::Bank*> Sonbridge::bankList;

namespace {

constexpr int kMostChannels = 4095;

// Counts from a game's properties may be anything; the system takes 0 (1) to 4095.
int ClampChannels(int channels, int least)
{
    return std::clamp(channels, least, kMostChannels);
}

FMOD_RESULT LoadBank(const std::string& path)
{
    FMOD::Studio::Bank* bank = nullptr;
    const FMOD_RESULT result = Sonbridge::studioSystem->loadBankFile(path.c_str(), FMOD_STUDIO_LOAD_BANK_NORMAL, &bank);
    if (result == FMOD_OK && bank != nullptr) Sonbridge::bankList[path] = bank;
    return result;
}

FMOD::Studio::System* StartSystem(bool liveUpdate, int realChannels, int virtualChannels)
{
    const FmodStandin::CallbackThread thread = SonbridgeStandin::Record().callbackThread;
    FMOD::Studio::System* system = nullptr;
    if (FMOD::Studio::System::create(&system) != FMOD_OK || system == nullptr) return nullptr;
    FMOD::System* core = nullptr;
    if (system->getCoreSystem(&core) == FMOD_OK && core != nullptr) {
        core->setSoftwareChannels(ClampChannels(realChannels, 0));
    }
    FMOD_STUDIO_INITFLAGS flags = liveUpdate ? FMOD_STUDIO_INIT_LIVEUPDATE : FMOD_STUDIO_INIT_NORMAL;
    if (thread == FmodStandin::CallbackThread::InUpdate) flags |= FMOD_STUDIO_INIT_SYNCHRONOUS_UPDATE;
    if (system->initialize(ClampChannels(virtualChannels, 1), flags, FMOD_INIT_NORMAL, nullptr) != FMOD_OK ||
        FmodStandin::SetCallbackThread(thread) != FMOD_OK) {
        system->release();
        return nullptr;
    }
    return system;
}

}  // namespace

void Sonbridge::Init(const std::string& masterBank, const std::string& stringsBank, bool liveUpdate, int realChannels,
                     int virtualChannels)
{
    auto& calls = SonbridgeStandin::Record().initCalls;
    calls.push_back({masterBank, stringsBank, liveUpdate, realChannels, virtualChannels});
    if (g_FMODInitialized) return;
    FMOD::Studio::System* system = StartSystem(liveUpdate, realChannels, virtualChannels);
    if (system == nullptr) return;
    studioSystem = system;
    g_FMODInitialized = true;
    // A bank that fails to load leaves the system up: the game can still load banks itself.
    calls.back().startedSystem = true;
    calls.back().masterBankResult = LoadBank(masterBank);
    calls.back().stringsBankResult = LoadBank(stringsBank);
}

void Sonbridge::Update()
{
    ++SonbridgeStandin::Record().updates;
    if (studioSystem != nullptr) studioSystem->update();
}
