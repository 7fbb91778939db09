// Resource ids of the colour preferences dialog; the eight areas are numbered in a row,
// colour 0 first.
#pragma once

#define IDD_COLOR_PREFERENCES 133
#define IDC_COLOR_AREA0 1051
#define IDC_COLOR_AREA1 1052
#define IDC_COLOR_AREA2 1053
#define IDC_COLOR_AREA3 1054
#define IDC_COLOR_AREA4 1055
#define IDC_COLOR_AREA5 1056
#define IDC_COLOR_AREA6 1057
#define IDC_COLOR_AREA7 1058
