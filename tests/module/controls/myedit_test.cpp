// CMyEdit: characters typed by the simulated user into filtered edit controls of a dialog, with
// the resulting text and the beeps of refused characters. Each test types into one field and
// checks which characters the control kept.

#include "controls/myedit.h"

#include "user/template_builder.h"
#include "platform/user.h"
#include "support/story.h"

#include <gtest/gtest.h>

namespace
{

enum
{
    IDC_IDENT = 1001,
    IDC_REAL = 1002,
};

// Counts the refusals that go through RefuseChar, and still beeps as the base class does.
class CountingEdit : public CMyEdit
{
public:
    void RefuseChar() override
    {
        ++refusals;
        CMyEdit::RefuseChar();
    }
    int refusals = 0;
};

struct Fields
{
    CountingEdit ident;
    CountingEdit real;
};

INT_PTR CALLBACK FieldsProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
    {
        auto* fields = reinterpret_cast<Fields*>(lParam);
        CWnd* parent = CWnd::FromHandle(dlg);
        fields->ident.SubclassEdit(IDC_IDENT, parent, CMyEdit::kIdentifier);
        fields->real.SubclassEdit(IDC_REAL, parent, CMyEdit::kRealNumber);
        return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

class MyEditTest : public ::testing::Test
{
protected:
    platform::UiThread ui;
    Story s{ui};
    Fields fields;
    platform::TemplateBuilder t{
        DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 200, 80, "Filtered"};

    void SetUp() override
    {
        const DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
        t.Add("Edit", "", IDC_IDENT, editStyle, 10, 10, 120, 14);
        t.Add("Edit", "", IDC_REAL, editStyle, 10, 30, 120, 14);
        t.Add("Button", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 140, 10,
              50, 14);
        s.Open([this] {
            return DialogBoxIndirectParamA(nullptr, t.Get(), ui.MainWindow(), FieldsProc,
                                           reinterpret_cast<LPARAM>(&fields));
        });
        s.Window("Filtered");
    }

    void TearDown() override
    {
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), IDCANCEL);
    }

    // Puts the focus in a field by clicking it.
    void Into(int id) { ASSERT_TRUE(s.Click(id)); }

    // Types text and returns how many beeps it caused.
    LONG BeepsTyping(const char* text)
    {
        const LONG before = PlatformBeepCount();
        s.Type(text);
        return PlatformBeepCount() - before;
    }
    LONG BeepsPressing(WORD vk, unsigned modifiers = 0)
    {
        const LONG before = PlatformBeepCount();
        s.Press(vk, modifiers);
        return PlatformBeepCount() - before;
    }
};

TEST_F(MyEditTest, IdentifierStartsWithALetterOrDigitOnly)
{
    Into(IDC_IDENT);
    EXPECT_EQ(BeepsTyping("-"), 1) << "no punctuation in an empty field";
    EXPECT_EQ(BeepsTyping("."), 1);
    EXPECT_EQ(s.Text(IDC_IDENT), "");
    EXPECT_EQ(fields.ident.refusals, 2);

    EXPECT_EQ(BeepsTyping("a-"), 0) << "punctuation follows a letter";
    EXPECT_EQ(s.Text(IDC_IDENT), "a-");
    EXPECT_EQ(BeepsPressing(VK_BACK), 0);
    EXPECT_EQ(BeepsPressing(VK_BACK), 0);
    EXPECT_EQ(s.Text(IDC_IDENT), "") << "backspace is passed on";
    EXPECT_EQ(BeepsTyping("7"), 0) << "a digit may start an id";
    EXPECT_EQ(s.Text(IDC_IDENT), "7");
}

TEST_F(MyEditTest, IdentifierTakesItsNineteenPunctuationCharactersAndNoOthers)
{
    Into(IDC_IDENT);
    EXPECT_EQ(BeepsTyping("X$,:+-;/=*.&()[]{}<>z9"), 0);
    EXPECT_EQ(s.Text(IDC_IDENT), "X$,:+-;/=*.&()[]{}<>z9");

    EXPECT_EQ(BeepsPressing(VK_HOME), 0);
    const int before = fields.ident.refusals;
    EXPECT_EQ(BeepsTyping(" #_!?~'\"@%^|\\`"), 14);
    EXPECT_EQ(fields.ident.refusals - before, 14);
    EXPECT_EQ(s.Text(IDC_IDENT), "X$,:+-;/=*.&()[]{}<>z9");
}

TEST_F(MyEditTest, RealNumberRefusesASecondPointOrExponentLetterWithoutRefuseChar)
{
    Into(IDC_REAL);
    EXPECT_EQ(BeepsTyping("1.5"), 0);
    EXPECT_EQ(BeepsTyping("."), 1);
    EXPECT_EQ(BeepsTyping("E"), 0);
    EXPECT_EQ(BeepsTyping("d"), 1) << "d counts as an exponent letter like E";
    EXPECT_EQ(BeepsTyping("e"), 1);
    EXPECT_EQ(BeepsTyping("-2"), 0) << "a sign is accepted anywhere";
    EXPECT_EQ(s.Text(IDC_REAL), "1.5E-2");
    EXPECT_EQ(fields.real.refusals, 0) << "these characters belong to the set";
}

TEST_F(MyEditTest, RealNumberRefusesCharactersOutsideItsSet)
{
    Into(IDC_REAL);
    EXPECT_EQ(BeepsTyping("x ,aF_"), 6);
    EXPECT_EQ(fields.real.refusals, 6);
    EXPECT_EQ(s.Text(IDC_REAL), "");

    // Single characters are judged, not the number: the owner checks the whole text.
    EXPECT_EQ(BeepsTyping("1e5-3"), 0);
    EXPECT_EQ(s.Text(IDC_REAL), "1e5-3");
    EXPECT_EQ(BeepsTyping("+"), 0);
    EXPECT_EQ(BeepsPressing(VK_BACK), 0);
    EXPECT_EQ(s.Text(IDC_REAL), "1e5-3");
}

TEST_F(MyEditTest, OnlyTheFirstFifteenCharactersAreExamined)
{
    Into(IDC_REAL);
    EXPECT_EQ(BeepsTyping("123456789012345"), 0);
    EXPECT_EQ(BeepsTyping(".."), 0) << "the first point lies beyond what is examined";
    EXPECT_EQ(BeepsTyping("ee"), 0);
    EXPECT_EQ(s.Text(IDC_REAL), "123456789012345..ee");

    EXPECT_EQ(BeepsPressing(VK_HOME), 0);
    EXPECT_EQ(BeepsTyping("e"), 0);
    EXPECT_EQ(BeepsTyping("."), 0) << "the point still lies beyond the examined characters";
    EXPECT_EQ(BeepsTyping("D"), 1) << "the e typed first is examined";
}

TEST_F(MyEditTest, TheSelectionDoesNotMatter)
{
    Into(IDC_REAL);
    EXPECT_EQ(BeepsTyping("2.5"), 0);
    EXPECT_EQ(BeepsPressing(VK_HOME, platform::automation::kShift), 0);
    EXPECT_EQ(BeepsTyping("."), 1) << "typing over the only point is still refused";
    EXPECT_EQ(s.Text(IDC_REAL), "2.5");
}

TEST_F(MyEditTest, ClipboardAndUndoShortcutsAreRefusedInBothFilters)
{
    for (int id : {IDC_IDENT, IDC_REAL})
    {
        Into(id);
        EXPECT_EQ(BeepsTyping("12"), 0);
        // Select everything so that a working cut or paste would change the text.
        EXPECT_EQ(BeepsPressing(VK_HOME, platform::automation::kShift), 0);
        for (WORD key : {'C', 'X', 'V', 'Z', 'A'})
            EXPECT_EQ(BeepsPressing(key, platform::automation::kControl), 1)
                << "Ctrl+" << static_cast<char>(key) << " in field " << id;
        EXPECT_EQ(s.Text(id), "12") << "nothing cut, pasted or undone in field " << id;
    }
    EXPECT_EQ(fields.ident.refusals, 5);
    EXPECT_EQ(fields.real.refusals, 5);
}

TEST(MyEditAttachTest, SubclassEditFailsWithoutTheChild)
{
    platform::UiThread ui;
    const LRESULT attached = ui.Run([&] {
        CMyEdit edit;
        return static_cast<LRESULT>(
            edit.SubclassEdit(IDC_IDENT, CWnd::FromHandle(ui.MainWindow()), CMyEdit::kIdentifier));
    });
    EXPECT_FALSE(attached);
}

} // namespace
