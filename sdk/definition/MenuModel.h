// The editor menus "ActionMenu", "ConditionMenu" and "ExpressionMenu" read into a tree.
// Texts stay UTF-8; the Windows edge converts them and appends the items with MenuItemFlags.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <json.h>

namespace Vantor {

inline constexpr std::int32_t kActionMenuBase = 25000;
inline constexpr std::int32_t kConditionMenuBase = 26000;
inline constexpr std::int32_t kExpressionMenuBase = 27000;

// Menu levels kept, the top-level menu being level 1: a submenu whose items would lie deeper
// is kept with its title but without items (no report).
inline constexpr int kMaxMenuDepth = 32;

struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::int32_t command = 0;  // Command: base + the item's number
    std::string text;          // Command: the item text; Submenu: its title (UTF-8)
    bool greyed = false;       // Command: third element is the boolean true
    std::vector<MenuEntry> children;  // Submenu only
};

// Every element in order: [number, text(, true)] a command; [string, array, ...] a submenu of
// the elements after the title; "Separator" (any ASCII case) or "---" a separator; any other
// string ignored; any other array a command (number from a non-number reads 0, text from a
// non-string reads empty); any other value a command with number 0 and empty text.
// A number outside the 32-bit range once the base is added reads as 0. A non-array
// menuArray gives an empty menu.
std::vector<MenuEntry> BuildMenuModel(const json_value& menuArray, std::int32_t base);

// The Windows menu flags of each kind: 0x400 for a command (| 0x1 when greyed),
// 0xC00 for a separator, 0x410 for a submenu.
std::uint32_t MenuItemFlags(const MenuEntry& entry);

}  // namespace Vantor
