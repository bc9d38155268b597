// The simulated user of tree views: clicks where the control says an item's text or button
// is, and reads items through the control's own messages, with timeouts so that a busy
// user-interface thread fails the call instead of hanging it.

#include "automation/common.h"
#include "platform/automation_tree.h"

#include <cstring>

namespace platform::automation
{
namespace
{

// The button sits in the slot in front of the text: its middle is two and a half characters
// to the left of the text's first character.
constexpr int ButtonOffset = 15;

bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR answer = 0;
    if (!IsWindow(hwnd) ||
        !SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL, DefaultTimeout(), &answer))
        return false;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return true;
}

// Brings the item into view and returns its text's rectangle in the tree's client area.
bool TextRect(HWND tree, HTREEITEM item, RECT& rect, const char* action)
{
    LRESULT ok = 0;
    if (!Ask(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item), nullptr))
        return Fail(std::string("cannot ") + action + " in " + Describe(tree));
    std::memcpy(&rect, &item, sizeof item);
    if (!Ask(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect), &ok) || !ok)
        return Fail(std::string("cannot ") + action + ": the item is not shown in " +
                    Describe(tree));
    return true;
}

POINT Middle(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void AddRows(HWND tree, HTREEITEM first, int level, HTREEITEM selected,
             std::vector<std::string>& rows)
{
    for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(tree, item))
    {
        std::string text = TreeItemText(tree, item);
        if (item == selected)
            text = "*" + text + "*";
        rows.push_back(std::string(static_cast<std::size_t>(level) * 2, ' ') + text);
        if (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED)
            AddRows(tree, TreeView_GetChild(tree, item), level + 1, selected, rows);
    }
}

} // namespace

bool ClickTreeItem(HWND tree, HTREEITEM item, unsigned modifiers)
{
    RECT rect{};
    return TextRect(tree, item, rect, "click a tree item") && Click(tree, Middle(rect), modifiers);
}

bool DoubleClickTreeItem(HWND tree, HTREEITEM item)
{
    RECT rect{};
    return TextRect(tree, item, rect, "double-click a tree item") &&
           DoubleClick(tree, Middle(rect));
}

bool ToggleTreeItem(HWND tree, HTREEITEM item)
{
    RECT rect{};
    if (!TextRect(tree, item, rect, "toggle a tree item"))
        return false;
    TVHITTESTINFO hit{};
    hit.pt = POINT{rect.left - ButtonOffset, Middle(rect).y};
    LRESULT found = 0;
    if (!Ask(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit), &found) ||
        reinterpret_cast<HTREEITEM>(found) != item || !(hit.flags & TVHT_ONITEMBUTTON))
        return Fail("the tree item \"" + TreeItemText(tree, item) + "\" shows no button in " +
                    Describe(tree));
    return Click(tree, hit.pt);
}

std::string TreeItemText(HWND tree, HTREEITEM item)
{
    char buffer[MAX_PATH] = "";
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = static_cast<int>(sizeof buffer);
    LRESULT ok = 0;
    if (!Ask(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request), &ok) || !ok)
    {
        Fail("cannot read a tree item of " + Describe(tree));
        return "";
    }
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const char* path)
{
    if (!path)
        return nullptr;
    std::string rest = path;
    HTREEITEM at = parent ? parent : TVI_ROOT;
    while (true)
    {
        const std::size_t slash = rest.find('/');
        const std::string name = rest.substr(0, slash);
        HTREEITEM child = TreeView_GetChild(tree, at);
        while (child && TreeItemText(tree, child) != name)
            child = TreeView_GetNextSibling(tree, child);
        if (!child)
        {
            Fail("no tree item \"" + std::string(path) + "\" in " + Describe(tree));
            return nullptr;
        }
        if (slash == std::string::npos)
            return child;
        at = child;
        rest = rest.substr(slash + 1);
    }
}

std::vector<std::string> TreeRows(HWND tree)
{
    std::vector<std::string> rows;
    if (!IsWindow(tree))
    {
        Fail("cannot read the rows of " + Describe(tree));
        return rows;
    }
    AddRows(tree, TreeView_GetRoot(tree), 0, TreeView_GetSelection(tree), rows);
    return rows;
}

} // namespace platform::automation
