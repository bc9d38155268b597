// The simulated user's hands and eyes for list views: clicking rows and column headers, and
// reading rows, columns and the selection.
//
// Clicks go through SendInput at the row's centre, as platform/automation.h clicks do, so the
// control's own selection logic and notifications run as for a person. A row outside the
// visible part is scrolled into view first (LVM_ENSUREVISIBLE), as a person would scroll to it.
// Reading sends the list's own messages; any thread may call these.
#pragma once
#include "platform/automation.h"

#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace platform::automation
{

// Clicks (or double-clicks, or right-clicks) row `row` of a report-view list, holding the
// modifiers. The point clicked is in the first column, which selects with or without
// LVS_EX_FULLROWSELECT.
bool ClickRow(HWND list, int row, unsigned modifiers = kNoModifiers);
bool DoubleClickRow(HWND list, int row, unsigned modifiers = kNoModifiers);
bool RightClickRow(HWND list, int row, unsigned modifiers = kNoModifiers);
// Clicks the title of column `column` in the list's header.
bool ClickColumn(HWND list, int column);

// The text of one cell ("" for a missing row or column).
std::string RowText(HWND list, int row, int column = 0);
// Every cell of a row, one per column.
std::vector<std::string> RowTexts(HWND list, int row);
// The column titles, left to right.
std::vector<std::string> ColumnTitles(HWND list);
int RowCount(HWND list);
// The selected rows in index order, and the row with the focus (-1 when none has it).
std::vector<int> SelectedRows(HWND list);
int FocusedRow(HWND list);
// The first row whose label equals text (case-insensitive, as LVM_FINDITEM compares), or -1.
int FindRow(HWND list, const char* text);

} // namespace platform::automation

#pragma GCC visibility pop
