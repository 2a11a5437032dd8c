#include "RunProbe.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/RunObject.h"
#include "standins/host/internal/FloatWord.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace StandinHostTests {
namespace {

using namespace Vantor::Host;
using StandinHost::Parameter;
using StandinHost::RunObject;
using StandinHost::ServiceCall;
using Lines = std::vector<std::wstring>;

class EventCallTest : public RunProbeTest {
protected:
    EventCallTest() : object(library, runHeader) {}

    // The probe's one line for the call just made.
    std::wstring Line() {
        const Lines lines = TakeLines();
        return lines.size() == 1 ? lines[0] : L"(" + std::to_wstring(lines.size()) + L" lines)";
    }

    RunObject object;
};

TEST_F(EventCallTest, CallSetsTheCalledNumberAndPassesTheFirstTwoWords) {
    SetPlan("w");
    EXPECT_EQ(object.Action(1, {Parameter::Integer(5), Parameter::Integer(-7)}), 0);
    EXPECT_EQ(Line(), L"A1: w=5,-7");
    EXPECT_EQ(object.Header().calledNumber, 1);
    object.Condition(0);
    EXPECT_EQ(Line(), L"C0: w=0,0");
}

TEST_F(EventCallTest, WordsOfTheFirstTwoComeEvenWhenMoreFollow) {
    SetPlan("w");
    object.Action(0, {Parameter::Integer(1), Parameter::Integer(2), Parameter::Integer(3)});
    EXPECT_EQ(Line(), L"A0: w=1,2");
}

TEST_F(EventCallTest, ResultTypeBitsAreClearedBeforeTheCall) {
    SetPlan("h");
    object.Header().flags = 0xC001;
    object.Action(0);
    EXPECT_EQ(Line(), L"A0: h=0001");
}

TEST_F(EventCallTest, FloatWordIsTruncatedWhilePreloadedFloatServiceGivesItsBits) {
    SetPlan("w01");
    object.Action(0, {Parameter::Float(2.75f), Parameter::Float(-1.5f)});
    EXPECT_EQ(Line(), L"A0: w=2,-1 0=2.75 1=-1.5");
}

TEST_F(EventCallTest, TextWordsPointAtTheTextOrAreNull) {
    SetPlan("TU");
    object.Action(0, {Parameter::Text(L"h\u00e9llo"), Parameter::NullText()});
    EXPECT_EQ(Line(), L"A0: T=h\u00e9llo U=null");
}

TEST_F(EventCallTest, ObjectWordPointsAtItsRecord) {
    SetPlan("O");
    object.Condition(1, {Parameter::Object(3, 17)});
    EXPECT_EQ(Line(), L"C1: O=8/1/3/17");
}

TEST_F(EventCallTest, DirectionWordIsItsMaskAndATypedDirectionItsValue) {
    SetPlan("wc");
    object.Action(0, {Parameter::Direction(0x20), Parameter::DirectionValue(5)});
    EXPECT_EQ(Line(), L"A0: w=32,5 c=8/29/32");
}

TEST_F(EventCallTest, CurrentParameterStartsAtTheFirstRecordAndIsNullAfterTheCall) {
    SetPlan("cncnc");
    object.Action(0, {Parameter::Integer(4), Parameter::Direction(0x20)});
    EXPECT_EQ(Line(), L"A0: c=8/22/4 c=8/29/32 c=0/0");
    EXPECT_EQ(object.Header().currentParameter, nullptr);
}

TEST_F(EventCallTest, NextParameterHandsOutEachInOrderAndMovesTheCurrentPointerOn) {
    SetPlan("ctcfcocrcic");
    object.Action(0, {Parameter::Text(L"a"), Parameter::Float(1.5f), Parameter::Object(2, 9), Parameter::Raw(8, 77),
                      Parameter::Integer(-3)});
    EXPECT_EQ(Line(), L"A0: c=8/45/97 t=a c=8/22/1069547520 f=1.5 c=8/1/589826 o=8/1/2/9 c=8/8/77 r=77 "
                      L"c=8/22/-3 i=-3 c=0/0");
}

TEST_F(EventCallTest, NumbersAreConvertedToTheAskedKind) {
    SetPlan("fi");
    object.Action(0, {Parameter::Integer(3), Parameter::Float(-2.5f), Parameter::Integer(0)});
    EXPECT_EQ(Line(), L"A0: f=3 i=-2");
}

TEST_F(EventCallTest, RawValueIsHandedOutUnchangedToEveryNumberKind) {
    SetPlan("fr");
    object.Action(0, {Parameter::Raw(22, 0x3FC00000), Parameter::Raw(23, 0xFFFFFFFF), Parameter::Integer(0)});
    EXPECT_EQ(Line(), L"A0: f=1.5 r=-1");
}

TEST_F(EventCallTest, NullTextComesOutOfTheParameterServiceAsNull) {
    SetPlan("tt");
    object.Action(0, {Parameter::NullText(), Parameter::Text(L"b"), Parameter::Integer(0)});
    EXPECT_EQ(Line(), L"A0: t=null t=b");
}

TEST_F(EventCallTest, ClaimedRecordSizeMisleadsOnlyWhoTrustsTheHead) {
    const std::vector<Parameter> parameters = {Parameter::Integer(1).WithRecordSize(12), Parameter::Integer(2),
                                               Parameter::Integer(3)};
    SetPlan("cnc");
    object.Action(0, parameters);
    EXPECT_EQ(Line(), L"A0: c=12/22/1 c=2/0");
    SetPlan("iii");
    object.Action(0, parameters);
    EXPECT_EQ(Line(), L"A0: i=1 i=2 i=3");
}

TEST_F(EventCallTest, ConditionResultComesBackUnchanged) {
    SetPlan("i");
    EXPECT_EQ(object.Condition(1, {Parameter::Integer(0x1234)}), 0x1234);
}

TEST_F(EventCallTest, EveryServiceCallIsRecordedWithItsAnswer) {
    SetPlan("0i");
    object.Action(0, {Parameter::Float(1.5f), Parameter::Integer(9), Parameter::Integer(8)});
    const std::vector<ServiceCall> expected = {{kServicePreloadedFloat, 0, 0, StandinHost::FloatBits(1.5f)},
                                               {kServiceNextParameter, kParameterInteger, 0, 1}};
    EXPECT_EQ(object.TakeServiceCalls(), expected);
    EXPECT_TRUE(object.ServiceCalls().empty());
}

TEST_F(EventCallTest, NumberOutsideTheJumpTableIsRefused) {
    EXPECT_THROW(object.Action(3), std::out_of_range);
    EXPECT_THROW(object.Condition(-1), std::out_of_range);
    EXPECT_THROW(object.Expression(5), std::out_of_range);
    EXPECT_TRUE(TakeLines().empty());
}

TEST_F(EventCallTest, EmptyJumpTableSlotIsAnExtensionFault) {
    EXPECT_THROW(object.Action(2), StandinHost::ExtensionFault);
}

TEST_F(EventCallTest, NextCallStartsAfresh) {
    SetPlan("i");
    object.Action(0, {Parameter::Integer(1)});
    object.Action(1, {Parameter::Integer(2)});
    EXPECT_EQ(TakeLines(), (Lines{L"A0: i=1", L"A1: i=2"}));
}

}  // namespace
}  // namespace StandinHostTests
