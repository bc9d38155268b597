// Dialog data exchange: UpdateData, CDataExchange, the DDX_ transfers and DDV_ checks.
//
// Numbers are read as MFC reads them: blanks around an optional sign and decimal digits (or a C
// floating-point number); anything else, an empty field or a value out of the type's range shows
// MFC's prompt and fails. The prompts are MFC's English texts unless the application's string
// table has its own text under the same id.
//
// Does NOT do:
// - DDX for OLE controls, date/time, month calendar, IP address, slider, scroll bar, currency,
//   COleDateTime and 64-bit integers (long is 64-bit here and is read with Win32's 32-bit range).
// - Reporting anything but a CUserException in a message box: other exceptions leaving
//   DoDataExchange are written to standard error, and UpdateData returns FALSE.
#include "wnd_state.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

using platform::mfc::ThisThreadWndState;

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CUserException::CUserException() : CSimpleException(TRUE) {}

CUserException::CUserException(BOOL bAutoDelete) : CSimpleException(bAutoDelete) {}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

// ---- UpdateData ----

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // The controls' change notifications while values go in are not the user's doing.
    auto& state = ThisThreadWndState();
    HWND previousLockout = state.lockoutNotifyWindow;
    state.lockoutNotifyWindow = m_hWnd;
    BOOL ok = FALSE;
    try
    {
        DoDataExchange(&dx);
        ok = TRUE;
    }
    catch (CUserException* e)
    {
        // Validation failed and the user has been told.
        e->Delete();
    }
    catch (CException* e)
    {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        std::fprintf(stderr, "UpdateData: %s\n", text);
        e->Delete();
    }
    catch (const std::exception& e)
    {
        std::fprintf(stderr, "UpdateData: %s\n", e.what());
    }
    state.lockoutNotifyWindow = previousLockout;
    return ok;
}

// ---- CDataExchange ----

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (control == nullptr)
    {
        std::fprintf(stderr, "DDX: the dialog has no control with id %d\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_idLastControl = static_cast<UINT>(nIDC);
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != 0)
    {
        // Back to the offending field, its text selected so that typing replaces it.
        HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl));
        if (control != nullptr)
        {
            ::SetFocus(control);
            if (m_bEditLastControl)
                ::SendMessageA(control, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

// ---- Prompts ----

namespace
{

LPCSTR BuiltInPrompt(UINT id)
{
    switch (id)
    {
    case AFX_IDP_PARSE_INT:
        return "Please enter an integer.";
    case AFX_IDP_PARSE_REAL:
        return "Please enter a number.";
    case AFX_IDP_PARSE_INT_RANGE:
        return "Please enter an integer between %1 and %2.";
    case AFX_IDP_PARSE_REAL_RANGE:
        return "Please enter a number between %1 and %2.";
    case AFX_IDP_PARSE_STRING_SIZE:
        return "Enter no more than %1 characters.";
    case AFX_IDP_PARSE_RADIO_BUTTON:
        return "Please select a button.";
    case AFX_IDP_PARSE_BYTE:
        return "Please enter an integer between 0 and 255.";
    case AFX_IDP_PARSE_UINT:
        return "Please enter a positive integer.";
    default:
        return "";
    }
}

CString LoadPrompt(UINT id)
{
    CString text;
    if (!text.LoadString(id))
        text = BuiltInPrompt(id);
    return text;
}

// Tells the user why the field is wrong, then fails the exchange.
[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT id, const CString& text, UINT type)
{
    AfxMessageBox(text, type, id);
    pDX->Fail();
}

[[noreturn]] void FailWithPrompt(CDataExchange* pDX, UINT id)
{
    FailWithPrompt(pDX, id, LoadPrompt(id), MB_OK);
}

} // namespace

void AFXAPI AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz,
                             int nString)
{
    std::string out;
    for (const char* p = lpszFormat; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' && p[1] - '1' < nString)
        {
            const char* insert = rglpsz[p[1] - '1'];
            out += insert != nullptr ? insert : "";
            ++p;
        }
        else
        {
            out += *p;
        }
    }
    rString = out.c_str();
}

void AFXAPI AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1)
{
    CString format = LoadPrompt(nIDS);
    AfxFormatStrings(rString, format, &lpsz1, 1);
}

void AFXAPI AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    CString format = LoadPrompt(nIDS);
    LPCTSTR strings[2] = {lpsz1, lpsz2};
    AfxFormatStrings(rString, format, strings, 2);
}

void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew)
{
    const int length = ::lstrlenA(lpszNew);
    std::string old(static_cast<size_t>(length) + 2, '\0');
    // One character more than the new text tells a longer old text apart.
    const int oldLength = ::GetWindowTextA(hWndCtrl, old.data(), length + 2);
    if (oldLength != length || std::strncmp(old.c_str(), lpszNew, static_cast<size_t>(length)) != 0)
        ::SetWindowTextA(hWndCtrl, lpszNew);
}

BOOL AFXAPI AfxHelpEnabled()
{
    AFX_CMDHANDLERINFO info{};
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd != nullptr && mainWnd->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, &info);
}

// ---- Text ----

namespace
{

std::string ControlText(HWND control)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
    int length = ::GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// [blanks][sign]digits[blanks] within [low, high].
bool ParseInteger(const std::string& text, long long low, long long high, bool allowMinus,
                  long long& value)
{
    const char* p = text.c_str();
    while (IsBlank(*p))
        ++p;
    if (*p == '-' && !allowMinus)
        return false;
    const char* start = p;
    if (*p == '+' || *p == '-')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(start, &end, 10);
    if (errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end != '\0' || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ParseReal(const std::string& text, double& value)
{
    const char* p = text.c_str();
    while (IsBlank(*p))
        ++p;
    char* end = nullptr;
    double parsed = std::strtod(p, &end);
    if (end == p)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end != '\0')
        return false;
    value = parsed;
    return true;
}

template <class T>
void TextInteger(CDataExchange* pDX, int nIDC, T& value, long long low, long long high, UINT prompt)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        long long parsed = 0;
        if (!ParseInteger(ControlText(control), low, high, low < 0, parsed))
            FailWithPrompt(pDX, prompt);
        value = static_cast<T>(parsed);
    }
    else
    {
        AfxSetWindowText(control, std::to_string(value).c_str());
    }
}

template <class T> void TextReal(CDataExchange* pDX, int nIDC, T& value, int digits)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double parsed = 0;
        if (!ParseReal(ControlText(control), parsed))
            FailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
        value = static_cast<T>(parsed);
    }
    else
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        AfxSetWindowText(control, text);
    }
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(control).c_str();
    else
        AfxSetWindowText(control, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        ::GetWindowTextA(control, value, nMaxLen);
    }
    else
    {
        // The field cannot take more than the buffer holds.
        ::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(nMaxLen - 1), 0);
        AfxSetWindowText(control, value);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    TextInteger(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    TextInteger(pDX, nIDC, value, 0, UINT_MAX, AFX_IDP_PARSE_UINT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    TextInteger(pDX, nIDC, value, INT_MIN, INT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    TextInteger(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, AFX_IDP_PARSE_INT);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    TextInteger(pDX, nIDC, value, 0, UCHAR_MAX, AFX_IDP_PARSE_BYTE);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    TextReal(pDX, nIDC, value, DBL_DIG);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    TextReal(pDX, nIDC, value, FLT_DIG);
}

// ---- Buttons ----

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    }
    else
    {
        if (value < 0 || value > 2)
        {
            TRACE("DDX_Check: value %d is not a check state; 0 is used\n", value);
            value = 0;
        }
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
    int index = 0;
    do
    {
        if (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(control, BM_GETCHECK, 0, 0) != 0 && value == -1)
                    value = index;
            }
            else
            {
                ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED,
                               0);
            }
            ++index;
        }
        control = ::GetWindow(control, GW_HWNDNEXT);
    } while (control != nullptr && !(::GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}

// ---- Combo boxes and list boxes ----

namespace
{

std::string ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index)
{
    LRESULT length = ::SendMessageA(control, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = ::SendMessageA(control, textMessage, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// A drop-down list's text is its selected item; a combo box with an edit has its own text.
std::string ComboText(HWND control)
{
    const DWORD kind = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & 0x3;
    if (kind == CBS_DROPDOWNLIST)
    {
        LRESULT selection = ::SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (selection >= 0)
            return ItemText(control, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(selection));
    }
    return ControlText(control);
}

HWND PrepareCombo(CDataExchange* pDX, int nIDC)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    // A combo box the user types into fails like an edit: focus back, text selected.
    if ((static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & 0x3) != CBS_DROPDOWNLIST)
        pDX->m_bEditLastControl = TRUE;
    return control;
}

} // namespace

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = PrepareCombo(pDX, nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = ComboText(control).c_str();
    }
    else if (::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == CB_ERR)
    {
        // No item starts with it: it goes into the edit (a drop-down list ignores it).
        AfxSetWindowText(control, value);
    }
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = PrepareCombo(pDX, nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = ComboText(control).c_str();
        return;
    }
    LRESULT index = ::SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    if (index < 0)
        AfxSetWindowText(control, value);
    else
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        LRESULT selection = ::SendMessageA(control, LB_GETCURSEL, 0, 0);
        value =
            selection >= 0
                ? ItemText(control, LB_GETTEXTLEN, LB_GETTEXT, static_cast<int>(selection)).c_str()
                : "";
    }
    else if (::SendMessageA(control, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value))) == LB_ERR)
    {
        TRACE("DDX_LBString: no item starts with \"%s\"\n", static_cast<LPCTSTR>(value));
    }
}

void AFXAPI DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        DDX_LBString(pDX, nIDC, value);
        return;
    }
    LRESULT index = ::SendMessageA(control, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    if (index >= 0)
        ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(control, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// ---- Controls ----

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    // Only the first exchange subclasses; later ones find the control attached.
    if (rControl.m_hWnd != nullptr)
        return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(control))
        AfxThrowNotSupportedException();
}

// ---- Validation ----

namespace
{

// Only when saving: out-of-range initial values are the program's business, not the user's.
[[noreturn]] void FailRange(CDataExchange* pDX, UINT prompt, const char* low, const char* high)
{
    CString text;
    AfxFormatString2(text, prompt, low, high);
    FailWithPrompt(pDX, prompt, text, MB_ICONEXCLAMATION);
}

void CheckInteger(CDataExchange* pDX, long long value, long long low, long long high)
{
    if (!pDX->m_bSaveAndValidate || (value >= low && value <= high))
        return;
    FailRange(pDX, AFX_IDP_PARSE_INT_RANGE, std::to_string(low).c_str(),
              std::to_string(high).c_str());
}

void CheckReal(CDataExchange* pDX, double value, double low, double high, int digits)
{
    if (!pDX->m_bSaveAndValidate || (value >= low && value <= high))
        return;
    char lowText[64];
    char highText[64];
    std::snprintf(lowText, sizeof lowText, "%.*g", digits, low);
    std::snprintf(highText, sizeof highText, "%.*g", digits, high);
    FailRange(pDX, AFX_IDP_PARSE_REAL_RANGE, lowText, highText);
}

} // namespace

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars)
    {
        CString text;
        AfxFormatString1(text, AFX_IDP_PARSE_STRING_SIZE, std::to_string(nChars).c_str());
        FailWithPrompt(pDX, AFX_IDP_PARSE_STRING_SIZE, text, MB_ICONEXCLAMATION);
    }
    else if (!pDX->m_bSaveAndValidate && pDX->m_idLastControl != 0 && pDX->m_bEditLastControl)
    {
        // When the values go in, the field is limited so the user cannot type too much.
        HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, static_cast<int>(pDX->m_idLastControl));
        ::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal)
{
    CheckInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal)
{
    CheckInteger(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    CheckReal(pDX, value, minVal, maxVal, DBL_DIG);
}

void AFXAPI DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal)
{
    CheckReal(pDX, value, minVal, maxVal, FLT_DIG);
}
