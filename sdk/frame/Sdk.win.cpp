#include "sdk/frame/Sdk.h"

#include "sdk/definition/Json.h"
#include "sdk/diagnostics/Boxes.h"
#include "sdk/dispatch/Dispatch.h"
#include "sdk/editor/Menus.h"

Vantor::Ovik::SDK* SDK = nullptr;

namespace Vantor::Ovik {
namespace {

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
    actionFunctions.resize(infos.numActions);
    conditionFunctions.resize(infos.numConditions);
    expressionFunctions.resize(infos.numExpressions);

    BuildMenus(language);
}

}  // namespace Vantor::Ovik
