// Services that cannot answer end the process with their reason on stderr. Each case starts a
// child process, so only the paths a framework fault reaches first are tried here; the reasons
// themselves are tested without a child in ParameterBlockTest.
#include "RunProbe.h"

#include "standins/host/RunObject.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace StandinHostTests {
namespace {

using namespace Vantor::Host;
using StandinHost::Parameter;
using StandinHost::RunObject;

class RunServiceDeathTest : public RunProbeTest {
protected:
    RunService ServiceAt(std::size_t offset) const {
        RunService service;
        std::memcpy(&service, static_cast<const std::uint8_t*>(runHeader.Address()) + offset, sizeof service);
        return service;
    }
};

TEST_F(RunServiceDeathTest, UnknownObjectAborts) {
    std::uint8_t stranger[RunObject::kRecordSize] = {};
    EXPECT_DEATH(ServiceAt(kServiceNextParameter)(stranger, 0, 0),
                 "run service 928 .next parameter. called with an object the host does not know");
}

TEST_F(RunServiceDeathTest, ParameterServiceOutsideAnyCallAborts) {
    RunObject object(library, runHeader);
    EXPECT_DEATH(ServiceAt(kServiceNextParameter)(object.Data(), 0, 0), "called outside any event call of the object");
}

TEST_F(RunServiceDeathTest, ReadingPastTheLastParameterAborts) {
    RunObject object(library, runHeader);
    SetPlan("ii");
    EXPECT_DEATH(object.Action(0, {Parameter::Integer(1)}), "asked for parameter 1 past the last of a call that has 1");
}

TEST_F(RunServiceDeathTest, NextExpressionParameterBeforeTheFirstAborts) {
    RunObject object(library, runHeader);
    SetPlan("N");
    EXPECT_DEATH(object.Expression(0, {Parameter::Integer(1)}),
                 "next-expression-parameter service called before the first-expression-parameter one");
}

TEST_F(RunServiceDeathTest, AskingAKindTheParameterLacksAborts) {
    RunObject object(library, runHeader);
    SetPlan("f");
    EXPECT_DEATH(object.Action(0, {Parameter::Text(L"a")}), "asked a float of parameter 0, a text parameter");
}

}  // namespace
}  // namespace StandinHostTests
