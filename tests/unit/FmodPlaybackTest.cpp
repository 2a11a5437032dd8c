// The playback state machine of one instance, step by step.
#include <gtest/gtest.h>

#include <vector>

#include "Playback.h"

using FmodStandin::EventDefinition;
using FmodStandin::Playback;
using FmodStandin::PlaybackNotice;

namespace {

using Types = std::vector<FMOD_STUDIO_EVENT_CALLBACK_TYPE>;

EventDefinition Event(int lengthMs, bool looping, int fadeoutMs = 100)
{
    EventDefinition event;
    event.path = "event:/P";
    event.lengthMs = lengthMs;
    event.looping = looping;
    event.fadeoutMs = fadeoutMs;
    return event;
}

Types TypesOf(const std::vector<PlaybackNotice>& notices)
{
    Types types;
    for (const PlaybackNotice& notice : notices) types.push_back(notice.type);
    return types;
}

}  // namespace

TEST(FmodPlayback, AStartIsTakenUpByTheNextStep)
{
    const EventDefinition event = Event(100, false);
    Playback playback(event);
    std::vector<PlaybackNotice> notices;
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STOPPED);
    playback.Start();
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STARTING);
    EXPECT_FALSE(playback.IsAudible());
    playback.Advance(20, notices);
    EXPECT_EQ(TypesOf(notices), (Types{FMOD_STUDIO_EVENT_CALLBACK_STARTING, FMOD_STUDIO_EVENT_CALLBACK_STARTED}));
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_PLAYING);
    EXPECT_EQ(playback.Position(), 20);
    EXPECT_TRUE(playback.IsAudible());
}

TEST(FmodPlayback, AOneShotStopsAtItsLengthEvenInTheMiddleOfAStep)
{
    const EventDefinition event = Event(50, false);
    Playback playback(event);
    std::vector<PlaybackNotice> notices;
    playback.Start();
    playback.Advance(40, notices);
    notices.clear();
    playback.Advance(40, notices);
    EXPECT_EQ(TypesOf(notices), Types{FMOD_STUDIO_EVENT_CALLBACK_STOPPED});
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STOPPED);
    EXPECT_EQ(playback.Position(), 50);
}

TEST(FmodPlayback, ALoopPassesItsMarkersOnEveryRoundEvenWithinOneStep)
{
    EventDefinition event = Event(30, true);
    event.markers = {{10, true, "M"}};
    Playback playback(event);
    std::vector<PlaybackNotice> notices;
    playback.Start();
    playback.Advance(100, notices);  // rounds at 0, 30, 60 and 90: the marker at 10, 40, 70
    int markers = 0;
    for (const PlaybackNotice& notice : notices) markers += notice.type == FMOD_STUDIO_EVENT_CALLBACK_TIMELINE_MARKER;
    EXPECT_EQ(markers, 3);
    EXPECT_EQ(playback.Position(), 10);
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_PLAYING);
}

TEST(FmodPlayback, AFadeOutRunsItsTimeWhileTheTimelineGoesOn)
{
    const EventDefinition event = Event(1000, false, 50);
    Playback playback(event);
    std::vector<PlaybackNotice> notices;
    playback.Start();
    playback.Advance(20, notices);
    notices.clear();
    playback.Stop(true, notices);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STOPPING);
    playback.Stop(true, notices);  // a second fade request does not start the fade again
    playback.Advance(20, notices);
    playback.Advance(20, notices);
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STOPPING);
    playback.Advance(20, notices);
    EXPECT_EQ(TypesOf(notices), Types{FMOD_STUDIO_EVENT_CALLBACK_STOPPED});
    EXPECT_EQ(playback.Position(), 80);
}

TEST(FmodPlayback, ImmediateStopsAndRestarts)
{
    const EventDefinition event = Event(1000, false);
    Playback playback(event);
    std::vector<PlaybackNotice> notices;
    playback.Start();
    playback.Stop(false, notices);  // withdrawn before any step took it up
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(playback.State(), FMOD_STUDIO_PLAYBACK_STOPPED);

    playback.Start();
    playback.Advance(20, notices);
    notices.clear();
    playback.Start();
    playback.Advance(20, notices);
    EXPECT_EQ(TypesOf(notices), Types{FMOD_STUDIO_EVENT_CALLBACK_RESTARTED});
    EXPECT_EQ(playback.Position(), 20);
    notices.clear();
    playback.Stop(false, notices);
    EXPECT_EQ(TypesOf(notices), Types{FMOD_STUDIO_EVENT_CALLBACK_STOPPED});
    notices.clear();
    playback.Stop(false, notices);
    EXPECT_TRUE(notices.empty());
}
