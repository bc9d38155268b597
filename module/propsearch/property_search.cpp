// The property search's window-free logic (see property_search.h).
#include "propsearch/property_search.h"

namespace quarnel
{

std::vector<CString> SearchWords(const CString& strText)
{
    std::vector<CString> words;
    int nPos = 0;
    for (;;)
    {
        const CString strWord = strText.Tokenize(" ,", nPos);
        if (nPos < 0)
            break;
        if (strWord.CompareNoCase("AND") != 0)
            words.push_back(strWord);
    }
    return words;
}

bool MatchesSearch(const std::vector<CString>& words, const CString& strUpperName,
                   const CString& strAlias)
{
    for (const CString& strWord : words)
    {
        if (strUpperName.Find(strWord) < 0 && strAlias.Find(strWord) < 0)
            return false;
    }
    return true;
}

bool NextSortOrder(int nColumn, int& nLastColumn, BOOL& bDescending)
{
    if (nColumn != 0 && nColumn != 1)
        return false;
    if (nColumn == nLastColumn)
    {
        bDescending = !bDescending;
    }
    else
    {
        nLastColumn = nColumn;
        bDescending = FALSE;
    }
    return true;
}

int CompareRows(const PropertyRow& a, const PropertyRow& b, int nColumn, BOOL bDescending)
{
    const int nOrder =
        nColumn == 0 ? a.strName.CompareNoCase(b.strName) : a.strAlias.CompareNoCase(b.strAlias);
    return bDescending ? -nOrder : nOrder;
}

bool GrowthOf(CSize sizeRecorded, CSize sizeNow, CSize& growth)
{
    if (sizeNow.cx < sizeRecorded.cx && sizeNow.cy < sizeRecorded.cy)
        return false;
    growth.cx = sizeNow.cx > sizeRecorded.cx ? sizeNow.cx - sizeRecorded.cx : 0;
    growth.cy = sizeNow.cy > sizeRecorded.cy ? sizeNow.cy - sizeRecorded.cy : 0;
    return true;
}

PropertySearchLayout GrowLayout(const PropertySearchLayout& recorded,
                                const PropertySearchLayout& current, CSize growth)
{
    const int dx = growth.cx;
    const int dy = growth.cy;
    PropertySearchLayout placed = recorded;
    placed.rcOk.OffsetRect(dx / 4, dy);
    placed.rcCancel.OffsetRect(dx / 2, dy);
    placed.rcHelp.OffsetRect(3 * dx / 4, dy);
    placed.rcAdd.OffsetRect(dx, dy / 2);
    placed.rcRemove.OffsetRect(dx, dy);

    placed.rcResults.SetRect(current.rcResults.left, current.rcResults.top,
                             recorded.rcResults.right + dx, recorded.rcResults.bottom + dy / 2);
    placed.rcSelectionLabel.SetRect(
        current.rcSelectionLabel.left, recorded.rcSelectionLabel.top + dy / 2,
        current.rcSelectionLabel.right, recorded.rcSelectionLabel.bottom + dy / 2);
    placed.rcSelection.SetRect(current.rcSelection.left, recorded.rcSelection.top + dy / 2,
                               recorded.rcSelection.right + dx, recorded.rcSelection.bottom + dy);
    return placed;
}

} // namespace quarnel
