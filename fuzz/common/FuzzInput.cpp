#include "fuzz/common/FuzzInput.h"

#include <cstdio>
#include <cstdlib>

#include "sdk/definition/Json.h"
#include "sdk/definition/LanguageChoice.h"

namespace VantorFuzz {

DefinitionAndBlock Split(const std::uint8_t* data, std::size_t size)
{
    const std::string_view whole(reinterpret_cast<const char*>(data), size);
    const std::size_t marker = whole.find(kBlockMarker);
    if (marker == std::string_view::npos)
        return {whole, {}};
    const std::size_t blockStart = marker + kBlockMarker.size();
    return {whole.substr(0, marker), std::span<const std::uint8_t>(data + blockStart, size - blockStart)};
}

std::vector<std::uint8_t> Join(std::string_view definition, std::span<const std::uint8_t> block)
{
    std::vector<std::uint8_t> joined(definition.begin(), definition.end());
    joined.insert(joined.end(), kBlockMarker.begin(), kBlockMarker.end());
    joined.insert(joined.end(), block.begin(), block.end());
    return joined;
}

const json_value& LanguageBlock(const json_value& root)
{
    using namespace Vantor;
    if (MemberIndex(root, "Properties") >= 0)
        return root;
    const int member = DefaultLanguageMember(root);
    return member < 0 ? JsonNone() : MemberValue(root, static_cast<std::size_t>(member));
}

void Fail(const char* file, int line, const char* condition)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

}  // namespace VantorFuzz
