#include "sdk/frame/Sdk.h"

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/diagnostics/Project.h"
#include "sdk/dispatch/Dispatch.h"
#include "sdk/editor/EditorIcon.h"
#include "sdk/editor/Menus.h"
#include "sdk/properties/ProblemBoxes.h"
#include "sdk/properties/PropertyTable.h"
#include "sdk/text/Utf.h"

Vantor::Ovik::SDK* SDK = nullptr;

namespace Vantor::Ovik {
namespace {

std::vector<CallPlan> PlanCalls(AceKind kind, const std::vector<AceInfoRecord>& infos, const json_value& entries)
{
    std::vector<CallPlan> plans;
    plans.reserve(infos.size());
    for (std::size_t id = 0; id < infos.size(); ++id)
        plans.push_back(PlanCall(kind, infos[id], Element(entries, id)));
    return plans;
}

void FillJumpTable(std::vector<void*>& jumps, std::size_t count, void* routine)
{
    jumps.assign(count, routine);
    jumps.push_back(nullptr);
}

}  // namespace

SDK::SDK(Host::mV* mV, JsonDocument document) : mV(mV), document_(std::move(document))
{
    if (!::SDK)
        ::SDK = this;  // the lookups below need it during construction
    icon = std::make_unique<EditorIcon>(mV);

    const json_value& language = CurrentLanguage();
    if (!IsObject(language)) {
        ErrorBox(L"Internal JSON error",
                 L"The JSON parser could not find a JSON object to use for current language.");
        return;
    }

    Reports reports;
    infos = BuildAceTables(language, reports);
    ShowReports(reports);

    FillJumpTable(actionJumps, infos.numActions, reinterpret_cast<void*>(&Ovik::Action));
    FillJumpTable(conditionJumps, infos.numConditions, reinterpret_cast<void*>(&Ovik::Condition));
    FillJumpTable(expressionJumps, infos.numExpressions, reinterpret_cast<void*>(&Ovik::Expression));
    actionPlans = PlanCalls(AceKind::Action, infos.actions, Member(language, "Actions"));
    conditionPlans = PlanCalls(AceKind::Condition, infos.conditions, Member(language, "Conditions"));
    expressionPlans = PlanCalls(AceKind::Expression, infos.expressions, Member(language, "Expressions"));
    actionFunctions.resize(actionPlans.size());
    conditionFunctions.resize(conditionPlans.size());
    expressionFunctions.resize(expressionPlans.size());

    BuildMenus(language);
    BuildPropertyTable(language);
}

void SDK::BuildPropertyTable(const json_value& language)
{
    PropertySetDeclarations declarations = ReadPropertySets(language);
    ShowProblems(declarations.boxes);
    propertySets = std::move(declarations.sets);
    entryLists = EntryListsOf(propertySets);

    const std::string projectName = ToUtf8(kProjectName);
    const PropertyTableDraft draft = Vantor::BuildPropertyTable(
        {Member(language, "Properties"), propertySets, ToUtf8(CurrentLanguageName()), projectName});
    const std::wstring parserTitle = std::wstring(kProjectName) + L" JSON property parser";
    for (std::size_t i = 0; i < draft.customProperties.size(); ++i)
        InfoBox(parserTitle.c_str(), L"Detected a custom property.");
    ShowProblems(draft.boxes);
    edittimeProperties = std::make_unique<EdittimeProperties>(draft);
}

SDK::~SDK() = default;

}  // namespace Vantor::Ovik
