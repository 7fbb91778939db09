// Resource ids of the Voice Recordings window.
#pragma once

#define IDD_VOICE_RECORDINGS 138
#define IDC_VOICE_SLOTS 1080
#define IDC_VOICE_PLAY 1081
#define IDC_VOICE_SAVE 1082
#define IDC_VOICE_PROBLEMS 1083
