// The property search's logic that needs no window: the word rules of a search text, matching
// a property against the words, the order of the two lists, and where the lower controls go
// when the dialog grows.
#pragma once

#include <afxwin.h>

#include <vector>

// One row of either list, owned by the row (its item data) and freed when the row is deleted.
struct PropertyRow
{
    CString strName;
    CString strAlias;
};

namespace quarnel
{

// The words of a search text, split at blanks and commas, without the words "AND" (in any
// case). An empty or blank text has no words.
std::vector<CString> SearchWords(const CString& strText);

// Whether every word occurs, as it is written, in the upper-cased name or in the alias; true
// when there are no words.
bool MatchesSearch(const std::vector<CString>& words, const CString& strUpperName,
                   const CString& strAlias);

// A click on column nColumn of a list whose last sorted column is nLastColumn. Only columns 0
// (name) and 1 (alias) sort: for any other the result is false and nothing changes. Clicking
// the last sorted column again toggles the descending flag (which both lists share); another
// column becomes the last sorted one and sorts ascending.
bool NextSortOrder(int nColumn, int& nLastColumn, BOOL& bDescending);

// The order of two rows by column 0 (name) or 1 (alias), without regard to case: negative,
// zero or positive, reversed when descending.
int CompareRows(const PropertyRow& a, const PropertyRow& b, int nColumn, BOOL bDescending);

// The controls that move when the dialog grows, in client coordinates.
struct PropertySearchLayout
{
    CRect rcOk;
    CRect rcCancel;
    CRect rcHelp;
    CRect rcAdd;
    CRect rcRemove;
    CRect rcSelectionLabel;
    CRect rcResults;
    CRect rcSelection;
};

// How much a client area of sizeNow exceeds the recorded one in each direction (0 where it
// does not). False when it is smaller in both directions, and nothing is to move.
bool GrowthOf(CSize sizeRecorded, CSize sizeNow, CSize& growth);

// Where the controls go for a growth: the buttons below the lists move with the growth in
// height and spread over the growth in width (a quarter, a half and three quarters); the lists
// share the growth in height and take all of the width; "Add" follows the results list,
// "Remove" the selection list, and the selection list's label its top. From the controls'
// current rectangles only the lists' left and top and the label's left and width are used.
PropertySearchLayout GrowLayout(const PropertySearchLayout& recorded,
                                const PropertySearchLayout& current, CSize growth);

} // namespace quarnel
