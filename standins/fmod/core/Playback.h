// The playback state machine of one event instance, driven by fixed clock steps.
#pragma once

#include <vector>

#include "BankDefinition.h"
#include "Timeline.h"
#include "fmod_studio_common.h"

namespace FmodStandin {

// What playback reports: STARTING, STARTED, RESTARTED, STOPPED, TIMELINE_MARKER or TIMELINE_BEAT.
struct PlaybackNotice {
    FMOD_STUDIO_EVENT_CALLBACK_TYPE type = 0;
    TimelineEvent timeline;  // for the two timeline types
};

// start() asks for a start at the next step (STARTING meanwhile); that step begins the timeline at 0
// and covers [0, step). A non-looping event stops at its length; a looping one wraps to 0. A stop
// with fade-out keeps the timeline running for the event's fade-out time (STOPPING); an immediate
// stop ends it at once. A start that no step has taken up yet is simply withdrawn by a stop.
class Playback {
public:
    explicit Playback(const EventDefinition& event) : event_(&event) {}

    FMOD_STUDIO_PLAYBACK_STATE State() const;
    int Position() const { return position_; }
    bool IsAudible() const { return phase_ != Phase::Stopped; }

    void Start() { startPending_ = true; }
    void Stop(bool allowFadeout, std::vector<PlaybackNotice>& out);
    void Advance(int stepMs, std::vector<PlaybackNotice>& out);

private:
    enum class Phase { Stopped, Playing, Stopping };

    void TakeUpStart(std::vector<PlaybackNotice>& out);
    void RunTimeline(int stepMs, std::vector<PlaybackNotice>& out);
    void Collect(int fromMs, int toMs, std::vector<PlaybackNotice>& out) const;
    void Finish(std::vector<PlaybackNotice>& out);

    const EventDefinition* event_;
    Phase phase_ = Phase::Stopped;
    bool startPending_ = false;
    int position_ = 0;
    int fadeElapsedMs_ = 0;
};

}  // namespace FmodStandin
