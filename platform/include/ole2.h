// OLE: initialisation and running objects, over COM.
#pragma once
#include <objbase.h>
#include <oleauto.h>

#ifndef RC_INVOKED

WINOLEAPI OleInitialize(LPVOID pvReserved);
WINOLEAPI_(void) OleUninitialize();
WINOLEAPI OleRun(LPUNKNOWN pUnknown);

#endif // RC_INVOKED
