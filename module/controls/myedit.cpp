// The filters act on WM_CHAR so that every typed character, however it was produced, is judged
// before the edit control inserts it. They look at the text, not at the selection, and at most
// at its first 15 characters, which is all the fields they guard ever need.
//
// It does NOT:
// - filter text that arrives by WM_PASTE, WM_SETTEXT or EM_REPLACESEL;
// - let the clipboard and undo shortcuts through: Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+Z arrive as
//   the control characters 3, 24, 22 and 26 and are refused like any other.
#include "controls/myedit.h"

#include <cstring>
#include <string_view>

namespace
{

constexpr int kRealFilter = 1;
constexpr int kIdentifierFilter = 2;

// EM_GETLINE reads at most this many characters; only they are examined.
constexpr int kExamined = 15;

bool IsLetterOrDigit(UINT c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsExponentLetter(char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

} // namespace

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

BOOL CMyEdit::SubclassEdit(UINT nID, CWnd* pParent, WORD nKind)
{
    m_nKind = nKind;
    m_nFilter = nKind == kRealNumber ? kRealFilter : kIdentifierFilter;
    if (pParent == nullptr || ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)) == nullptr)
        return FALSE;
    return SubclassDlgItem(nID, pParent);
}

void CMyEdit::RefuseChar()
{
    MessageBeep(0);
}

bool CMyEdit::AcceptsIdentifierChar(UINT nChar, bool empty) const
{
    if (IsLetterOrDigit(nChar) || nChar == '\r' || nChar == '\b')
        return true;
    // An id starts with a letter or a digit; punctuation may follow.
    static constexpr char kPunctuation[] = "$,:+-;/=*.&()[]{}<>";
    return !empty && nChar != 0 && nChar < 0x80 &&
           std::strchr(kPunctuation, static_cast<int>(nChar)) != nullptr;
}

void CMyEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    char line[kExamined + 1] = {};
    const int n = GetLine(0, line, kExamined);
    const std::string_view text(line, n > 0 ? static_cast<size_t>(n) : 0);

    if (m_nFilter == kIdentifierFilter)
    {
        if (!AcceptsIdentifierChar(nChar, text.empty()))
        {
            RefuseChar();
            return;
        }
    }
    else if (m_nFilter == kRealFilter)
    {
        const bool allowed = (nChar >= '0' && nChar <= '9') || nChar == '.' || nChar == '\b' ||
                             nChar == '-' || nChar == '+' || nChar == 'd' || nChar == 'D' ||
                             nChar == 'e' || nChar == 'E';
        if (!allowed)
        {
            RefuseChar();
            return;
        }
        // A number has one point and one exponent letter at most; these beep without
        // RefuseChar because the character itself belongs to the set.
        if (nChar == '.' && text.find('.') != std::string_view::npos)
        {
            MessageBeep(0);
            return;
        }
        if (IsExponentLetter(static_cast<char>(nChar)))
        {
            for (char c : text)
            {
                if (IsExponentLetter(c))
                {
                    MessageBeep(0);
                    return;
                }
            }
        }
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
