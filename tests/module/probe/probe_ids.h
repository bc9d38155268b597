// Resource ids shared by the probe module and the test program that hosts it.
#pragma once

// A template that both the probe module and the host program have, each with its own title.
#define IDD_PROBE_SHARED 100
// A template that only the host program has.
#define IDD_PROBE_HOST_ONLY 101
