// Resource ids of the platform demonstration.
#define IDD_GREETING 100
#define IDC_NAME 1001
#define IDC_FORMAL 1002
#define IDC_LANGUAGE_GROUP 1003
#define IDC_ENGLISH 1004
#define IDC_FRENCH 1005
#define IDS_HELLO 1
#define IDS_BONJOUR 2
