// Hand-written paths for the dispatch benchmark: the same host service calls and the same member
// call as the framework's jump-table routines make for the bench entries, and what else the
// framework owes every call: the checked Extension lookup, the checked steps over the
// preloaded records, the call's state in the Runtime and the refusal of a null text.
#include <bit>

#include "sdk/dispatch/ParameterRecords.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/host/RunRecords.h"
#include "tests/extension/Extension.h"

using Vantor::Host::ParameterRecord;
using Vantor::Host::RUNDATA;

namespace {

Extension& Of(void* rdPtr)
{
    return static_cast<Extension&>(Vantor::FindExtension(static_cast<RUNDATA*>(rdPtr)));
}

// Records the call in the Runtime and steps over its preloaded records.
void Preload(void* rdPtr, Extension& extension, int records, std::int32_t param1, std::int32_t param2)
{
    void*& hostCurrent = static_cast<RUNDATA*>(rdPtr)->header.currentParameter;
    auto* current = static_cast<ParameterRecord*>(hostCurrent);
    extension.Runtime.firstParameter = current;
    extension.Runtime.param1 = param1;
    extension.Runtime.param2 = param2;
    for (int i = 0; i < records; ++i)
        hostCurrent = current = Vantor::NextParameterRecord(current);
}

}  // namespace

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectTwoIntegers(void* rdPtr, std::int32_t a, std::int32_t b)
{
    Extension& extension = Of(rdPtr);
    Preload(rdPtr, extension, 2, a, b);
    extension.BenchTwoIntegers(a, b);
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectFloatAndText(void* rdPtr, std::int32_t, std::int32_t text)
{
    Extension& extension = Of(rdPtr);
    const std::int32_t bits =
        Vantor::Ovik::RunHeaderService(static_cast<RUNDATA*>(rdPtr), Vantor::Host::kServicePreloadedFloat)(rdPtr, 0, 0);
    Preload(rdPtr, extension, 2, bits, text);
    if (text == 0)
        return 0;
    extension.BenchFloatAndText(std::bit_cast<float>(bits), reinterpret_cast<const wchar_t*>(text));
    return 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectCondition(void* rdPtr, std::int32_t value, std::int32_t other)
{
    Extension& extension = Of(rdPtr);
    Preload(rdPtr, extension, 1, value, other);
    return extension.BenchCondition(value) ? 1 : 0;
}

VANTOR_EXPORT std::int32_t VANTOR_HOSTCALL VantorTest_DirectHalf(void* rdPtr, std::int32_t)
{
    Extension& extension = Of(rdPtr);
    auto* rd = static_cast<RUNDATA*>(rdPtr);
    const std::int32_t bits =
        Vantor::Ovik::RunHeaderService(rd, Vantor::Host::kServiceFirstExpressionParameter)(rdPtr, 2, 0);
    const float half = extension.BenchHalf(std::bit_cast<float>(bits));
    rd->header.flags |= Vantor::Host::kResultIsFloat;
    return std::bit_cast<std::int32_t>(half);
}
