// The non-template parts of the entry frame (see entry_frame.h).
#include "frame/entry_frame.h"

namespace quarnel
{

bool HostHasMainWindow()
{
    CWinThread* thread = AfxGetThread();
    return thread != NULL && thread->GetMainWnd() != NULL;
}

ResourceHandleSwitch::ResourceHandleSwitch(HINSTANCE module) : m_hSaved(AfxGetResourceHandle())
{
    AfxSetResourceHandle(module);
}

ResourceHandleSwitch::~ResourceHandleSwitch()
{
    AfxSetResourceHandle(m_hSaved);
}

} // namespace quarnel
