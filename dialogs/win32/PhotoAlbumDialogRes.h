// Resource ids of the Photo Album window and of the window of one photo.
#pragma once

#define IDD_PHOTO_ALBUM 139
#define IDD_PHOTO 140
#define IDC_PHOTO_LIST 1090
#define IDC_PHOTO_OPEN 1091
#define IDC_PHOTO_SAVE 1092
#define IDC_PHOTO_PROBLEMS 1093
