// What one clock step does to the instances, and how their callbacks get raised.
#include "Studio.h"

#include <algorithm>

namespace FmodStandin {

namespace {

std::string MarkerText(const TimelineEvent& reached)
{
    const std::string name = reached.marker->hasName ? "marker \"" + reached.marker->name + "\"" : "an unnamed marker";
    return "reached " + name + " at " + std::to_string(reached.position) + " ms";
}

}  // namespace

void Studio::Raise(Handle handle, const InstanceRecord& instance, FMOD_STUDIO_EVENT_CALLBACK_TYPE type,
                   const TimelineEvent* timeline)
{
    if (instance.callback == nullptr || (instance.callbackMask & type) == 0) return;
    PendingCallback pending;
    pending.instance = handle;
    pending.type = type;
    if (timeline != nullptr && timeline->kind == TimelineEvent::Kind::Marker) {
        pending.markerHasName = timeline->marker->hasName;
        pending.markerName = timeline->marker->name;
        pending.marker.position = timeline->position;
    } else if (timeline != nullptr) {
        const EventDefinition& event = *instance.event;
        pending.beat = {timeline->bar,      timeline->beat,    timeline->position, static_cast<float>(event.tempo),
                        event.beatsPerBar, event.beatUnit};
    }
    dispatcher_.Enqueue(std::move(pending));
}

void Studio::Report(Handle handle, InstanceRecord& instance, const std::vector<PlaybackNotice>& notices)
{
    for (const PlaybackNotice& notice : notices) {
        const bool onTimeline = notice.type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER ||
                                notice.type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_BEAT;
        switch (notice.type) {
        case FMOD_STUDIO_EVENT_CALLBACK_STARTED:
            instance.voiceOrder = state_.nextVoiceOrder++;
            Note(Name(instance) + " started");
            break;
        case FMOD_STUDIO_EVENT_CALLBACK_RESTARTED:
            Note(Name(instance) + " restarted");
            break;
        case FMOD_STUDIO_EVENT_CALLBACK_STOPPED:
            Note(Name(instance) + " stopped");
            break;
        case FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER:
            Note(Name(instance) + " " + MarkerText(notice.timeline));
            break;
        default:
            break;
        }
        Raise(handle, instance, notice.type, onTimeline ? &notice.timeline : nullptr);
    }
}

void Studio::Destroy(Handle handle, InstanceRecord& instance)
{
    instance.retiring = true;
    instance.isVirtual = false;
    Note(Name(instance) + " destroyed");
    Raise(handle, instance, FMOD_STUDIO_EVENT_CALLBACK_DESTROYED);
    PendingCallback retirement;
    retirement.instance = handle;
    retirement.retire = true;
    dispatcher_.Enqueue(std::move(retirement));
}

void Studio::HaltInstancesOf(Handle bank)
{
    std::vector<PlaybackNotice> notices;
    for (auto& [handle, instance] : instances_) {
        const DescriptionRecord* description = catalog_.Description(instance.description);
        if (instance.retiring || description == nullptr || description->bank != bank) continue;
        notices.clear();
        instance.playback.Stop(false, notices);
        Report(handle, instance, notices);
        Destroy(handle, instance);
    }
}

void Studio::AdvanceInstances(int stepMs)
{
    std::vector<PlaybackNotice> notices;
    for (auto& [handle, instance] : instances_) {
        if (instance.retiring) continue;
        if (!instance.createdReported) {
            instance.createdReported = true;
            Raise(handle, instance, FMOD_STUDIO_EVENT_CALLBACK_CREATED);
        }
        notices.clear();
        instance.playback.Advance(stepMs, notices);
        Report(handle, instance, notices);
        for (ParameterState& parameter : instance.parameters) parameter.Advance(stepMs);
        if (instance.released && instance.playback.State() == FMOD_STUDIO_PLAYBACK_STOPPED) Destroy(handle, instance);
    }
}

void Studio::AssignVoices()
{
    std::vector<std::pair<Handle, InstanceRecord*>> audible;
    for (auto& [handle, instance] : instances_) {
        if (!instance.retiring && instance.playback.IsAudible()) {
            audible.emplace_back(handle, &instance);
        } else {
            instance.isVirtual = false;
        }
    }
    std::stable_sort(audible.begin(), audible.end(),
                     [](const auto& a, const auto& b) { return a.second->voiceOrder < b.second->voiceOrder; });
    const std::size_t realVoices = static_cast<std::size_t>(std::min(state_.softwareChannels, state_.maxChannels));
    for (std::size_t rank = 0; rank < audible.size(); ++rank) {
        auto& [handle, instance] = audible[rank];
        const bool isVirtual = rank >= realVoices;
        if (isVirtual == instance->isVirtual) continue;
        instance->isVirtual = isVirtual;
        Note(Name(*instance) + (isVirtual ? " became virtual" : " became real"));
        Raise(handle, *instance,
              isVirtual ? FMOD_STUDIO_EVENT_CALLBACK_REAL_TO_VIRTUAL : FMOD_STUDIO_EVENT_CALLBACK_VIRTUAL_TO_REAL);
    }
}

int Studio::LiveInstanceCount() const
{
    return static_cast<int>(std::count_if(instances_.begin(), instances_.end(),
                                          [](const auto& entry) { return !entry.second.retiring; }));
}

FMOD_STUDIO_EVENT_CALLBACK Studio::Resolve(const PendingCallback& pending)
{
    const auto found = instances_.find(pending.instance);
    if (found == instances_.end()) return nullptr;
    const InstanceRecord& instance = found->second;
    return (instance.callbackMask & pending.type) != 0 ? instance.callback : nullptr;
}

void Studio::Retire(Handle instance)
{
    instances_.erase(instance);
}

}  // namespace FmodStandin
