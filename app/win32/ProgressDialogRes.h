// Resource ids of the progress window.
#pragma once

#define IDD_PROGRESS 136
#define IDC_PROGRESS_PATH 1060
#define IDC_PROGRESS_BAR 1061
