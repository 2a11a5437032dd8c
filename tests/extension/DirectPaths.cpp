// Hand-written paths for the dispatch benchmark: the same host service calls and the same member
// call as the framework's jump-table routines make for the bench entries, and nothing more.
#include <bit>
#include <cstring>

#include "sdk/exports/Export.h"
#include "sdk/host/RunRecords.h"
#include "tests/extension/Extension.h"

using Vantor::Host::ParameterRecord;
using Vantor::Host::RUNDATA;

namespace {

Extension& Of(void* rdPtr)
{
    return *static_cast<Extension*>(static_cast<RUNDATA*>(rdPtr)->extension);
}

Vantor::Host::RunService Service(void* rdPtr, std::size_t offset)
{
    Vantor::Host::RunService service;
    std::memcpy(&service, static_cast<std::uint8_t*>(static_cast<RUNDATA*>(rdPtr)->header.runHeader) + offset,
                sizeof service);
    return service;
}

// The preloaded parameters' records are stepped over, as the framework does.
void SkipRecords(void* rdPtr, int count)
{
    auto*& current = reinterpret_cast<ParameterRecord*&>(static_cast<RUNDATA*>(rdPtr)->header.currentParameter);
    for (int i = 0; i < count; ++i)
        current = reinterpret_cast<ParameterRecord*>(reinterpret_cast<std::uint8_t*>(current) + current->size);
}

}  // namespace

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectTwoIntegers(void* rdPtr, std::int32_t a, std::int32_t b)
{
    SkipRecords(rdPtr, 2);
    Of(rdPtr).BenchTwoIntegers(a, b);
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectFloatAndText(void* rdPtr, std::int32_t, std::int32_t text)
{
    const std::int32_t bits = Service(rdPtr, Vantor::Host::kServicePreloadedFloat)(rdPtr, 0, 0);
    SkipRecords(rdPtr, 2);
    Of(rdPtr).BenchFloatAndText(std::bit_cast<float>(bits), reinterpret_cast<const wchar_t*>(text));
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectCondition(void* rdPtr, std::int32_t value, std::int32_t)
{
    SkipRecords(rdPtr, 1);
    return Of(rdPtr).BenchCondition(value) ? 1 : 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectHalf(void* rdPtr, std::int32_t)
{
    const std::int32_t bits = Service(rdPtr, Vantor::Host::kServiceFirstExpressionParameter)(rdPtr, 2, 0);
    static_cast<RUNDATA*>(rdPtr)->header.flags |= Vantor::Host::kResultIsFloat;
    return std::bit_cast<std::int32_t>(Of(rdPtr).BenchHalf(std::bit_cast<float>(bits)));
}
