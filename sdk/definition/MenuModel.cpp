#include "sdk/definition/MenuModel.h"

#include <limits>
#include <string_view>

#include "sdk/definition/Json.h"

namespace Vantor {

namespace {

std::int32_t CommandNumber(const json_value& number, std::int32_t base) {
    const std::int64_t n = Integer(number);
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    // Compare before adding: n may be anywhere in the 64-bit range.
    if (n > kMax - base || n < kMin - base) return base;
    return static_cast<std::int32_t>(base + n);
}

// Reads elements [first, end) of array into out, at menu level `level` (1 = top).
void ReadItems(const json_value& array, std::size_t first, std::int32_t base, int level,
               std::vector<MenuEntry>& out) {
    const std::size_t count = ElementCount(array);
    for (std::size_t i = first; i < count; ++i) {
        const json_value& element = Element(array, i);
        MenuEntry entry;
        if (IsString(element)) {
            const std::string_view text = Text(element);
            if (!EqualsIgnoringAsciiCase(text, "Separator") && text != "---") continue;
            entry.kind = MenuEntry::Kind::Separator;
        } else if (IsArray(element) && IsString(Element(element, 0)) && IsArray(Element(element, 1))) {
            entry.kind = MenuEntry::Kind::Submenu;
            entry.text.assign(Text(Element(element, 0)));
            if (level < kMaxMenuDepth) ReadItems(element, 1, base, level + 1, entry.children);
        } else {
            // A command item; a non-array reads as number 0 and empty text.
            entry.kind = MenuEntry::Kind::Command;
            entry.command = CommandNumber(Element(element, 0), base);
            entry.text.assign(Text(Element(element, 1)));
            entry.greyed = Boolean(Element(element, 2));
        }
        out.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<MenuEntry> BuildMenuModel(const json_value& menuArray, std::int32_t base) {
    std::vector<MenuEntry> menu;
    ReadItems(menuArray, 0, base, 1, menu);
    return menu;
}

std::uint32_t MenuItemFlags(const MenuEntry& entry) {
    switch (entry.kind) {
        case MenuEntry::Kind::Separator: return 0xC00;
        case MenuEntry::Kind::Submenu: return 0x410;
        default: return 0x400u | (entry.greyed ? 0x1u : 0u);
    }
}

}  // namespace Vantor
