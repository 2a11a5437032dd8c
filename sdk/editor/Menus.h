// The three editor menus, built once from the definition and copied for every request.
#pragma once

#include <windows.h>

#include "sdk/definition/MenuModel.h"

namespace Vantor {

enum class MenuKind { Action = 0, Condition = 1, Expression = 2 };

// Builds the three menus from the language block's "ActionMenu", "ConditionMenu" and "ExpressionMenu".
void BuildMenus(const json_value& language);

// The built menu, owned by the library; null before BuildMenus.
HMENU BuiltMenu(MenuKind kind);

// A new popup menu holding a copy of the built one; the host owns it.
HMENU CopyOfBuiltMenu(MenuKind kind);

}  // namespace Vantor
