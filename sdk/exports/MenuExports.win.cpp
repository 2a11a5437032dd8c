// The editor's action, condition and expression menus, and the numbers behind their commands.
#include "sdk/editor/Compatibility.h"
#include "sdk/editor/Menus.h"
#include "sdk/exports/Export.h"

using Vantor::Host::mV;
using Vantor::MenuKind;

namespace {

HMENU MenuFor(const mV* mV, MenuKind kind)
{
    return Vantor::IsCompatibleHost(mV) ? Vantor::CopyOfBuiltMenu(kind) : nullptr;
}

}  // namespace

VANTOR_EXPORT HMENU VANTOR_HOSTCALL GetActionMenu(mV* mV, void*, void*)
{
    return MenuFor(mV, MenuKind::Action);
}

VANTOR_EXPORT HMENU VANTOR_HOSTCALL GetConditionMenu(mV* mV, void*, void*)
{
    return MenuFor(mV, MenuKind::Condition);
}

VANTOR_EXPORT HMENU VANTOR_HOSTCALL GetExpressionMenu(mV* mV, void*, void*)
{
    return MenuFor(mV, MenuKind::Expression);
}

VANTOR_EXPORT std::int16_t VANTOR_HOSTCALL GetActionCodeFromMenu(mV*, std::int16_t command)
{
    return static_cast<std::int16_t>(command - Vantor::kActionMenuBase);
}

VANTOR_EXPORT std::int16_t VANTOR_HOSTCALL GetConditionCodeFromMenu(mV*, std::int16_t command)
{
    return static_cast<std::int16_t>(command - Vantor::kConditionMenuBase);
}

VANTOR_EXPORT std::int16_t VANTOR_HOSTCALL GetExpressionCodeFromMenu(mV*, std::int16_t command)
{
    return static_cast<std::int16_t>(command - Vantor::kExpressionMenuBase);
}
