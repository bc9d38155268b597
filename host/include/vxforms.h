// The host's input forms, as far as the module reaches them: the host publishes LoadForm and
// RefreshForms under those names (NamedHostItem), and the module calls them to open a form or
// to have every open form show the simulation's new state.
//
// The stand-in's form is a top-level window whose title is the title passed and whose body
// names the form path and form class. The host program reads back every call, lists and
// closes the open forms, and can declare form classes unavailable.
//
// Every function may be called from any thread; the form windows live on the thread that
// called LoadForm.
#pragma once

#include "vxstruct.h"

#include <string>
#include <vector>

#define VXFORMS_API __attribute__((visibility("default")))

namespace vxforms
{

// The functions the host publishes (PFN_LOADFORM, PFN_REFRESHFORMS). LoadForm returns 1, or 0
// without opening anything when the form class is unavailable; it records the call either way.
VXFORMS_API int CDECL LoadForm(CWnd* pOwner, const char* path, const char* formClass, int flag,
                               RECT* pPosition, const char* title, int last);
VXFORMS_API int CDECL RefreshForms(int what, int how);

// Publishes both under their names through vxhost::PublishItem.
VXFORMS_API void Publish();

struct LoadFormCall
{
    HWND owner = nullptr; // the owner window object's window, NULL for none
    std::string path;
    std::string formClass;
    int flag = 0;
    // The left and top of the position rectangle, and whether one was passed at all.
    POINT position{};
    bool hasPosition = false;
    std::string title;
    int last = 0;
    int result = 0;
};

struct RefreshFormsCall
{
    int what = 0;
    int how = 0;
};

VXFORMS_API std::vector<LoadFormCall> LoadFormCalls();
VXFORMS_API std::vector<RefreshFormsCall> RefreshFormsCalls();

// A form class the host cannot open (LoadForm answers 0 for it) or can again.
VXFORMS_API void SetFormClassAvailable(const char* formClass, bool available);

// The open form windows, oldest first.
VXFORMS_API std::vector<HWND> OpenForms();
// Closes one form (as its close box would) and returns once it is gone. The form's thread
// must be handling messages.
VXFORMS_API void CloseForm(HWND form);
VXFORMS_API void CloseAllForms();

// Closes every form, forgets the calls and makes every form class available again.
VXFORMS_API void Reset();

} // namespace vxforms
