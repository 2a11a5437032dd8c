// The host property table, built once per process from the definition: the PropTableEntry
// records with their texts and creation parameters, which the host may keep pointers into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sdk/host/PropertySheet.h"
#include "sdk/properties/PropertyTable.h"

namespace Vantor {

class EdittimeProperties {
public:
    explicit EdittimeProperties(const PropertyTableDraft& draft);
    EdittimeProperties(const EdittimeProperties&) = delete;
    EdittimeProperties& operator=(const EdittimeProperties&) = delete;

    // Every entry, then the all-zero terminator.
    Host::PropTableEntry* Entries() { return entries_.data(); }
    std::size_t Count() const { return entries_.size() - 1; }
    // The table position of a JSON property; none for one the table refused.
    std::optional<std::size_t> PositionOf(std::size_t jsonIndex) const;
    // The positions of the JSON properties first..last that the table holds, as one run.
    struct Run {
        std::size_t begin;
        std::size_t end;  // one past the last
    };
    Run RunOf(std::size_t first, std::size_t last) const;

private:
    std::intptr_t Parameter(const CreationParameter& parameter);
    const wchar_t* Keep(const std::string& utf8);

    std::vector<Host::PropTableEntry> entries_;
    std::vector<std::optional<std::size_t>> positionOf_;
    // Owned for the life of the process; each block keeps its address.
    std::vector<std::unique_ptr<wchar_t[]>> texts_;
    std::vector<std::unique_ptr<std::int32_t[]>> numbers_;
    std::vector<std::unique_ptr<const wchar_t*[]>> lists_;
};

}  // namespace Vantor
