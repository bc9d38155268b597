// The list view's items and columns: insertion, deletion, texts, finding and sorting.
//
// Items live in a vector of stable objects, each knowing its own index, so that insertion at the
// end costs amortised constant time and deletion a move of the pointers after it. Exact
// LVM_FINDITEM goes through an index from the folded label to the items carrying it, kept on
// insertion, label change and deletion (sorting moves items but not labels, so it leaves the
// index alone).
//
// Does not do:
// - LVS_OWNERDATA (virtual lists): such a list behaves as an ordinary one and LVM_SETITEMCOUNT
//   stays a hint;
// - moving an item when its label changes in an LVS_SORTASCENDING/DESCENDING list (as on
//   Windows, the order then is the caller's business);
// - LVFI_NEARESTXY, which only icon views have;
// - sub-item images, groups, tile columns (the LVITEM fields for them are ignored).

#include "controls/listview.h"
#include "kernel/narrow_text.h"

#include <algorithm>
#include <cstring>

namespace platform::listview
{

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = UpperLatin1(c);
    return folded;
}

void LabelIndex::Add(Item* item)
{
    std::vector<Item*>& bucket = buckets[Fold(item->label)];
    item->slot = bucket.size();
    bucket.push_back(item);
}

void LabelIndex::Remove(Item* item)
{
    auto found = buckets.find(Fold(item->label));
    if (found == buckets.end())
        return;
    std::vector<Item*>& bucket = found->second;
    if (item->slot >= bucket.size() || bucket[item->slot] != item)
        return;
    // Swap with the last so that removal does not depend on how many items share the label.
    bucket[item->slot] = bucket.back();
    bucket[item->slot]->slot = item->slot;
    bucket.pop_back();
    if (bucket.empty())
        buckets.erase(found);
}

const std::vector<Item*>* LabelIndex::Find(const std::string& folded) const
{
    auto found = buckets.find(folded);
    return found == buckets.end() ? nullptr : &found->second;
}

namespace
{

bool IsSorted(const ListView& lv)
{
    return (lv.Style() & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) != 0;
}

void Index(ListView& lv, Item* item)
{
    if (item->labelCallback)
        ++lv.callbackLabels;
    else
        lv.labels.Add(item);
}

void Unindex(ListView& lv, Item* item)
{
    if (item->labelCallback)
        --lv.callbackLabels;
    else
        lv.labels.Remove(item);
}

void Renumber(ListView& lv, int from)
{
    for (int i = std::max(from, 0); i < lv.Count(); ++i)
        lv.items[static_cast<size_t>(i)]->index = i;
}

// Where an item with this label goes in a sorted list: after the items that compare equal, so
// that equal labels keep their insertion order.
int SortedPosition(const ListView& lv, const std::string& label)
{
    const bool descending = (lv.Style() & LVS_SORTDESCENDING) != 0;
    auto it =
        std::upper_bound(lv.items.begin(), lv.items.end(), label,
                         [descending](const std::string& text, const std::unique_ptr<Item>& item) {
                             const int order = lstrcmpiA(text.c_str(), item->label.c_str());
                             return descending ? order > 0 : order < 0;
                         });
    return static_cast<int>(it - lv.items.begin());
}

// Copies text into a caller's buffer of `size` characters, always terminated; returns the
// number of characters copied.
int CopyOut(const std::string& text, LPSTR buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    const size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// Forgets an item that is going away: it no longer counts as selected, focused or marked.
void DropReferences(ListView& lv, Item& item)
{
    if (item.state & LVIS_SELECTED)
        --lv.selectedCount;
    item.state &= ~static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED);
    if (lv.focus == &item)
        lv.focus = nullptr;
    if (lv.mark == &item)
        lv.mark = nullptr;
    if (lv.pendingSelect == &item)
        lv.pendingSelect = nullptr;
}

std::string HeaderText(LPCSTR text)
{
    return text && text != LPSTR_TEXTCALLBACKA ? std::string(text) : std::string();
}

void SyncHeaderItem(ListView& lv, int index, UINT mask)
{
    if (!lv.header)
        return;
    const Column& c = lv.columns[static_cast<size_t>(index)];
    HDITEMA hdi{};
    hdi.mask = mask;
    hdi.pszText = const_cast<LPSTR>(c.text.c_str());
    hdi.cchTextMax = static_cast<int>(c.text.size());
    hdi.fmt = (c.fmt & LVCFMT_JUSTIFYMASK) | HDF_STRING;
    hdi.cxy = c.width;
    SendMessageA(lv.header, HDM_SETITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&hdi));
}

} // namespace

// ---- Items ----

void ReplaceLabel(ListView& lv, Item& item, LPCSTR text)
{
    Unindex(lv, &item);
    item.labelCallback = text == LPSTR_TEXTCALLBACKA;
    item.label = (text && !item.labelCallback) ? text : "";
    Index(lv, &item);
}

int InsertItem(ListView& lv, const LVITEMA& in)
{
    if (in.iSubItem != 0)
        return -1;
    const bool sorted = IsSorted(lv);
    const bool callback = (in.mask & LVIF_TEXT) && in.pszText == LPSTR_TEXTCALLBACKA;
    // A sorted list sorts by label, which a callback label cannot give it.
    if (sorted && callback)
        return -1;
    if (!sorted && in.iItem < 0)
        return -1;
    auto owned = std::make_unique<Item>();
    Item* item = owned.get();
    if ((in.mask & LVIF_TEXT) && in.pszText && !callback)
        item->label = in.pszText;
    item->labelCallback = callback;
    if (in.mask & LVIF_PARAM)
        item->param = in.lParam;
    if (in.mask & LVIF_IMAGE)
        item->image = in.iImage;
    if (in.mask & LVIF_INDENT)
        item->indent = in.iIndent;
    const UINT selection = LVIS_SELECTED | LVIS_FOCUSED;
    UINT wanted = 0;
    if (in.mask & LVIF_STATE)
    {
        item->state = in.state & in.stateMask & ~selection;
        wanted = in.state & in.stateMask & selection;
    }
    const int position = sorted ? SortedPosition(lv, item->label) : std::min(in.iItem, lv.Count());
    lv.items.insert(lv.items.begin() + position, std::move(owned));
    Renumber(lv, position);
    Index(lv, item);
    Layout(lv);
    Invalidate(lv);

    // Selection and focus come with the notifications a change of state brings, since they
    // take them from other items.
    const std::uint64_t since = lv.removals;
    if (wanted)
        ChangeState(lv, *item, wanted, wanted);
    if (lv.Disturbed(since))
        return -1;
    const int index = item->index;
    NotifyItem(lv, LVN_INSERTITEM, index, 0, item->param);
    return index;
}

BOOL SetItemText(ListView& lv, int index, const LVITEMA& in)
{
    LVITEMA change = in;
    change.mask = LVIF_TEXT;
    change.iItem = index;
    return SetItem(lv, change);
}

// Changes of sub-item 0 (the item itself) notify the parent; sub-items change silently.
BOOL SetItem(ListView& lv, const LVITEMA& in)
{
    Item* item = lv.At(in.iItem);
    if (!item || in.iSubItem < 0)
        return FALSE;
    if (in.iSubItem == 0)
    {
        return SetMainItem(lv, *item, in) ? TRUE : FALSE;
    }
    if ((in.mask & ~static_cast<UINT>(LVIF_TEXT | LVIF_IMAGE)) ||
        in.iSubItem >= static_cast<int>(lv.columns.size()))
        return FALSE;
    if (in.mask & LVIF_TEXT)
    {
        const size_t n = static_cast<size_t>(in.iSubItem);
        if (item->subItems.size() < n)
            item->subItems.resize(n);
        SubItem& sub = item->subItems[n - 1];
        sub.callback = in.pszText == LPSTR_TEXTCALLBACKA;
        sub.text = (in.pszText && !sub.callback) ? in.pszText : "";
    }
    Invalidate(lv);
    return TRUE;
}

std::string CellText(ListView& lv, const Item& item, int subItem)
{
    bool callback = false;
    if (subItem == 0)
    {
        if (!item.labelCallback)
            return item.label;
        callback = true;
    }
    else if (subItem > 0 && static_cast<size_t>(subItem) <= item.subItems.size())
    {
        const SubItem& sub = item.subItems[static_cast<size_t>(subItem - 1)];
        if (!sub.callback)
            return sub.text;
        callback = true;
    }
    if (!callback)
        return std::string();
    char buffer[260] = {};
    NMLVDISPINFOA info{};
    info.item.mask = LVIF_TEXT;
    info.item.iItem = item.index;
    info.item.iSubItem = subItem;
    info.item.lParam = item.param;
    info.item.pszText = buffer;
    info.item.cchTextMax = static_cast<int>(sizeof buffer);
    Notify(lv, LVN_GETDISPINFOA, info.hdr);
    // The parent may point pszText at its own string instead of filling the buffer.
    const char* text = info.item.pszText;
    if (!text || text == LPSTR_TEXTCALLBACKA)
        return std::string();
    return std::string(text, strnlen(text, sizeof buffer - 1));
}

BOOL GetItem(ListView& lv, LVITEMA& out)
{
    Item* item = lv.At(out.iItem);
    if (!item || out.iSubItem < 0 ||
        (out.iSubItem > 0 && out.iSubItem >= static_cast<int>(lv.columns.size())))
        return FALSE;
    if (out.mask & LVIF_TEXT)
        CopyOut(CellText(lv, *item, out.iSubItem), out.pszText, out.cchTextMax);
    if (out.mask & LVIF_STATE)
        out.state = out.iSubItem == 0 ? item->state & out.stateMask : 0;
    if (out.mask & LVIF_PARAM)
        out.lParam = item->param;
    if (out.mask & LVIF_IMAGE)
        out.iImage = item->image;
    if (out.mask & LVIF_INDENT)
        out.iIndent = item->indent;
    return TRUE;
}

int GetItemText(ListView& lv, int index, LVITEMA& out)
{
    Item* item = lv.At(index);
    if (!item || out.iSubItem < 0)
        return 0;
    return CopyOut(CellText(lv, *item, out.iSubItem), out.pszText, out.cchTextMax);
}

BOOL DeleteItem(ListView& lv, int index)
{
    Item* item = lv.At(index);
    if (!item)
        return FALSE;
    // The item gives up its selection and focus (with the usual notifications) before the
    // parent hears that it goes, so the parent sees it unfocused in LVN_DELETEITEM.
    const std::uint64_t since = lv.removals;
    ChangeState(lv, *item, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (lv.Disturbed(since))
        return FALSE;
    NotifyItem(lv, LVN_DELETEITEM, item->index, 0, item->param);
    if (lv.Disturbed(since))
        return FALSE;
    index = item->index;
    DropReferences(lv, *item);
    Unindex(lv, item);
    lv.items.erase(lv.items.begin() + index);
    ++lv.removals;
    Renumber(lv, index);
    Layout(lv);
    Invalidate(lv);
    return TRUE;
}

BOOL DeleteAllItems(ListView& lv, bool destroying)
{
    if (!destroying)
    {
        DeselectAll(lv, nullptr);
        if (lv.destroyed)
            return FALSE;
    }
    lv.focus = nullptr;
    NMLISTVIEW all{};
    all.iItem = -1;
    // A parent that answers TRUE does not want to hear of each item.
    const bool eachItem = !Notify(lv, LVN_DELETEALLITEMS, all.hdr);
    // Items go from the last to the first, each still in the list while its parent hears of it.
    while (!lv.items.empty())
    {
        Item* item = lv.items.back().get();
        if (eachItem)
        {
            NotifyItem(lv, LVN_DELETEITEM, item->index, 0, item->param);
            if (lv.items.empty() || lv.items.back().get() != item)
                continue;
        }
        DropReferences(lv, *item);
        Unindex(lv, item);
        lv.items.pop_back();
        ++lv.removals;
    }
    lv.labels.Clear();
    lv.callbackLabels = 0;
    lv.selectedCount = 0;
    lv.top = 0;
    if (!destroying)
    {
        Layout(lv);
        Invalidate(lv);
    }
    return TRUE;
}

// ---- Finding ----

namespace
{

bool StartsWithFolded(const std::string& text, const std::string& foldedPrefix)
{
    if (text.size() < foldedPrefix.size())
        return false;
    for (size_t i = 0; i < foldedPrefix.size(); ++i)
    {
        if (UpperLatin1(text[i]) != foldedPrefix[i])
            return false;
    }
    return true;
}

// The first index in [first, end) of an item in `bucket`, or -1.
int FirstInRange(const std::vector<Item*>& bucket, int first, int end)
{
    int best = -1;
    for (const Item* item : bucket)
    {
        if (item->index >= first && item->index < end && (best < 0 || item->index < best))
            best = item->index;
    }
    return best;
}

} // namespace

int FindItem(ListView& lv, int start, const LVFINDINFOA& find)
{
    const int count = lv.Count();
    if (count == 0)
        return -1;
    // The start item itself is excluded; a wrapped search comes back round to it.
    int first = std::max(start + 1, 0);
    const bool wrap = (find.flags & LVFI_WRAP) != 0;
    if (first >= count)
    {
        if (!wrap)
            return -1;
        first = 0;
    }
    const bool byParam = (find.flags & LVFI_PARAM) != 0;
    const bool partial = (find.flags & (LVFI_PARTIAL | LVFI_SUBSTRING)) != 0;
    if (!byParam && (!(find.flags & (LVFI_STRING | LVFI_PARTIAL | LVFI_SUBSTRING)) || !find.psz))
        return -1;
    const std::string folded = byParam ? std::string() : Fold(find.psz);

    if (!byParam && !partial && lv.callbackLabels == 0)
    {
        const std::vector<Item*>* bucket = lv.labels.Find(folded);
        if (!bucket)
            return -1;
        const int found = FirstInRange(*bucket, first, count);
        if (found >= 0 || !wrap)
            return found;
        return FirstInRange(*bucket, 0, first);
    }

    auto matches = [&](int index) {
        const Item& item = *lv.items[static_cast<size_t>(index)];
        if (byParam)
            return item.param == find.lParam;
        const std::string label = item.labelCallback ? CellText(lv, item, 0) : std::string();
        const std::string& text = item.labelCallback ? label : item.label;
        if (partial)
            return StartsWithFolded(text, folded);
        return text.size() == folded.size() && StartsWithFolded(text, folded);
    };
    const std::uint64_t since = lv.removals;
    for (int i = first; i < lv.Count() && !lv.Disturbed(since); ++i)
    {
        if (matches(i))
            return i;
    }
    for (int i = 0; wrap && i < first && i < lv.Count() && !lv.Disturbed(since); ++i)
    {
        if (matches(i))
            return i;
    }
    return -1;
}

// ---- Sorting ----

BOOL SortItems(ListView& lv, PFNLVCOMPARE compare, LPARAM data, bool byIndex)
{
    if (!compare)
        return FALSE;
    // The callback sees each item's data (or its index before the sort) and may read items
    // with LVM_GETITEM meanwhile, so the list itself stays untouched until the order is known.
    struct Entry
    {
        LPARAM key;
        Item* item;
    };
    std::vector<Entry> order;
    order.reserve(lv.items.size());
    for (const auto& item : lv.items)
        order.push_back(
            Entry{byIndex ? static_cast<LPARAM>(item->index) : item->param, item.get()});
    const std::uint64_t since = lv.removals;
    std::stable_sort(order.begin(), order.end(), [compare, data](const Entry& a, const Entry& b) {
        return compare(a.key, b.key, data) < 0;
    });
    if (lv.Disturbed(since) || order.size() != lv.items.size())
        return FALSE;
    for (auto& item : lv.items)
        item.release();
    for (size_t i = 0; i < order.size(); ++i)
        lv.items[i].reset(order[i].item);
    Renumber(lv, 0);
    Invalidate(lv);
    return TRUE;
}

// ---- Columns ----

int InsertColumn(ListView& lv, int index, const LVCOLUMNA& in)
{
    if (index < 0)
        return -1;
    const int count = static_cast<int>(lv.columns.size());
    index = std::min(index, count);
    Column c;
    if (in.mask & LVCF_TEXT)
        c.text = HeaderText(in.pszText);
    if (in.mask & LVCF_WIDTH)
        c.width = std::max(0, in.cx);
    if (in.mask & LVCF_FMT)
        c.fmt = in.fmt;
    c.subItem = (in.mask & LVCF_SUBITEM) ? in.iSubItem : index;
    if (in.mask & LVCF_IMAGE)
        c.image = in.iImage;
    c.order = (in.mask & LVCF_ORDER) ? in.iOrder : index;
    // The first column holds the labels and is always left-aligned.
    if (index == 0)
        c.fmt &= ~LVCFMT_JUSTIFYMASK;
    lv.columns.insert(lv.columns.begin() + index, c);
    // Sub-items are numbered by column, so a column inserted before others moves their texts
    // along; the labels stay in the first column.
    if (index < count)
    {
        const size_t at = static_cast<size_t>(std::max(index - 1, 0));
        for (auto& item : lv.items)
        {
            if (item->subItems.size() > at)
                item->subItems.insert(item->subItems.begin() + static_cast<std::ptrdiff_t>(at),
                                      SubItem{});
        }
    }
    if (lv.header)
    {
        HDITEMA hdi{};
        hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
        hdi.pszText = const_cast<LPSTR>(c.text.c_str());
        hdi.cchTextMax = static_cast<int>(c.text.size());
        hdi.cxy = c.width;
        hdi.fmt = (c.fmt & LVCFMT_JUSTIFYMASK) | HDF_STRING;
        SendMessageA(lv.header, HDM_INSERTITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&hdi));
    }
    Layout(lv);
    Invalidate(lv);
    return index;
}

BOOL DeleteColumn(ListView& lv, int index)
{
    if (index < 0 || index >= static_cast<int>(lv.columns.size()))
        return FALSE;
    lv.columns.erase(lv.columns.begin() + index);
    const size_t at = static_cast<size_t>(std::max(index - 1, 0));
    for (auto& item : lv.items)
    {
        if (item->subItems.size() > at)
            item->subItems.erase(item->subItems.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (lv.header)
        SendMessageA(lv.header, HDM_DELETEITEM, static_cast<WPARAM>(index), 0);
    Layout(lv);
    Invalidate(lv);
    return TRUE;
}

BOOL GetColumn(const ListView& lv, int index, LVCOLUMNA& out)
{
    if (index < 0 || index >= static_cast<int>(lv.columns.size()))
        return FALSE;
    const Column& c = lv.columns[static_cast<size_t>(index)];
    if (out.mask & LVCF_FMT)
        out.fmt = c.fmt;
    if (out.mask & LVCF_WIDTH)
        out.cx = c.width;
    if (out.mask & LVCF_TEXT)
        CopyOut(c.text, out.pszText, out.cchTextMax);
    if (out.mask & LVCF_SUBITEM)
        out.iSubItem = c.subItem;
    if (out.mask & LVCF_IMAGE)
        out.iImage = c.image;
    if (out.mask & LVCF_ORDER)
        out.iOrder = c.order;
    return TRUE;
}

BOOL SetColumn(ListView& lv, int index, const LVCOLUMNA& in)
{
    if (index < 0 || index >= static_cast<int>(lv.columns.size()))
        return FALSE;
    Column& c = lv.columns[static_cast<size_t>(index)];
    UINT headerMask = 0;
    if (in.mask & LVCF_TEXT)
    {
        c.text = HeaderText(in.pszText);
        headerMask |= HDI_TEXT;
    }
    if (in.mask & LVCF_FMT)
    {
        c.fmt = index == 0 ? in.fmt & ~LVCFMT_JUSTIFYMASK : in.fmt;
        headerMask |= HDI_FORMAT;
    }
    if (in.mask & LVCF_SUBITEM)
        c.subItem = in.iSubItem;
    if (in.mask & LVCF_IMAGE)
        c.image = in.iImage;
    if (in.mask & LVCF_ORDER)
        c.order = in.iOrder;
    if (headerMask)
        SyncHeaderItem(lv, index, headerMask);
    Invalidate(lv);
    if (in.mask & LVCF_WIDTH)
        return SetColumnWidth(lv, index, std::max(0, in.cx));
    return TRUE;
}

BOOL SetColumnWidth(ListView& lv, int index, int width)
{
    if (index < 0 || index >= static_cast<int>(lv.columns.size()))
        return FALSE;
    const int padding = 2 * kColumnGap;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER)
    {
        const bool useHeader = width == LVSCW_AUTOSIZE_USEHEADER;
        int widest = 0;
        const std::uint64_t since = lv.removals;
        for (size_t i = 0; i < lv.items.size() && !lv.Disturbed(since); ++i)
        {
            const std::string text = CellText(lv, *lv.items[i], index);
            widest = std::max(widest, StringWidth(text.c_str()));
        }
        if (lv.Disturbed(since))
            return FALSE;
        if (useHeader)
            widest =
                std::max(widest, StringWidth(lv.columns[static_cast<size_t>(index)].text.c_str()));
        width = widest + padding;
        // The last column sized by its header takes whatever room the control has left.
        if (useHeader && index + 1 == static_cast<int>(lv.columns.size()))
        {
            RECT client{};
            GetClientRect(lv.hwnd, &client);
            width = std::max(width, static_cast<int>(client.right) - ColumnLeft(lv, index));
        }
    }
    else if (width < 0)
        width = 0;
    if (lv.header)
    {
        HDITEMA hdi{};
        hdi.mask = HDI_WIDTH;
        hdi.cxy = width;
        // The header tells the list (and, through it, the parent) of the change.
        SendMessageA(lv.header, HDM_SETITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&hdi));
    }
    else
        ColumnWidthChanged(lv, index, width);
    return TRUE;
}

void ColumnWidthChanged(ListView& lv, int index, int width)
{
    if (index < 0 || index >= static_cast<int>(lv.columns.size()))
        return;
    lv.columns[static_cast<size_t>(index)].width = std::max(0, width);
    Layout(lv);
    Invalidate(lv);
}

} // namespace platform::listview
