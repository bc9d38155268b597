// The simulated user of tree views and tab controls: clicks on items, their buttons and tabs
// through SendInput, at the places the controls report, and reading of what they show.
//
// Like the rest of platform::automation, every function may be called from any thread, acts
// the way real input does, waits until the control's thread is idle afterwards, and on failure
// returns false (or an empty result) with the reason in LastFailure().
#pragma once
#include "platform/automation.h"

#include <commctrl.h>

#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace platform::automation
{

// Clicks the text of a tree item. An item scrolled out of view or inside a collapsed branch is
// first brought into view with TVM_ENSUREVISIBLE, as a person would scroll and expand to it.
bool ClickTreeItem(HWND tree, HTREEITEM item, unsigned modifiers = kNoModifiers);
bool DoubleClickTreeItem(HWND tree, HTREEITEM item);
// Clicks the item's "[+]" / "[-]" button, which toggles its expansion. Fails when the item shows
// no button.
bool ToggleTreeItem(HWND tree, HTREEITEM item);

// The item's text, read with TVM_GETITEM ("" for an item that is gone).
std::string TreeItemText(HWND tree, HTREEITEM item);
// The item reached from parent (TVI_ROOT for the top level) by the texts of path, separated by
// '/' ("Fruits/Pears"), comparing texts exactly; NULL when there is none.
HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const char* path);
// The texts of the rows the tree shows (every item whose ancestors are expanded, scrolled into
// view or not), each indented by two blanks a level; the selected one between '*'s, as the
// text renderer marks selected cells.
std::vector<std::string> TreeRows(HWND tree);

// Clicks tab number index of a tab control.
bool ClickTab(HWND tab, int index);
// The tab's text, read with TCM_GETITEM.
std::string TabText(HWND tab, int index);

} // namespace platform::automation

#pragma GCC visibility pop
