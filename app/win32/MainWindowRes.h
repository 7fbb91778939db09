// Resource ids of the main window; its command ids are in app/MainWindowCommandIds.h.
#pragma once

#define IDD_BROWSER 102
#define IDR_BROWSER_MENU 130
#define IDC_REPORT_TREE 1000
#define IDC_INFO_LIST 1002
