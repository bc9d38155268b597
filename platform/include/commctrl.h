// The common controls: class names, shared notifications, and one section per control.
#pragma once
#include <windows.h>

// ---- Window classes ----
#define WC_HEADERA "SysHeader32"
#define WC_LISTVIEWA "SysListView32"
#define WC_TREEVIEWA "SysTreeView32"
#define WC_TABCONTROLA "SysTabControl32"
#define STATUSCLASSNAMEA "msctls_statusbar32"
#define ANIMATE_CLASSA "SysAnimate32"
#define WC_HEADER WC_HEADERA
#define WC_LISTVIEW WC_LISTVIEWA
#define WC_TREEVIEW WC_TREEVIEWA
#define WC_TABCONTROL WC_TABCONTROLA
#define STATUSCLASSNAME STATUSCLASSNAMEA
#define ANIMATE_CLASS ANIMATE_CLASSA

// ---- Notifications shared by the common controls ----
#define NM_FIRST (0U - 0U)
#define NM_OUTOFMEMORY (NM_FIRST - 1)
#define NM_CLICK (NM_FIRST - 2)
#define NM_DBLCLK (NM_FIRST - 3)
#define NM_RETURN (NM_FIRST - 4)
#define NM_RCLICK (NM_FIRST - 5)
#define NM_RDBLCLK (NM_FIRST - 6)
#define NM_SETFOCUS (NM_FIRST - 7)
#define NM_KILLFOCUS (NM_FIRST - 8)
#define NM_CUSTOMDRAW (NM_FIRST - 12)
#define NM_HOVER (NM_FIRST - 13)

#define LVN_FIRST (0U - 100U)
#define HDN_FIRST (0U - 300U)
#define TVN_FIRST (0U - 400U)
#define TCN_FIRST (0U - 550U)
#define SBN_FIRST (0U - 880U)

#define CCM_FIRST 0x2000
#define CCM_SETUNICODEFORMAT (CCM_FIRST + 5)
#define CCM_GETUNICODEFORMAT (CCM_FIRST + 6)

#define ICC_LISTVIEW_CLASSES 0x00000001
#define ICC_TREEVIEW_CLASSES 0x00000002
#define ICC_BAR_CLASSES 0x00000004
#define ICC_TAB_CLASSES 0x00000008
#define ICC_ANIMATE_CLASS 0x00000080
#define ICC_WIN95_CLASSES 0x000000FF

#ifndef RC_INVOKED
typedef struct tagINITCOMMONCONTROLSEX
{
    DWORD dwSize;
    DWORD dwICC;
} INITCOMMONCONTROLSEX, *LPINITCOMMONCONTROLSEX;

// The common controls register themselves with the window manager; these only report success.
WINUSERAPI void WINAPI InitCommonControls();
WINUSERAPI BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);
#endif

// Each control's section follows, kept by whoever builds that control.

// ---- Header ----

// ---- List view ----

// ---- Tree view ----

// ---- Tab control ----

// ---- Status bar ----

// ---- Animation ----

// ---- Mapped bitmaps ----
