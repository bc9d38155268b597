// Ids of the module's resources, shared by every folder of the module and by its resource
// script. Each dialog adds its template and control ids here.
#pragma once

// The version resource (VS_VERSION_INFO).
#define VS_VERSION_INFO 1

// Each folder's ids follow in its own section, so that folders do not interleave.

// prompts/: message boxes, the ID box and the small prompts.

// compsearch/: the component Find.

// CQuarnelDlg.
#define IDD_QUARNEL_FIND 12298
#define IDC_FIND_TAB 12509
#define IDC_FIND_CRITERIA_GROUP 12525
#define IDC_FIND_NAME_LABEL 12546
#define IDC_FIND_NAME 12639
#define IDC_FIND_ALTNAMES 12659
#define IDC_FIND_BEGINS_WITH 12596
#define IDC_FIND_CLASS_LABEL 12551
#define IDC_FIND_CLASS 12535
#define IDC_FIND_MW_LABEL 12555
#define IDC_FIND_MW_FROM_LABEL 12559
#define IDC_FIND_MW_FROM 12577
#define IDC_FIND_MW_TO_LABEL 12562
#define IDC_FIND_MW_TO 12581
#define IDC_FIND_BP_LABEL 12565
#define IDC_FIND_BP_FROM_LABEL 12568
#define IDC_FIND_BP_FROM 12585
#define IDC_FIND_BP_TO_LABEL 12571
#define IDC_FIND_BP_TO 12587
#define IDC_FIND_BP_UNIT 12531
#define IDC_FIND_CAS_LABEL 12574
#define IDC_FIND_CAS 12625
#define IDC_FIND_NOW 12517
#define IDC_FIND_CLOSE 12520
#define IDC_FIND_NEW_SEARCH 12522
#define IDC_FIND_ANIMATION 12599
#define IDC_FIND_DATABANK 12541
#define IDC_FIND_RESULTS_GROUP 12590
#define IDC_FIND_RESULTS 12593
#define IDC_FIND_ADD 12528
// The status bar that OnInitDialog creates.
#define IDC_FIND_STATUS 8001

// propsearch/: the property search.
#define IDD_FIND_PROPERTY 12289
#define IDD_MULTIPLE_PROP 12290
#define IDC_PROP_STEP1 12510
#define IDC_PROP_SEARCH_TEXT 12512
#define IDC_PROP_SEARCH 12515
#define IDC_PROP_PURE_ONLY 12628
#define IDC_PROP_CORRELATIONS 12663
#define IDC_PROP_STEP2 12518
#define IDC_PROP_RESULTS 12547
#define IDC_PROP_ADD 12528
#define IDC_PROP_STEP3 12532
#define IDC_PROP_SELECTION 12552
#define IDC_PROP_REMOVE 12538
#define IDC_PROP_OK 12542
#define IDC_PROP_HELP 12523
#define IDC_MULTIPROP_LINE1 12556
#define IDC_MULTIPROP_LINE2 12560
#define IDC_MULTIPROP_LINE3 12563
#define IDC_MULTIPROP_DONTSHOW 12566
