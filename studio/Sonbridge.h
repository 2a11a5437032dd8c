// The audio runtime library Sonbridge.Windows, as both products import it: it owns the one
// FMOD Studio system of the process. EventCallback is the one member it does not define: the
// Tonvale library defines and exports it (build Tonvale with SONBRIDGE_EXPORT_EVENT_CALLBACK).
#pragma once

#include <string>
#include <unordered_map>

#include "fmod_studio.hpp"

#if !defined(_WIN32)
#define SONBRIDGE_API
#elif defined(SONBRIDGE_BUILD_DLL)
#define SONBRIDGE_API __declspec(dllexport)
#else
#define SONBRIDGE_API __declspec(dllimport)
#endif

#if defined(_WIN32) && defined(SONBRIDGE_EXPORT_EVENT_CALLBACK)
#define SONBRIDGE_EVENT_CALLBACK_API __declspec(dllexport)
#else
#define SONBRIDGE_EVENT_CALLBACK_API
#endif

class Sonbridge {
public:
    // Brings the studio system up and loads the two banks (UTF-8 paths), unless it is up already.
    SONBRIDGE_API static void Init(const std::string& masterBank, const std::string& stringsBank, bool liveUpdate,
                                   int realChannels, int virtualChannels);
    // Ticks the studio system; does nothing while it is not up.
    SONBRIDGE_API static void Update();

    // "TIMELINE_MARKER" for FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER, ...; empty for anything else.
    SONBRIDGE_API static std::string CallbackTypeToString(unsigned type);
    // The flag a name stands for (ASCII case ignored); 0 for unknown, empty or over-long text.
    SONBRIDGE_API static unsigned StringToCallbackType(const std::string& name);

    SONBRIDGE_EVENT_CALLBACK_API static FMOD_RESULT F_CALLBACK EventCallback(FMOD_STUDIO_EVENT_CALLBACK_TYPE type,
                                                                             FMOD_STUDIO_EVENTINSTANCE* event,
                                                                             void* parameters);

    SONBRIDGE_API static bool g_FMODInitialized;
    SONBRIDGE_API static FMOD::Studio::System* studioSystem;
    SONBRIDGE_API static std::unordered_map<std::string, FMOD::Studio::Bank*> bankList;
};
