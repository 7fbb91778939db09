// Resource ids of the human faces dialog.
#pragma once

#define IDD_HUMAN_FACES 134
#define IDC_FACE_LIST 1039
#define IDC_FACE_PICTURE 1043
