// The control exports: each hands over to the simulated studio.
#include "FmodStandinControl.h"
#include "ResultText.h"
#include "Simulation.h"

namespace FmodStandin {

FMOD_RESULT Reset()
{
    return Simulation().Reset();
}

FMOD_RESULT SetClockStep(int milliseconds)
{
    return Simulation().SetClockStep(milliseconds);
}

int ClockStep()
{
    return Simulation().ClockStep();
}

FMOD_RESULT SetCallbackThread(CallbackThread thread)
{
    return Simulation().SetCallbackThread(thread);
}

CallbackThread GetCallbackThread()
{
    return Simulation().GetCallbackThread();
}

void WaitForCallbacks()
{
    Simulation().WaitForCallbacks();
}

SystemInfo GetSystemInfo()
{
    return Simulation().GetSystemInfo();
}

std::vector<BankInfo> Banks()
{
    return Simulation().Banks();
}

std::vector<InstanceInfo> Instances()
{
    return Simulation().Instances();
}

std::vector<ListenerInfo> Listeners()
{
    return Simulation().Listeners();
}

std::vector<MixerStripInfo> MixerStrips()
{
    return Simulation().MixerStrips();
}

std::vector<ParameterInfo> GlobalParameters()
{
    return Simulation().GlobalParameters();
}

std::vector<std::string> Trace()
{
    return Simulation().TraceLines();
}

void ClearTrace()
{
    Simulation().ClearTrace();
}

const char* ResultName(FMOD_RESULT result)
{
    return ResultText(result);
}

}  // namespace FmodStandin
