// The host's structure library as the module sees it: the dialog base class with a suppressed
// mode, the named items the host publishes, the host's message box and the Find refusal, and
// the registry of the host's model libraries.
//
// The module links to this library by import. What a program that plays the host uses to
// control it is in <vxhost.h>.
#pragma once

#include <afxwin.h>
#include <unknwn.h>

#define VXSTRUCT_API __attribute__((visibility("default")))

// A dialog of the host's family. While the host runs with dialogs suppressed, DoModal shows
// nothing: it logs the suppressed-mode record (message and answer text) with the host and
// returns the record's result. Derived prompts fill the record in their constructors.
class VXSTRUCT_API CVxDialog : public CDialog
{
    DECLARE_DYNAMIC(CVxDialog)
public:
    explicit CVxDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CVxDialog() override;

    INT_PTR DoModal() override;

protected:
    // Called by DoModal in suppressed mode just before it answers, so that a derived class can
    // complete the record from what it learned after construction. The base does nothing.
    virtual void InitSuppressed();

    // The suppressed-mode record: the result DoModal returns without showing the dialog, the
    // message that names the prompt in the host's log, and the answer the host logs with it.
    // The result starts as IDCANCEL and both texts empty.
    int m_nSuppressedResult;
    CString m_strSuppressedMessage;
    CString m_strSuppressedAnswer;
};

// Returns the address of the item the host publishes under name, or NULL when the host
// publishes nothing under that name. The names the host knows are "VXXEQ" and "VXCOMMONXEQ"
// (char* installation directories), "LoadForm" and "RefreshForms" (functions, see
// PFN_LOADFORM and PFN_REFRESHFORMS) and "DontShowUpward" (int*).
extern "C" VXSTRUCT_API void* CDECL NamedHostItem(const char* name);

// Nonzero when the host does not allow the component Find to open now.
extern "C" VXSTRUCT_API int CDECL HostRefusesFind();

// Shows the host's message box (caption "Tirel Plus") with text and a MessageBox type
// (MB_OK, MB_YESNO ...) and returns the button pressed. The help id and the last argument
// belong to the host's own help system, which the stand-in does not have.
extern "C" VXSTRUCT_API int WINAPI HostMessageBox(const char* text, unsigned type, int helpId,
                                                  int reserved);

// The host's input forms, found through NamedHostItem("LoadForm") and ("RefreshForms").
// LoadForm(owner, form path, form class, flag, position (left and top used, right and bottom
// -1), title, last) opens one form and returns nonzero on success.
typedef int(CDECL* PFN_LOADFORM)(CWnd* pOwner, const char* path, const char* formClass, int flag,
                                 RECT* pPosition, const char* title, int last);
typedef int(CDECL* PFN_REFRESHFORMS)(int what, int how);

// One model library of the host. Its own methods (exclusion flag, name) come with the
// template selection dialog; the registry hands it out as a counted COM reference.
struct ITUserModelLibrary : public IUnknown
{
};

// The host's model libraries, in the order the host registered them.
class VXSTRUCT_API CRuvoLibraries
{
public:
    CRuvoLibraries();
    ~CRuvoLibraries();
    CRuvoLibraries(const CRuvoLibraries&) = delete;
    CRuvoLibraries& operator=(const CRuvoLibraries&) = delete;

    int CountLibraries();
    // The library at index with one reference for the caller, or NULL for a bad index.
    ITUserModelLibrary* GetLibrary(int index);

    // Host side: the registry keeps one reference to each library it holds.
    void AddLibrary(ITUserModelLibrary* pLibrary);
    void RemoveAllLibraries();

private:
    struct Impl;
    Impl* m_pImpl;
};

extern VXSTRUCT_API CRuvoLibraries* g_pRuvoLibs;
