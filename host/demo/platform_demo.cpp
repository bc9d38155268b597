// A short demonstration of the platform: a dialog from a compiled resource script runs on a
// user-interface thread while this thread plays the user, printing what the screen shows.

#include "resource.h"

#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace
{

namespace user = platform::automation;

std::string g_greeting;

INT_PTR CALLBACK GreetingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg)
    {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, IDC_ENGLISH, IDC_FRENCH, IDC_ENGLISH);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
        {
            char name[64], word[32];
            GetDlgItemTextA(dialog, IDC_NAME, name, sizeof name);
            const UINT id = IsDlgButtonChecked(dialog, IDC_FRENCH) ? IDS_BONJOUR : IDS_HELLO;
            LoadStringA(GetModuleHandleA(nullptr), id, word, sizeof word);
            g_greeting = std::string(word) +
                         (IsDlgButtonChecked(dialog, IDC_FORMAL) ? ", dear " : ", ") + name + "!";
            MessageBoxA(dialog, g_greeting.c_str(), "Greeting", MB_OK | MB_ICONINFORMATION);
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL)
        {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void Show(const char* step, HWND window)
{
    std::printf("-- %s\n%s\n", step, platform::Snapshot(window).c_str());
}

bool Fail(const char* what)
{
    std::fprintf(stderr, "platform_demo: %s: %s\n", what, user::LastFailure().c_str());
    return false;
}

bool Demonstrate()
{
    platform::UiThread ui("Demo Host");
    HWND main = ui.MainWindow();
    ui.Begin([main] {
        return static_cast<LRESULT>(DialogBoxParamA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDD_GREETING), main, GreetingProc, 0));
    });
    HWND dialog = user::WaitForWindow("#32770", "Greeting");
    if (!dialog)
        return Fail("the dialog did not open");
    Show("The dialog opens with the focus in the name field", dialog);

    if (!user::Type("Ada Lovelace"))
        return Fail("typing the name");
    Show("The user types a name", dialog);

    if (!user::Click(user::FindControlByText(dialog, "Formal")) ||
        !user::Click(user::FindControlByText(dialog, "French")))
        return Fail("clicking the options");
    Show("The user ticks Formal and chooses French", dialog);

    if (!user::Press(VK_RETURN))
        return Fail("pressing Enter");
    HWND box = user::WaitForWindow([dialog](HWND w) { return GetWindow(w, GW_OWNER) == dialog; },
                                   "the message box over the dialog");
    if (!box)
        return Fail("the message box did not open");
    Show("Enter presses OK, which shows the greeting", box);

    if (!user::Press(VK_RETURN))
        return Fail("closing the message box");
    LRESULT result = 0;
    if (!ui.Finish(&result))
        return Fail("the dialog did not end");
    std::printf("-- The dialog ended with %s; the greeting was \"%s\"\n",
                result == IDOK ? "IDOK" : "another result", g_greeting.c_str());
    return true;
}

} // namespace

int main()
{
    return Demonstrate() ? 0 : 1;
}
