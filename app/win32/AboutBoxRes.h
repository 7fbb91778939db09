// Resource ids of the About box.
#pragma once

#define IDD_ABOUT 100
#define IDC_ABOUT_VERSION 101
#define IDC_ABOUT_KEY_PADS 102
