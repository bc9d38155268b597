// The component class table: the chemical families under which the pure component databanks
// classify their components. The Find offers them in its class combo box, and a record's class
// field is compared with the chosen one.
#pragma once

// One row per class: a zero-terminated name in a fixed-width row, as the databanks' own tables
// hold them. The table ends with a row whose first byte is zero.
inline constexpr int kClassNameSize = 40;
extern const char g_aszComponentClasses[][kClassNameSize];

// The number of names before the empty row.
int ComponentClassCount();
