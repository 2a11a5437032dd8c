#include "sdk/properties/VisibilityRule.h"

#include <optional>
#include <string>

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertyLookup.h"
#include "sdk/properties/PropertyTypes.h"
#include "sdk/properties/RuleReduction.h"

namespace Vantor {
namespace {

constexpr std::string_view kBoxTitle = "Vantor property error";

Problem RuleBox(std::string text) { return Problem::Error(std::string(kBoxTitle), std::move(text)); }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Stored texts, and the URL button's text, which is stored like one.
bool IsStringKind(std::uint16_t typeId)
{
    return IsStoredTextId(typeId) || typeId == kUrlButton;
}

// The text a reference stands for; none for a kind without a text value. A block the
// lookup cannot read gives its problem, shown as a box: the editor must not end over it.
Result<std::optional<std::string>> ValueText(
    const PropertiesView& view, const PropertyDefinition& definition, std::size_t jsonIndex)
{
    using Text = std::optional<std::string>;
    const std::string_view type = Vantor::Text(Member(Element(definition.properties, jsonIndex), "Type"));
    if (PropertyTypeFromName(type) == kCheckbox) {
        const Result<bool> checked = CheckboxOfJsonIndex(view, jsonIndex);
        if (!checked.ok())
            return checked.problem();
        return Text(checked.value() ? "true" : "false");
    }
    const Result<std::optional<RecordView>> record = DataAt(view, definition, jsonIndex, true);
    if (!record.ok())
        return record.problem();
    if (!record.value())
        return Text();
    const RecordView& data = *record.value();
    const std::string_view stored(reinterpret_cast<const char*>(data.value.data()), data.value.size());
    if (IsStringKind(data.typeId))
        return Text(Quoted(stored));
    // A property set's list stores a set record, not a text.
    if (IsComboBoxId(data.typeId) && !stored.empty() && stored.front() == static_cast<char>(kListIndicator))
        return Text(Quoted(stored.substr(1)));
    return Text();
}

// Replaces every "[Title]" by its value text; false after a box.
bool Substitute(const PropertiesView& view, const PropertyDefinition& definition, std::string_view key,
    std::string_view rule, std::string& text, std::vector<Problem>& boxes)
{
    for (std::size_t references = 0;; ++references) {
        const std::size_t open = text.find('[');
        if (open == std::string::npos)
            return true;
        const std::size_t close = text.find(']', open);
        if (close == std::string::npos) {
            boxes.push_back(RuleBox(
                "Malformed JSON: " + std::string(key) + " value " + Quoted(rule) + " is invalid."));
            return false;
        }
        if (references == kMostRuleReferences || text.size() > kLongestReducibleRule) {
            boxes.push_back(RuleBox("Malformed JSON: " + std::string(key) + " value " + Quoted(rule)
                + " refers to properties too many times; a referenced value may itself hold a reference."));
            return false;
        }
        const std::string title = text.substr(open + 1, close - open - 1);
        const std::optional<std::size_t> referenced = JsonIndexOfTitle(definition.properties, title);
        if (!referenced) {
            boxes.push_back(RuleBox(
                "Malformed JSON: " + std::string(key) + " property name " + Quoted(title) + " does not exist."));
            return false;
        }
        Result<std::optional<std::string>> value = ValueText(view, definition, *referenced);
        if (!value.ok()) {
            boxes.push_back(RuleBox(std::move(value).problem().text));
            return false;
        }
        if (!value.value()) {
            boxes.push_back(RuleBox("Malformed JSON: evaluation of " + Quoted(key) + " included property name "
                + Quoted(title) + ", which is not usable in evaluation."));
            return false;
        }
        text.replace(open, close + 1 - open, *value.value());
    }
}

}  // namespace

bool HasRule(const PropertyDefinition& definition, std::size_t jsonIndex, std::string_view key)
{
    return IsString(Member(Element(definition.properties, jsonIndex), key));
}

RuleResult EvaluateRule(const PropertiesView& view, const PropertyDefinition& definition, std::size_t jsonIndex,
    std::string_view key, std::vector<Problem>& boxes)
{
    const json_value& property = Element(definition.properties, jsonIndex);
    const json_value& rule = Member(property, key);
    if (!IsString(rule))
        return kRuleTrue;
    std::string text(Text(rule));
    if (!Substitute(view, definition, key, Text(rule), text, boxes))
        return kRuleMalformed;
    const RuleReduction reduced = ReduceRule(std::move(text));
    if (!reduced.value) {
        boxes.push_back(RuleBox(std::string(key) + " property " + Quoted(Text(Member(property, "Title")))
            + " was parsed into\n" + reduced.text + "\n... which is unparseable."));
        return kRuleMalformed;
    }
    return *reduced.value ? kRuleTrue : kRuleFalse;
}

}  // namespace Vantor
