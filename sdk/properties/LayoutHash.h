// The two layout hashes that tell whether a stored block still matches the definition:
// FNV-1a over a text of the titles and type IDs, and over a text of the type IDs alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct _json_value;

namespace Vantor {

struct LayoutHashes {
    std::uint32_t titles;  // as computed; a block stores the complement
    std::uint32_t types;
};

std::uint32_t Fnv1a32(std::string_view bytes);

// Per property, leaving out the title-less ones and any whose "Type" is not a known
// type name: "title lowered|ID | " and "ID|".
std::string TitleHashText(const _json_value& properties);
std::string TypeHashText(const _json_value& properties);

LayoutHashes LayoutHashesOf(const _json_value& properties);

}  // namespace Vantor
