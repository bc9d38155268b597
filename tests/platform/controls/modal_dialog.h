// Showing a template dialog modally on a user-interface thread, the way a host shows one, and
// ending it: shared by the control tests' dialog fixtures.
#pragma once
#include "platform/automation.h"
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

namespace controls_test
{

// Runs the dialog on ui's thread (owned by its main window) and waits until it is up and
// idle. Returns NULL, with a test failure, when it does not appear.
inline HWND ShowModal(platform::UiThread& ui, const DLGTEMPLATE* t, DLGPROC proc, const char* title)
{
    HWND owner = ui.MainWindow();
    ui.Begin([t, owner, proc] {
        return static_cast<LRESULT>(
            DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t, owner, proc, 0));
    });
    HWND dialog = platform::automation::WaitForWindow("#32770", title);
    if (dialog == nullptr)
    {
        ADD_FAILURE() << platform::automation::LastFailure();
        return nullptr;
    }
    EXPECT_TRUE(platform::automation::WaitIdle(dialog));
    return dialog;
}

// Ends a dialog that ShowModal showed and waits for its modal call to return.
inline void EndModal(platform::UiThread& ui, HWND dialog)
{
    if (dialog == nullptr)
        return;
    ui.Run([dialog] { return static_cast<LRESULT>(EndDialog(dialog, 0)); });
    EXPECT_TRUE(ui.Finish());
}

} // namespace controls_test
