// Linkage and calling-convention macros shared by every MFC header.
//
// The platform library may be built with hidden default visibility, so everything that code in
// other libraries must reach (classes with out-of-line members, exception types caught across
// library boundaries, free functions) is marked with one of these macros.
#pragma once
#include <windef.h>

// Every library built against these headers links the one shared platform library, as an MFC
// extension module links the shared MFC library.
#ifndef _AFXDLL
#define _AFXDLL
#endif

#define AFXAPI WINAPI
#define AFX_CDECL CDECL

// Classes, data and functions that the platform library itself exports.
#define AFX_CORE_DATA __attribute__((visibility("default")))

// What an extension module exports: classes, functions and data. On ELF all three mean default
// visibility; the separate names keep module code reading as it would elsewhere.
#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
#define AFX_EXT_DATA __attribute__((visibility("default")))

// Marks message handlers in class declarations; it has no effect on the code.
#define afx_msg

#define AFX_INLINE inline
#define AFX_NOVTABLE
