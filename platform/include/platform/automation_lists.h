// The simulated user's hands on list boxes and combo boxes: clicking items, choosing from a
// combo box's list, and reading what the lists hold. Like the rest of the simulated user (see
// platform/automation.h) every function may be called from any thread, acts through SendInput,
// waits until the user-interface thread is idle again, and leaves a description of what went
// wrong in LastFailure() when it fails.
#pragma once
#include "platform/automation.h"

#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace platform::automation
{

// Clicks item index of a list box (a "ListBox" or a combo box's "ComboLBox") with the modifiers
// held. An item out of sight is first scrolled into view, as a click on the scroll bar's arrow
// would.
bool ClickItem(HWND listBox, int index, unsigned modifiers = kNoModifiers);
bool DoubleClickItem(HWND listBox, int index, unsigned modifiers = kNoModifiers);
// Opens a combo box with a click on its button and clicks the item whose text is text (as
// CB_FINDSTRINGEXACT compares: case ignored) in the list that opens. For CBS_SIMPLE combo
// boxes, clicks the item in the list below the edit.
bool ChooseComboItem(HWND combo, const char* text);

// The items' texts of a list box or a combo box, in their order.
std::vector<std::string> ListItems(HWND hwnd);
// The indexes of the selected items: all of them for multiple-selection list boxes, else the
// selected one; empty when nothing is selected.
std::vector<int> SelectedItems(HWND hwnd);

} // namespace platform::automation

#pragma GCC visibility pop
