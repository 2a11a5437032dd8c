// Tracking the instance's callbacks: the types asked for, markers and beats as text, and the
// last text kept after tracking stops.
#include <gtest/gtest.h>

#include "FmodStandinControl.h"
#include "SonbridgeStandinControl.h"
#include "tests/dll/support/AudioSession.h"

using StandinHost::Parameter;
using TestSupport::SampleBank;

namespace {

class InstanceTracking : public TestSupport::InstanceObjectTest {
protected:
    void Track(const std::wstring& type) { object.Action(7, {Parameter::Text(type)}); }
    std::wstring Last()
    {
        const auto result = object.Expression(2);
        EXPECT_EQ(result.kind, StandinHost::ResultKind::Text);
        EXPECT_TRUE(result.textInHostBuffer);
        return result.text;
    }
    FMOD_STUDIO_EVENT_CALLBACK_TYPE Mask() { return FmodStandin::Instances().at(0).callbackMask; }
};

TEST_F(InstanceTracking, AChosenTypeIsRecordedByItsName)
{
    Create(L"event:/UI/Click");
    EXPECT_EQ(Last(), L"");
    Track(L"STARTED");
    EXPECT_EQ(Mask(), FMOD_STUDIO_EVENT_CALLBACK_STARTED);
    object.Action(1);
    session.Tick(20);  // plays to its end: only STARTED is asked for
    EXPECT_EQ(Last(), L"STARTED");

    Track(L"stopped");  // replaces the mask
    EXPECT_EQ(Mask(), FMOD_STUDIO_EVENT_CALLBACK_STOPPED);
    object.Action(1);
    session.Tick(20);
    EXPECT_EQ(Last(), L"STOPPED");
}

TEST_F(InstanceTracking, UnknownTextsRegisterNothing)
{
    Create(L"event:/UI/Click");
    for (const std::wstring& text : {std::wstring(L"NOPE"), std::wstring(L""), std::wstring(L" STARTED"),
                                     std::wstring(L"FMOD_STUDIO_EVENT_CALLBACK_STARTED"), std::wstring(4000, L'A')})
        Track(text);
    EXPECT_EQ(Mask(), 0u);
    EXPECT_EQ(FmodStandin::Instances().at(0).userData, nullptr);

    // And leave an earlier registration in place.
    Track(L"STARTING");
    Track(L"BOGUS");
    EXPECT_EQ(Mask(), FMOD_STUDIO_EVENT_CALLBACK_STARTING);
    object.Action(1);
    session.Tick();
    EXPECT_EQ(Last(), L"STARTING");
}

TEST_F(InstanceTracking, AllRecordsTheLatestAndStopKeepsIt)
{
    Create(L"event:/UI/Click");
    Track(L"ALL");
    EXPECT_EQ(Mask(), FMOD_STUDIO_EVENT_CALLBACK_ALL);
    session.Tick();
    EXPECT_EQ(Last(), L"CREATED");
    object.Action(1);
    session.Tick();
    EXPECT_EQ(Last(), L"STARTED");
    session.Tick(10);
    EXPECT_EQ(Last(), L"STOPPED");

    object.Action(8);
    EXPECT_EQ(Mask(), 0u);
    EXPECT_EQ(FmodStandin::Instances().at(0).userData, nullptr);
    object.Action(1);
    session.Tick(20);
    EXPECT_EQ(Last(), L"STOPPED");
    object.Action(8);  // again: nothing to take back
    EXPECT_EQ(Last(), L"STOPPED");
}

TEST_F(InstanceTracking, ReleasedInstancesReportTheirDestruction)
{
    Create(L"event:/UI/Click");
    Track(L"DESTROYED");
    object.Action(1);
    object.Action(3);
    session.Tick(20);
    EXPECT_TRUE(FmodStandin::Instances().empty());
    EXPECT_EQ(Last(), L"DESTROYED");
}

TEST_F(InstanceTracking, MarkersAndBeatsAsText)
{
    FmodStandin::SetClockStep(10);
    Create(L"event:/Music/Level 1");
    Track(L"TIMELINE_BEAT");
    object.Action(1);
    session.Tick();
    EXPECT_EQ(Last(), L"1_1_0_120.000000_4_4");
    session.Tick(50);  // 500 ms: the second beat
    EXPECT_EQ(Last(), L"1_2_500_120.000000_4_4");
    session.Tick(150);  // 2 s: bar 2
    EXPECT_EQ(Last(), L"2_1_2000_120.000000_4_4");

    Track(L"TIMELINE_MARKER");
    session.Tick(200);  // past 4 s
    EXPECT_EQ(Last(), L"Verse");
}

TEST_F(InstanceTracking, AMarkerWithoutANameRecordsTheTypeName)
{
    const std::string bank = "bank \"Marks\"\n"
                             "event \"event:/Marks\" length 1000\n"
                             "  marker 0\n"
                             "  marker 500 \"Half \xc3\xa9t\xc3\xa9\"\n";
    const auto file = session.Folder().Write("Marks.bank", bank);
    studio.Action(0, {Parameter::Text(file.wstring())});
    Create(L"event:/Marks");
    Track(L"TIMELINE_MARKER");
    object.Action(1);
    session.Tick();
    EXPECT_EQ(Last(), L"TIMELINE_MARKER");
    session.Tick(25);
    EXPECT_EQ(Last(), L"Half \u00e9t\u00e9");
}

TEST_F(InstanceTracking, TrackingOnTheStudioThread)
{
    // The callback thread is chosen when the runtime starts: begin again with it.
    SonbridgeStandin::Reset();
    FmodStandin::Reset();
    SonbridgeStandin::SetCallbackThread(FmodStandin::CallbackThread::StudioThread);
    auto& second = session.CreateStudio();
    second.Action(0, {Parameter::Text(std::filesystem::path(SampleBank("Game.bank")).wstring())});
    ASSERT_EQ(FmodStandin::GetCallbackThread(), FmodStandin::CallbackThread::StudioThread);
    Create(L"event:/Music/Level 1");
    Track(L"TIMELINE_BEAT");
    object.Action(1);
    session.Tick();
    FmodStandin::WaitForCallbacks();
    EXPECT_EQ(Last(), L"1_1_0_120.000000_4_4");
    object.Action(8);
    session.Tick(50);
    FmodStandin::WaitForCallbacks();
    EXPECT_EQ(Last(), L"1_1_0_120.000000_4_4");
}

}  // namespace
