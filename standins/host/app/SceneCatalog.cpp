#include "standins/host/app/SceneCatalog.h"

#include "sdk/definition/Json.h"
#include "sdk/definition/JsonDocument.h"
#include "sdk/definition/LanguageChoice.h"
#include "sdk/definition/MenuModel.h"
#include "standins/host/app/SceneLiterals.h"

namespace StandinHost {
namespace {

using namespace Vantor;

// Menu texts by item number, from every level of the menu.
void CollectMenu(const std::vector<MenuEntry>& entries, std::vector<SceneEntry>& into)
{
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntry::Kind::Submenu)
            CollectMenu(entry.children, into);
        else if (entry.kind == MenuEntry::Kind::Command && entry.command >= 0 &&
                 entry.command < static_cast<int>(into.size()))
            into[entry.command].menuText = entry.text;
    }
}

std::vector<SceneEntry> ReadEntries(const json_value& language, const char* key, const char* menuKey)
{
    const json_value& list = Member(language, key);
    std::vector<SceneEntry> entries;
    for (std::size_t index = 0; index < ElementCount(list); ++index) {
        const json_value& item = Element(list, index);
        SceneEntry entry{static_cast<int>(index), std::string(Text(Member(item, "Title"))), {}, {}, {}};
        const json_value& parameters = Member(item, "Parameters");
        for (std::size_t p = 0; p < ElementCount(parameters); ++p) {
            const std::string_view type = Text(Element(Element(parameters, p), 0));
            entry.parameters.push_back(type == "Text"    ? SceneValue::Kind::Text
                                       : type == "Float" ? SceneValue::Kind::Float
                                                         : SceneValue::Kind::Integer);
            entry.parameterLabels.emplace_back(Text(Element(Element(parameters, p), 1)));
        }
        entries.push_back(std::move(entry));
    }
    CollectMenu(BuildMenuModel(Member(language, menuKey), 0), entries);
    return entries;
}

// A title as written in a call: "GetLastCallback$(" is called "GetLastCallback$".
std::string CallableTitle(std::string title)
{
    if (!title.empty() && title.back() == '(')
        title.pop_back();
    return title;
}

const char* KindName(SceneCallKind kind)
{
    switch (kind) {
    case SceneCallKind::Action: return "action";
    case SceneCallKind::Condition: return "condition";
    default: return "expression";
    }
}

const char* TypeName(SceneValue::Kind kind)
{
    switch (kind) {
    case SceneValue::Kind::Integer: return "an integer";
    case SceneValue::Kind::Float: return "a float";
    default: return "a quoted text";
    }
}

std::optional<SceneEntry> Find(const std::vector<SceneEntry>& entries, const SceneCall& call, std::string& error)
{
    const char* kind = KindName(call.kind);
    if (call.name.starts_with('#')) {
        const auto number = ParseNumber(call.name.substr(1));
        if (number && number->kind == SceneValue::Kind::Integer && number->integer >= 0 &&
            number->integer < static_cast<int>(entries.size()))
            return entries[number->integer];
        error = std::string("an ") + kind + " number from #0 to #" + std::to_string(entries.size() - 1) +
                " of object \"" + call.object + "\", not " + call.name;
        return std::nullopt;
    }
    std::vector<const SceneEntry*> found;
    for (const SceneEntry& entry : entries)
        if (EqualsIgnoringAsciiCase(entry.menuText, call.name))
            found.push_back(&entry);
    if (found.empty())
        for (const SceneEntry& entry : entries)
            if (EqualsIgnoringAsciiCase(CallableTitle(entry.title), call.name))
                found.push_back(&entry);
    if (found.size() == 1)
        return *found.front();
    if (found.empty()) {
        error = std::string("the menu text, title or #number of an ") + kind + " of object \"" + call.object +
                "\", not \"" + call.name + "\"";
        for (const SceneEntry& entry : entries)
            error += std::string("\n  #") + std::to_string(entry.number) + " " +
                     (entry.menuText.empty() ? CallableTitle(entry.title) : entry.menuText);
    } else {
        error = std::string("one ") + kind + ": \"" + call.name + "\" names #" + std::to_string(found[0]->number) +
                " and #" + std::to_string(found[1]->number) + "; use the menu text or the number";
    }
    return std::nullopt;
}

bool Fits(SceneValue::Kind parameter, SceneValue::Kind argument)
{
    return parameter == argument || (parameter == SceneValue::Kind::Float && argument == SceneValue::Kind::Integer);
}

}  // namespace

CatalogResult ReadSceneCatalog(const std::string& definitionText)
{
    const JsonDocument document = JsonDocument::Parse(definitionText);
    if (!document.ok())
        return {{}, "the definition does not parse: " + document.error()};
    const int member = DefaultLanguageMember(document.root());
    if (member < 0)
        return {{}, "the definition has no language block"};
    const json_value& language = MemberValue(document.root(), member);
    CatalogResult result;
    result.catalog.actions = ReadEntries(language, "Actions", "ActionMenu");
    result.catalog.conditions = ReadEntries(language, "Conditions", "ConditionMenu");
    result.catalog.expressions = ReadEntries(language, "Expressions", "ExpressionMenu");
    const json_value& properties = Member(language, "Properties");
    for (std::size_t index = 0; index < ElementCount(properties); ++index)
        result.catalog.propertyTitles.emplace_back(Text(Member(Element(properties, index), "Title")));
    return result;
}

std::optional<SceneEntry> ResolveCall(const SceneCatalog& catalog, const SceneCall& call, std::string& error)
{
    const std::vector<SceneEntry>& entries = call.kind == SceneCallKind::Action      ? catalog.actions
                                             : call.kind == SceneCallKind::Condition ? catalog.conditions
                                                                                     : catalog.expressions;
    auto entry = Find(entries, call, error);
    if (!entry)
        return std::nullopt;
    const std::string what = std::string(KindName(call.kind)) + " #" + std::to_string(entry->number) + " \"" +
                             (entry->menuText.empty() ? CallableTitle(entry->title) : entry->menuText) + "\"";
    if (call.arguments.size() != entry->parameters.size()) {
        error = std::to_string(entry->parameters.size()) + " argument(s) for " + what + ", got " +
                std::to_string(call.arguments.size());
        for (std::size_t p = 0; p < entry->parameters.size(); ++p)
            error += std::string("\n  ") + TypeName(entry->parameters[p]) + ": " + entry->parameterLabels[p];
        return std::nullopt;
    }
    for (std::size_t p = 0; p < entry->parameters.size(); ++p)
        if (!Fits(entry->parameters[p], call.arguments[p].kind)) {
            error = std::string(TypeName(entry->parameters[p])) + " for argument " + std::to_string(p + 1) + " (" +
                    entry->parameterLabels[p] + ") of " + what + ", got " + TypeName(call.arguments[p].kind);
            return std::nullopt;
        }
    return entry;
}

}  // namespace StandinHost
