// Resource ids of the scanning window.
#pragma once

#define IDD_SCAN 129
#define IDC_PROBE_PATH 1035
