// One object's property sheet during one host call: the block, the host's sheet services and
// the steps the property exports share (the change writer, the visibility refresh, the reload
// of a property set's shown entry).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "sdk/host/PropertySheet.h"
#include "sdk/properties/PropertyChange.h"
#include "sdk/properties/PropertyLookup.h"

namespace Vantor {

class PropertySheet {
public:
    // edPtr: the caller's block pointer, replaced when the host moves the block.
    PropertySheet(Host::mV* mV, void** edPtr);

    // The JSON index of a host property ID; none for the host's own IDs, a definition without
    // properties, an ID past the table or a missing block.
    std::optional<std::size_t> JsonIndexOf(std::uint32_t id) const;

    std::span<const std::uint8_t> Block() const;
    PropertyDefinition Definition() const;

    // The visibility flags of this object, one per JSON property; made (all 1) when missing.
    std::vector<std::uint8_t>& VisibleFlags(bool reset);
    void InsertWholeTable();
    void Refresh();

    // The change writer: the value planned into a new block, the block resized and rewritten.
    void WriteChange(std::size_t jsonIndex, ValueForm form, std::span<const std::uint8_t> bytes);
    void WriteCheck(std::size_t jsonIndex, bool checked);
    // EditProp on a set's buttons: 1 when the block changed.
    std::int32_t PressSetButton(std::size_t jsonIndex);
    // EditProp on an "Image List": the host's image editor, then the change writer.
    std::int32_t EditImages(std::size_t jsonIndex);

private:
    // Replaces the block, through the host's resize when its size changes; false when refused.
    bool Replace(const std::vector<std::uint8_t>& block);
    void Reload(const PropSet& set);
    void Call(std::int32_t code, std::intptr_t a, std::intptr_t b, std::intptr_t c) const;
    void InsertRun(std::size_t first, std::size_t last, std::uint32_t after) const;
    void RemoveRun(std::size_t first, std::size_t last) const;
    void CallWithRun(std::int32_t code, std::size_t first, std::size_t last, std::intptr_t second,
                     std::intptr_t third) const;

    Host::mV* mV_;
    void** edPtr_;
};

}  // namespace Vantor
