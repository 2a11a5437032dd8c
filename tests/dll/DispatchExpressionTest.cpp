// Expressions: parameters through the expression services, results marked by their type.
#include <gtest/gtest.h>

#include "tests/dll/support/RuntimeSession.h"

using StandinHost::Parameter;
using StandinHost::ResultKind;
using TestSupport::RuntimeSession;

namespace {

using DispatchExpression = TestSupport::OneObjectTest;

TEST_F(DispatchExpression, IntegerFloatAndTextResults)
{
    const auto sum = object_->Expression(0, {Parameter::Integer(2), Parameter::Integer(40)});
    EXPECT_EQ(sum.kind, ResultKind::Integer);
    EXPECT_EQ(sum.integer, 42);

    const auto half = object_->Expression(1, {Parameter::Float(5.0f)});
    EXPECT_EQ(half.kind, ResultKind::Float);
    EXPECT_EQ(half.real, 2.5f);

    const auto echo = object_->Expression(2, {Parameter::Text(L"Grüße 音")});
    EXPECT_EQ(echo.kind, ResultKind::Text);
    EXPECT_EQ(echo.text, L"Grüße 音");
    EXPECT_TRUE(echo.textInHostBuffer);
    EXPECT_EQ(session_.TakeCalls(), L"Add(2, 40)\nHalf(5)\nEcho(Grüße 音)\n");
}

TEST_F(DispatchExpression, UnlinkedExpressionsKeepTheirResultType)
{
    const auto text = object_->Expression(3);
    EXPECT_EQ(text.kind, ResultKind::Text);
    EXPECT_EQ(text.text, L"");
    EXPECT_TRUE(text.textInHostBuffer);
    const auto real = object_->Expression(4);
    EXPECT_EQ(real.kind, ResultKind::Float);
    EXPECT_EQ(real.real, 0.0f);
    EXPECT_EQ(session_.TakeBoxLines(),
              (std::vector<std::wstring>{
                  L"Extension::UnlinkedExpression() called - Vantor Test | Running a fallback for expression ID 3. Make "
                  L"sure you ran LinkExpression().",
                  L"Extension::UnlinkedExpression() called - Vantor Test | Running a fallback for expression ID 4. Make "
                  L"sure you ran LinkExpression()."}));
}

TEST_F(DispatchExpression, ANullTextParameterSkipsTheCall)
{
    const auto result = object_->Expression(2, {Parameter::NullText()});
    EXPECT_EQ(result.kind, ResultKind::Text);
    EXPECT_EQ(result.text, L"");
    EXPECT_EQ(session_.TakeCalls(), L"");
    EXPECT_EQ(session_.TakeBoxLines(),
              std::vector<std::wstring>{
                  L"Ovik::Expression() error - Vantor Test | Error calling expression \"Echo$(\" (ID 2); parameter "
                  L"index 0 was given a null string pointer.\nWas the parameter type different when the expression "
                  L"was created in the MFA?"});
}

TEST_F(DispatchExpression, AHostWithoutRoomForTextGetsAnEmptyText)
{
    session_.Frame().Header().SetTextBufferFailure(true);
    const auto echo = object_->Expression(2, {Parameter::Text(L"lost")});
    EXPECT_EQ(echo.kind, ResultKind::Text);
    EXPECT_EQ(echo.text, L"");
    EXPECT_FALSE(echo.textInHostBuffer);
}

TEST(DispatchExpressionCodes, AnUnknownParameterCodeIsReportedAtTheCall)
{
    std::string definition = TestSupport::FixtureText("VantorTest.json");
    const std::string echoParameters = R"([ [ "Text", "Text" ] ])";
    definition.replace(definition.find(echoParameters), echoParameters.size(), R"([ [ "Colour", "Text" ] ])");
    RuntimeSession session(definition);
    auto& object = session.CreateObject();
    const auto result = object.Expression(2, {Parameter::Integer(1)});
    EXPECT_EQ(result.kind, ResultKind::Text);
    EXPECT_EQ(result.text, L"");
    EXPECT_EQ(session.TakeBoxLines(),
              std::vector<std::wstring>{L"Ovik::Expression() error - Vantor Test | Error calling expression \"Echo$(\" "
                                        L"(ID 2); parameter index 0 has unrecognised ExpParams 0."});
}

}  // namespace
