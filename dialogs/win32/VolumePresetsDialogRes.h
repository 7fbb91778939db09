// Resource ids of the volume settings dialog.
#pragma once

#define IDD_VOLUME 132
#define IDC_VOLUME0_SLIDER 1002
#define IDC_VOLUME1_SLIDER 1003
#define IDC_VOLUME2_SLIDER 1004
#define IDC_VOLUME3_SLIDER 1005
#define IDC_DEFAULT_PRESET 1010
#define IDC_QUIET_PRESET 1012
#define IDC_LOUD_PRESET 1014
