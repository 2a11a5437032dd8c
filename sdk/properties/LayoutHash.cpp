#include "sdk/properties/LayoutHash.h"

#include "sdk/definition/Json.h"
#include "sdk/properties/PropertyTypes.h"

namespace Vantor {
namespace {

constexpr std::uint32_t kFnvOffsetBasis = 0x811C9DC5;
constexpr std::uint32_t kFnvPrime = 0x01000193;

std::string LowerAscii(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// Calls visit(title, typeId) for every property that takes part in the hashes.
template <typename Visit> void ForEachHashedProperty(const json_value& properties, Visit visit)
{
    for (std::size_t i = 0; i < ElementCount(properties); ++i) {
        const json_value& property = Element(properties, i);
        const std::string_view type = Text(Member(property, "Type"));
        const auto id = PropertyTypeFromName(type);
        if (id && !IsTitleless(type))
            visit(Text(Member(property, "Title")), std::to_string(*id));
    }
}

}  // namespace

std::uint32_t Fnv1a32(std::string_view bytes)
{
    std::uint32_t hash = kFnvOffsetBasis;
    for (char c : bytes) {
        hash ^= static_cast<std::uint8_t>(c);
        hash *= kFnvPrime;
    }
    return hash;
}

std::string TitleHashText(const json_value& properties)
{
    std::string text;
    ForEachHashedProperty(properties,
        [&](std::string_view title, const std::string& id) { text += LowerAscii(title) + "|" + id + " | "; });
    return text;
}

std::string TypeHashText(const json_value& properties)
{
    std::string text;
    ForEachHashedProperty(properties, [&](std::string_view, const std::string& id) { text += id + "|"; });
    return text;
}

LayoutHashes LayoutHashesOf(const json_value& properties)
{
    return {Fnv1a32(TitleHashText(properties)), Fnv1a32(TypeHashText(properties))};
}

}  // namespace Vantor
