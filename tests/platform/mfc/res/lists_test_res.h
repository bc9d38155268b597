// Ids of the list and combo box wrapper tests' resources (apart from mfc_test_res.h's).
#define IDD_LISTS 200
#define IDD_BROKEN_INIT 201
#define IDD_TRUNCATED_INIT 202

#define IDC_SOLVENT 2000
#define IDC_UNIT 2001
#define IDC_LETTERS 2002
#define IDC_NUMBERS 2003
