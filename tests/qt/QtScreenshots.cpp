// Pictures of morvane's windows for the documentation, one device pixel per pixel and the
// main window at a fixed size, so that every run on the same fonts draws the same pictures:
//   morvane_qt_screenshots STICK OUTPUT_DIR
// writes qt-search.png (the search window probing a mount point), then, with the program
// started on STICK as `morvane STICK` starts it, qt-main-window.png (the Summary shown),
// qt-about.png, qt-skill-levels.png, qt-volume.png, qt-color-preferences.png,
// qt-human-faces.png (a face selected), qt-diary.png (the newest day chosen),
// qt-photo-album.png (the first photo chosen), qt-photo.png (that photo opened),
// qt-voice-recordings.png (a recording chosen) and qt-progress.png (the progress window
// half-way), printing each file's path. Every
// window is closed with Escape, as Cancel closes it, so nothing is saved on the stick.
#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QListWidget>
#include <QProgressDialog>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "app/qt/ProgressDialog.h"
#include "reports/KeyPadSource.h"
#include "tests/qt/QtTestSupport.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

namespace fs = std::filesystem;

// The main window's own size follows the font; the picture's does not.
constexpr QSize kMainWindowSize(880, 520);
// Where the search window is shown looking, as it looks where removable media are mounted.
const char* const kMountPoint = "/media/owner/AIBO";

void useOnePixelPerPixel()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

bool save(QWidget& window, const fs::path& png)
{
    if (!window.grab().save(QString::fromStdString(png.string())))
        return false;
    std::printf("%s\n", png.c_str());
    return true;
}

// The search window while it probes the mount point. The probe finds no stick there, and
// the file-open dialog that follows is answered with the marker of `stick`.
bool captureSearchWindow(ModalAnswers& answers, const std::string& stick, const fs::path& png)
{
    answers.fileChoices = {(fs::path(stick) / "MEMSTICK.IND").string()};
    bool saved = false;
    MorvaneApp app({kMountPoint}, [&](const std::string&) {
        QWidget* window = scanningWindow();
        saved = window != nullptr && save(*window, png);
        return false;
    });
    return app.start("") && saved;
}

// Opens the window of the main window's menu item `item`, lets `prepare` set it up, saves
// its picture and closes it with Escape.
bool captureModal(QWidget& mainWindow, const QString& item, const fs::path& png,
                  const std::function<void(QWidget&)>& prepare = {})
{
    bool saved = false;
    answerNextModal([&](QDialog& window) {
        if (prepare)
            prepare(window);
        saved = save(window, png);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    menuAction(mainWindow, item)->trigger();
    return saved;
}

// The second face, as a click on it leaves the viewer.
void selectSecondFace(QWidget& viewer) { viewer.findChild<QListWidget*>()->setCurrentRow(1); }

// The diary's newest day, as a click on it leaves the window.
void chooseNewestDay(QWidget& diary) { diary.findChild<QListWidget*>()->setCurrentRow(4); }

// The first recording, as a click on it leaves the window.
void chooseFirstRecording(QWidget& voices) { voices.findChild<QListWidget*>()->setCurrentRow(0); }

// The album with its first photo chosen, and that photo opened in its own window.
bool capturePhotoAlbum(QWidget& mainWindow, const fs::path& outputDir)
{
    bool photoSaved = false;
    const bool albumSaved =
        captureModal(mainWindow, "&Photo Album", outputDir / "qt-photo-album.png", [&](QWidget& album) {
            auto* grid = album.findChild<QListView*>();
            grid->setCurrentIndex(grid->model()->index(0, 0));
            answerNextModal([&](QDialog& photo) {
                photoSaved = save(photo, outputDir / "qt-photo.png");
                QTest::keyClick(&photo, Qt::Key_Escape);
            });
            clickButton(album, "Open");
        });
    return albumSaved && photoSaved;
}

// The progress window as a check leaves it half-way, over the main window.
bool captureProgress(const fs::path& png)
{
    ProgressDialog progress;
    progress.open("Check Stick");
    progress.advance("OPEN-R/APP/DATA/P/FVAR", 9, 20);
    QProgressDialog* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == "Check Stick" && widget->isVisible())
            window = qobject_cast<QProgressDialog*>(widget);
    const bool saved = window != nullptr && save(*window, png);
    progress.close();
    return saved;
}

bool captureProgram(const std::string& stick, const fs::path& outputDir)
{
    MorvaneApp app({});
    if (!app.start(stick))
        return false;
    QWidget& window = *app.mainWindow();
    window.resize(kMainWindowSize);
    return QTest::qWaitForWindowExposed(&window) && save(window, outputDir / "qt-main-window.png") &&
           captureModal(window, "&About", outputDir / "qt-about.png") &&
           captureModal(window, "&Skill Levels", outputDir / "qt-skill-levels.png") &&
           captureModal(window, "&Volume Presets", outputDir / "qt-volume.png") &&
           captureModal(window, "&Color Preferences", outputDir / "qt-color-preferences.png") &&
           captureModal(window, "&Human Faces", outputDir / "qt-human-faces.png", selectSecondFace) &&
           captureModal(window, "&Diary", outputDir / "qt-diary.png", chooseNewestDay) &&
           capturePhotoAlbum(window, outputDir) &&
           captureModal(window, "V&oice Recordings", outputDir / "qt-voice-recordings.png",
                        chooseFirstRecording) &&
           captureProgress(outputDir / "qt-progress.png");
}

}  // namespace
}  // namespace morvane::test

int main(int argc, char** argv)
{
    using namespace morvane;
    using namespace morvane::qt;
    if (argc != 3) {
        std::fputs("usage: morvane_qt_screenshots STICK OUTPUT_DIR\n", stderr);
        return 64;
    }
    // Start-up enters the stick's folder; both paths must still name the same places then.
    const std::string stick = std::filesystem::absolute(argv[1]).string();
    const std::filesystem::path outputDir = std::filesystem::absolute(argv[2]);
    test::useOnePixelPerPixel();
    QApplication application(argc, argv);
    // Unattended: a message is only recorded, and the file-open dialog takes the answers.
    ModalAnswers answers;
    const AnsweringModals answering(answers);
    MessageBoxMessages messages;
    const UsingKeyPads pads(windowProgramKeyPads(messages));
    if (!test::captureSearchWindow(answers, stick, outputDir / "qt-search.png") ||
        !test::captureProgram(stick, outputDir)) {
        std::fputs("the pictures could not be written\n", stderr);
        return 1;
    }
    return 0;
}
