#include "ParameterDescription.h"

#include <cstdint>
#include <mutex>
#include <set>
#include <string>

#include "Utf8Text.h"

namespace FmodStandin {

namespace {

std::uint32_t Fnv1a(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// Descriptions hand out name pointers that must outlive the bank they came from.
const char* InternName(std::string_view name)
{
    static std::mutex mutex;
    static std::set<std::string, std::less<>> names;
    const std::lock_guard lock(mutex);
    auto found = names.find(name);
    if (found == names.end()) found = names.emplace(name).first;
    return found->c_str();
}

}  // namespace

FMOD_STUDIO_PARAMETER_ID ParameterIdFor(std::string_view scope, std::string_view name)
{
    return {Fnv1a(FoldAsciiCase(scope)), Fnv1a(FoldAsciiCase(name))};
}

bool SameParameterId(FMOD_STUDIO_PARAMETER_ID a, FMOD_STUDIO_PARAMETER_ID b)
{
    return a.data1 == b.data1 && a.data2 == b.data2;
}

FMOD_STUDIO_PARAMETER_DESCRIPTION DescribeParameter(const ParameterDefinition& parameter, std::string_view scope)
{
    FMOD_STUDIO_PARAMETER_DESCRIPTION description{};
    description.name = InternName(parameter.name);
    description.id = ParameterIdFor(scope, parameter.name);
    description.minimum = parameter.minimum;
    description.maximum = parameter.maximum;
    description.defaultvalue = parameter.defaultValue;
    description.type = FMOD_STUDIO_PARAMETER_GAME_CONTROLLED;
    description.flags = scope.empty() ? FMOD_STUDIO_PARAMETER_GLOBAL : 0;
    if (!parameter.labels.empty()) description.flags |= FMOD_STUDIO_PARAMETER_DISCRETE | FMOD_STUDIO_PARAMETER_LABELED;
    return description;
}

}  // namespace FmodStandin
