// Resource ids of the Diary window.
#pragma once

#define IDD_DIARY 137
#define IDC_DIARY_DAYS 1070
#define IDC_DIARY_COUNTERS 1071
#define IDC_DIARY_CHART 1072
#define IDC_DIARY_PROBLEMS 1073
