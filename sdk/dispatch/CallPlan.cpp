#include "sdk/dispatch/CallPlan.h"

#include <algorithm>

#include "sdk/definition/Json.h"

namespace Vantor {
namespace {

constexpr int kMaxPreloaded = 2;

ArgumentForm ActionOrConditionForm(std::uint16_t code, bool isFloat)
{
    switch (code) {
    case 22:
        return isFloat ? ArgumentForm::Float : ArgumentForm::Integer;
    case 2:
    case 23:
    case 42:
        return ArgumentForm::Integer;
    case 29:
        return ArgumentForm::Direction;
    case 40:
    case 45:
    case 46:
    case 63:
        return ArgumentForm::Text;
    case 1:
        return ArgumentForm::Object;
    default:
        return ArgumentForm::Raw;
    }
}

ArgumentForm ExpressionForm(std::uint16_t code, bool isFloat)
{
    switch (code) {
    case 1:
        return isFloat ? ArgumentForm::ExpressionFloat : ArgumentForm::ExpressionInteger;
    case 3:
        return ArgumentForm::ExpressionText;
    default:
        return ArgumentForm::Unrecognised;
    }
}

bool IsComparisonCode(std::uint16_t code)
{
    return code == 23 || code == 42 || code == 46;
}

ResultKind DeclaredResult(AceKind kind, const AceInfoRecord& info)
{
    switch (kind) {
    case AceKind::Action:
        return ResultKind::None;
    case AceKind::Condition:
        return ResultKind::Integer;
    default:
        return info.flags() == 2 ? ResultKind::Float : info.flags() == 1 ? ResultKind::Text : ResultKind::Integer;
    }
}

}  // namespace

CallPlan PlanCall(AceKind kind, const AceInfoRecord& info, const json_value& entry)
{
    CallPlan plan;
    const int declared = std::clamp<int>(info.numParams(), 0, kMaxParameters);
    // "NumAutoProps" may only lower the count: more would read codes the record does not hold.
    const json_value& autoProps = Member(entry, "NumAutoProps");
    plan.count = static_cast<std::int16_t>(
        IsInteger(autoProps) ? std::clamp<std::int64_t>(Integer(autoProps), 0, declared) : declared);
    plan.result = DeclaredResult(kind, info);

    plan.preloaded = info.numParams() <= kMaxPreloaded;
    if (plan.preloaded) {
        plan.preloadedRecords = static_cast<std::uint8_t>(declared);
        for (int i = 0; i < declared; ++i)
            plan.preloadedFloats |= static_cast<std::uint8_t>(info.paramIsFloat(i) << i);
    }
    for (int i = 0; i < plan.count; ++i) {
        const std::uint16_t code = info.paramCode(i);
        plan.codes[i] = code;
        plan.forms[i] = kind == AceKind::Expression ? ExpressionForm(code, info.paramIsFloat(i))
                                                    : ActionOrConditionForm(code, info.paramIsFloat(i));
        plan.comparison = plan.comparison || IsComparisonCode(code);
    }
    return plan;
}

}  // namespace Vantor
