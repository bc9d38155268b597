// A modal dialog holding one list view, on a user-interface thread, whose dialog procedure
// records the notifications the list sends, for tests that drive the list as code and as a user.
#pragma once
#include "platform/automation.h"
#include "platform/automation_listview.h"
#include "platform/render.h"
#include "platform/ui_thread.h"
#include "user/template_builder.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace listview_test
{

// One WM_NOTIFY as the parent saw it. Fields that the notification's structure lacks stay -1.
struct Note
{
    UINT code;
    int item = -1;
    UINT newState = 0;
    UINT oldState = 0;
    bool operator==(const Note&) const = default;
};

inline const char* CodeName(UINT code)
{
    switch (code)
    {
    case LVN_ITEMCHANGING:
        return "LVN_ITEMCHANGING";
    case LVN_ITEMCHANGED:
        return "LVN_ITEMCHANGED";
    case LVN_INSERTITEM:
        return "LVN_INSERTITEM";
    case LVN_DELETEITEM:
        return "LVN_DELETEITEM";
    case LVN_DELETEALLITEMS:
        return "LVN_DELETEALLITEMS";
    case LVN_COLUMNCLICK:
        return "LVN_COLUMNCLICK";
    case LVN_ITEMACTIVATE:
        return "LVN_ITEMACTIVATE";
    case LVN_KEYDOWN:
        return "LVN_KEYDOWN";
    case LVN_GETDISPINFOA:
        return "LVN_GETDISPINFO";
    case NM_CLICK:
        return "NM_CLICK";
    case NM_DBLCLK:
        return "NM_DBLCLK";
    case NM_RCLICK:
        return "NM_RCLICK";
    case NM_RETURN:
        return "NM_RETURN";
    case NM_SETFOCUS:
        return "NM_SETFOCUS";
    case NM_KILLFOCUS:
        return "NM_KILLFOCUS";
    case HDN_ITEMCLICKA:
        return "HDN_ITEMCLICK";
    case HDN_ITEMCHANGINGA:
        return "HDN_ITEMCHANGING";
    case HDN_ITEMCHANGEDA:
        return "HDN_ITEMCHANGED";
    case HDN_BEGINTRACKA:
        return "HDN_BEGINTRACK";
    case HDN_TRACKA:
        return "HDN_TRACK";
    case HDN_ENDTRACKA:
        return "HDN_ENDTRACK";
    }
    return "(other)";
}

inline void PrintTo(const Note& n, std::ostream* os)
{
    *os << CodeName(n.code) << "(item " << n.item << ", new " << n.newState << ", old "
        << n.oldState << ")";
}

// Shorthands for expected tables.
inline Note Changing(int item, UINT newState, UINT oldState)
{
    return Note{LVN_ITEMCHANGING, item, newState, oldState};
}
inline Note Changed(int item, UINT newState, UINT oldState)
{
    return Note{LVN_ITEMCHANGED, item, newState, oldState};
}
inline Note Code(UINT code, int item = -1)
{
    return Note{code, item, 0, 0};
}

constexpr UINT Sel = LVIS_SELECTED;
constexpr UINT Foc = LVIS_FOCUSED;

struct Record
{
    std::mutex mutex;
    std::vector<Note> notes;
    // Answers the parent gives.
    LRESULT deleteAllAnswer = FALSE;
    int refuseChangingOf = -2;
    // The LVN_GETDISPINFO text for callback items: "cb" + item + "." + sub-item.
    bool answerDispInfo = true;
    // The labels of items as the parent saw them in LVN_DELETEITEM, read back from the list.
    std::vector<std::string> deletedLabels;
};

inline Record& Recorded()
{
    static Record record;
    return record;
}

inline INT_PTR CALLBACK RecordingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK)
        return EndDialog(dialog, IDOK);
    if (msg != WM_NOTIFY)
        return FALSE;
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    Record& r = Recorded();
    Note note{hdr->code};
    LRESULT answer = 0;
    switch (hdr->code)
    {
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED:
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
    case LVN_COLUMNCLICK:
    case LVN_ITEMACTIVATE:
    case NM_CLICK:
    case NM_DBLCLK:
    case NM_RCLICK: {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
        note.item = hdr->code == LVN_COLUMNCLICK ? nm->iSubItem : nm->iItem;
        if (hdr->code == LVN_ITEMCHANGING || hdr->code == LVN_ITEMCHANGED)
        {
            note.newState = nm->uNewState;
            note.oldState = nm->uOldState;
        }
        if (hdr->code == LVN_ITEMCHANGING)
        {
            std::lock_guard g(r.mutex);
            answer = nm->iItem == r.refuseChangingOf;
        }
        if (hdr->code == LVN_DELETEALLITEMS)
        {
            std::lock_guard g(r.mutex);
            answer = r.deleteAllAnswer;
        }
        if (hdr->code == LVN_DELETEITEM)
        {
            char text[64] = {};
            LVITEMA item{};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(hdr->hwndFrom, LVM_GETITEMTEXTA, static_cast<WPARAM>(nm->iItem),
                         reinterpret_cast<LPARAM>(&item));
            std::lock_guard g(r.mutex);
            r.deletedLabels.push_back(text);
        }
        break;
    }
    case LVN_KEYDOWN:
        note.item = reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey;
        break;
    case HDN_ITEMCLICKA:
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGEDA:
    case HDN_BEGINTRACKA:
    case HDN_TRACKA:
    case HDN_ENDTRACKA:
        note.item = reinterpret_cast<const NMHEADERA*>(lParam)->iItem;
        break;
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(lParam);
        std::lock_guard g(r.mutex);
        if (r.answerDispInfo && (info->item.mask & LVIF_TEXT))
            wsprintfA(info->item.pszText, "cb%d.%d", info->item.iItem, info->item.iSubItem);
        // Painting asks for callback texts too; the tests count only what they cause.
        return TRUE;
    }
    }
    {
        std::lock_guard g(r.mutex);
        r.notes.push_back(note);
    }
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, answer);
    return TRUE;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

class ListViewTest : public ::testing::Test
{
protected:
    static constexpr const char* Title = "List under test";
    static constexpr int IdList = 100;
    static constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

    platform::UiThread ui;
    std::unique_ptr<platform::TemplateBuilder> dialogTemplate;
    HWND dialog = nullptr;
    HWND list = nullptr;

    void SetUp() override
    {
        Record& r = Recorded();
        std::lock_guard g(r.mutex);
        r.notes.clear();
        r.deletedLabels.clear();
        r.deleteAllAnswer = FALSE;
        r.refuseChangingOf = -2;
        r.answerDispInfo = true;
    }

    void TearDown() override
    {
        if (!dialog)
            return;
        ui.Run([this] { return static_cast<LRESULT>(EndDialog(dialog, 0)); });
        EXPECT_TRUE(ui.Finish());
    }

    // Shows a dialog with the list (cx x cy dialog units, which is 8 rows per page for the
    // default 80) and an OK button, modally, and waits until it is up and idle.
    void Show(DWORD style = 0, short cx = 150, short cy = 80)
    {
        // The template stays alive with the fixture, until after the dialog has ended.
        dialogTemplate = std::make_unique<platform::TemplateBuilder>(
            WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 10, 10,
            static_cast<short>(cx + 20), static_cast<short>(cy + 40), Title);
        platform::TemplateBuilder* current = dialogTemplate.get();
        current->Add(WC_LISTVIEWA, "", IdList, Child | WS_BORDER | WS_TABSTOP | LVS_REPORT | style,
                     5, 5, cx, cy);
        current->Add("Button", "OK", IDOK, Child | WS_TABSTOP | BS_DEFPUSHBUTTON, 5,
                     static_cast<short>(cy + 12), 40, 14);
        const DLGTEMPLATE* t = current->Get();
        HWND owner = ui.MainWindow();
        ui.Begin([t, owner] {
            return static_cast<LRESULT>(
                DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t, owner, RecordingProc, 0));
        });
        dialog = platform::automation::WaitForWindow("#32770", Title);
        ASSERT_NE(dialog, nullptr) << platform::automation::LastFailure();
        list = GetDlgItem(dialog, IdList);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(platform::automation::WaitIdle(dialog));
    }

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(list, msg, wParam, lParam);
    }

    int AddColumn(const char* title, int width, int fmt = LVCFMT_LEFT, int at = 1000)
    {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = const_cast<LPSTR>(title);
        column.cx = width;
        column.fmt = fmt;
        return static_cast<int>(
            Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&column)));
    }

    // Inserts a row at `at` (the end by default) with its texts for the columns in order.
    int AddRow(const std::vector<std::string>& texts, LPARAM data = 0, int at = 1 << 30)
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = at;
        item.pszText = const_cast<LPSTR>(texts.empty() ? "" : texts[0].c_str());
        item.lParam = data;
        const int index =
            static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t c = 1; c < texts.size() && index >= 0; ++c)
            SetText(index, static_cast<int>(c), texts[c].c_str());
        return index;
    }

    BOOL SetText(int row, int column, const char* text)
    {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<LPSTR>(text);
        return static_cast<BOOL>(
            Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    }

    std::string Text(int row, int column = 0)
    {
        return platform::automation::RowText(list, row, column);
    }

    BOOL SetState(int row, UINT state, UINT mask)
    {
        LVITEMA item{};
        item.state = state;
        item.stateMask = mask;
        return static_cast<BOOL>(
            Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    }

    UINT State(int row, UINT mask = Sel | Foc)
    {
        return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask));
    }

    int Find(UINT flags, const char* text, int start = -1)
    {
        LVFINDINFOA find{};
        find.flags = flags;
        find.psz = text;
        return static_cast<int>(
            Send(LVM_FINDITEMA, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(&find)));
    }

    int Top() { return static_cast<int>(Send(LVM_GETTOPINDEX)); }

    std::vector<Note> Notes()
    {
        platform::automation::WaitIdle(dialog);
        std::lock_guard g(Recorded().mutex);
        return Recorded().notes;
    }

    // The notes of the codes that matter for selection (no focus or key notes).
    std::vector<Note> NotesOf(std::initializer_list<UINT> codes)
    {
        std::vector<Note> kept;
        for (const Note& n : Notes())
        {
            for (UINT c : codes)
            {
                if (n.code == c)
                    kept.push_back(n);
            }
        }
        return kept;
    }

    void Clear()
    {
        platform::automation::WaitIdle(dialog);
        std::lock_guard g(Recorded().mutex);
        Recorded().notes.clear();
        Recorded().deletedLabels.clear();
    }

    std::vector<std::string> Rows() { return Lines(platform::Snapshot(list)); }
};

} // namespace listview_test
