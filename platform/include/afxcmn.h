// MFC's wrappers of the common controls.
#pragma once
#include <afxwin.h>
#include <commctrl.h>

// Each control class's section follows, kept by whoever builds that control.

// ---- CListCtrl ----

// ---- CTreeCtrl ----

// ---- CTabCtrl ----

// ---- CStatusBarCtrl ----

// ---- CAnimateCtrl ----
