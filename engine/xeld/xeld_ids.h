// Resource and control ids of the integration library stand-in's Find dialog.
#pragma once

#define IDD_XELD_FIND 100

#define IDC_XELD_DATABANKS 1001
#define IDC_XELD_TEXT 1002
#define IDC_XELD_SEARCH 1003
#define IDC_XELD_RESULTS 1004
#define IDC_XELD_ID 1005
#define IDC_XELD_ADD 1006
#define IDC_XELD_STATUS 1007
#define IDC_XELD_DATABANKS_LABEL 1008
