// The host's main window "Tirel Plus": the menu of the module's exports and the host's
// settings on the left, the simulation as the host sees it and the last call on the right,
// the keys at the bottom. It is an ordinary window of the platform, so the text renderer draws
// it and the simulated input reaches it like any dialog; it calls the exports itself, on its
// own thread, as a host's menu command would.
//
// Does not do:
// - A caret inside a field: typing appends, Backspace removes the last character, Delete
//   empties the field; the end of the field being edited shows as '_'.
// - Scroll the right-hand panel: what does not fit is cut, with "..." as its last line.
#pragma once

#include "host_menu.h"
#include "host_session.h"

#include <afxwin.h>

#include <string>

namespace tirel
{

// What the main window needs from the host.
struct HostWindowContext
{
    HMODULE module = nullptr;
    std::string moduleName;
    engine::Simulation initialSimulation;
    int* dontShowUpward = nullptr;
};

class HostWindow : public CWnd
{
public:
    explicit HostWindow(HostWindowContext context);

    // Creates the visible top-level window at (0, 0) with the size of columns x rows cells.
    BOOL CreateMain(int columns, int rows);

    // Calls an export and remembers the call for the panel; runs on this window's thread.
    CallRecord RunCall(int exportIndex, const std::vector<std::string>& texts);
    // Sets a switch of the host (the menu shows it).
    void ApplySetting(Setting setting, bool on);

protected:
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnRunMenuCall(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChooseOwner(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    void Paint(HDC hdc);
    void Activate();
    // The menu line under a client point, or -1.
    int LineAt(CPoint point) const;
    int MenuRows() const;
    int LeftWidth() const;

    HostWindowContext context;
    HostMenu menu;
    CallRecord last;
    bool hasLast = false;
    std::string running; // the call in progress, shown while its dialog is open
    std::string note;    // a one-line message about the last key (an export that is missing)
};

} // namespace tirel
