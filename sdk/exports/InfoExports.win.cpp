// The info records of actions, conditions and expressions, as the editor reads them.
#include "sdk/editor/Compatibility.h"
#include "sdk/exports/Export.h"
#include "sdk/frame/Sdk.h"

using Vantor::AceInfoRecord;
using Vantor::Host::mV;

namespace {

// The record from its ID field on. An ID outside the definition gets no record rather than
// an address past the table.
const std::uint16_t* InfoFor(const mV* mV, const std::vector<AceInfoRecord>& infos, std::int16_t id)
{
    if (!Vantor::IsCompatibleHost(mV) || id < 0 || static_cast<std::size_t>(id) >= infos.size())
        return nullptr;
    return infos[static_cast<std::size_t>(id)].words() + 1;
}

}  // namespace

VANTOR_EXPORT const std::uint16_t* VANTOR_HOSTCALL GetActionInfos(mV* mV, std::int16_t id)
{
    return ::SDK ? InfoFor(mV, ::SDK->infos.actions, id) : nullptr;
}

VANTOR_EXPORT const std::uint16_t* VANTOR_HOSTCALL GetConditionInfos(mV* mV, std::int16_t id)
{
    return ::SDK ? InfoFor(mV, ::SDK->infos.conditions, id) : nullptr;
}

VANTOR_EXPORT const std::uint16_t* VANTOR_HOSTCALL GetExpressionInfos(mV* mV, std::int16_t id)
{
    return ::SDK ? InfoFor(mV, ::SDK->infos.expressions, id) : nullptr;
}
