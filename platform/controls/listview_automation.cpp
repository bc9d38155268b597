// The simulated user's list view helpers (platform/automation_listview.h): clicks at a row's or
// a column title's centre through the ordinary mouse helpers, and reading through the list's
// own messages.
//
// Does not do: scrolling by the scroll bar or the wheel to reach a row (it asks the list to
// show the row, which is where a person's scrolling would end).

#include "automation/common.h"
#include "platform/automation_listview.h"

#include <commctrl.h>

namespace platform::automation
{

namespace
{

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(hwnd, msg, wParam, lParam);
}

bool IsList(HWND list)
{
    return IsWindow(list) && ClassOf(list) == WC_LISTVIEWA;
}

// The centre of the row's first column, scrolled into view; false with a failure recorded.
bool RowPoint(HWND list, int row, POINT* point)
{
    if (!IsList(list))
        return Fail("not a list view: " + Describe(list));
    const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT));
    if (row < 0 || row >= count)
        return Fail("row " + std::to_string(row) + " is not in " + Describe(list) + ", which has " +
                    std::to_string(count) + " rows");
    Send(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT label{};
    label.left = LVIR_LABEL;
    if (!Send(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&label)))
        return Fail("no rectangle for row " + std::to_string(row) + " of " + Describe(list));
    // The first cell's middle, clamped to the visible part of a column wider than the list.
    RECT client{};
    GetClientRect(list, &client);
    const LONG right = label.right < client.right ? label.right : client.right;
    const LONG left = label.left > 0 ? label.left : 0;
    if (right <= left)
        return Fail("row " + std::to_string(row) + " of " + Describe(list) +
                    " has no visible first column");
    *point = POINT{(left + right) / 2, (label.top + label.bottom) / 2};
    return true;
}

} // namespace

bool ClickRow(HWND list, int row, unsigned modifiers)
{
    POINT pt{};
    return RowPoint(list, row, &pt) && Click(list, pt, modifiers);
}

bool DoubleClickRow(HWND list, int row, unsigned modifiers)
{
    POINT pt{};
    return RowPoint(list, row, &pt) && DoubleClick(list, pt, modifiers);
}

bool RightClickRow(HWND list, int row, unsigned modifiers)
{
    POINT pt{};
    return RowPoint(list, row, &pt) && RightClick(list, pt, modifiers);
}

bool ClickColumn(HWND list, int column)
{
    if (!IsList(list))
        return Fail("not a list view: " + Describe(list));
    auto header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
    RECT rect{};
    if (!header || !Send(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                         reinterpret_cast<LPARAM>(&rect)))
        return Fail("column " + std::to_string(column) + " is not in " + Describe(list));
    // Aim left of the middle and clear of the divider, which would start a resize instead.
    const LONG x = rect.left + (rect.right - rect.left) / 3;
    return Click(header, POINT{x, (rect.top + rect.bottom) / 2});
}

std::string RowText(HWND list, int row, int column)
{
    char buffer[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer);
    Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

std::vector<std::string> RowTexts(HWND list, int row)
{
    auto header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER));
    const int columns = header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT)) : 1;
    std::vector<std::string> texts;
    for (int c = 0; c < columns; ++c)
        texts.push_back(RowText(list, row, c));
    return texts;
}

std::vector<std::string> ColumnTitles(HWND list)
{
    std::vector<std::string> titles;
    for (int c = 0;; ++c)
    {
        char buffer[256] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = buffer;
        column.cchTextMax = static_cast<int>(sizeof buffer);
        if (!Send(list, LVM_GETCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column)))
            return titles;
        titles.push_back(buffer);
    }
}

int RowCount(HWND list)
{
    return static_cast<int>(Send(list, LVM_GETITEMCOUNT));
}

std::vector<int> SelectedRows(HWND list)
{
    std::vector<int> rows;
    for (int row = -1;;)
    {
        row = static_cast<int>(
            Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), MAKELPARAM(LVNI_SELECTED, 0)));
        if (row < 0)
            return rows;
        rows.push_back(row);
    }
}

int FocusedRow(HWND list)
{
    return static_cast<int>(
        Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
}

int FindRow(HWND list, const char* text)
{
    LVFINDINFOA find{};
    find.flags = LVFI_STRING;
    find.psz = text;
    return static_cast<int>(
        Send(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

} // namespace platform::automation
