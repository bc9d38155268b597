// The integration library stand-in's Find dialog (see find_dialog.h).
//
// Does not do:
// - Search alternate names or any criterion beyond name and formula.
// - Remember anything between two runs: each Launch starts from the request.
#include "find_dialog.h"

#include "xeld_ids.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

namespace xeld
{
namespace
{

// The databank record's layout: only the fields this dialog reads.
constexpr std::size_t kRecordSize = 244;
constexpr std::size_t kFormulaOffset = 0, kFormulaSize = 16;
constexpr std::size_t kNameOffset = 16, kNameSize = 64;

std::string Field(const void* record, std::size_t offset, std::size_t size)
{
    const char* text = static_cast<const char*>(record) + offset;
    return std::string(text, strnlen(text, size));
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string WindowText(HWND hwnd)
{
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class FindDialog
{
public:
    explicit FindDialog(const FindRequest& request) : m_request(request) {}

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        auto* self = reinterpret_cast<FindDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
        if (self == nullptr)
            return FALSE;
        switch (message)
        {
        case WM_INITDIALOG:
            return self->OnInitDialog(hwnd);
        case WM_COMMAND:
            return self->OnCommand(LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
        }
    }

private:
    INT_PTR OnInitDialog(HWND hwnd)
    {
        m_hwnd = hwnd;
        HWND list = Item(IDC_XELD_DATABANKS);
        for (const std::string& databank : m_request.databanks)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(databank.c_str()));
        // Every databank is searched unless the user narrows the choice.
        SendMessageA(list, LB_SETSEL, TRUE, -1);
        if (!m_request.showDatabanks)
        {
            ShowWindow(list, SW_HIDE);
            ShowWindow(Item(IDC_XELD_DATABANKS_LABEL), SW_HIDE);
        }
        SetWindowTextA(Item(IDC_XELD_TEXT), m_request.initialText.c_str());
        SetStatus(m_request.databanks.empty() ? "No databanks to search" : "");
        // The user starts with the text, ready to type over it.
        HWND text = Item(IDC_XELD_TEXT);
        SetFocus(text);
        SendMessageA(text, EM_SETSEL, 0, -1);
        return FALSE;
    }

    INT_PTR OnCommand(int id, int code)
    {
        switch (id)
        {
        case IDC_XELD_SEARCH:
            OnSearch();
            return TRUE;
        case IDC_XELD_ADD:
            OnAdd();
            return TRUE;
        case IDC_XELD_RESULTS:
            if (code == LBN_DBLCLK)
                OnAdd();
            return TRUE;
        case IDCANCEL:
            EndDialog(m_hwnd, m_added);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void OnSearch()
    {
        std::vector<std::string> chosen = ChosenDatabanks();
        if (m_request.setSelDbanks != nullptr)
        {
            // The choice becomes the simulation's databank selection, as in the real product.
            std::vector<const char*> names;
            for (const std::string& name : chosen)
                names.push_back(name.c_str());
            m_request.setSelDbanks(names.data(), static_cast<int>(names.size()));
        }
        m_found.clear();
        HWND results = Item(IDC_XELD_RESULTS);
        SendMessageA(results, LB_RESETCONTENT, 0, 0);
        if (m_request.enumDbank == nullptr)
        {
            SetStatus("The databanks cannot be read");
            return;
        }
        std::string text = Upper(WindowText(Item(IDC_XELD_TEXT)));
        std::set<std::string> seen;
        char record[kRecordSize];
        for (const std::string& databank : chosen)
        {
            for (int more = m_request.enumDbank(databank.c_str(), record, 1); more == 1;
                 more = m_request.enumDbank(databank.c_str(), record, 0))
            {
                std::string name = Field(record, kNameOffset, kNameSize);
                if (!MatchesFindText(record, text) || !seen.insert(Upper(name)).second)
                    continue;
                m_found.push_back({databank, name, Field(record, kFormulaOffset, kFormulaSize)});
                SendMessageA(results, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(ResultLine(m_found.back()).c_str()));
            }
        }
        SetStatus(std::to_string(m_found.size()) + " found");
    }

    void OnAdd()
    {
        auto index = static_cast<int>(SendMessageA(Item(IDC_XELD_RESULTS), LB_GETCURSEL, 0, 0));
        if (index < 0 || index >= static_cast<int>(m_found.size()))
        {
            SetStatus("Choose a component first");
            return;
        }
        const Found& found = m_found[index];
        std::string id = WindowText(Item(IDC_XELD_ID));
        // Only the first component added takes the caller's position; the rest are appended.
        int position = m_added == 0 && m_request.insertPos != 0 ? m_request.insertPos : -1;
        int done = m_request.insertCompExt != nullptr
                       ? m_request.insertCompExt(found.databank.c_str(), found.name.c_str(),
                                                 id.empty() ? nullptr : id.c_str(), position)
                       : 0;
        if (done == 1)
        {
            ++m_added;
            SetStatus("Added " + found.name);
            SetWindowTextA(Item(IDC_XELD_ID), "");
        }
        else
        {
            SetStatus(found.name + " was not added");
        }
    }

    std::vector<std::string> ChosenDatabanks()
    {
        if (!m_request.showDatabanks)
            return m_request.databanks;
        std::vector<std::string> chosen;
        HWND list = Item(IDC_XELD_DATABANKS);
        for (std::size_t i = 0; i < m_request.databanks.size(); ++i)
        {
            if (SendMessageA(list, LB_GETSEL, i, 0) > 0)
                chosen.push_back(m_request.databanks[i]);
        }
        return chosen;
    }

    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    void SetStatus(const std::string& text) { SetWindowTextA(Item(IDC_XELD_STATUS), text.c_str()); }

    const FindRequest& m_request;
    HWND m_hwnd = nullptr;
    std::vector<Found> m_found;
    int m_added = 0;
};

} // namespace

bool MatchesFindText(const void* record, std::string_view text)
{
    std::string name = Upper(Field(record, kNameOffset, kNameSize));
    std::string formula = Upper(Field(record, kFormulaOffset, kFormulaSize));
    std::string upper = Upper(std::string(text));
    return name.find(upper) != std::string::npos || formula.rfind(upper, 0) == 0;
}

std::string ResultLine(const Found& found)
{
    return found.name + " (" + found.formula + ", " + found.databank + ")";
}

int RunFindDialog(HMODULE resources, const FindRequest& request)
{
    FindDialog dialog(request);
    INT_PTR result = DialogBoxParamA(resources, MAKEINTRESOURCEA(IDD_XELD_FIND), GetActiveWindow(),
                                     &FindDialog::Proc, reinterpret_cast<LPARAM>(&dialog));
    return result < 0 ? 0 : static_cast<int>(result);
}

} // namespace xeld
