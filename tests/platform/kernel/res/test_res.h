// Resource ids of the kernel tests' resource script.
#pragma once

#define IDD_CLASSIC 100
#define IDD_EXTENDED 101
#define IDD_NO_FONT 102

#define IDR_TEST_MENU 300
#define IDI_TEST_ICON 301
#define IDB_TEST_BITMAP 302
#define IDR_NUMBERED 303

#define IDC_NAME_EDIT 1001
#define IDC_NAME_LABEL 1002
#define IDC_ITEM_LIST 1003
#define IDC_SCROLL 1004
#define IDC_KIND_COMBO 1005
#define IDC_RESULTS 1006
#define IDC_ICON_STATIC 1007
#define IDC_CHECK 1010
#define IDC_GROUP 1011
#define IDC_PICTURE 1012
#define IDC_BIG_ID 70000

#define IDS_HELLO 1
#define IDS_EMPTY 3
#define IDS_LAST_OF_FIRST_BLOCK 15
#define IDS_SECOND_BLOCK 17
#define IDS_LATIN1 18
#define IDS_WIDE 19
#define IDS_LONG 20
#define IDS_HIGH 4097
