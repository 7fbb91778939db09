// How long morvane's Photo Album window takes to show its first screen on a stick, against
// reading and decoding the thumbnails of that screen alone. A window round runs from
// View > Photo Album to the window painted whole (the album's index and folder read, the
// grid laid out, the thumbnails in view decoded and drawn); a baseline round reads and
// decodes the thumbnails of the same photos through stb_image, as many as the first screen
// showed. A window round is timed in two parts: reading the album's index and folder, then
// the window from there to its first screen. Beside them, in the same rounds: reading and
// decoding every thumbnail, which a window decoding eagerly would pay. Prints the number of
// thumbnails on the first screen, then the medians of the reading, the window, the
// baseline and every thumbnail, in milliseconds (scripts/bench-photos.sh).
// Usage: morvane_photo_album_cost STICK [ROUNDS]
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QListView>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ProgressDialog.h"
#include "app/qt/SaveDialog.h"
#include "dialogs/PhotoAlbumViewer.h"
#include "dialogs/qt/PhotoAlbumDialog.h"
#include "pc/JpegPicture.h"
#include "stick/OsFile.h"
#include "stick/StickFileContent.h"
#include "ui/PhotoAlbumView.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The number of the grid's items that its viewport shows.
int itemsInView(const QListView& grid)
{
    int shown = 0;
    for (int row = 0; row < grid.model()->rowCount(); ++row)
        shown += grid.visualRect(grid.model()->index(row, 0)).intersects(grid.viewport()->rect()) ? 1 : 0;
    return shown;
}

// The real window, noting when the album has been read and the window is asked to open.
class TimedView final : public morvane::PhotoAlbumView {
public:
    void runModal(morvane::PhotoRecords& album) override
    {
        albumRead = Clock::now();
        window.runModal(album);
    }
    morvane::qt::PhotoAlbumDialog window{nullptr};
    Clock::time_point albumRead;
};

struct Opening {
    double reading = 0;  // the album's index and folder
    double showing = 0;  // then the window until its first screen is painted
    int inView = 0;      // the thumbnails on that screen
};

// Sees the grid's first paint; once that paint is done (the next turn of the event loop),
// notes the time and the thumbnails in view, and closes the window.
class FirstScreenWatch final : public QObject {
public:
    FirstScreenWatch(const TimedView& view, Opening& opening) : view_(view), opening_(opening) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* grid = qobject_cast<QListView*>(watched->parent());
        if (event->type() != QEvent::Paint || grid == nullptr || seen_)
            return false;
        seen_ = true;
        QTimer::singleShot(0, [this, grid] {
            opening_.showing = millisecondsSince(view_.albumRead);
            opening_.inView = itemsInView(*grid);
            qobject_cast<QDialog*>(grid->window())->reject();
        });
        return false;
    }

private:
    const TimedView& view_;
    Opening& opening_;
    bool seen_ = false;
};

Opening openWindow(const morvane::PhotoServices& services, TimedView& view)
{
    Opening opening;
    FirstScreenWatch watch(view, opening);
    QApplication::instance()->installEventFilter(&watch);
    const Clock::time_point start = Clock::now();
    morvane::ViewerReading albumReading(services.progress, "Photo Album");
    morvane::viewPhotoAlbum(services, albumReading, view);
    opening.reading = std::chrono::duration<double, std::milli>(view.albumRead - start).count();
    QApplication::instance()->removeEventFilter(&watch);
    return opening;
}

double decodeThumbnails(const morvane::PhotoAlbum& album, std::size_t count)
{
    const Clock::time_point start = Clock::now();
    for (std::size_t line = 0; line < count && line < album.photos.size(); ++line) {
        const morvane::StickFileContent content =
            morvane::readStickFileContent(morvane::thumbnailPath(album.photos[line]), morvane::kLargestJpeg);
        if (std::holds_alternative<std::string>(morvane::decodeJpeg(content.bytes)))
            std::fprintf(stderr, "cannot decode %s\n", album.photos[line].file.c_str());
    }
    return millisecondsSince(start);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2 || !morvane::changeDirectory(argv[1])) {
        std::fprintf(stderr, "usage: morvane_photo_album_cost STICK [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::stoi(argv[2]) : 9;
    morvane::UnwatchedReading unwatched;
    const std::optional<morvane::PhotoAlbum> album = morvane::readPhotoAlbum(unwatched);
    if (!album)
        return 1;
    morvane::qt::MessageBoxMessages messages;
    morvane::qt::SaveDialog saveDialog;
    morvane::qt::ProgressDialog progress;
    morvane::StickRoot stick;
    stick.rootPath = morvane::currentDirectory().value_or(std::string());
    TimedView view;
    std::vector<double> reading;
    std::vector<double> showing;
    std::vector<double> firstScreen;
    std::vector<double> everyThumbnail;
    int inView = 0;
    for (int round = 0; round < rounds; ++round) {
        const Opening opening = openWindow({messages, saveDialog, progress, stick}, view);
        reading.push_back(opening.reading);
        showing.push_back(opening.showing);
        inView = opening.inView;
        firstScreen.push_back(decodeThumbnails(*album, static_cast<std::size_t>(inView)));
        everyThumbnail.push_back(decodeThumbnails(*album, album->photos.size()));
    }
    std::printf("%d %.2f %.2f %.2f %.2f\n", inView, median(reading), median(showing), median(firstScreen),
                median(everyThumbnail));
    return 0;
}
