// What the main window borrows from its program, and what its commands work on: the
// opened stick, the report tree, the information list, the window system's services and
// the editors' and viewers' dialogs.
#pragma once

#include "reports/InfoList.h"
#include "stick/StickRoot.h"
#include "ui/Clipboard.h"
#include "ui/ColorDialogView.h"
#include "ui/DiaryDialogView.h"
#include "ui/FaceDialogView.h"
#include "ui/FileOpenDialog.h"
#include "ui/PhotoAlbumView.h"
#include "ui/ProgressWindow.h"
#include "ui/SaveDialog.h"
#include "ui/SliderDialogView.h"
#include "ui/SoundPlayer.h"
#include "ui/TreeControl.h"
#include "ui/UserMessages.h"
#include "ui/UserQuestions.h"
#include "ui/VoiceDialogView.h"
#include "ui/WaitCursor.h"

namespace morvane {

// The dialogs that the Skill Levels, Volume Presets, Color Preferences, Human Faces, Diary,
// Photo Album and Voice Recordings commands show.
struct EditorViews {
    SliderDialogView& skillLevels;
    SliderDialogView& volumePresets;
    ColorDialogView& colorPreferences;
    FaceDialogView& humanFaces;
    DiaryDialogView& diary;
    PhotoAlbumView& photos;
    VoiceDialogView& voices;
};

// What a window program lends its main window.
struct MainWindowServices {
    StickRoot& stick;
    UserMessages& messages;
    UserQuestions& questions;
    FileOpenDialog& fileDialog;
    SaveDialog& saveDialog;
    Clipboard& clipboard;
    WaitCursor& waitCursor;
    ProgressWindow& progress;
    SoundPlayer& player;
};

struct MainWindowContext {
    MainWindowServices services;
    TreeControl& tree;
    InfoList& list;
    EditorViews editors;
};

}  // namespace morvane
