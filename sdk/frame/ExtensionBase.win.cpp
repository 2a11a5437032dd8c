#include "sdk/frame/ExtensionBase.h"

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Fatal.h"
#include "sdk/frame/Sdk.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

struct KindTable {
    const wchar_t* linkName;
    const wchar_t* name;
    const char* jsonKey;
    std::vector<LinkedFunction>* functions;
    const std::vector<CallPlan>* plans;
};

KindTable TableOf(AceKind kind)
{
    switch (kind) {
    case AceKind::Action:
        return {L"LinkAction", L"action", "Actions", &::SDK->actionFunctions, &::SDK->actionPlans};
    case AceKind::Condition:
        return {L"LinkCondition", L"condition", "Conditions", &::SDK->conditionFunctions, &::SDK->conditionPlans};
    default:
        return {L"LinkExpression", L"expression", "Expressions", &::SDK->expressionFunctions, &::SDK->expressionPlans};
    }
}

}  // namespace

ExtensionBase::ExtensionBase(Host::RUNDATA* rdPtr, void*, void*)
    : rhPtr(rdPtr->header.runHeader), rdPtr(rdPtr), Runtime(this, rdPtr), FusionDebugger(this)
{
}

void ExtensionBase::UnlinkedAction(int id)
{
    ErrorBox(L"Extension::UnlinkedAction() called", L"Running a fallback for action ID %d. Make sure you ran LinkAction().",
             id);
}

std::uint32_t ExtensionBase::UnlinkedCondition(int id)
{
    ErrorBox(L"Extension::UnlinkedCondition() called",
             L"Running a fallback for condition ID %d. Make sure you ran LinkCondition().", id);
    return 0;
}

std::uint32_t ExtensionBase::UnlinkedExpression(int id)
{
    ErrorBox(L"Extension::UnlinkedExpression() called",
             L"Running a fallback for expression ID %d. Make sure you ran LinkExpression().", id);
    const auto& infos = ::SDK->infos.expressions;
    if (id >= 0 && static_cast<std::size_t>(id) < infos.size() && infos[static_cast<std::size_t>(id)].flags() == 1)
        return ToWord(Runtime.CopyString(L""));
    return 0;
}

void ExtensionBase::Link(AceKind kind, int id, const LinkedFunction& linked)
{
    const KindTable table = TableOf(kind);
    if (id < 0 || static_cast<std::size_t>(id) >= table.functions->size())
        FatalError(L"%s() was given %s ID %d, but the JSON only has %zu %ss.\n", table.linkName, table.name, id,
                   table.functions->size(), table.name);

    const CallPlan& plan = (*table.plans)[static_cast<std::size_t>(id)];
    const json_value& entry = Element(Member(Ovik::CurrentLanguage(), table.jsonKey), static_cast<std::size_t>(id));
    if (linked.arity != plan.count)
        FatalError(L"The %s %d (\"%s\") is linked to a function taking %d parameters, but the JSON declares %d.\n",
                   table.name, id, ToUtf16(Text(Member(entry, "Title"))).c_str(), linked.arity, plan.count);
    if (plan.result != linked.result)
        FatalError(L"The %s %d (\"%s\") is linked to a function whose result type differs from the JSON's.\n",
                   table.name, id, ToUtf16(Text(Member(entry, "Title"))).c_str());
    (*table.functions)[static_cast<std::size_t>(id)] = linked;
}

void ForeignOeFlags(std::uint32_t oeFlags)
{
    FatalError(L"OEFLAGS was altered between Fusion start and this MFA creation.\nThe MFA uses an object of "
               L"OEFLAGS %i, but the Extension expects OEFLAGS %i.\nThis is an unrecoverable error. Restart "
               L"Fusion editor.",
               static_cast<int>(oeFlags), static_cast<int>(kDeclaredOeFlags));
}

}  // namespace Vantor
