#include "sdk/dispatch/Dispatch.h"

#include <array>
#include <bit>

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/dispatch/ParamReader.h"
#include "sdk/frame/ExtensionBase.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/Utf.h"

namespace Vantor::Ovik {
namespace {

// Left unfilled: Link made sure each member reads exactly its plan's count of them.
using Arguments = std::array<std::uint32_t, kMaxParameters>;

// What a call of a number past the table reads: nothing.
const CallPlan kNoParameters{};

// The called number's plan and linked member. The SDK gives both tables one slot per entry,
// so one bounds check serves both.
struct Entry {
    bool known;                    // the number lies inside the table
    const CallPlan& plan;
    const LinkedFunction* member;  // null when no member was linked to it
};

Entry EntryAt(const std::vector<CallPlan>& plans, const std::vector<LinkedFunction>& functions, std::int32_t id)
{
    const auto index = static_cast<std::size_t>(id);
    if (index >= plans.size())
        return {false, kNoParameters, nullptr};
    return {true, plans[index], functions[index] ? &functions[index] : nullptr};
}

std::wstring TitleOf(const char* key, std::int32_t id)
{
    return ToUtf16(Text(Member(Element(Member(CurrentLanguage(), key), static_cast<std::size_t>(id)), "Title")));
}

// The error reports are kept out of line, so that the calls that succeed carry none of their
// text temporaries.
[[gnu::noinline, gnu::cold]] void ReportNullText(std::int32_t id, int index, bool isCondition)
{
    const wchar_t* kind = isCondition ? L"condition" : L"action";
    ErrorBox(L"ActionOrCondition() error",
             L"Error calling %s \"%s\" (ID %i); text parameter index %i was given a null string "
             L"pointer.\nWas the parameter type different when the %s was created in the MFA?",
             kind, TitleOf(isCondition ? "Conditions" : "Actions", id).c_str(), id, index, kind);
}

[[gnu::noinline, gnu::cold]] void ReportNullExpressionText(std::int32_t id, int index)
{
    ErrorBox(L"Ovik::Expression() error",
             L"Error calling expression \"%s\" (ID %i); parameter index %i was given a null string "
             L"pointer.\nWas the parameter type different when the expression was created in the MFA?",
             TitleOf("Expressions", id).c_str(), id, index);
}

[[gnu::noinline, gnu::cold]] void ReportUnrecognisedCode(std::int32_t id, int index, std::uint16_t code)
{
    ErrorBox(L"Ovik::Expression() error",
             L"Error calling expression \"%s\" (ID %i); parameter index %i has unrecognised ExpParams %hi.",
             TitleOf("Expressions", id).c_str(), id, index, static_cast<short>(code));
}

// Inlined into both routines, so that the reader built there lives in registers.
[[gnu::always_inline]] inline std::uint32_t ActionOrCondition(const LinkedFunction& member, std::int32_t id,
                                                              ExtensionBase& extension, const CallPlan& plan,
                                                              ConditionOrActionManager_Windows& reader,
                                                              bool isCondition)
{
    Arguments arguments;
    const int count = plan.count;
    for (int i = 0; i < count; ++i) {
        switch (plan.forms[i]) {
        case ArgumentForm::Float:
            arguments[i] = std::bit_cast<std::uint32_t>(reader.GetFloat(i));
            break;
        case ArgumentForm::Integer:
        case ArgumentForm::Direction:
            arguments[i] = static_cast<std::uint32_t>(reader.GetInteger(i, plan.codes[i]));
            break;
        case ArgumentForm::Text:
            arguments[i] = static_cast<std::uint32_t>(reader.GetString(i));
            if (arguments[i] == 0) {
                ReportNullText(id, i, isCondition);
                return 0;
            }
            break;
        case ArgumentForm::Object:
            arguments[i] = static_cast<std::uint32_t>(reader.GetObject(i));
            break;
        default:  // Raw: the host's value, unchecked
            arguments[i] = static_cast<std::uint32_t>(reader.GetString(i));
            break;
        }
    }
    const std::uint32_t result = member.invoke(extension, member, arguments.data());
    return plan.comparison ? result : (result & 0xFF);
}

std::uint32_t MarkResult(Host::RUNDATA* rdPtr, ResultKind kind, std::uint32_t result)
{
    if (kind == ResultKind::Float)
        rdPtr->header.flags |= Host::kResultIsFloat;
    else if (kind == ResultKind::Text)
        rdPtr->header.flags |= Host::kResultIsText;
    return result;
}

// The neutral answer of an expression whose call was skipped.
std::uint32_t NeutralResult(Host::RUNDATA* rdPtr, ExtensionBase& extension, const CallPlan& plan)
{
    return MarkResult(rdPtr, plan.result,
                      plan.result == ResultKind::Text ? ToWord(extension.Runtime.CopyString(L"")) : 0);
}

}  // namespace

std::int32_t VANTOR_HOSTCALL Action(void* rdPtr, std::int32_t param1, std::int32_t param2)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const Entry entry = EntryAt(::SDK->actionPlans, ::SDK->actionFunctions, id);
    ConditionOrActionManager_Windows reader(false, rd, extension, entry.plan, param1, param2);

    if (entry.member)
        ActionOrCondition(*entry.member, id, extension, entry.plan, reader, false);
    else
        extension.UnlinkedAction(id);
    return 0;
}

std::int32_t VANTOR_HOSTCALL Condition(void* rdPtr, std::int32_t param1, std::int32_t param2)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const Entry entry = EntryAt(::SDK->conditionPlans, ::SDK->conditionFunctions, id);
    ConditionOrActionManager_Windows reader(true, rd, extension, entry.plan, param1, param2);

    if (!entry.known) {
        ErrorBox(L"Condition linking error",
                 L"Missing condition ID %d in extension %s. This ID was not linked in Extension ctor with "
                 L"LinkCondition().",
                 id, kProjectName);
        return static_cast<std::int32_t>(extension.UnlinkedCondition(id));
    }
    if (!entry.member) {
        ErrorBox(L"Condition linking error",
                 L"Missing condition ID %d in extension %s. Condition existed in vector, but was NULL. Might not be "
                 L"linked.",
                 id, kProjectName);
        return static_cast<std::int32_t>(extension.UnlinkedCondition(id));
    }
    return static_cast<std::int32_t>(ActionOrCondition(*entry.member, id, extension, entry.plan, reader, true));
}

std::int32_t VANTOR_HOSTCALL Expression(void* rdPtr, std::int32_t)
{
    auto* rd = static_cast<Host::RUNDATA*>(rdPtr);
    ExtensionBase& extension = FindExtension(rd);
    const std::int32_t id = rd->header.calledNumber;
    const Entry entry = EntryAt(::SDK->expressionPlans, ::SDK->expressionFunctions, id);
    const CallPlan& plan = entry.plan;
    if (!entry.member)
        return static_cast<std::int32_t>(MarkResult(rd, plan.result, extension.UnlinkedExpression(id)));

    Arguments arguments;
    const int count = plan.count;
    for (int i = 0; i < count; ++i) {
        const ArgumentForm form = plan.forms[i];
        if (form == ArgumentForm::Unrecognised) {
            ReportUnrecognisedCode(id, i, plan.codes[i]);
            return static_cast<std::int32_t>(NeutralResult(rd, extension, plan));
        }
        const std::int32_t kind = form == ArgumentForm::ExpressionFloat  ? Host::kExpressionFloat
                                  : form == ArgumentForm::ExpressionText ? Host::kExpressionText
                                                                         : Host::kExpressionInteger;
        const Host::RunService read = RunHeaderService(
            rd, i == 0 ? Host::kServiceFirstExpressionParameter : Host::kServiceNextExpressionParameter);
        arguments[i] = read ? static_cast<std::uint32_t>(read(rd, kind, i)) : 0;
        if (form == ArgumentForm::ExpressionText && arguments[i] == 0) {
            ReportNullExpressionText(id, i);
            return static_cast<std::int32_t>(NeutralResult(rd, extension, plan));
        }
    }
    const LinkedFunction& member = *entry.member;
    return static_cast<std::int32_t>(MarkResult(rd, plan.result, member.invoke(extension, member, arguments.data())));
}

}  // namespace Vantor::Ovik
