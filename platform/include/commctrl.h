// The common controls: class names, shared notifications, and one section per control.
#pragma once
#include "windows.h"

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

#define HDS_HORZ 0x0000
#define HDS_BUTTONS 0x0002
#define HDS_HOTTRACK 0x0004
#define HDS_HIDDEN 0x0008
#define HDS_DRAGDROP 0x0040
#define HDS_FULLDRAG 0x0080
#define HDS_FILTERBAR 0x0100
#define HDS_FLAT 0x0200
#define HDS_CHECKBOXES 0x0400
#define HDS_NOSIZING 0x0800
#define HDS_OVERFLOW 0x1000

#define HDI_WIDTH 0x0001
#define HDI_HEIGHT HDI_WIDTH
#define HDI_TEXT 0x0002
#define HDI_FORMAT 0x0004
#define HDI_LPARAM 0x0008
#define HDI_BITMAP 0x0010
#define HDI_IMAGE 0x0020
#define HDI_DI_SETITEM 0x0040
#define HDI_ORDER 0x0080
#define HDI_FILTER 0x0100
#define HDI_STATE 0x0200

#define HDF_LEFT 0x0000
#define HDF_RIGHT 0x0001
#define HDF_CENTER 0x0002
#define HDF_JUSTIFYMASK 0x0003
#define HDF_RTLREADING 0x0004
#define HDF_CHECKBOX 0x0040
#define HDF_CHECKED 0x0080
#define HDF_FIXEDWIDTH 0x0100
#define HDF_SORTDOWN 0x0200
#define HDF_SORTUP 0x0400
#define HDF_IMAGE 0x0800
#define HDF_BITMAP_ON_RIGHT 0x1000
#define HDF_BITMAP 0x2000
#define HDF_STRING 0x4000
#define HDF_OWNERDRAW 0x8000

#define HHT_NOWHERE 0x0001
#define HHT_ONHEADER 0x0002
#define HHT_ONDIVIDER 0x0004
#define HHT_ONDIVOPEN 0x0008
#define HHT_ONFILTER 0x0010
#define HHT_ONFILTERBUTTON 0x0020
#define HHT_ABOVE 0x0100
#define HHT_BELOW 0x0200
#define HHT_TORIGHT 0x0400
#define HHT_TOLEFT 0x0800

#define HDM_FIRST 0x1200
#define HDM_GETITEMCOUNT (HDM_FIRST + 0)
#define HDM_INSERTITEMA (HDM_FIRST + 1)
#define HDM_DELETEITEM (HDM_FIRST + 2)
#define HDM_GETITEMA (HDM_FIRST + 3)
#define HDM_SETITEMA (HDM_FIRST + 4)
#define HDM_LAYOUT (HDM_FIRST + 5)
#define HDM_HITTEST (HDM_FIRST + 6)
#define HDM_GETITEMRECT (HDM_FIRST + 7)
#define HDM_ORDERTOINDEX (HDM_FIRST + 15)
#define HDM_GETORDERARRAY (HDM_FIRST + 17)
#define HDM_SETORDERARRAY (HDM_FIRST + 18)
#define HDM_INSERTITEM HDM_INSERTITEMA
#define HDM_GETITEM HDM_GETITEMA
#define HDM_SETITEM HDM_SETITEMA

#define HDN_ITEMCHANGINGA (HDN_FIRST - 0)
#define HDN_ITEMCHANGEDA (HDN_FIRST - 1)
#define HDN_ITEMCLICKA (HDN_FIRST - 2)
#define HDN_ITEMDBLCLICKA (HDN_FIRST - 3)
#define HDN_DIVIDERDBLCLICKA (HDN_FIRST - 5)
#define HDN_BEGINTRACKA (HDN_FIRST - 6)
#define HDN_ENDTRACKA (HDN_FIRST - 7)
#define HDN_TRACKA (HDN_FIRST - 8)
#define HDN_ITEMCHANGING HDN_ITEMCHANGINGA
#define HDN_ITEMCHANGED HDN_ITEMCHANGEDA
#define HDN_ITEMCLICK HDN_ITEMCLICKA
#define HDN_ITEMDBLCLICK HDN_ITEMDBLCLICKA
#define HDN_DIVIDERDBLCLICK HDN_DIVIDERDBLCLICKA
#define HDN_BEGINTRACK HDN_BEGINTRACKA
#define HDN_ENDTRACK HDN_ENDTRACKA
#define HDN_TRACK HDN_TRACKA

#ifndef RC_INVOKED
typedef struct _HD_ITEMA
{
    UINT mask;
    int cxy;
    LPSTR pszText;
    HBITMAP hbm;
    int cchTextMax;
    int fmt;
    LPARAM lParam;
    int iImage;
    int iOrder;
    UINT type;
    void* pvFilter;
    UINT state;
} HDITEMA, *LPHDITEMA;
typedef HDITEMA HDITEM;
typedef LPHDITEMA LPHDITEM;
#define HD_ITEM HDITEM

typedef struct _HD_LAYOUT
{
    RECT* prc;
    WINDOWPOS* pwpos;
} HDLAYOUT, *LPHDLAYOUT;
#define HD_LAYOUT HDLAYOUT

typedef struct _HD_HITTESTINFO
{
    POINT pt;
    UINT flags;
    int iItem;
} HDHITTESTINFO, *LPHDHITTESTINFO;
#define HD_HITTESTINFO HDHITTESTINFO

typedef struct tagNMHEADERA
{
    NMHDR hdr;
    int iItem;
    int iButton;
    HDITEMA* pitem;
} NMHEADERA, *LPNMHEADERA;
typedef NMHEADERA NMHEADER;
typedef LPNMHEADERA LPNMHEADER;
#define HD_NOTIFY NMHEADER

#define Header_GetItemCount(hwnd) (int)SendMessageA((hwnd), HDM_GETITEMCOUNT, 0, 0)
#define Header_InsertItem(hwnd, i, phdi)                                                           \
    (int)SendMessageA((hwnd), HDM_INSERTITEMA, (WPARAM)(int)(i), (LPARAM)(const HDITEMA*)(phdi))
#define Header_DeleteItem(hwnd, i) (BOOL) SendMessageA((hwnd), HDM_DELETEITEM, (WPARAM)(int)(i), 0)
#define Header_GetItem(hwnd, i, phdi)                                                              \
    (BOOL) SendMessageA((hwnd), HDM_GETITEMA, (WPARAM)(int)(i), (LPARAM)(HDITEMA*)(phdi))
#define Header_SetItem(hwnd, i, phdi)                                                              \
    (BOOL) SendMessageA((hwnd), HDM_SETITEMA, (WPARAM)(int)(i), (LPARAM)(const HDITEMA*)(phdi))
#define Header_Layout(hwnd, playout)                                                               \
    (BOOL) SendMessageA((hwnd), HDM_LAYOUT, 0, (LPARAM)(HDLAYOUT*)(playout))
#define Header_GetItemRect(hwnd, i, prc)                                                           \
    (BOOL) SendMessageA((hwnd), HDM_GETITEMRECT, (WPARAM)(int)(i), (LPARAM)(RECT*)(prc))
#endif

// ---- List view ----

#define LVS_ICON 0x0000
#define LVS_REPORT 0x0001
#define LVS_SMALLICON 0x0002
#define LVS_LIST 0x0003
#define LVS_TYPEMASK 0x0003
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_SORTASCENDING 0x0010
#define LVS_SORTDESCENDING 0x0020
#define LVS_SHAREIMAGELISTS 0x0040
#define LVS_NOLABELWRAP 0x0080
#define LVS_AUTOARRANGE 0x0100
#define LVS_EDITLABELS 0x0200
#define LVS_OWNERDRAWFIXED 0x0400
#define LVS_ALIGNTOP 0x0000
#define LVS_ALIGNLEFT 0x0800
#define LVS_ALIGNMASK 0x0c00
#define LVS_OWNERDATA 0x1000
#define LVS_NOSCROLL 0x2000
#define LVS_NOCOLUMNHEADER 0x4000
#define LVS_NOSORTHEADER 0x8000
#define LVS_TYPESTYLEMASK 0xfc00

#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_SUBITEMIMAGES 0x00000002
#define LVS_EX_CHECKBOXES 0x00000004
#define LVS_EX_TRACKSELECT 0x00000008
#define LVS_EX_HEADERDRAGDROP 0x00000010
#define LVS_EX_FULLROWSELECT 0x00000020
#define LVS_EX_ONECLICKACTIVATE 0x00000040
#define LVS_EX_TWOCLICKACTIVATE 0x00000080
#define LVS_EX_FLATSB 0x00000100
#define LVS_EX_REGIONAL 0x00000200
#define LVS_EX_INFOTIP 0x00000400
#define LVS_EX_UNDERLINEHOT 0x00000800
#define LVS_EX_UNDERLINECOLD 0x00001000
#define LVS_EX_MULTIWORKAREAS 0x00002000
#define LVS_EX_LABELTIP 0x00004000
#define LVS_EX_BORDERSELECT 0x00008000
#define LVS_EX_DOUBLEBUFFER 0x00010000
#define LVS_EX_HIDELABELS 0x00020000
#define LVS_EX_SINGLEROW 0x00040000
#define LVS_EX_SNAPTOGRID 0x00080000
#define LVS_EX_SIMPLESELECT 0x00100000

#define LVIF_TEXT 0x00000001
#define LVIF_IMAGE 0x00000002
#define LVIF_PARAM 0x00000004
#define LVIF_STATE 0x00000008
#define LVIF_INDENT 0x00000010
#define LVIF_GROUPID 0x00000100
#define LVIF_COLUMNS 0x00000200
#define LVIF_NORECOMPUTE 0x00000800
#define LVIF_DI_SETITEM 0x00001000
#define LVIF_COLFMT 0x00010000

#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIS_CUT 0x0004
#define LVIS_DROPHILITED 0x0008
#define LVIS_GLOW 0x0010
#define LVIS_ACTIVATING 0x0020
#define LVIS_OVERLAYMASK 0x0F00
#define LVIS_STATEIMAGEMASK 0xF000
#define INDEXTOSTATEIMAGEMASK(i) ((i) << 12)
#define INDEXTOOVERLAYMASK(i) ((i) << 8)

#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002
#define LVNI_CUT 0x0004
#define LVNI_DROPHILITED 0x0008
#define LVNI_ABOVE 0x0100
#define LVNI_BELOW 0x0200
#define LVNI_TOLEFT 0x0400
#define LVNI_TORIGHT 0x0800

#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008
#define LVCF_IMAGE 0x0010
#define LVCF_ORDER 0x0020
#define LVCF_MINWIDTH 0x0040
#define LVCF_DEFAULTWIDTH 0x0080
#define LVCF_IDEALWIDTH 0x0100

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCFMT_JUSTIFYMASK 0x0003
#define LVCFMT_IMAGE 0x0800
#define LVCFMT_BITMAP_ON_RIGHT 0x1000
#define LVCFMT_COL_HAS_IMAGES 0x8000

#define LVSCW_AUTOSIZE (-1)
#define LVSCW_AUTOSIZE_USEHEADER (-2)

#define LVFI_PARAM 0x0001
#define LVFI_STRING 0x0002
#define LVFI_SUBSTRING 0x0004
#define LVFI_PARTIAL 0x0008
#define LVFI_WRAP 0x0020
#define LVFI_NEARESTXY 0x0040

#define LVIR_BOUNDS 0
#define LVIR_ICON 1
#define LVIR_LABEL 2
#define LVIR_SELECTBOUNDS 3

#define LVHT_NOWHERE 0x0001
#define LVHT_ONITEMICON 0x0002
#define LVHT_ONITEMLABEL 0x0004
#define LVHT_ONITEMSTATEICON 0x0008
#define LVHT_ONITEM (LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON)
#define LVHT_ABOVE 0x0008
#define LVHT_BELOW 0x0010
#define LVHT_TORIGHT 0x0020
#define LVHT_TOLEFT 0x0040

#define LVSIL_NORMAL 0
#define LVSIL_SMALL 1
#define LVSIL_STATE 2

#define LVSICF_NOINVALIDATEALL 0x00000001
#define LVSICF_NOSCROLL 0x00000002

#define LVKF_ALT 0x0001
#define LVKF_CONTROL 0x0002
#define LVKF_SHIFT 0x0004

#define LPSTR_TEXTCALLBACKA ((LPSTR)-1L)
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKA
#define I_IMAGECALLBACK (-1)
#define I_IMAGENONE (-2)
#ifndef CLR_NONE
#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L
#endif

#define LVM_FIRST 0x1000
#define LVM_GETBKCOLOR (LVM_FIRST + 0)
#define LVM_SETBKCOLOR (LVM_FIRST + 1)
#define LVM_GETIMAGELIST (LVM_FIRST + 2)
#define LVM_SETIMAGELIST (LVM_FIRST + 3)
#define LVM_GETITEMCOUNT (LVM_FIRST + 4)
#define LVM_GETITEMA (LVM_FIRST + 5)
#define LVM_SETITEMA (LVM_FIRST + 6)
#define LVM_INSERTITEMA (LVM_FIRST + 7)
#define LVM_DELETEITEM (LVM_FIRST + 8)
#define LVM_DELETEALLITEMS (LVM_FIRST + 9)
#define LVM_GETCALLBACKMASK (LVM_FIRST + 10)
#define LVM_SETCALLBACKMASK (LVM_FIRST + 11)
#define LVM_GETNEXTITEM (LVM_FIRST + 12)
#define LVM_FINDITEMA (LVM_FIRST + 13)
#define LVM_GETITEMRECT (LVM_FIRST + 14)
#define LVM_GETSTRINGWIDTHA (LVM_FIRST + 17)
#define LVM_HITTEST (LVM_FIRST + 18)
#define LVM_ENSUREVISIBLE (LVM_FIRST + 19)
#define LVM_SCROLL (LVM_FIRST + 20)
#define LVM_REDRAWITEMS (LVM_FIRST + 21)
#define LVM_GETEDITCONTROL (LVM_FIRST + 24)
#define LVM_GETCOLUMNA (LVM_FIRST + 25)
#define LVM_SETCOLUMNA (LVM_FIRST + 26)
#define LVM_INSERTCOLUMNA (LVM_FIRST + 27)
#define LVM_DELETECOLUMN (LVM_FIRST + 28)
#define LVM_GETCOLUMNWIDTH (LVM_FIRST + 29)
#define LVM_SETCOLUMNWIDTH (LVM_FIRST + 30)
#define LVM_GETHEADER (LVM_FIRST + 31)
#define LVM_GETVIEWRECT (LVM_FIRST + 34)
#define LVM_GETTEXTCOLOR (LVM_FIRST + 35)
#define LVM_SETTEXTCOLOR (LVM_FIRST + 36)
#define LVM_GETTEXTBKCOLOR (LVM_FIRST + 37)
#define LVM_SETTEXTBKCOLOR (LVM_FIRST + 38)
#define LVM_GETTOPINDEX (LVM_FIRST + 39)
#define LVM_GETCOUNTPERPAGE (LVM_FIRST + 40)
#define LVM_GETORIGIN (LVM_FIRST + 41)
#define LVM_UPDATE (LVM_FIRST + 42)
#define LVM_SETITEMSTATE (LVM_FIRST + 43)
#define LVM_GETITEMSTATE (LVM_FIRST + 44)
#define LVM_GETITEMTEXTA (LVM_FIRST + 45)
#define LVM_SETITEMTEXTA (LVM_FIRST + 46)
#define LVM_SETITEMCOUNT (LVM_FIRST + 47)
#define LVM_SORTITEMS (LVM_FIRST + 48)
#define LVM_GETSELECTEDCOUNT (LVM_FIRST + 50)
#define LVM_SETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 54)
#define LVM_GETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 55)
#define LVM_GETSUBITEMRECT (LVM_FIRST + 56)
#define LVM_SUBITEMHITTEST (LVM_FIRST + 57)
#define LVM_GETSELECTIONMARK (LVM_FIRST + 66)
#define LVM_SETSELECTIONMARK (LVM_FIRST + 67)
#define LVM_SORTITEMSEX (LVM_FIRST + 81)
#define LVM_GETITEM LVM_GETITEMA
#define LVM_SETITEM LVM_SETITEMA
#define LVM_INSERTITEM LVM_INSERTITEMA
#define LVM_FINDITEM LVM_FINDITEMA
#define LVM_GETSTRINGWIDTH LVM_GETSTRINGWIDTHA
#define LVM_GETCOLUMN LVM_GETCOLUMNA
#define LVM_SETCOLUMN LVM_SETCOLUMNA
#define LVM_INSERTCOLUMN LVM_INSERTCOLUMNA
#define LVM_GETITEMTEXT LVM_GETITEMTEXTA
#define LVM_SETITEMTEXT LVM_SETITEMTEXTA

#define LVN_ITEMCHANGING (LVN_FIRST - 0)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)
#define LVN_INSERTITEM (LVN_FIRST - 2)
#define LVN_DELETEITEM (LVN_FIRST - 3)
#define LVN_DELETEALLITEMS (LVN_FIRST - 4)
#define LVN_BEGINLABELEDITA (LVN_FIRST - 5)
#define LVN_ENDLABELEDITA (LVN_FIRST - 6)
#define LVN_COLUMNCLICK (LVN_FIRST - 8)
#define LVN_BEGINDRAG (LVN_FIRST - 9)
#define LVN_BEGINRDRAG (LVN_FIRST - 11)
#define LVN_ODCACHEHINT (LVN_FIRST - 13)
#define LVN_ITEMACTIVATE (LVN_FIRST - 14)
#define LVN_ODSTATECHANGED (LVN_FIRST - 15)
#define LVN_HOTTRACK (LVN_FIRST - 21)
#define LVN_GETDISPINFOA (LVN_FIRST - 50)
#define LVN_SETDISPINFOA (LVN_FIRST - 51)
#define LVN_ODFINDITEMA (LVN_FIRST - 52)
#define LVN_KEYDOWN (LVN_FIRST - 55)
#define LVN_MARQUEEBEGIN (LVN_FIRST - 56)
#define LVN_BEGINSCROLL (LVN_FIRST - 80)
#define LVN_ENDSCROLL (LVN_FIRST - 81)
#define LVN_BEGINLABELEDIT LVN_BEGINLABELEDITA
#define LVN_ENDLABELEDIT LVN_ENDLABELEDITA
#define LVN_GETDISPINFO LVN_GETDISPINFOA
#define LVN_SETDISPINFO LVN_SETDISPINFOA
#define LVN_ODFINDITEM LVN_ODFINDITEMA

#ifndef RC_INVOKED
typedef struct tagLVITEMA
{
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
    int iGroupId;
    UINT cColumns;
    PUINT puColumns;
    int* piColFmt;
    int iGroup;
} LVITEMA, *LPLVITEMA;
typedef LVITEMA LVITEM;
typedef LPLVITEMA LPLVITEM;
#define LV_ITEM LVITEM

typedef struct tagLVCOLUMNA
{
    UINT mask;
    int fmt;
    int cx;
    LPSTR pszText;
    int cchTextMax;
    int iSubItem;
    int iImage;
    int iOrder;
    int cxMin;
    int cxDefault;
    int cxIdeal;
} LVCOLUMNA, *LPLVCOLUMNA;
typedef LVCOLUMNA LVCOLUMN;
typedef LPLVCOLUMNA LPLVCOLUMN;
#define LV_COLUMN LVCOLUMN

typedef struct tagLVFINDINFOA
{
    UINT flags;
    LPCSTR psz;
    LPARAM lParam;
    POINT pt;
    UINT vkDirection;
} LVFINDINFOA, *LPFINDINFOA;
typedef LVFINDINFOA LVFINDINFO;
#define LV_FINDINFO LVFINDINFO

typedef struct tagLVHITTESTINFO
{
    POINT pt;
    UINT flags;
    int iItem;
    int iSubItem;
    int iGroup;
} LVHITTESTINFO, *LPLVHITTESTINFO;
#define LV_HITTESTINFO LVHITTESTINFO

typedef struct tagNMLISTVIEW
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW;
#define NM_LISTVIEW NMLISTVIEW

typedef struct tagNMITEMACTIVATE
{
    NMHDR hdr;
    int iItem;
    int iSubItem;
    UINT uNewState;
    UINT uOldState;
    UINT uChanged;
    POINT ptAction;
    LPARAM lParam;
    UINT uKeyFlags;
} NMITEMACTIVATE, *LPNMITEMACTIVATE;

typedef struct tagLVDISPINFO
{
    NMHDR hdr;
    LVITEMA item;
} NMLVDISPINFOA, *LPNMLVDISPINFOA;
typedef NMLVDISPINFOA NMLVDISPINFO;
#define LV_DISPINFO NMLVDISPINFO

// Packed, as Windows declares it: the flags follow the key code without padding.
#pragma pack(push, 1)
typedef struct tagLVKEYDOWN
{
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
} NMLVKEYDOWN, *LPNMLVKEYDOWN;
#pragma pack(pop)
#define LV_KEYDOWN NMLVKEYDOWN

typedef struct tagNMLVFINDITEMA
{
    NMHDR hdr;
    int iStart;
    LVFINDINFOA lvfi;
} NMLVFINDITEMA, *LPNMLVFINDITEMA;
typedef NMLVFINDITEMA NMLVFINDITEM;

typedef int(CALLBACK* PFNLVCOMPARE)(LPARAM, LPARAM, LPARAM);

#define ListView_GetItemCount(hwnd) (int)SendMessageA((hwnd), LVM_GETITEMCOUNT, 0, 0)
#define ListView_GetItem(hwnd, pitem)                                                              \
    (BOOL) SendMessageA((hwnd), LVM_GETITEMA, 0, (LPARAM)(LVITEMA*)(pitem))
#define ListView_SetItem(hwnd, pitem)                                                              \
    (BOOL) SendMessageA((hwnd), LVM_SETITEMA, 0, (LPARAM)(const LVITEMA*)(pitem))
#define ListView_InsertItem(hwnd, pitem)                                                           \
    (int)SendMessageA((hwnd), LVM_INSERTITEMA, 0, (LPARAM)(const LVITEMA*)(pitem))
#define ListView_DeleteItem(hwnd, i)                                                               \
    (BOOL) SendMessageA((hwnd), LVM_DELETEITEM, (WPARAM)(int)(i), 0)
#define ListView_DeleteAllItems(hwnd) (BOOL) SendMessageA((hwnd), LVM_DELETEALLITEMS, 0, 0)
#define ListView_GetNextItem(hwnd, i, flags)                                                       \
    (int)SendMessageA((hwnd), LVM_GETNEXTITEM, (WPARAM)(int)(i), MAKELPARAM((flags), 0))
#define ListView_FindItem(hwnd, iStart, plvfi)                                                     \
    (int)SendMessageA((hwnd), LVM_FINDITEMA, (WPARAM)(int)(iStart),                                \
                      (LPARAM)(const LVFINDINFOA*)(plvfi))
#define ListView_GetItemRect(hwnd, i, prc, code)                                                   \
    (BOOL) SendMessageA(                                                                           \
        (hwnd), LVM_GETITEMRECT, (WPARAM)(int)(i),                                                 \
        ((prc) ? (((RECT*)(prc))->left = (code), (LPARAM)(RECT*)(prc)) : (LPARAM)(RECT*)NULL))
#define ListView_GetSubItemRect(hwnd, iItem, iSubItem, code, prc)                                  \
    (BOOL) SendMessageA((hwnd), LVM_GETSUBITEMRECT, (WPARAM)(int)(iItem),                          \
                        ((prc) ? ((((LPRECT)(prc))->top = (iSubItem)),                             \
                                  (((LPRECT)(prc))->left = (code)), (LPARAM)(prc))                 \
                               : (LPARAM)(LPRECT)NULL))
#define ListView_GetStringWidth(hwnd, psz)                                                         \
    (int)SendMessageA((hwnd), LVM_GETSTRINGWIDTHA, 0, (LPARAM)(LPCSTR)(psz))
#define ListView_HitTest(hwnd, pinfo)                                                              \
    (int)SendMessageA((hwnd), LVM_HITTEST, 0, (LPARAM)(LVHITTESTINFO*)(pinfo))
#define ListView_SubItemHitTest(hwnd, plvhti)                                                      \
    (int)SendMessageA((hwnd), LVM_SUBITEMHITTEST, 0, (LPARAM)(LPLVHITTESTINFO)(plvhti))
#define ListView_EnsureVisible(hwnd, i, fPartialOK)                                                \
    (BOOL) SendMessageA((hwnd), LVM_ENSUREVISIBLE, (WPARAM)(int)(i), MAKELPARAM((fPartialOK), 0))
#define ListView_Scroll(hwnd, dx, dy)                                                              \
    (BOOL) SendMessageA((hwnd), LVM_SCROLL, (WPARAM)(int)(dx), (LPARAM)(int)(dy))
#define ListView_RedrawItems(hwnd, iFirst, iLast)                                                  \
    (BOOL) SendMessageA((hwnd), LVM_REDRAWITEMS, (WPARAM)(int)(iFirst), (LPARAM)(int)(iLast))
#define ListView_GetColumn(hwnd, iCol, pcol)                                                       \
    (BOOL) SendMessageA((hwnd), LVM_GETCOLUMNA, (WPARAM)(int)(iCol), (LPARAM)(LVCOLUMNA*)(pcol))
#define ListView_SetColumn(hwnd, iCol, pcol)                                                       \
    (BOOL) SendMessageA((hwnd), LVM_SETCOLUMNA, (WPARAM)(int)(iCol),                               \
                        (LPARAM)(const LVCOLUMNA*)(pcol))
#define ListView_InsertColumn(hwnd, iCol, pcol)                                                    \
    (int)SendMessageA((hwnd), LVM_INSERTCOLUMNA, (WPARAM)(int)(iCol),                              \
                      (LPARAM)(const LVCOLUMNA*)(pcol))
#define ListView_DeleteColumn(hwnd, iCol)                                                          \
    (BOOL) SendMessageA((hwnd), LVM_DELETECOLUMN, (WPARAM)(int)(iCol), 0)
#define ListView_GetColumnWidth(hwnd, iCol)                                                        \
    (int)SendMessageA((hwnd), LVM_GETCOLUMNWIDTH, (WPARAM)(int)(iCol), 0)
#define ListView_SetColumnWidth(hwnd, iCol, cx)                                                    \
    (BOOL) SendMessageA((hwnd), LVM_SETCOLUMNWIDTH, (WPARAM)(int)(iCol), MAKELPARAM((cx), 0))
#define ListView_GetHeader(hwnd) (HWND) SendMessageA((hwnd), LVM_GETHEADER, 0, 0)
#define ListView_GetTopIndex(hwnd) (int)SendMessageA((hwnd), LVM_GETTOPINDEX, 0, 0)
#define ListView_GetCountPerPage(hwnd) (int)SendMessageA((hwnd), LVM_GETCOUNTPERPAGE, 0, 0)
#define ListView_SetItemState(hwnd, i, data, mask)                                                 \
    {                                                                                              \
        LVITEMA _lvi;                                                                              \
        _lvi.stateMask = (mask);                                                                   \
        _lvi.state = (data);                                                                       \
        SendMessageA((hwnd), LVM_SETITEMSTATE, (WPARAM)(i), (LPARAM)(LVITEMA*)&_lvi);              \
    }
#define ListView_GetItemState(hwnd, i, mask)                                                       \
    (UINT) SendMessageA((hwnd), LVM_GETITEMSTATE, (WPARAM)(i), (LPARAM)(mask))
#define ListView_GetItemText(hwnd, i, iSubItem_, pszText_, cchTextMax_)                            \
    {                                                                                              \
        LVITEMA _lvi;                                                                              \
        _lvi.iSubItem = (iSubItem_);                                                               \
        _lvi.cchTextMax = (cchTextMax_);                                                           \
        _lvi.pszText = (pszText_);                                                                 \
        SendMessageA((hwnd), LVM_GETITEMTEXTA, (WPARAM)(i), (LPARAM)(LVITEMA*)&_lvi);              \
    }
#define ListView_SetItemText(hwnd, i, iSubItem_, pszText_)                                         \
    {                                                                                              \
        LVITEMA _lvi;                                                                              \
        _lvi.iSubItem = (iSubItem_);                                                               \
        _lvi.pszText = (pszText_);                                                                 \
        SendMessageA((hwnd), LVM_SETITEMTEXTA, (WPARAM)(i), (LPARAM)(LVITEMA*)&_lvi);              \
    }
#define ListView_SetItemCount(hwnd, cItems)                                                        \
    SendMessageA((hwnd), LVM_SETITEMCOUNT, (WPARAM)(cItems), 0)
#define ListView_SortItems(hwnd, pfnCompare, lPrm)                                                 \
    (BOOL) SendMessageA((hwnd), LVM_SORTITEMS, (WPARAM)(LPARAM)(lPrm),                             \
                        (LPARAM)(PFNLVCOMPARE)(pfnCompare))
#define ListView_SortItemsEx(hwnd, pfnCompare, lPrm)                                               \
    (BOOL) SendMessageA((hwnd), LVM_SORTITEMSEX, (WPARAM)(LPARAM)(lPrm),                           \
                        (LPARAM)(PFNLVCOMPARE)(pfnCompare))
#define ListView_GetSelectedCount(hwnd) (UINT) SendMessageA((hwnd), LVM_GETSELECTEDCOUNT, 0, 0)
#define ListView_GetSelectionMark(hwnd) (int)SendMessageA((hwnd), LVM_GETSELECTIONMARK, 0, 0)
#define ListView_SetSelectionMark(hwnd, i)                                                         \
    (int)SendMessageA((hwnd), LVM_SETSELECTIONMARK, 0, (LPARAM)(i))
#define ListView_SetExtendedListViewStyle(hwnd, dw)                                                \
    (DWORD) SendMessageA((hwnd), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)(dw))
#define ListView_SetExtendedListViewStyleEx(hwnd, dwMask, dw)                                      \
    (DWORD) SendMessageA((hwnd), LVM_SETEXTENDEDLISTVIEWSTYLE, (WPARAM)(dwMask), (LPARAM)(dw))
#define ListView_GetExtendedListViewStyle(hwnd)                                                    \
    (DWORD) SendMessageA((hwnd), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)
#define ListView_SetBkColor(hwnd, clrBk)                                                           \
    (BOOL) SendMessageA((hwnd), LVM_SETBKCOLOR, 0, (LPARAM)(COLORREF)(clrBk))
#define ListView_GetBkColor(hwnd) (COLORREF) SendMessageA((hwnd), LVM_GETBKCOLOR, 0, 0)
#define ListView_SetTextColor(hwnd, clrText)                                                       \
    (BOOL) SendMessageA((hwnd), LVM_SETTEXTCOLOR, 0, (LPARAM)(COLORREF)(clrText))
#define ListView_GetTextColor(hwnd) (COLORREF) SendMessageA((hwnd), LVM_GETTEXTCOLOR, 0, 0)
#define ListView_SetTextBkColor(hwnd, clrTextBk)                                                   \
    (BOOL) SendMessageA((hwnd), LVM_SETTEXTBKCOLOR, 0, (LPARAM)(COLORREF)(clrTextBk))
#define ListView_GetTextBkColor(hwnd) (COLORREF) SendMessageA((hwnd), LVM_GETTEXTBKCOLOR, 0, 0)
#endif

// ---- Tree view ----

#define TVS_HASBUTTONS 0x0001
#define TVS_HASLINES 0x0002
#define TVS_LINESATROOT 0x0004
#define TVS_EDITLABELS 0x0008
#define TVS_DISABLEDRAGDROP 0x0010
#define TVS_SHOWSELALWAYS 0x0020
#define TVS_RTLREADING 0x0040
#define TVS_NOTOOLTIPS 0x0080
#define TVS_CHECKBOXES 0x0100
#define TVS_TRACKSELECT 0x0200
#define TVS_SINGLEEXPAND 0x0400
#define TVS_INFOTIP 0x0800
#define TVS_FULLROWSELECT 0x1000
#define TVS_NOSCROLL 0x2000
#define TVS_NONEVENHEIGHT 0x4000
#define TVS_NOHSCROLL 0x8000

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040
#define TVIF_INTEGRAL 0x0080
#define TVIF_STATEEX 0x0100
#define TVIF_EXPANDEDIMAGE 0x0200
#define TVIF_DI_SETITEM 0x1000

#define TVIS_FOCUSED 0x0001
#define TVIS_SELECTED 0x0002
#define TVIS_CUT 0x0004
#define TVIS_DROPHILITED 0x0008
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_EXPANDEDONCE 0x0040
#define TVIS_EXPANDPARTIAL 0x0080
#define TVIS_OVERLAYMASK 0x0F00
#define TVIS_STATEIMAGEMASK 0xF000
#define TVIS_USERMASK 0xF000

#define I_CHILDRENCALLBACK (-1)
#define I_CHILDRENAUTO (-2)
#define I_IMAGECALLBACK (-1)
#define I_IMAGENONE (-2)
#define LPSTR_TEXTCALLBACKA ((LPSTR)-1L)
#define LPSTR_TEXTCALLBACK LPSTR_TEXTCALLBACKA

#define TVI_ROOT ((HTREEITEM)(ULONG_PTR)-0x10000)
#define TVI_FIRST ((HTREEITEM)(ULONG_PTR)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(ULONG_PTR)-0x0FFFE)
#define TVI_SORT ((HTREEITEM)(ULONG_PTR)-0x0FFFD)

#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009
#define TVGN_LASTVISIBLE 0x000A
#define TVSI_NOSINGLEEXPAND 0x8000

#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003
#define TVE_EXPANDPARTIAL 0x4000
#define TVE_COLLAPSERESET 0x8000

#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

#define TVHT_NOWHERE 0x0001
#define TVHT_ONITEMICON 0x0002
#define TVHT_ONITEMLABEL 0x0004
#define TVHT_ONITEMINDENT 0x0008
#define TVHT_ONITEMBUTTON 0x0010
#define TVHT_ONITEMRIGHT 0x0020
#define TVHT_ONITEMSTATEICON 0x0040
#define TVHT_ONITEM (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)
#define TVHT_ABOVE 0x0100
#define TVHT_BELOW 0x0200
#define TVHT_TORIGHT 0x0400
#define TVHT_TOLEFT 0x0800

#define TVSIL_NORMAL 0
#define TVSIL_STATE 2

#define TV_FIRST 0x1100
#define TVM_INSERTITEMA (TV_FIRST + 0)
#define TVM_DELETEITEM (TV_FIRST + 1)
#define TVM_EXPAND (TV_FIRST + 2)
#define TVM_GETITEMRECT (TV_FIRST + 4)
#define TVM_GETCOUNT (TV_FIRST + 5)
#define TVM_GETINDENT (TV_FIRST + 6)
#define TVM_SETINDENT (TV_FIRST + 7)
#define TVM_GETIMAGELIST (TV_FIRST + 8)
#define TVM_SETIMAGELIST (TV_FIRST + 9)
#define TVM_GETNEXTITEM (TV_FIRST + 10)
#define TVM_SELECTITEM (TV_FIRST + 11)
#define TVM_GETITEMA (TV_FIRST + 12)
#define TVM_SETITEMA (TV_FIRST + 13)
#define TVM_EDITLABELA (TV_FIRST + 14)
#define TVM_GETEDITCONTROL (TV_FIRST + 15)
#define TVM_GETVISIBLECOUNT (TV_FIRST + 16)
#define TVM_HITTEST (TV_FIRST + 17)
#define TVM_CREATEDRAGIMAGE (TV_FIRST + 18)
#define TVM_SORTCHILDREN (TV_FIRST + 19)
#define TVM_ENSUREVISIBLE (TV_FIRST + 20)
#define TVM_SORTCHILDRENCB (TV_FIRST + 21)
#define TVM_ENDEDITLABELNOW (TV_FIRST + 22)
#define TVM_GETISEARCHSTRINGA (TV_FIRST + 23)
#define TVM_SETTOOLTIPS (TV_FIRST + 24)
#define TVM_GETTOOLTIPS (TV_FIRST + 25)
#define TVM_SETINSERTMARK (TV_FIRST + 26)
#define TVM_SETITEMHEIGHT (TV_FIRST + 27)
#define TVM_GETITEMHEIGHT (TV_FIRST + 28)
#define TVM_SETBKCOLOR (TV_FIRST + 29)
#define TVM_SETTEXTCOLOR (TV_FIRST + 30)
#define TVM_GETBKCOLOR (TV_FIRST + 31)
#define TVM_GETTEXTCOLOR (TV_FIRST + 32)
#define TVM_SETSCROLLTIME (TV_FIRST + 33)
#define TVM_GETSCROLLTIME (TV_FIRST + 34)
#define TVM_SETINSERTMARKCOLOR (TV_FIRST + 37)
#define TVM_GETINSERTMARKCOLOR (TV_FIRST + 38)
#define TVM_GETITEMSTATE (TV_FIRST + 39)
#define TVM_SETLINECOLOR (TV_FIRST + 40)
#define TVM_GETLINECOLOR (TV_FIRST + 41)
#define TVM_INSERTITEM TVM_INSERTITEMA
#define TVM_GETITEM TVM_GETITEMA
#define TVM_SETITEM TVM_SETITEMA
#define TVM_EDITLABEL TVM_EDITLABELA
#define TVM_SETUNICODEFORMAT CCM_SETUNICODEFORMAT
#define TVM_GETUNICODEFORMAT CCM_GETUNICODEFORMAT

#define TVN_SELCHANGINGA (TVN_FIRST - 1)
#define TVN_SELCHANGEDA (TVN_FIRST - 2)
#define TVN_GETDISPINFOA (TVN_FIRST - 3)
#define TVN_SETDISPINFOA (TVN_FIRST - 4)
#define TVN_ITEMEXPANDINGA (TVN_FIRST - 5)
#define TVN_ITEMEXPANDEDA (TVN_FIRST - 6)
#define TVN_BEGINDRAGA (TVN_FIRST - 7)
#define TVN_BEGINRDRAGA (TVN_FIRST - 8)
#define TVN_DELETEITEMA (TVN_FIRST - 9)
#define TVN_BEGINLABELEDITA (TVN_FIRST - 10)
#define TVN_ENDLABELEDITA (TVN_FIRST - 11)
#define TVN_KEYDOWN (TVN_FIRST - 12)
#define TVN_GETINFOTIPA (TVN_FIRST - 13)
#define TVN_SINGLEEXPAND (TVN_FIRST - 15)
#define TVN_SELCHANGING TVN_SELCHANGINGA
#define TVN_SELCHANGED TVN_SELCHANGEDA
#define TVN_GETDISPINFO TVN_GETDISPINFOA
#define TVN_SETDISPINFO TVN_SETDISPINFOA
#define TVN_ITEMEXPANDING TVN_ITEMEXPANDINGA
#define TVN_ITEMEXPANDED TVN_ITEMEXPANDEDA
#define TVN_BEGINDRAG TVN_BEGINDRAGA
#define TVN_BEGINRDRAG TVN_BEGINRDRAGA
#define TVN_DELETEITEM TVN_DELETEITEMA
#define TVN_BEGINLABELEDIT TVN_BEGINLABELEDITA
#define TVN_ENDLABELEDIT TVN_ENDLABELEDITA

#ifndef RC_INVOKED
struct _TREEITEM;
typedef struct _TREEITEM* HTREEITEM;

typedef struct tagTVITEMA
{
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
} TVITEMA, *LPTVITEMA, TV_ITEMA, *LPTV_ITEMA;
typedef TVITEMA TVITEM;
typedef LPTVITEMA LPTVITEM;
typedef TV_ITEMA TV_ITEM;
typedef LPTV_ITEMA LPTV_ITEM;

typedef struct tagTVITEMEXA
{
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
    int iIntegral;
    UINT uStateEx;
    HWND hwnd;
    int iExpandedImage;
    int iReserved;
} TVITEMEXA, *LPTVITEMEXA;
typedef TVITEMEXA TVITEMEX;
typedef LPTVITEMEXA LPTVITEMEX;

typedef struct tagTVINSERTSTRUCTA
{
    HTREEITEM hParent;
    HTREEITEM hInsertAfter;
    union {
        TVITEMEXA itemex;
        TV_ITEMA item;
    };
} TVINSERTSTRUCTA, *LPTVINSERTSTRUCTA, TV_INSERTSTRUCTA, *LPTV_INSERTSTRUCTA;
typedef TVINSERTSTRUCTA TVINSERTSTRUCT;
typedef LPTVINSERTSTRUCTA LPTVINSERTSTRUCT;
typedef TV_INSERTSTRUCTA TV_INSERTSTRUCT;
typedef LPTV_INSERTSTRUCTA LPTV_INSERTSTRUCT;

typedef struct tagTVHITTESTINFO
{
    POINT pt;
    UINT flags;
    HTREEITEM hItem;
} TVHITTESTINFO, *LPTVHITTESTINFO, TV_HITTESTINFO, *LPTV_HITTESTINFO;

typedef int(CALLBACK* PFNTVCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

typedef struct tagTVSORTCB
{
    HTREEITEM hParent;
    PFNTVCOMPARE lpfnCompare;
    LPARAM lParam;
} TVSORTCB, *LPTVSORTCB, TV_SORTCB, *LPTV_SORTCB;

typedef struct tagNMTREEVIEWA
{
    NMHDR hdr;
    UINT action;
    TVITEMA itemOld;
    TVITEMA itemNew;
    POINT ptDrag;
} NMTREEVIEWA, *LPNMTREEVIEWA, NM_TREEVIEWA, *LPNM_TREEVIEWA;
typedef NMTREEVIEWA NMTREEVIEW;
typedef LPNMTREEVIEWA LPNMTREEVIEW;
typedef NM_TREEVIEWA NM_TREEVIEW;
typedef LPNM_TREEVIEWA LPNM_TREEVIEW;

typedef struct tagTVDISPINFOA
{
    NMHDR hdr;
    TVITEMA item;
} NMTVDISPINFOA, *LPNMTVDISPINFOA, TV_DISPINFOA;
typedef NMTVDISPINFOA NMTVDISPINFO;
typedef LPNMTVDISPINFOA LPNMTVDISPINFO;
typedef TV_DISPINFOA TV_DISPINFO;

// Byte-packed, as the system's header lays it out.
#pragma pack(push, 1)
typedef struct tagTVKEYDOWN
{
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
} NMTVKEYDOWN, *LPNMTVKEYDOWN, TV_KEYDOWN;
#pragma pack(pop)

// The message helpers, as functions rather than macros so that ignoring a result warns nobody.
inline HTREEITEM TreeView_InsertItem(HWND hwnd, const TVINSERTSTRUCTA* lpis)
{
    return (HTREEITEM)SendMessageA(hwnd, TVM_INSERTITEMA, 0, (LPARAM)lpis);
}
inline BOOL TreeView_DeleteItem(HWND hwnd, HTREEITEM hitem)
{
    return (BOOL)SendMessageA(hwnd, TVM_DELETEITEM, 0, (LPARAM)hitem);
}
inline BOOL TreeView_DeleteAllItems(HWND hwnd)
{
    return (BOOL)SendMessageA(hwnd, TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
}
inline BOOL TreeView_Expand(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return (BOOL)SendMessageA(hwnd, TVM_EXPAND, (WPARAM)code, (LPARAM)hitem);
}
inline BOOL TreeView_GetItemRect(HWND hwnd, HTREEITEM hitem, RECT* prc, BOOL code)
{
    // The message takes the item in the rectangle's first bytes.
    __builtin_memcpy(prc, &hitem, sizeof hitem);
    return (BOOL)SendMessageA(hwnd, TVM_GETITEMRECT, (WPARAM)code, (LPARAM)prc);
}
inline UINT TreeView_GetCount(HWND hwnd)
{
    return (UINT)SendMessageA(hwnd, TVM_GETCOUNT, 0, 0);
}
inline UINT TreeView_GetIndent(HWND hwnd)
{
    return (UINT)SendMessageA(hwnd, TVM_GETINDENT, 0, 0);
}
inline HTREEITEM TreeView_GetNextItem(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return (HTREEITEM)SendMessageA(hwnd, TVM_GETNEXTITEM, (WPARAM)code, (LPARAM)hitem);
}
inline HTREEITEM TreeView_GetChild(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_CHILD);
}
inline HTREEITEM TreeView_GetNextSibling(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXT);
}
inline HTREEITEM TreeView_GetPrevSibling(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUS);
}
inline HTREEITEM TreeView_GetParent(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PARENT);
}
inline HTREEITEM TreeView_GetFirstVisible(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, NULL, TVGN_FIRSTVISIBLE);
}
inline HTREEITEM TreeView_GetNextVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_NEXTVISIBLE);
}
inline HTREEITEM TreeView_GetPrevVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_GetNextItem(hwnd, hitem, TVGN_PREVIOUSVISIBLE);
}
inline HTREEITEM TreeView_GetLastVisible(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, NULL, TVGN_LASTVISIBLE);
}
inline HTREEITEM TreeView_GetSelection(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, NULL, TVGN_CARET);
}
inline HTREEITEM TreeView_GetDropHilight(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, NULL, TVGN_DROPHILITE);
}
inline HTREEITEM TreeView_GetRoot(HWND hwnd)
{
    return TreeView_GetNextItem(hwnd, NULL, TVGN_ROOT);
}
inline BOOL TreeView_Select(HWND hwnd, HTREEITEM hitem, UINT code)
{
    return (BOOL)SendMessageA(hwnd, TVM_SELECTITEM, (WPARAM)code, (LPARAM)hitem);
}
inline BOOL TreeView_SelectItem(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_CARET);
}
inline BOOL TreeView_SelectDropTarget(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_DROPHILITE);
}
inline BOOL TreeView_SelectSetFirstVisible(HWND hwnd, HTREEITEM hitem)
{
    return TreeView_Select(hwnd, hitem, TVGN_FIRSTVISIBLE);
}
inline BOOL TreeView_GetItem(HWND hwnd, TVITEMA* pitem)
{
    return (BOOL)SendMessageA(hwnd, TVM_GETITEMA, 0, (LPARAM)pitem);
}
inline BOOL TreeView_SetItem(HWND hwnd, const TVITEMA* pitem)
{
    return (BOOL)SendMessageA(hwnd, TVM_SETITEMA, 0, (LPARAM)pitem);
}
inline UINT TreeView_GetVisibleCount(HWND hwnd)
{
    return (UINT)SendMessageA(hwnd, TVM_GETVISIBLECOUNT, 0, 0);
}
inline HTREEITEM TreeView_HitTest(HWND hwnd, LPTVHITTESTINFO lpht)
{
    return (HTREEITEM)SendMessageA(hwnd, TVM_HITTEST, 0, (LPARAM)lpht);
}
inline BOOL TreeView_SortChildren(HWND hwnd, HTREEITEM hitem, BOOL recurse)
{
    return (BOOL)SendMessageA(hwnd, TVM_SORTCHILDREN, (WPARAM)recurse, (LPARAM)hitem);
}
inline BOOL TreeView_EnsureVisible(HWND hwnd, HTREEITEM hitem)
{
    return (BOOL)SendMessageA(hwnd, TVM_ENSUREVISIBLE, 0, (LPARAM)hitem);
}
inline BOOL TreeView_SortChildrenCB(HWND hwnd, const TVSORTCB* psort, BOOL recurse)
{
    return (BOOL)SendMessageA(hwnd, TVM_SORTCHILDRENCB, (WPARAM)recurse, (LPARAM)psort);
}
inline int TreeView_GetItemHeight(HWND hwnd)
{
    return (int)SendMessageA(hwnd, TVM_GETITEMHEIGHT, 0, 0);
}
inline UINT TreeView_GetItemState(HWND hwnd, HTREEITEM hti, UINT mask)
{
    return (UINT)SendMessageA(hwnd, TVM_GETITEMSTATE, (WPARAM)hti, (LPARAM)mask);
}
inline BOOL TreeView_SetItemState(HWND hwnd, HTREEITEM hti, UINT data, UINT mask)
{
    TVITEMA item = {};
    item.mask = TVIF_STATE;
    item.hItem = hti;
    item.stateMask = mask;
    item.state = data;
    return (BOOL)SendMessageA(hwnd, TVM_SETITEMA, 0, (LPARAM)&item);
}
#endif

// ---- Tab control ----

#define TCS_SCROLLOPPOSITE 0x0001
#define TCS_BOTTOM 0x0002
#define TCS_RIGHT 0x0002
#define TCS_MULTISELECT 0x0004
#define TCS_FLATBUTTONS 0x0008
#define TCS_FORCEICONLEFT 0x0010
#define TCS_FORCELABELLEFT 0x0020
#define TCS_HOTTRACK 0x0040
#define TCS_VERTICAL 0x0080
#define TCS_TABS 0x0000
#define TCS_BUTTONS 0x0100
#define TCS_SINGLELINE 0x0000
#define TCS_MULTILINE 0x0200
#define TCS_RIGHTJUSTIFY 0x0000
#define TCS_FIXEDWIDTH 0x0400
#define TCS_RAGGEDRIGHT 0x0800
#define TCS_FOCUSONBUTTONDOWN 0x1000
#define TCS_OWNERDRAWFIXED 0x2000
#define TCS_TOOLTIPS 0x4000
#define TCS_FOCUSNEVER 0x8000

#define TCS_EX_FLATSEPARATORS 0x00000001
#define TCS_EX_REGISTERDROP 0x00000002

#define TCIF_TEXT 0x0001
#define TCIF_IMAGE 0x0002
#define TCIF_RTLREADING 0x0004
#define TCIF_PARAM 0x0008
#define TCIF_STATE 0x0010

#define TCIS_BUTTONPRESSED 0x0001
#define TCIS_HIGHLIGHTED 0x0002

#define TCHT_NOWHERE 0x0001
#define TCHT_ONITEMICON 0x0002
#define TCHT_ONITEMLABEL 0x0004
#define TCHT_ONITEM (TCHT_ONITEMICON | TCHT_ONITEMLABEL)

#define TCM_FIRST 0x1300
#define TCM_GETIMAGELIST (TCM_FIRST + 2)
#define TCM_SETIMAGELIST (TCM_FIRST + 3)
#define TCM_GETITEMCOUNT (TCM_FIRST + 4)
#define TCM_GETITEMA (TCM_FIRST + 5)
#define TCM_SETITEMA (TCM_FIRST + 6)
#define TCM_INSERTITEMA (TCM_FIRST + 7)
#define TCM_DELETEITEM (TCM_FIRST + 8)
#define TCM_DELETEALLITEMS (TCM_FIRST + 9)
#define TCM_GETITEMRECT (TCM_FIRST + 10)
#define TCM_GETCURSEL (TCM_FIRST + 11)
#define TCM_SETCURSEL (TCM_FIRST + 12)
#define TCM_HITTEST (TCM_FIRST + 13)
#define TCM_SETITEMEXTRA (TCM_FIRST + 14)
#define TCM_ADJUSTRECT (TCM_FIRST + 40)
#define TCM_SETITEMSIZE (TCM_FIRST + 41)
#define TCM_REMOVEIMAGE (TCM_FIRST + 42)
#define TCM_SETPADDING (TCM_FIRST + 43)
#define TCM_GETROWCOUNT (TCM_FIRST + 44)
#define TCM_GETTOOLTIPS (TCM_FIRST + 45)
#define TCM_SETTOOLTIPS (TCM_FIRST + 46)
#define TCM_GETCURFOCUS (TCM_FIRST + 47)
#define TCM_SETCURFOCUS (TCM_FIRST + 48)
#define TCM_SETMINTABWIDTH (TCM_FIRST + 49)
#define TCM_DESELECTALL (TCM_FIRST + 50)
#define TCM_HIGHLIGHTITEM (TCM_FIRST + 51)
#define TCM_SETEXTENDEDSTYLE (TCM_FIRST + 52)
#define TCM_GETEXTENDEDSTYLE (TCM_FIRST + 53)
#define TCM_GETITEM TCM_GETITEMA
#define TCM_SETITEM TCM_SETITEMA
#define TCM_INSERTITEM TCM_INSERTITEMA
#define TCM_SETUNICODEFORMAT CCM_SETUNICODEFORMAT
#define TCM_GETUNICODEFORMAT CCM_GETUNICODEFORMAT

#define TCN_KEYDOWN (TCN_FIRST - 0)
#define TCN_SELCHANGE (TCN_FIRST - 1)
#define TCN_SELCHANGING (TCN_FIRST - 2)
#define TCN_GETOBJECT (TCN_FIRST - 3)
#define TCN_FOCUSCHANGE (TCN_FIRST - 4)

#ifndef RC_INVOKED
typedef struct tagTCITEMHEADERA
{
    UINT mask;
    UINT lpReserved1;
    UINT lpReserved2;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
} TCITEMHEADERA, *LPTCITEMHEADERA, TC_ITEMHEADERA;
typedef TCITEMHEADERA TCITEMHEADER;
typedef LPTCITEMHEADERA LPTCITEMHEADER;

typedef struct tagTCITEMA
{
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
} TCITEMA, *LPTCITEMA, TC_ITEMA;
typedef TCITEMA TCITEM;
typedef LPTCITEMA LPTCITEM;
typedef TC_ITEMA TC_ITEM;

typedef struct tagTCHITTESTINFO
{
    POINT pt;
    UINT flags;
} TCHITTESTINFO, *LPTCHITTESTINFO, TC_HITTESTINFO;

// Byte-packed, as the system's header lays it out.
#pragma pack(push, 1)
typedef struct tagTCKEYDOWN
{
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
} NMTCKEYDOWN, TC_KEYDOWN;
#pragma pack(pop)

// The message helpers, as functions rather than macros so that ignoring a result warns nobody.
inline int TabCtrl_GetItemCount(HWND hwnd)
{
    return (int)SendMessageA(hwnd, TCM_GETITEMCOUNT, 0, 0);
}
inline BOOL TabCtrl_GetItem(HWND hwnd, int iItem, TCITEMA* pitem)
{
    return (BOOL)SendMessageA(hwnd, TCM_GETITEMA, (WPARAM)iItem, (LPARAM)pitem);
}
inline BOOL TabCtrl_SetItem(HWND hwnd, int iItem, const TCITEMA* pitem)
{
    return (BOOL)SendMessageA(hwnd, TCM_SETITEMA, (WPARAM)iItem, (LPARAM)pitem);
}
inline int TabCtrl_InsertItem(HWND hwnd, int iItem, const TCITEMA* pitem)
{
    return (int)SendMessageA(hwnd, TCM_INSERTITEMA, (WPARAM)iItem, (LPARAM)pitem);
}
inline BOOL TabCtrl_DeleteItem(HWND hwnd, int i)
{
    return (BOOL)SendMessageA(hwnd, TCM_DELETEITEM, (WPARAM)i, 0);
}
inline BOOL TabCtrl_DeleteAllItems(HWND hwnd)
{
    return (BOOL)SendMessageA(hwnd, TCM_DELETEALLITEMS, 0, 0);
}
inline BOOL TabCtrl_GetItemRect(HWND hwnd, int i, RECT* prc)
{
    return (BOOL)SendMessageA(hwnd, TCM_GETITEMRECT, (WPARAM)i, (LPARAM)prc);
}
inline int TabCtrl_GetCurSel(HWND hwnd)
{
    return (int)SendMessageA(hwnd, TCM_GETCURSEL, 0, 0);
}
inline int TabCtrl_SetCurSel(HWND hwnd, int i)
{
    return (int)SendMessageA(hwnd, TCM_SETCURSEL, (WPARAM)i, 0);
}
inline int TabCtrl_HitTest(HWND hwnd, TCHITTESTINFO* pinfo)
{
    return (int)SendMessageA(hwnd, TCM_HITTEST, 0, (LPARAM)pinfo);
}
inline int TabCtrl_AdjustRect(HWND hwnd, BOOL bLarger, RECT* prc)
{
    return (int)SendMessageA(hwnd, TCM_ADJUSTRECT, (WPARAM)bLarger, (LPARAM)prc);
}
inline int TabCtrl_GetRowCount(HWND hwnd)
{
    return (int)SendMessageA(hwnd, TCM_GETROWCOUNT, 0, 0);
}
inline int TabCtrl_GetCurFocus(HWND hwnd)
{
    return (int)SendMessageA(hwnd, TCM_GETCURFOCUS, 0, 0);
}
inline LRESULT TabCtrl_SetCurFocus(HWND hwnd, int i)
{
    return SendMessageA(hwnd, TCM_SETCURFOCUS, (WPARAM)i, 0);
}
#endif

// ---- Status bar ----

// The common control styles that place a control along its parent's edge; the status bar is
// their user here.
#define CCS_TOP 0x00000001L
#define CCS_NOMOVEY 0x00000002L
#define CCS_BOTTOM 0x00000003L
#define CCS_NORESIZE 0x00000004L
#define CCS_NOPARENTALIGN 0x00000008L
#define CCS_ADJUSTABLE 0x00000020L
#define CCS_NODIVIDER 0x00000040L
#define CCS_VERT 0x00000080L

#define SBARS_SIZEGRIP 0x0100
#define SBARS_TOOLTIPS 0x0800
#define SBT_TOOLTIPS 0x0800

#define SB_SETTEXTA (WM_USER + 1)
#define SB_GETTEXTA (WM_USER + 2)
#define SB_GETTEXTLENGTHA (WM_USER + 3)
#define SB_SETPARTS (WM_USER + 4)
#define SB_GETPARTS (WM_USER + 6)
#define SB_GETBORDERS (WM_USER + 7)
#define SB_SETMINHEIGHT (WM_USER + 8)
#define SB_SIMPLE (WM_USER + 9)
#define SB_GETRECT (WM_USER + 10)
#define SB_SETTEXTW (WM_USER + 11)
#define SB_GETTEXTLENGTHW (WM_USER + 12)
#define SB_GETTEXTW (WM_USER + 13)
#define SB_ISSIMPLE (WM_USER + 14)
#define SB_SETICON (WM_USER + 15)
#define SB_SETTIPTEXTA (WM_USER + 16)
#define SB_SETTIPTEXTW (WM_USER + 17)
#define SB_GETTIPTEXTA (WM_USER + 18)
#define SB_GETTIPTEXTW (WM_USER + 19)
#define SB_GETICON (WM_USER + 20)
#define SB_SETBKCOLOR (CCM_FIRST + 1)
#define SB_SETUNICODEFORMAT CCM_SETUNICODEFORMAT
#define SB_GETUNICODEFORMAT CCM_GETUNICODEFORMAT
#define SB_SETTEXT SB_SETTEXTA
#define SB_GETTEXT SB_GETTEXTA
#define SB_GETTEXTLENGTH SB_GETTEXTLENGTHA
#define SB_SETTIPTEXT SB_SETTIPTEXTA
#define SB_GETTIPTEXT SB_GETTIPTEXTA

// The drawing types of SB_SETTEXT, in the high byte of its wParam beside the part index.
#define SBT_OWNERDRAW 0x1000
#define SBT_NOBORDERS 0x0100
#define SBT_POPOUT 0x0200
#define SBT_RTLREADING 0x0400
#define SBT_NOTABPARSING 0x0800

// The part index of a simple status bar's one text.
#define SB_SIMPLEID 0x00ff

#define SBN_SIMPLEMODECHANGE (SBN_FIRST - 0)

#ifndef RC_INVOKED
// What mouse notifications (NM_CLICK and its kin) tell: for a status bar, the part clicked.
typedef struct tagNMMOUSE
{
    NMHDR hdr;
    DWORD_PTR dwItemSpec;
    DWORD_PTR dwItemData;
    POINT pt;
    LPARAM dwHitInfo;
} NMMOUSE, *LPNMMOUSE;

WINUSERAPI HWND WINAPI CreateStatusWindowA(LONG style, LPCSTR lpszText, HWND hwndParent, UINT wID);
WINUSERAPI void WINAPI DrawStatusTextA(HDC hDC, LPCRECT lprc, LPCSTR pszText, UINT uFlags);
#define CreateStatusWindow CreateStatusWindowA
#define DrawStatusText DrawStatusTextA
#endif

// ---- Animation ----

#define ACS_CENTER 0x0001
#define ACS_TRANSPARENT 0x0002
#define ACS_AUTOPLAY 0x0004
#define ACS_TIMER 0x0008

#define ACM_OPENA (WM_USER + 100)
#define ACM_PLAY (WM_USER + 101)
#define ACM_STOP (WM_USER + 102)
#define ACM_OPENW (WM_USER + 103)
#define ACM_ISPLAYING (WM_USER + 104)
#define ACM_OPEN ACM_OPENA

// Sent to the parent in WM_COMMAND's high word.
#define ACN_START 1
#define ACN_STOP 2

#ifndef RC_INVOKED
inline BOOL Animate_OpenEx(HWND hwnd, HINSTANCE hInst, LPCSTR szName)
{
    return (BOOL)SendMessageA(hwnd, ACM_OPEN, (WPARAM)hInst, (LPARAM)szName);
}
inline BOOL Animate_Open(HWND hwnd, LPCSTR szName)
{
    return Animate_OpenEx(hwnd, NULL, szName);
}
inline BOOL Animate_Play(HWND hwnd, UINT from, UINT to, UINT rep)
{
    return (BOOL)SendMessageA(hwnd, ACM_PLAY, (WPARAM)rep, (LPARAM)MAKELONG(from, to));
}
inline BOOL Animate_Stop(HWND hwnd)
{
    return (BOOL)SendMessageA(hwnd, ACM_STOP, 0, 0);
}
inline BOOL Animate_IsPlaying(HWND hwnd)
{
    return (BOOL)SendMessageA(hwnd, ACM_ISPLAYING, 0, 0);
}
inline BOOL Animate_Close(HWND hwnd)
{
    return Animate_Open(hwnd, NULL);
}
inline BOOL Animate_Seek(HWND hwnd, UINT frame)
{
    return Animate_Play(hwnd, frame, frame, 1);
}
#endif

// ---- Mapped bitmaps ----

#define CMB_MASKED 0x02

#ifndef RC_INVOKED
typedef struct _COLORMAP
{
    COLORREF from;
    COLORREF to;
} COLORMAP, *LPCOLORMAP;

// Loads a bitmap resource with its colours replaced: by colorMap when given, else by the
// standard mapping of black, dark grey, light grey and white to the button colours.
WINUSERAPI HBITMAP WINAPI CreateMappedBitmap(HINSTANCE hInstance, INT_PTR idBitmap, UINT wFlags,
                                             LPCOLORMAP lpColorMap, int iNumMaps);
#endif
