// Which beats and markers a stretch of an event's timeline passes over.
#include <gtest/gtest.h>

#include <vector>

#include "Timeline.h"

using FmodStandin::CollectTimelineEvents;
using FmodStandin::EventDefinition;
using FmodStandin::TimelineEvent;

namespace {

EventDefinition Event(int lengthMs, double tempo, int beatsPerBar = 4)
{
    EventDefinition event;
    event.path = "event:/T";
    event.lengthMs = lengthMs;
    event.tempo = tempo;
    event.beatsPerBar = beatsPerBar;
    return event;
}

std::vector<TimelineEvent> Collect(const EventDefinition& event, int from, int to)
{
    std::vector<TimelineEvent> reached;
    CollectTimelineEvents(event, from, to, reached);
    return reached;
}

std::vector<int> Positions(const std::vector<TimelineEvent>& reached)
{
    std::vector<int> positions;
    for (const TimelineEvent& event : reached) positions.push_back(event.position);
    return positions;
}

}  // namespace

TEST(FmodTimeline, BeatsFallEverySixtyThousandOverTempoMilliseconds)
{
    const EventDefinition event = Event(4000, 120);
    const auto reached = Collect(event, 0, 4000);
    EXPECT_EQ(Positions(reached), (std::vector<int>{0, 500, 1000, 1500, 2000, 2500, 3000, 3500}));
    EXPECT_EQ(reached[4].bar, 2);
    EXPECT_EQ(reached[4].beat, 1);
    EXPECT_EQ(reached[7].bar, 2);
    EXPECT_EQ(reached[7].beat, 4);
}

TEST(FmodTimeline, WindowsAreHalfOpenSoNoBeatCountsTwice)
{
    const EventDefinition event = Event(4000, 120);
    std::vector<int> joined;
    for (int from = 0; from < 4000; from += 20) {
        for (int position : Positions(Collect(event, from, from + 20))) joined.push_back(position);
    }
    EXPECT_EQ(joined, Positions(Collect(event, 0, 4000)));
    EXPECT_TRUE(Collect(event, 501, 1000).empty());
    EXPECT_EQ(Positions(Collect(event, 500, 501)), std::vector<int>{500});
}

TEST(FmodTimeline, UnevenTempoRoundsEachBeatToTheNearestMillisecond)
{
    const auto reached = Collect(Event(1400, 180, 3), 0, 1400);
    EXPECT_EQ(Positions(reached), (std::vector<int>{0, 333, 667, 1000, 1333}));
    EXPECT_EQ(reached[3].bar, 2);
    EXPECT_EQ(reached[3].beat, 1);
    EXPECT_EQ(Positions(Collect(Event(2000, 92.5), 600, 2000)), (std::vector<int>{649, 1297, 1946}));
}

TEST(FmodTimeline, NothingLiesPastTheLengthOrWithoutATempo)
{
    EXPECT_EQ(Positions(Collect(Event(1200, 120), 0, 99999)), (std::vector<int>{0, 500, 1000}));
    EXPECT_TRUE(Collect(Event(1200, 120), 1200, 1300).empty());
    EXPECT_TRUE(Collect(Event(1200, 120), 700, 700).empty());
    EXPECT_TRUE(Collect(Event(1200, 120), -50, 10).empty());
    EXPECT_TRUE(Collect(Event(1200, 0), 0, 1200).empty());
}

TEST(FmodTimeline, MarkersComeInPositionOrderAfterABeatAtTheSamePlace)
{
    EventDefinition event = Event(2000, 120);
    event.markers = {{500, true, "Half"}, {700, false, ""}};
    const auto reached = Collect(event, 400, 800);
    ASSERT_EQ(reached.size(), 3u);
    EXPECT_EQ(reached[0].kind, TimelineEvent::Kind::Beat);
    EXPECT_EQ(reached[1].kind, TimelineEvent::Kind::Marker);
    EXPECT_EQ(reached[1].marker->name, "Half");
    EXPECT_EQ(reached[2].position, 700);
    EXPECT_FALSE(reached[2].marker->hasName);
}
