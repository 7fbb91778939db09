// The main window's menu bar, which both window programs build from this one table: each
// menu's title and items in order, the access key marked by '&' in the text as Windows and
// Qt mark it, the command each item runs (MainWindowCommandIds.h), and whether it opens a
// window that the owner answers.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/MainWindowCommandIds.h"

namespace morvane {

struct MenuItem {
    std::string_view text;
    int commandId;
    bool opensWindow;
};

struct Menu {
    std::string_view title;
    std::span<const MenuItem> items;
};

inline constexpr MenuItem kOptionsMenu[]{
    {"&Open", IDM_OPEN, true},
    {"&Copy Report to Clipboard", IDM_COPY_REPORT, false},
    {"&About", IDM_ABOUT, true},
    {"E&xit", IDM_EXIT, false},
};

inline constexpr MenuItem kStickMenu[]{
    {"&Back Up Stick...", IDM_BACK_UP_STICK, true},
    {"&Check Stick...", IDM_CHECK_STICK, false},  // a progress window, nothing to answer
    {"&Restore from Backup...", IDM_RESTORE_FROM_BACKUP, true},
};

inline constexpr MenuItem kChangeMenu[]{
    {"&Skill Levels", IDM_SKILL_LEVELS, true},
    {"&Volume Presets", IDM_VOLUME_PRESETS, true},
};

inline constexpr MenuItem kViewMenu[]{
    {"&Color Preferences", IDM_COLOR_PREFERENCES, true},
    {"&Human Faces", IDM_HUMAN_FACES, true},
    {"&Diary", IDM_DIARY, true},
    {"&Photo Album", IDM_PHOTO_ALBUM, true},
    {"V&oice Recordings", IDM_VOICE_RECORDINGS, true},
};

inline constexpr std::array<Menu, 4> kMainMenu{{
    {"&Options", kOptionsMenu},
    {"&Stick", kStickMenu},
    {"&Change", kChangeMenu},
    {"&View", kViewMenu},
}};

}  // namespace morvane
