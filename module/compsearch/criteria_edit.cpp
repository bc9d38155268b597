// The typing filter of the Find's numeric criteria (see criteria_edit.h).
#include "compsearch/criteria_edit.h"

bool AcceptsCriteriaChar(CriteriaKind kind, UINT nChar)
{
    if (nChar == VK_BACK || (nChar >= '0' && nChar <= '9'))
        return true;
    return nChar == (kind == CriteriaKind::kNumber ? '.' : '-');
}

BEGIN_MESSAGE_MAP(CCriteriaEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

void CCriteriaEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!AcceptsCriteriaChar(m_kind, nChar))
    {
        ::MessageBeep(0);
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}
