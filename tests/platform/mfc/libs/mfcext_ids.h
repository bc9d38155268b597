// Resource ids of the test extension modules. Both modules define the SHARED ones. Strings are
// found by blocks of 16 ids, so each string id below lies in a block of its own.
#pragma once

#define IDS_EXT_SHARED 100
#define IDS_EXT_ONE_ONLY 140
#define IDS_EXT_TWO_ONLY 120
#define IDR_EXT_SHARED 300
#define IDR_EXT_NOWHERE 301
#define IDB_EXT_TWO 400
