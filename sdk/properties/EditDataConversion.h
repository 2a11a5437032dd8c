// UpdateEditStructure's work on a stored block of another extension version: whether the
// block needs converting at all, and if so the new 'VNT2' block in which every current
// property takes its old value, found by title, or its default. Nothing is half done: a
// conversion that cannot give every property a value makes no block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/properties/EntryListSets.h"
#include "sdk/properties/Problem.h"

struct _json_value;

namespace Vantor {

struct ConversionRequest {
    std::span<const std::uint8_t> oldBlock;  // bounded by its extSize; never written here
    const _json_value& properties;           // the current language's "Properties"
    const EntryListSetNames& sets;
    std::string_view languageName;
    std::string_view projectName;
    bool quiet = false;
};

enum class ConversionOutcome {
    KeepBlock,     // the host keeps the old block as it is
    StampVersion,  // same layout: only extVersion is rewritten, in place
    NewBlock,      // block holds the converted EDITDATA
    Failed,        // the host keeps the old block; boxes say why
};

struct Conversion {
    ConversionOutcome outcome = ConversionOutcome::Failed;
    std::vector<std::uint8_t> block;
    std::uint32_t oldVersion = 0;  // extVersion without the smart-properties bit
    bool fromVnt1 = false;
    std::size_t propertyCount = 0;
    std::string resetList;  // "• title\n" per property that got its default
    std::size_t resetCount = 0;
    std::vector<Problem> boxes;  // in order, whatever the outcome
};

Conversion ConvertEditData(const ConversionRequest& request);

}  // namespace Vantor
