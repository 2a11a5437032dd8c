#include "sdk/properties/UpgradeSummary.h"

#include "sdk/definition/Json.h"

namespace Vantor {
namespace {

constexpr std::string_view kOnce = ", once";
constexpr std::string_view kDefaultSetting = "for reset only, once";
constexpr std::string_view kTitle = "Upgraded properties";

bool EndsWithObject(std::string_view name)
{
    constexpr std::string_view suffix = "object";
    return name.size() >= suffix.size() && EqualsIgnoringAsciiCase(name.substr(name.size() - suffix.size()), suffix);
}

std::string Num(std::size_t value) { return std::to_string(value); }

}  // namespace

std::string ObjectNameForMessages(std::string_view projectName, std::string_view hostName)
{
    std::string name(projectName);
    if (!hostName.empty() && hostName != projectName)
        name = std::string(hostName) + " (" + std::string(projectName) + ")";
    if (!EndsWithObject(name))
        name += " object";
    return name;
}

SummaryDecision DecideSummary(std::string_view setting, std::uint32_t application, SummaryMemory& memory,
    const Conversion& conversion, std::string_view objectName)
{
    SummaryDecision decision;
    std::string_view value = setting.empty() ? kDefaultSetting : setting;
    const bool changed = memory.lastApplication != application;
    memory.lastApplication = application;

    if (value != "never" && value != "always" && value != "for reset only" && value != "always, once"
        && value != "for reset only, once") {
        decision.boxes.push_back(Problem::Error("Vantor INI error",
            "Couldn't understand \"SmartPropertiesUpgradeBox\" setting of \"" + std::string(setting)
                + "\". Valid values are \"always\", \"always, once\", \"for reset only\", \"for reset only, once\", "
                  "and \"never\"."));
        value = kDefaultSetting;
    }
    bool once = false;
    if (value.size() > kOnce.size() + 1 && value.ends_with(kOnce)) {
        once = true;
        value.remove_suffix(kOnce.size());
    }
    if (value == "never" || (once && !changed))
        return decision;

    const std::string oldVersion = Num(conversion.oldVersion);
    if (conversion.resetCount == 0) {
        if (value == "always")
            decision.info = Report {std::string(kTitle),
                "Successfully upgraded all " + Num(conversion.propertyCount) + " of " + std::string(objectName) + " "
                    + (conversion.propertyCount == 1 ? "property" : "properties") + " from ext version " + oldVersion
                    + " to version 1."};
        return decision;
    }
    std::string list = conversion.resetList;
    if (!list.empty() && list.back() == '\n')
        list.pop_back();
    const bool one = conversion.resetCount == 1;
    decision.info = Report {std::string(kTitle),
        "Successfully copied " + Num(conversion.propertyCount - conversion.resetCount) + " of "
            + std::string(objectName) + " properties from ext version " + oldVersion + " to 1."
            + (conversion.fromVnt1 ? " Vantor v1 smart properties were upgraded to v2." : "") + "\n\nAlso set "
            + Num(conversion.resetCount) + " " + (one ? "property" : "properties") + " to their default setting"
            + (one ? "s" : "") + ":\n" + list};
    return decision;
}

}  // namespace Vantor
