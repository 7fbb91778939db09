// Command ids of the main window's menu items and buttons. Plain macros, because the
// resource compiler reads this file too.
#pragma once

#define IDM_OPEN 57601
#define IDM_COPY_REPORT 32777
#define IDM_ABOUT 57664
#define IDM_EXIT 57665
#define IDM_SKILL_LEVELS 32778
#define IDM_VOLUME_PRESETS 32779
#define IDM_COLOR_PREFERENCES 32780
#define IDM_HUMAN_FACES 32792
#define IDM_CHECK_STICK 32781
#define IDM_BACK_UP_STICK 32782
#define IDM_RESTORE_FROM_BACKUP 32783
#define IDM_DIARY 32784
#define IDM_VOICE_RECORDINGS 32785
#define IDM_PHOTO_ALBUM 32786
