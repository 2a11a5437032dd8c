#include "sdk/editor/Menus.h"

#include <memory>
#include <string>

#include "sdk/definition/Json.h"
#include "sdk/text/Utf.h"

namespace Vantor {
namespace {

constexpr int kMenuTextCapacity = 80;

HMENU menus[3] = {};

void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        const std::wstring text = ToUtf16(entry.text);
        const UINT flags = MenuItemFlags(entry);
        switch (entry.kind) {
        case MenuEntry::Kind::Submenu: {
            HMENU popup = CreatePopupMenu();
            AppendEntries(popup, entry.children);
            AppendMenuW(menu, flags, reinterpret_cast<UINT_PTR>(popup), text.c_str());
            break;
        }
        case MenuEntry::Kind::Separator:
            AppendMenuW(menu, flags, 0, nullptr);
            break;
        case MenuEntry::Kind::Command:
            AppendMenuW(menu, flags, static_cast<UINT_PTR>(entry.command), text.c_str());
            break;
        }
    }
}

// Position by position, as the host's own menu copy does: command 0 is a separator,
// -1 opens a submenu, anything else is an item keeping its state flags.
void CopyMenu(HMENU source, HMENU target, wchar_t* text)
{
    const int count = GetMenuItemCount(source);
    for (int position = 0; position < count; ++position) {
        const UINT command = GetMenuItemID(source, position);
        if (command == 0) {
            AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        text[0] = L'\0';
        GetMenuStringW(source, position, text, kMenuTextCapacity, MF_BYPOSITION);
        if (command == static_cast<UINT>(-1)) {
            const std::wstring title = text;  // the buffer is reused by the submenu's copy
            HMENU popup = CreatePopupMenu();
            CopyMenu(GetSubMenu(source, position), popup, text);
            AppendMenuW(target, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.c_str());
            continue;
        }
        const UINT state = GetMenuState(source, position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        AppendMenuW(target, MF_STRING | state, command, text);
    }
}

}  // namespace

void BuildMenus(const json_value& language)
{
    static const struct {
        const char* key;
        std::int32_t base;
    } kMenus[] = {{"ActionMenu", kActionMenuBase}, {"ConditionMenu", kConditionMenuBase},
                  {"ExpressionMenu", kExpressionMenuBase}};
    for (int kind = 0; kind < 3; ++kind) {
        HMENU menu = CreateMenu();
        AppendEntries(menu, BuildMenuModel(Member(language, kMenus[kind].key), kMenus[kind].base));
        menus[kind] = menu;
    }
}

HMENU BuiltMenu(MenuKind kind)
{
    return menus[static_cast<int>(kind)];
}

HMENU CopyOfBuiltMenu(MenuKind kind)
{
    HMENU source = BuiltMenu(kind);
    HMENU popup = CreatePopupMenu();
    if (!source || !popup)
        return popup;
    const auto text = std::make_unique<wchar_t[]>(kMenuTextCapacity);
    CopyMenu(source, popup, text.get());
    return popup;
}

}  // namespace Vantor
