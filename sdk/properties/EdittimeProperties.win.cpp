#include "sdk/properties/EdittimeProperties.h"

#include <cwchar>

#include "sdk/text/Utf.h"

namespace Vantor {

EdittimeProperties::EdittimeProperties(const PropertyTableDraft& draft) : positionOf_(draft.positionOf)
{
    entries_.reserve(draft.entries.size() + 1);
    for (const TableEntry& entry : draft.entries) {
        const bool named = entry.type != kFolderEndType && entry.type >= kNamedTypeBase;
        entries_.push_back({entry.id, named ? Keep(entry.name) : nullptr, named ? Keep(entry.info) : nullptr, entry.type,
            entry.options, Parameter(entry.parameter)});
    }
    entries_.push_back({});
}

const wchar_t* EdittimeProperties::Keep(const std::string& utf8)
{
    const std::wstring text = ToUtf16(utf8);
    auto copy = std::make_unique<wchar_t[]>(text.size() + 1);
    std::wmemcpy(copy.get(), text.c_str(), text.size() + 1);
    texts_.push_back(std::move(copy));
    return texts_.back().get();
}

std::intptr_t EdittimeProperties::Parameter(const CreationParameter& parameter)
{
    using Kind = CreationParameter::Kind;
    switch (parameter.kind) {
    case Kind::None:
        return 0;
    case Kind::Caption:
        return reinterpret_cast<std::intptr_t>(Keep(parameter.text));
    case Kind::Items: {
        // A null pointer, each item, a null pointer.
        auto list = std::make_unique<const wchar_t*[]>(parameter.items.size() + 2);
        list[0] = nullptr;
        for (std::size_t k = 0; k < parameter.items.size(); ++k)
            list[k + 1] = Keep(parameter.items[k]);
        list[parameter.items.size() + 1] = nullptr;
        lists_.push_back(std::move(list));
        return reinterpret_cast<std::intptr_t>(lists_.back().get());
    }
    case Kind::MaxLength:
    case Kind::PresetSizes:
    case Kind::MinMax: {
        auto numbers = std::make_unique<std::int32_t[]>(parameter.values.size());
        for (std::size_t k = 0; k < parameter.values.size(); ++k)
            numbers[k] = parameter.values[k];
        numbers_.push_back(std::move(numbers));
        return reinterpret_cast<std::intptr_t>(numbers_.back().get());
    }
    }
    return 0;
}

std::optional<std::size_t> EdittimeProperties::PositionOf(std::size_t jsonIndex) const
{
    return jsonIndex < positionOf_.size() ? positionOf_[jsonIndex] : std::nullopt;
}

EdittimeProperties::Run EdittimeProperties::RunOf(std::size_t first, std::size_t last) const
{
    Run run{Count(), Count()};
    for (std::size_t i = first; i <= last && i < positionOf_.size(); ++i) {
        if (!positionOf_[i])
            continue;
        if (run.begin == Count())
            run.begin = *positionOf_[i];
        run.end = *positionOf_[i] + 1;
    }
    return run;
}

}  // namespace Vantor
