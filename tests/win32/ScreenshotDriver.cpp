// Runs the real program on a stick, prints how long the whole process took from its
// creation until the Summary was in the list, and saves pictures of the main window,
// the About box and the editors' and viewers' dialogs for the documentation.
//   morvane_screenshots STICK OUTPUT_DIR    the timing, then main-window.png, about.png,
//                                           skill-levels.png, volume.png,
//                                           color-preferences.png, human-faces.png,
//                                           diary.png (the newest day chosen),
//                                           photo-album.png (the first photo chosen),
//                                           photo.png (that photo opened),
//                                           voice-recordings.png (a recording chosen) and
//                                           progress.png (the progress window half-way)
//   morvane_screenshots STICK               the timing only
// The dialogs are only opened and closed, never saved, so the stick is left as it was.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/MainWindowCommandIds.h"
#include "app/win32/ProgressDialog.h"
#include "dialogs/win32/DiaryDialogRes.h"
#include "dialogs/win32/HumanFacesDialogRes.h"
#include "dialogs/win32/PhotoAlbumDialogRes.h"
#include "dialogs/win32/VoiceDialogRes.h"
#include "tests/win32/GuiSession.h"
#include "tests/win32/WindowCapture.h"

namespace {

using morvane::test::GuiSession;

std::int64_t ticks(const FILETIME& time)
{
    return static_cast<std::int64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// Milliseconds since this process was created.
double millisecondsSinceCreation()
{
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

bool summaryShown(const GuiSession& session)
{
    for (const std::string& line : session.listLines())
        if (line.starts_with("Browsing OpenR from "))
            return true;
    return false;
}

// Opens a dialog of the main window, lets `prepare` set it up, saves its picture and
// closes it with Cancel (the face viewer's Escape).
template <typename Prepare>
bool captureDialog(GuiSession& session, int command, const wchar_t* caption, const std::filesystem::path& png,
                   Prepare prepare)
{
    PostMessageW(session.mainWindow(), WM_COMMAND, command, 0);
    HWND dialog = session.waitForWindow(caption);
    if (dialog == nullptr)
        return false;
    prepare(dialog);
    const bool captured = morvane::test::captureWindow(dialog, png);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return morvane::test::waitUntil([&] { return !IsWindow(dialog); }) && captured;
}

// The face viewer with its second face selected, as a user's click leaves it.
void selectSecondFace(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_FACE_LIST);
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_FACE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The diary with its newest day chosen, as a user's click leaves it.
void chooseNewestDay(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_DIARY_DAYS);
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_DIARY_DAYS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The voice slots with the first recording chosen, as a user's click leaves them.
void chooseFirstRecording(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_VOICE_SLOTS);
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_VOICE_SLOTS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

// The album with its first photo chosen, as a user's click leaves it.
void chooseFirstPhoto(HWND dialog)
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(GetDlgItem(dialog, IDC_PHOTO_LIST), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

// The first photo opened from the album, in its own window.
bool capturePhoto(GuiSession& session, const std::filesystem::path& png)
{
    PostMessageW(session.mainWindow(), WM_COMMAND, IDM_PHOTO_ALBUM, 0);
    HWND album = session.waitForWindow(L"Photo Album");
    if (album == nullptr)
        return false;
    chooseFirstPhoto(album);
    PostMessageW(album, WM_COMMAND, IDC_PHOTO_OPEN, 0);
    HWND photo = session.waitForWindow(L"OWNER 2017-05-25 19:20:10 IMG00001.JPG");
    const bool captured = photo != nullptr && morvane::test::captureWindow(photo, png);
    PostMessageW(photo, WM_COMMAND, IDCANCEL, 0);
    morvane::test::waitUntil([&] { return !IsWindow(photo); });
    PostMessageW(album, WM_COMMAND, IDCANCEL, 0);
    return morvane::test::waitUntil([&] { return !IsWindow(album); }) && captured;
}

// The progress window as a check leaves it half-way, made on this thread.
bool captureProgress(const std::filesystem::path& png)
{
    morvane::win32::OwnerWindow noOwner;
    morvane::win32::ProgressDialog progress(GetModuleHandleW(nullptr), noOwner);
    progress.open("Check Stick");
    progress.advance("OPEN-R/APP/DATA/P/FVAR", 9, 20);
    HWND window = FindWindowW(nullptr, L"Check Stick");
    const bool captured = window != nullptr && morvane::test::captureWindow(window, png);
    progress.close();
    return captured;
}

bool capturePictures(GuiSession& session, const std::filesystem::path& outputDir)
{
    const auto asOpened = [](HWND) {};
    return morvane::test::captureWindow(session.mainWindow(), outputDir / "main-window.png") &&
           captureDialog(session, IDM_ABOUT, L"About Morvane", outputDir / "about.png", asOpened) &&
           captureDialog(session, IDM_SKILL_LEVELS, L"Skill Levels", outputDir / "skill-levels.png",
                         asOpened) &&
           captureDialog(session, IDM_VOLUME_PRESETS, L"Volume Settings", outputDir / "volume.png",
                         asOpened) &&
           captureDialog(session, IDM_COLOR_PREFERENCES, L"AIBO's Color Preferences",
                         outputDir / "color-preferences.png", asOpened) &&
           captureDialog(session, IDM_HUMAN_FACES, L"Human Face Identification Database",
                         outputDir / "human-faces.png", selectSecondFace) &&
           captureDialog(session, IDM_DIARY, L"Diary", outputDir / "diary.png", chooseNewestDay) &&
           captureDialog(session, IDM_PHOTO_ALBUM, L"Photo Album", outputDir / "photo-album.png",
                         chooseFirstPhoto) &&
           capturePhoto(session, outputDir / "photo.png") &&
           captureDialog(session, IDM_VOICE_RECORDINGS, L"Voice Recordings",
                         outputDir / "voice-recordings.png", chooseFirstRecording) &&
           captureProgress(outputDir / "progress.png");
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("usage: morvane_screenshots STICK [OUTPUT_DIR]\n", stderr);
        return 64;
    }
    GuiSession session;
    session.start(std::wstring(L"/v ") + argv[1]);
    if (session.mainWindow() == nullptr || !morvane::test::waitUntil([&] { return summaryShown(session); })) {
        std::fputs("the main window did not show the Summary\n", stderr);
        return 1;
    }
    std::printf("start-up to Summary shown: %.0f ms (from process creation)\n", millisecondsSinceCreation());
    if (argc == 3 && !capturePictures(session, argv[2])) {
        std::fputs("the pictures could not be written\n", stderr);
        return 1;
    }
    PostMessageW(session.mainWindow(), WM_COMMAND, IDM_EXIT, 0);
    return session.waitForEnd() ? 0 : 1;
}
