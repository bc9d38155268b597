// Fuzz target: random key sequences typed into the two kinds of filtered edit control.
//
// The fuzzer's thread owns a modeless dialog with one identifier field and one real number
// field, and delivers every key through the platform's input queue (SendInput, then the
// thread's own message loop with TranslateMessage), so each character reaches the control as a
// user's would. Before each character the target decides from the filter's rules alone whether
// it must be refused, and checks:
// - a refused character leaves the text as it was and beeps exactly once;
// - an accepted printable character, typed with no selection into a field below its limit,
//   lengthens the text by one and does not beep;
// - the text never holds a character outside the filter's set;
// - while the whole text is examined (15 characters at most) and was typed at its end only, a
//   real number field never holds two points or two exponent letters.
//
// Input bytes: the first chooses the field and whether its limit is 15 characters; then
// 0x00-0x07 are editing keys (arrows, Home, End, Delete, with and without Shift) and every
// other byte is typed as a character, control characters included.
#include "controls/myedit.h"

#include "platform/user.h"
#include "user/template_builder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

enum
{
    IDC_IDENT = 1001,
    IDC_REAL = 1002,
};

constexpr size_t kExamined = 15;

struct Fields
{
    HWND dialog = nullptr;
    CMyEdit ident;
    CMyEdit real;
};

INT_PTR CALLBACK FieldsProc(HWND dlg, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg != WM_INITDIALOG)
        return FALSE;
    auto* fields = reinterpret_cast<Fields*>(lParam);
    CWnd* parent = CWnd::FromHandle(dlg);
    fields->ident.SubclassEdit(IDC_IDENT, parent, CMyEdit::kIdentifier);
    fields->real.SubclassEdit(IDC_REAL, parent, CMyEdit::kRealNumber);
    return TRUE;
}

Fields& TheFields()
{
    static Fields fields;
    static bool created = false;
    if (!created)
    {
        created = true;
        platform::TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 60, "Fuzz");
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
        t.Add("Edit", "", IDC_IDENT, style, 10, 10, 120, 14);
        t.Add("Edit", "", IDC_REAL, style, 10, 30, 120, 14);
        fields.dialog = CreateDialogIndirectParamA(nullptr, t.Get(), nullptr, FieldsProc,
                                                   reinterpret_cast<LPARAM>(&fields));
        if (!fields.dialog)
            std::abort();
        SetForegroundWindow(fields.dialog);
    }
    return fields;
}

// Handles everything the input queue holds, as the thread's message loop would.
void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void SendKey(WORD vk, WORD ch, DWORD flags)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = ch;
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

void PressKey(WORD vk, bool shift)
{
    if (shift)
        SendKey(VK_SHIFT, 0, 0);
    SendKey(vk, 0, 0);
    SendKey(vk, 0, KEYEVENTF_KEYUP);
    if (shift)
        SendKey(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    Pump();
}

void TypeChar(unsigned char c)
{
    SendKey(0, c, KEYEVENTF_UNICODE);
    SendKey(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    Pump();
}

std::string TextOf(HWND edit)
{
    char buffer[512] = "";
    GetWindowTextA(edit, buffer, sizeof buffer);
    return buffer;
}

bool IsAsciiLetterOrDigit(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsIdPunctuation(unsigned char c)
{
    return c != 0 && std::strchr("$,:+-;/=*.&()[]{}<>", c) != nullptr;
}

bool IsExponentLetter(unsigned char c)
{
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// The filter's verdict on c, from the rules and the examined start of the text.
bool MustRefuse(bool identifier, const std::string& text, unsigned char c)
{
    const std::string examined = text.substr(0, kExamined);
    if (identifier)
    {
        if (IsAsciiLetterOrDigit(c) || c == '\r' || c == '\b')
            return false;
        return examined.empty() || !IsIdPunctuation(c);
    }
    if (c == '.')
        return examined.find('.') != std::string::npos;
    if (IsExponentLetter(c))
        return examined.find_first_of("eEdD") != std::string::npos;
    return !((c >= '0' && c <= '9') || c == '\b' || c == '-' || c == '+');
}

bool InFilterSet(bool identifier, unsigned char c)
{
    if (identifier)
        return IsAsciiLetterOrDigit(c) || IsIdPunctuation(c);
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || IsExponentLetter(c);
}

[[noreturn]] void Fail(const char* what, const std::string& before, const std::string& after,
                       unsigned char c)
{
    std::fprintf(stderr, "%s: typing 0x%02x into \"%s\" gave \"%s\"\n", what, c, before.c_str(),
                 after.c_str());
    std::abort();
}

// appendedOnly: every character so far was typed at the end of the text. The filter looks at
// the start of the text and not at the selection, so moving the caret or selecting can
// legitimately let a second point in (typing "." over a selection that held the first one).
void CheckText(bool identifier, bool appendedOnly, const std::string& text, unsigned char c,
               const std::string& before)
{
    for (unsigned char t : text)
        if (!InFilterSet(identifier, t))
            Fail("a character outside the filter's set", before, text, c);
    if (!identifier && appendedOnly && text.size() <= kExamined)
    {
        const size_t points = std::count(text.begin(), text.end(), '.');
        const size_t letters = std::count_if(text.begin(), text.end(),
                                             [](unsigned char t) { return IsExponentLetter(t); });
        if (points > 1 || letters > 1)
            Fail("two points or exponent letters", before, text, c);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    Fields& fields = TheFields();
    const bool identifier = data[0] & 1;
    const size_t limit = (data[0] & 2) ? kExamined : 0;
    HWND edit = GetDlgItem(fields.dialog, identifier ? IDC_IDENT : IDC_REAL);
    SetWindowTextA(edit, "");
    SendMessageA(edit, EM_LIMITTEXT, limit, 0);
    SetFocus(edit);

    static constexpr WORD kEditingKeys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE};
    bool appendedOnly = true;
    for (size_t i = 1; i < size; ++i)
    {
        const unsigned char b = data[i];
        if (b < 8)
        {
            PressKey(kEditingKeys[b % 5], b >= 5);
            appendedOnly = false;
            continue;
        }
        const std::string before = TextOf(edit);
        DWORD selStart = 0, selEnd = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                     reinterpret_cast<LPARAM>(&selEnd));
        const bool refuse = MustRefuse(identifier, before, b);
        const LONG beeps = PlatformBeepCount();
        TypeChar(b);
        const std::string after = TextOf(edit);
        const LONG beeped = PlatformBeepCount() - beeps;
        if (refuse && (after != before || beeped != 1))
            Fail("a refused character reached the text or did not beep once", before, after, b);
        const bool printable = b >= 0x20 && b < 0x7f;
        const bool room = limit == 0 || before.size() < limit;
        if (!refuse && printable && selStart == selEnd && room &&
            (after.size() != before.size() + 1 || beeped != 0))
            Fail("an accepted character was lost or beeped", before, after, b);
        CheckText(identifier, appendedOnly, after, b, before);
    }
    return 0;
}
