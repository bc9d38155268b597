// Ids of the MFC window and dialog tests' resources.
#define IDD_DATA 100
#define IDD_PLAIN 101
#define IDD_CENTERED 102
#define IDD_PAGE 103

#define IDC_NAME 1000
#define IDC_COUNT 1001
#define IDC_RATIO 1002
#define IDC_AMOUNT 1003
#define IDC_CHECK 1004
#define IDC_RADIO_A 1005
#define IDC_RADIO_B 1006
#define IDC_RADIO_C 1007
#define IDC_COMBO 1008
#define IDC_LIST 1009
#define IDC_DROPLIST 1010
#define IDC_SMALL 1011
