// A whole definition read as the library reads it: stripped and parsed, its language block
// chosen, its ACE tables, call plans and menus built, and a new object's block made from
// its properties and read back.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/common/FuzzInput.h"
#include "sdk/definition/AceTables.h"
#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/definition/MenuModel.h"
#include "sdk/dispatch/CallPlan.h"
#include "sdk/properties/DefaultEditData.h"
#include "sdk/properties/EditDataView.h"

using namespace Vantor;

namespace {

void WalkMenu(const std::vector<MenuEntry>& entries, int depth)
{
    FUZZ_CHECK(depth <= kMaxMenuDepth);
    for (const MenuEntry& entry : entries) {
        MenuItemFlags(entry);
        if (entry.kind != MenuEntry::Kind::Submenu)
            FUZZ_CHECK(entry.children.empty());
        WalkMenu(entry.children, depth + 1);
    }
}

void PlanAll(AceKind kind, const std::vector<AceInfoRecord>& infos, std::size_t slots, const json_value& entries)
{
    FUZZ_CHECK(infos.size() == slots);
    for (std::size_t id = 0; id < infos.size(); ++id) {
        FUZZ_CHECK(infos[id].id() == static_cast<std::int16_t>(id));
        FUZZ_CHECK(infos[id].numParams() >= 0 && static_cast<std::size_t>(infos[id].numParams()) <= kMaxAceParameters);
        const CallPlan plan = PlanCall(kind, infos[id], Element(entries, id));
        FUZZ_CHECK(plan.count >= 0 && plan.count <= infos[id].numParams());
    }
}

void CheckNewBlock(const json_value& language)
{
    const EntryListSetNames noSets;
    const DefaultEditData made =
        BuildDefaultEditData({Member(language, "Properties"), noSets, "English", "Vantor Template"});
    if (!made.made())
        return;
    const EditDataView view(made.block.data(), made.block.size());
    const HeaderLocation location = view.LocateProperties();
    FUZZ_CHECK(location.outcome == HeaderLocation::Outcome::Found && location.offset == kPropertiesOffset);
    const Result<PropertiesView> props = view.PropertiesAt(location.offset);
    FUZZ_CHECK(props.ok());
    const auto records = props.value().Records();
    FUZZ_CHECK(records.ok() && records.value().size() == props.value().NumProps());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const JsonDocument document = JsonDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!document.ok()) {
        FUZZ_CHECK(!document.error().empty());
        return 0;
    }
    const json_value& root = document.root();
    ChooseLanguageMember(root, "English; UK English;;FR");
    const json_value& language = VantorFuzz::LanguageBlock(root);

    Reports reports;
    const AceTables tables = BuildAceTables(language, reports);
    FUZZ_CHECK(reports.size() <= kMaxAceReports + 1);
    PlanAll(AceKind::Action, tables.actions, tables.numActions, Member(language, "Actions"));
    PlanAll(AceKind::Condition, tables.conditions, tables.numConditions, Member(language, "Conditions"));
    PlanAll(AceKind::Expression, tables.expressions, tables.numExpressions, Member(language, "Expressions"));

    WalkMenu(BuildMenuModel(Member(language, "ActionMenu"), kActionMenuBase), 1);
    WalkMenu(BuildMenuModel(Member(language, "ConditionMenu"), kConditionMenuBase), 1);
    WalkMenu(BuildMenuModel(Member(language, "ExpressionMenu"), kExpressionMenuBase), 1);

    CheckNewBlock(language);
    return 0;
}
