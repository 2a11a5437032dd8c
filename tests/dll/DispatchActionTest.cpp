// Actions and conditions called through the jump tables: parameters read in order by their
// codes, preloaded or through the host, and results handed back as the host expects.
#include <gtest/gtest.h>

#include "tests/dll/support/RuntimeSession.h"

using StandinHost::Parameter;
using TestSupport::RuntimeSession;

namespace {

using DispatchAction = TestSupport::OneObjectTest;

TEST_F(DispatchAction, TwoIntegersArriveWithTheCall)
{
    object_->Action(0, {Parameter::Integer(3), Parameter::Integer(-4)});
    EXPECT_EQ(session_.TakeCalls(), L"TwoIntegers(3, -4)\n");
    for (const auto& call : object_->TakeServiceCalls())
        EXPECT_NE(call.service, Vantor::Host::kServiceNextParameter);  // nothing fetched one by one
}

TEST_F(DispatchAction, APreloadedFloatComesFromTheHostsFloatService)
{
    object_->Action(1, {Parameter::Float(1.75f), Parameter::Text(L"Grüße")});
    EXPECT_EQ(session_.TakeCalls(), L"FloatAndText(1.75, Grüße)\n");
}

TEST_F(DispatchAction, ThreeTextsAreFetchedThroughTheHost)
{
    object_->Action(2, {Parameter::Text(L"a"), Parameter::Text(L"b"), Parameter::Text(L"c")});
    EXPECT_EQ(session_.TakeCalls(), L"ThreeTexts(a, b, c)\n");
    int fetched = 0;
    for (const auto& call : object_->TakeServiceCalls())
        fetched += call.service == Vantor::Host::kServiceNextParameter;
    EXPECT_EQ(fetched, 3);
}

TEST_F(DispatchAction, EveryParameterKindIsReadByItsCode)
{
    object_->Action(3, {Parameter::Integer(5), Parameter::Float(2.25f), Parameter::Text(L"t"), Parameter::Object(3, 7),
                        Parameter::DirectionValue(5), Parameter::Raw(8, 1234)});
    const std::wstring calls = session_.TakeCalls();
    EXPECT_EQ(calls.rfind(L"EveryKind(5, 2.25, t, ", 0), 0u) << calls;
    EXPECT_NE(calls.find(L", 32, 1234)\n"), std::wstring::npos) << calls;  // direction 5 is the mask 1 << 5
}

TEST_F(DispatchAction, NewDirectionsFromMasksValuesAndNonsense)
{
    object_->Action(3, {Parameter::Integer(0), Parameter::Float(0), Parameter::Text(L""), Parameter::Object(0, 0),
                        Parameter::Direction(0x11), Parameter::Raw(8, 77)});
    object_->Action(3, {Parameter::Integer(0), Parameter::Float(0), Parameter::Text(L""), Parameter::Object(0, 0),
                        Parameter::DirectionValue(-1), Parameter::Raw(8, 77)});
    session_.TakeLogLines();
    object_->Action(3, {Parameter::Integer(0), Parameter::Float(0), Parameter::Text(L""), Parameter::Object(0, 0),
                        Parameter::DirectionValue(40), Parameter::Raw(8, 77)});
    const std::wstring calls = session_.TakeCalls();
    EXPECT_NE(calls.find(L", 17, 77)\n"), std::wstring::npos) << calls;  // a stored mask, and the next one after it
    EXPECT_EQ(std::count(calls.begin(), calls.end(), L'\n'), 3);
    EXPECT_NE(calls.find(L", 0, 77)\n"), std::wstring::npos) << calls;
    EXPECT_EQ(session_.TakeLogLines(),
              std::vector<std::wstring>{L"Invalid New Direction value 40 passed by user, going with none.\n"});
}

TEST_F(DispatchAction, AnUnlinkedActionRunsTheFallback)
{
    object_->Action(5);
    EXPECT_EQ(session_.TakeCalls(), L"");
    EXPECT_EQ(session_.TakeBoxLines(),
              std::vector<std::wstring>{L"Extension::UnlinkedAction() called - Vantor Test | Running a fallback for "
                                        L"action ID 5. Make sure you ran LinkAction()."});
}

TEST_F(DispatchAction, ANumberBeyondTheTableRunsTheFallback)
{
    using Slot = std::int32_t(VANTOR_HOSTCALL*)(void*, std::int32_t, std::int32_t);
    const auto slot = static_cast<Slot*>(object_->Infos().actions)[0];
    object_->Header().calledNumber = 99;
    slot(object_->Data(), 0, 0);
    EXPECT_EQ(session_.TakeCalls(), L"");
    EXPECT_EQ(session_.TakeBoxLines().size(), 1u);
}

TEST_F(DispatchAction, OnlyTheLowByteOfAConditionCountsUnlessItCompares)
{
    EXPECT_EQ(object_->Condition(0, {Parameter::Integer(7)}), 1);
    EXPECT_EQ(object_->Condition(0, {Parameter::Integer(0x100)}), 0);
    EXPECT_EQ(object_->Condition(1, {Parameter::Raw(23, 2), Parameter::Integer(5)}), 0x502);
    EXPECT_EQ(session_.TakeCalls(), L"IsValue(7)\nIsValue(256)\nCompare(2, 5)\n");
}

TEST_F(DispatchAction, AConditionsObjectParameterGivesItsObjectListIndex)
{
    session_.TakeLogLines();
    EXPECT_EQ(object_->Condition(2, {Parameter::Object(4, 9)}), 1);
    EXPECT_EQ(session_.TakeCalls(), L"ObjectSelected(4)\n");
    EXPECT_EQ(session_.TakeLogLines(),
              std::vector<std::wstring>{L"GetOIListIndexFromObjectParam: Returning OiList 4, oi is 9.\n"});
}

TEST_F(DispatchAction, ANullTextStopsTheCallWithABox)
{
    EXPECT_EQ(object_->Condition(3, {Parameter::Text(L"x"), Parameter::NullText(), Parameter::Text(L"y", 46)}), 0);
    EXPECT_EQ(session_.TakeCalls(), L"");
    EXPECT_EQ(session_.TakeBoxLines(),
              std::vector<std::wstring>{
                  L"ActionOrCondition() error - Vantor Test | Error calling condition \"%o: Texts %0 and %1 compare\" "
                  L"(ID 3); text parameter index 1 was given a null string pointer.\nWas the parameter type different "
                  L"when the condition was created in the MFA?"});
    EXPECT_EQ(object_->Condition(3, {Parameter::Text(L"x"), Parameter::Text(L"x"), Parameter::Text(L"y", 46)}), 0x100);
}

TEST_F(DispatchAction, AnUnlinkedConditionIsReportedTwice)
{
    EXPECT_EQ(object_->Condition(4), 0);
    EXPECT_EQ(session_.TakeBoxLines(),
              (std::vector<std::wstring>{
                  L"Condition linking error - Vantor Test | Missing condition ID 4 in extension Vantor Test. Condition "
                  L"existed in vector, but was NULL. Might not be linked.",
                  L"Extension::UnlinkedCondition() called - Vantor Test | Running a fallback for condition ID 4. Make "
                  L"sure you ran LinkCondition()."}));
}

}  // namespace
