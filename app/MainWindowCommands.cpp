// Dispatching the main window's stick commands.
#include "app/MainWindowCommands.h"

#include "app/MainWindowCommandIds.h"
#include "app/OpenNewImage.h"
#include "app/ReportClipboard.h"
#include "app/StickBackupCommand.h"
#include "app/StickCheckCommand.h"
#include "app/StickRestoreCommand.h"
#include "dialogs/ColorPreferencesViewer.h"
#include "dialogs/DiaryViewer.h"
#include "dialogs/HumanFacesViewer.h"
#include "dialogs/PhotoAlbumViewer.h"
#include "dialogs/SkillLevelsEditor.h"
#include "dialogs/VoiceViewer.h"
#include "dialogs/VolumePresetsEditor.h"

namespace morvane {
namespace {

// An editor saves through the system's file operations.
EditorServices editorServices(MainWindowContext& window, SliderDialogView& view)
{
    return {window.services.messages, view, window.list, window.services.stick, systemFileOperations()};
}

// The viewers of the robot's PC folder read the stick before their windows open, in the
// progress window when that takes long.
void showDiary(MainWindowContext& window)
{
    ViewerReading reading(window.services.progress, "Diary");
    viewDiary(window.services.messages, reading, window.editors.diary);
}

void showPhotoAlbum(MainWindowContext& window)
{
    ViewerReading reading(window.services.progress, "Photo Album");
    viewPhotoAlbum({window.services.messages, window.services.saveDialog, window.services.progress,
                    window.services.stick},
                   reading, window.editors.photos);
}

void showVoiceRecordings(MainWindowContext& window)
{
    ViewerReading reading(window.services.progress, "Voice Recordings");
    viewVoiceRecordings(
        {window.services.messages, window.services.saveDialog, window.services.player, window.services.stick},
        reading, window.editors.voices);
}

}  // namespace

bool runStickCommand(int id, MainWindowContext& window)
{
    switch (id) {
    case IDM_OPEN:
        openNewImage(window);
        return true;
    case IDM_COPY_REPORT:
        copyReportToClipboard(window.list, window.services.clipboard, window.services.messages);
        return true;
    case IDM_SKILL_LEVELS:
        editSkillLevels(editorServices(window, window.editors.skillLevels));
        return true;
    case IDM_VOLUME_PRESETS:
        editVolumePresets(editorServices(window, window.editors.volumePresets));
        return true;
    case IDM_COLOR_PREFERENCES:
        viewColorPreferences(window.services.messages, window.editors.colorPreferences);
        return true;
    case IDM_HUMAN_FACES:
        viewHumanFaces(window.services.messages, window.editors.humanFaces);
        return true;
    case IDM_DIARY:
        showDiary(window);
        return true;
    case IDM_PHOTO_ALBUM:
        showPhotoAlbum(window);
        return true;
    case IDM_VOICE_RECORDINGS:
        showVoiceRecordings(window);
        return true;
    case IDM_BACK_UP_STICK:
        backUpOpenStick(window);
        return true;
    case IDM_CHECK_STICK:
        checkOpenStick(window);
        return true;
    case IDM_RESTORE_FROM_BACKUP:
        restoreOpenStick(window);
        return true;
    default:
        return false;
    }
}

}  // namespace morvane
