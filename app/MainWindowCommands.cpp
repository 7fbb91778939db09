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
        viewDiary(window.services.messages, window.editors.diary);
        return true;
    case IDM_PHOTO_ALBUM:
        viewPhotoAlbum({window.services.messages, window.services.saveDialog, window.services.progress},
                       window.editors.photos);
        return true;
    case IDM_VOICE_RECORDINGS:
        viewVoiceRecordings({window.services.messages, window.services.saveDialog, window.services.player},
                            window.editors.voices);
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
