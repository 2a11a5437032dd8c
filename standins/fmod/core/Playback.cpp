#include "Playback.h"

#include <algorithm>

namespace FmodStandin {

FMOD_STUDIO_PLAYBACK_STATE Playback::State() const
{
    if (startPending_) return FMOD_STUDIO_PLAYBACK_STARTING;
    switch (phase_) {
    case Phase::Playing:
        return FMOD_STUDIO_PLAYBACK_PLAYING;
    case Phase::Stopping:
        return FMOD_STUDIO_PLAYBACK_STOPPING;
    case Phase::Stopped:
        break;
    }
    return FMOD_STUDIO_PLAYBACK_STOPPED;
}

void Playback::Stop(bool allowFadeout, std::vector<PlaybackNotice>& out)
{
    startPending_ = false;
    if (phase_ == Phase::Stopped) return;
    if (!allowFadeout) {
        Finish(out);
    } else if (phase_ == Phase::Playing) {
        phase_ = Phase::Stopping;
        fadeElapsedMs_ = 0;
    }
}

void Playback::Advance(int stepMs, std::vector<PlaybackNotice>& out)
{
    if (startPending_) TakeUpStart(out);
    if (phase_ == Phase::Stopped) return;
    RunTimeline(stepMs, out);
    if (phase_ != Phase::Stopping) return;
    fadeElapsedMs_ += stepMs;
    if (fadeElapsedMs_ >= event_->fadeoutMs) Finish(out);
}

void Playback::TakeUpStart(std::vector<PlaybackNotice>& out)
{
    startPending_ = false;
    if (phase_ == Phase::Stopped) {
        out.push_back({FMOD_STUDIO_EVENT_CALLBACK_STARTING, {}});
        out.push_back({FMOD_STUDIO_EVENT_CALLBACK_STARTED, {}});
    } else {
        out.push_back({FMOD_STUDIO_EVENT_CALLBACK_RESTARTED, {}});
    }
    phase_ = Phase::Playing;
    position_ = 0;
    fadeElapsedMs_ = 0;
}

void Playback::RunTimeline(int stepMs, std::vector<PlaybackNotice>& out)
{
    int remaining = stepMs;
    while (remaining > 0) {
        const int chunk = std::min(remaining, event_->lengthMs - position_);
        Collect(position_, position_ + chunk, out);
        position_ += chunk;
        remaining -= chunk;
        if (position_ < event_->lengthMs) continue;
        if (!event_->looping) {
            Finish(out);
            return;
        }
        position_ = 0;
    }
}

void Playback::Collect(int fromMs, int toMs, std::vector<PlaybackNotice>& out) const
{
    std::vector<TimelineEvent> reached;
    CollectTimelineEvents(*event_, fromMs, toMs, reached);
    for (const TimelineEvent& event : reached) {
        const FMOD_STUDIO_EVENT_CALLBACK_TYPE type = event.kind == TimelineEvent::Kind::Beat ? FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT
                                                                   : FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER;
        out.push_back({type, event});
    }
}

void Playback::Finish(std::vector<PlaybackNotice>& out)
{
    phase_ = Phase::Stopped;
    fadeElapsedMs_ = 0;
    out.push_back({FMOD_STUDIO_EVENT_CALLBACK_STOPPED, {}});
}

}  // namespace FmodStandin
