#include "sdk/properties/StoredBlockCheck.h"

#include <cstdint>
#include <cstring>

#include "sdk/diagnostics/Boxes.h"
#include "sdk/properties/EditDataLayout.h"

namespace Vantor {
namespace {

constexpr std::size_t kVisibilitySlotOffset = kPropertiesOffset + offsetof(Properties, visibleEditorProps);

}  // namespace

void CheckLoadedBlock(void* edPtr)
{
    if (!edPtr)
        return;
    auto* block = static_cast<std::uint8_t*>(edPtr);
    std::uint32_t size = 0;
    std::memcpy(&size, block, sizeof size);

    std::uint32_t marker = 0;
    if (size >= kPropertiesOffset + sizeof marker)
        std::memcpy(&marker, block + kPropertiesOffset, sizeof marker);
    if (marker != kMarkerVnt2)
        ErrorBox(L"Vantor property error", L"Vantor smart properties were not created correctly.");

    std::uint32_t visibility = 0;
    if (size >= kVisibilitySlotOffset + sizeof visibility) {
        std::memcpy(&visibility, block + kVisibilitySlotOffset, sizeof visibility);
        if (visibility != 0)
            std::memset(block + kVisibilitySlotOffset, 0, sizeof visibility);
    }
}

}  // namespace Vantor
