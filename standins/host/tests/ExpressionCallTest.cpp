#include "RunProbe.h"

#include "standins/host/ExtensionFault.h"
#include "standins/host/RunObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace StandinHostTests {
namespace {

using namespace Vantor::Host;
using StandinHost::ExpressionResult;
using StandinHost::Parameter;
using StandinHost::ResultKind;
using StandinHost::RunObject;
using StandinHost::ServiceCall;
using Lines = std::vector<std::wstring>;

class ExpressionCallTest : public RunProbeTest {
protected:
    ExpressionCallTest() : object(library, runHeader) {}

    RunObject object;
};

TEST_F(ExpressionCallTest, ParametersComeInOrderFromTheFirstThenTheNextService) {
    SetPlan("II");
    const ExpressionResult result = object.Expression(0, {Parameter::Integer(2), Parameter::Integer(40)});
    EXPECT_EQ(result.kind, ResultKind::Integer);
    EXPECT_EQ(result.integer, 40);
    EXPECT_EQ(TakeLines(), Lines{L"E0: I=2 I=40"});
    const std::vector<ServiceCall> expected = {{kServiceFirstExpressionParameter, kExpressionInteger, 0, 2},
                                               {kServiceNextExpressionParameter, kExpressionInteger, 1, 40}};
    EXPECT_EQ(object.ServiceCalls(), expected);
    EXPECT_EQ(object.Header().calledNumber, 0);
}

TEST_F(ExpressionCallTest, FirstServiceStartsTheParametersOver) {
    SetPlan("IIJN");
    object.Expression(0, {Parameter::Integer(4), Parameter::Integer(5)});
    EXPECT_EQ(TakeLines(), Lines{L"E0: I=4 I=5 J=4 N=5"});
}

TEST_F(ExpressionCallTest, FloatResultIsFlaggedAndReadAsAFloat) {
    SetPlan("F");
    const ExpressionResult result = object.Expression(1, {Parameter::Float(1.25f)});
    EXPECT_EQ(result.kind, ResultKind::Float);
    EXPECT_EQ(result.real, 1.25f);
    EXPECT_EQ(object.Header().flags & kResultIsFloat, kResultIsFloat);
    EXPECT_EQ(TakeLines(), Lines{L"E1: F=1.25"});
}

TEST_F(ExpressionCallTest, NumbersAreConvertedToTheAskedKind) {
    SetPlan("FI");
    object.Expression(1, {Parameter::Integer(3), Parameter::Float(-7.9f)});
    EXPECT_EQ(TakeLines(), Lines{L"E1: F=3 I=-7"});
}

TEST_F(ExpressionCallTest, TextResultInAHostBufferIsCopied) {
    SetPlan("S");
    const ExpressionResult result = object.Expression(2, {Parameter::Text(L"echo")});
    EXPECT_EQ(result.kind, ResultKind::Text);
    EXPECT_EQ(result.text, L"echo");
    EXPECT_TRUE(result.textInHostBuffer);
    const std::vector<ServiceCall> calls = object.ServiceCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].service, kServiceTextBuffer);
    EXPECT_EQ(calls[1].b, 10);
    EXPECT_EQ(calls[1].answer, result.integer);
}

TEST_F(ExpressionCallTest, TextBuffersStayReadableUntilTheObjectEnds) {
    SetPlan("S");
    const ExpressionResult first = object.Expression(2, {Parameter::Text(L"one")});
    object.Expression(2, {Parameter::Text(L"two")});
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(static_cast<std::uintptr_t>(first.integer)), L"one");
}

TEST_F(ExpressionCallTest, TextResultOutsideTheHostBuffersIsReadButMarked) {
    const ExpressionResult result = object.Expression(3);
    EXPECT_EQ(result.kind, ResultKind::Text);
    EXPECT_EQ(result.text, L"static");
    EXPECT_FALSE(result.textInHostBuffer);
}

TEST_F(ExpressionCallTest, FailingTextBufferServiceAnswersNull) {
    runHeader.SetTextBufferFailure(true);
    SetPlan("S");
    const ExpressionResult result = object.Expression(2, {Parameter::Text(L"x")});
    EXPECT_EQ(result.kind, ResultKind::Text);
    EXPECT_EQ(result.integer, 0);
    EXPECT_EQ(result.text, L"");
    EXPECT_EQ(TakeLines(), Lines{L"E2: S=x B=null"});
    EXPECT_EQ(object.ServiceCalls().back().answer, 0);
}

TEST_F(ExpressionCallTest, NullTextParameterIsHandedOutAsNull) {
    SetPlan("S");
    const ExpressionResult result = object.Expression(2, {Parameter::NullText()});
    EXPECT_EQ(TakeLines(), Lines{L"E2: S=null"});
    EXPECT_EQ(result.integer, 0);
}

TEST_F(ExpressionCallTest, TextRunningPastItsHostBufferIsAnExtensionFault) {
    EXPECT_THROW(object.Expression(4), StandinHost::ExtensionFault);
}

TEST_F(ExpressionCallTest, ResultTypeBitsAreClearedBeforeTheCall) {
    SetPlan("h");
    object.Header().flags = 0xC002;
    EXPECT_EQ(object.Expression(0).kind, ResultKind::Integer);
    EXPECT_EQ(TakeLines(), Lines{L"E0: h=0002"});
}

}  // namespace
}  // namespace StandinHostTests
