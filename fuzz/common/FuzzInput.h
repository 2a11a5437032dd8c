// What the fuzz targets share: one input cut into a definition and the stored block that
// follows it, the definition's language block, and a check that stops the run on a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include <json.h>

namespace VantorFuzz {

// Between the definition and the block. The block comes last, so it ends where the
// fuzzer's buffer ends and a read past it is caught.
inline constexpr std::string_view kBlockMarker = "\n#VANTOR-BLOCK#\n";

struct DefinitionAndBlock {
    std::string_view definition;
    std::span<const std::uint8_t> block;  // empty when the input has no marker
};

DefinitionAndBlock Split(const std::uint8_t* data, std::size_t size);
std::vector<std::uint8_t> Join(std::string_view definition, std::span<const std::uint8_t> block);

// The block holding "Properties": the root itself when it has them (the tests' short
// definitions), else the language the library would pick by default.
const json_value& LanguageBlock(const json_value& root);

// A broken promise of the code under test: reported and ended like a sanitizer fault.
[[noreturn]] void Fail(const char* file, int line, const char* condition);

}  // namespace VantorFuzz

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) \
            ::VantorFuzz::Fail(__FILE__, __LINE__, #condition); \
    } while (false)
