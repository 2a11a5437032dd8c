#include "standins/host/editor/MenuText.h"

namespace StandinHost {
namespace {

void Append(HMENU menu, int depth, std::wstring& out)
{
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = static_cast<UINT>(std::size(text) - 1);
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item))
            continue;
        out.append(static_cast<std::size_t>(depth) * 2, L' ');
        if (item.fType & MFT_SEPARATOR) {
            out += L"----\n";
        } else if (item.hSubMenu) {
            out += text;
            out += L" >\n";
            Append(item.hSubMenu, depth + 1, out);
        } else {
            if (item.fState & MFS_GRAYED)
                out += L"[greyed] ";
            out += std::to_wstring(item.wID) + L" " + text + L"\n";
        }
    }
}

}  // namespace

std::wstring MenuText(HMENU menu)
{
    std::wstring out;
    if (menu)
        Append(menu, 0, out);
    return out;
}

}  // namespace StandinHost
