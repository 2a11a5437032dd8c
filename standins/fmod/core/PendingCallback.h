// One callback on its way to an instance, or the instance's retirement once its last callback
// has gone out. Carries copies of the records it hands over, so nothing it points at can vanish.
#pragma once

#include <string>

#include "Handles.h"
#include "fmod_studio_common.h"

namespace FmodStandin {

struct PendingCallback {
    Handle instance = 0;
    bool retire = false;
    FMOD_STUDIO_EVENT_CALLBACK_TYPE type = 0;
    bool markerHasName = false;
    std::string markerName;
    FMOD_STUDIO_TIMELINE_MARKER_PROPERTIES marker{};
    FMOD_STUDIO_TIMELINE_BEAT_PROPERTIES beat{};
};

}  // namespace FmodStandin
