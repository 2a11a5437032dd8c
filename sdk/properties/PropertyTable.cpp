#include "sdk/properties/PropertyTable.h"

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertyTypes.h"
#include "sdk/properties/RefreshPlan.h"

namespace Vantor {
namespace {

constexpr std::string_view kPropertyTitle = "Vantor JSON property";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

class Builder {
public:
    explicit Builder(const PropertyTableSource& source)
        : source_(source)
        , parserTitle_(std::string(source.projectName) + " JSON property parser")
    {
    }

    PropertyTableDraft Build()
    {
        const std::size_t count = ElementCount(source_.properties);
        draft_.positionOf.assign(count, std::nullopt);
        for (std::size_t i = 0; i < count; ++i)
            Add(i, Element(source_.properties, i));
        if (!folders_.empty())
            draft_.boxes.push_back(Problem::Error("JSON verification error",
                "There was a Folder [" + folders_.back() + "] that does not have a FolderEnd property."));
        return std::move(draft_);
    }

private:
    void Parser(std::string text) { draft_.boxes.push_back(Problem::Error(parserTitle_, std::move(text))); }
    void Property(std::string text) { draft_.boxes.push_back(Problem::Error(std::string(kPropertyTitle), std::move(text))); }
    std::string InLanguage() const { return " (" + std::string(source_.languageName) + ")"; }

    TableEntry& Append(std::size_t i, TableEntry entry)
    {
        draft_.positionOf[i] = draft_.entries.size();
        draft_.entries.push_back(std::move(entry));
        return draft_.entries.back();
    }

    static std::int32_t IdOf(std::size_t i) { return static_cast<std::int32_t>(kFirstPropertyId + i); }

    bool TitleReused(std::size_t i, std::string_view title)
    {
        for (std::size_t j = 0; j < i; ++j) {
            const json_value& earlier = Member(Element(source_.properties, j), "Title");
            if (IsString(earlier) && EqualsIgnoringAsciiCase(Text(earlier), title)) {
                Parser("Property title " + Quoted(title) + " is reused between JSON index " + std::to_string(j)
                    + " and index " + std::to_string(i) + "." + InLanguage());
                return true;
            }
        }
        return false;
    }

    void Add(std::size_t i, const json_value& property)
    {
        if (IsString(property)) {
            Parser("Properties contains a string " + Quoted(Text(property))
                + " instead of an object. Multiple categories of properties not currently implemented." + InLanguage());
            return;
        }
        const std::string_view typeName = Text(Member(property, "Type"));
        if (typeName.empty() || typeName.front() == '!') {
            Parser("You have specified an invalid Parameter type " + Quoted(typeName) + ". These types are reserved."
                + InLanguage());
            return;
        }
        if (typeName.size() > 5 && StartsWithIgnoreCase(typeName, "Custom")) {
            draft_.customProperties.push_back(i);
            Append(i, {i, IdOf(i), {}, {}, static_cast<std::uint32_t>(kCustomTypeBase + i), 0, {}});
            return;
        }
        if (EqualsIgnoringAsciiCase(typeName, "FolderEnd")) {
            if (folders_.empty())
                Parser("Too many FolderEnd properties! Extra one found at index " + std::to_string(i) + ".");
            else
                folders_.pop_back();
            Append(i, {i, kFolderEndId, {}, {}, kFolderEndType, 0, {}});
            return;
        }
        const json_value& titleValue = Member(property, "Title");
        if (!IsString(titleValue)) {
            Parser("Invalid or no title specified for property index " + std::to_string(i) + "." + InLanguage());
            return;
        }
        const std::string_view title = Text(titleValue);
        if (TitleReused(i, title))
            return;
        const std::optional<PropertyTypeId> type = PropertyTypeFromName(typeName);
        if (!type || *type == kStartItem || *type == kListButton) {
            Parser("Property index " + std::to_string(i) + " " + Quoted(title) + " has an unrecognised property type "
                + Quoted(typeName) + " in the JSON (under " + std::string(source_.languageName)
                + " language).\nCheck your spelling of the \"Type\" Parameter.");
            return;
        }
        TableEntry& entry = Append(i, {i, IdOf(i), std::string(title), std::string(Text(Member(property, "Info"))),
                                          kNamedTypeBase + *type, CommonOptions(property, *type), {}});
        AddKindDetails(i, property, *type, entry);
    }

    static std::uint32_t CommonOptions(const json_value& property, PropertyTypeId type)
    {
        std::uint32_t options = 0;
        if (MemberIndex(property, "CheckboxDefaultState") >= 0 || type == kCheckbox)
            options |= kOptionCheckbox;
        const auto flag = [&](std::string_view key, std::uint32_t bit) {
            if (Boolean(Member(property, key)))
                options |= bit;
        };
        flag("Bold", kOptionBold);
        flag("Removable", kOptionRemovable);
        flag("Renameable", kOptionRenameable);
        flag("Moveable", kOptionMoveable);
        flag("List", kOptionList);
        flag("SingleSelect", kOptionSingleSelect);
        return options;
    }

    static void MaxLength(const json_value& property, TableEntry& entry)
    {
        const json_value& maxLength = Member(property, "MaxLength");
        if (!IsInteger(maxLength))
            return;
        entry.options |= kOptionParameter;
        entry.parameter = {CreationParameter::Kind::MaxLength, {}, {}, {static_cast<std::int32_t>(Integer(maxLength))}};
    }

    void AddKindDetails(std::size_t i, const json_value& property, PropertyTypeId type, TableEntry& entry)
    {
        switch (type) {
        case kFolder:
            folders_.push_back(entry.name);
            break;
        case kEditButton: {
            const json_value& caption = Member(property, "DefaultState");
            if (IsString(caption) && !Text(caption).empty()) {
                entry.options |= kOptionParameter;
                entry.parameter = {CreationParameter::Kind::Caption, std::string(Text(caption)), {}, {}};
            }
            break;
        }
        case kEditString: {
            if (Boolean(Member(property, "Password")))
                entry.options |= kOptionPassword;
            const std::string_view letterCase = Text(Member(property, "Case"));
            if (EqualsIgnoringAsciiCase(letterCase, "Lower"))
                entry.options |= kOptionLowerCase;
            else if (EqualsIgnoringAsciiCase(letterCase, "Upper"))
                entry.options |= kOptionUpperCase;
            MaxLength(property, entry);
            break;
        }
        case kEditMultiline:
        case kEditFolder: {
            const std::string typeName(kPropertyTypeNames[type]);
            if (MemberIndex(property, "Case") >= 0)
                draft_.boxes.push_back(Problem::Warning(std::string(kPropertyTitle), "Property " + Quoted(entry.name)
                    + " is set to \"Case\"=" + Quoted(Text(Member(property, "Case")))
                    + ", but that won't work with property type " + typeName + "."));
            if (MemberIndex(property, "Password") >= 0)
                draft_.boxes.push_back(Problem::Warning(std::string(kPropertyTitle), "Property " + Quoted(entry.name)
                    + " is set to password mask, but that won't work with property type " + typeName + "."));
            MaxLength(property, entry);
            break;
        }
        case kComboBox:
        case kComboBoxButton:
        case kComboBoxIcons:
            ComboItems(i, property, entry);
            break;
        case kSize:
            PresetSizes(property, entry);
            break;
        case kSlider:
        case kSpin:
            entry.options |= kOptionParameter;
            entry.parameter = {CreationParameter::Kind::MinMax, {}, {},
                {static_cast<std::int32_t>(Integer(Member(property, "Minimum"))),
                    static_cast<std::int32_t>(Integer(Member(property, "Maximum")))}};
            break;
        default:
            break;
        }
    }

    bool IsSetList(std::size_t i) const
    {
        for (const PropSet& set : source_.sets)
            if (set.nameList == i)
                return true;
        return false;
    }

    void ComboItems(std::size_t i, const json_value& property, TableEntry& entry)
    {
        const json_value& items = Member(property, "Items");
        // A set's list always comes from the set, through GetPropCreateParam.
        if (IsSetList(i)) {
            if (items.type != json_none)
                Property("Items detected in a property set list box " + entry.name + ".");
            entry.options |= kOptionParameter;
            return;
        }
        entry.options |= kOptionParameter;
        entry.parameter.kind = CreationParameter::Kind::Items;
        if (items.type == json_none) {
            entry.parameter.kind = CreationParameter::Kind::None;
            return;
        }
        if (!IsArray(items) || ElementCount(items) == 0) {
            Property("No Items detected in combobox property " + entry.name + ".");
            return;
        }
        for (std::size_t k = 0; k < ElementCount(items); ++k)
            entry.parameter.items.emplace_back(Text(Element(items, k)));
    }

    void PresetSizes(const json_value& property, TableEntry& entry)
    {
        const json_value& presets = Member(property, "PresetSizes");
        if (presets.type == json_none)
            return;
        if (!IsArray(presets) || ElementCount(presets) == 0) {
            Property("Invalid PresetSizes array in size property " + entry.name + ".");
            return;
        }
        entry.options |= kOptionParameter;
        entry.parameter.kind = CreationParameter::Kind::PresetSizes;
        for (std::size_t k = 0; k < ElementCount(presets); ++k) {
            const json_value& preset = Element(presets, k);
            const json_value& width = Element(preset, 0);
            const json_value& height = Element(preset, 1);
            if (!IsArray(preset) || ElementCount(preset) != 2 || !IsInteger(width) || !IsInteger(height)
                || Integer(width) < 0 || Integer(height) < 0)
                Property("Invalid preset size index " + std::to_string(k) + " in size property " + entry.name + ".");
            entry.parameter.values.push_back(static_cast<std::int32_t>(Integer(width)));
            entry.parameter.values.push_back(static_cast<std::int32_t>(Integer(height)));
        }
        entry.parameter.values.push_back(0);
        entry.parameter.values.push_back(0);
    }

    const PropertyTableSource& source_;
    std::string parserTitle_;
    PropertyTableDraft draft_;
    std::vector<std::string> folders_;
};

}  // namespace

PropertyTableDraft BuildPropertyTable(const PropertyTableSource& source) { return Builder(source).Build(); }

}  // namespace Vantor
