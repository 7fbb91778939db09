// View > Photo Album in morvane on the sample stick: its lines are morvane-cli's, the
// thumbnails and the opened photo are painted with the very pixels stb_image decodes, the
// photo is scaled smoothly, Save Photos... copies as photos --out does, and a long album
// decodes only the thumbnails in view.
#include <QDir>
#include <QListView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <set>
#include <variant>

#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "dialogs/qt/PhotoAlbumDialog.h"
#include "pc/JpegPicture.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/PaintedPicture.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

RgbImage decoded(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    const std::variant<RgbImage, std::string> picture = decodeJpeg(std::span(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    return std::holds_alternative<RgbImage>(picture) ? std::get<RgbImage>(picture) : RgbImage{};
}

QImage grabbed(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// The colours of `shot` as the comparisons read them.
auto pixelsOf(const QImage& shot)
{
    return [&shot](int x, int y) {
        const QRgb colour = shot.pixel(x, y);
        return rgbColor(static_cast<std::uint8_t>(qRed(colour)), static_cast<std::uint8_t>(qGreen(colour)),
                        static_cast<std::uint8_t>(qBlue(colour)));
    };
}

// An album of `count` lines whose thumbnails note that they were asked for.
class CountingAlbum final : public PhotoRecords {
public:
    explicit CountingAlbum(std::size_t count, std::size_t problems = 0)
        : thumbnail_{104, 80, std::vector<std::uint8_t>(104 * 80 * 3, 0x80)}
    {
        for (std::size_t n = 1; n <= count; ++n)
            lines_.push_back("OWNER 2017-05-25 19:20:10 IMG" +
                             QString::number(n).rightJustified(5, '0').toStdString() + ".JPG");
        for (std::size_t n = 1; n <= problems; ++n)
            problems_.push_back("OPEN-R/APP/PC/PHOTO/IMG" +
                                QString::number(n).rightJustified(5, '0').toStdString() + ".JPG: cut short");
    }
    const std::vector<std::string>& lines() const override { return lines_; }
    const std::vector<std::string>& problems() const override { return problems_; }
    const RgbImage& thumbnail(std::size_t line) override
    {
        asked.insert(line);
        return thumbnail_;
    }
    std::optional<RgbImage> photo(std::size_t) override { return std::nullopt; }
    void savePhotos() override {}

    std::set<std::size_t> asked;

private:
    std::vector<std::string> lines_;
    std::vector<std::string> problems_;
    RgbImage thumbnail_;
};

}  // namespace

class PhotoAlbumWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowShowsTheCliLinesAndTheDecodedPixels()
    {
        CurrentDirectoryGuard guard;
        TempStick stick;
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        const QString root = QString::fromStdString(stick.rootPath());
        const QStringList printed = QString::fromUtf8(runCli({"photos", root}).out).chopped(1).split('\n');
        const RgbImage thumbnail = decoded(root + "/OPEN-R/APP/PC/PHOTO/THM00001.JPG");
        const RgbImage photo = decoded(root + "/OPEN-R/APP/PC/PHOTO/IMG00001.JPG");
        MorvaneApp app{{}};
        QVERIFY(app.start(stick.rootPath()));

        QStringList shown;
        bool thumbnailShown = false;
        bool openGreyed = false;
        QString photoTitle;
        QSize photoSize;
        bool photoShown = false;
        bool smooth = false;
        bool albumStillOpen = false;
        answerNextModal([&](QDialog& dialog) {
            auto* grid = dialog.findChild<QListView*>();
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                shown << grid->model()->index(row, 0).data().toString();
            const QImage shot = grabbed(*grid->viewport());
            const QRect first = grid->visualRect(grid->model()->index(0, 0));
            thumbnailShown =
                showsPicture(pixelsOf(shot),
                             {first.left(), first.top(), first.right() + 1, first.bottom() + 1}, thumbnail);
            openGreyed = !buttonLabelled(dialog, "Open")->isEnabled();
            grid->setCurrentIndex(grid->model()->index(0, 0));
            answerNextModal([&](QDialog& window) {
                photoTitle = window.windowTitle();
                auto* area = window.findChild<QWidget*>("photo");
                photoSize = area->size();
                area->resize(416, 320);
                const QImage natural = grabbed(*area);
                photoShown = samePixels(pixelsOf(natural), 0, 0, photo);
                area->resize(832, 640);
                const QImage scaled = grabbed(*area);
                smooth = blendsPixels(pixelsOf(scaled), scaled.width(), scaled.height());
            });
            // Enter opens the chosen photo, and only that: the album stays open.
            QTest::keyClick(grid, Qt::Key_Return);
            albumStillOpen = dialog.isVisible();
        });
        menuAction(*app.mainWindow(), "&Photo Album")->trigger();
        QCOMPARE(shown, printed);
        QVERIFY(thumbnailShown);
        QVERIFY(openGreyed);
        QCOMPARE(photoTitle, printed[0]);
        QCOMPARE(photoSize, QSize(624, 480));
        QVERIFY(photoShown);
        QVERIFY(smooth);
        QVERIFY(albumStillOpen);
    }

    void savePhotosCopiesThemNamedAsTheCliNamesThem()
    {
        CurrentDirectoryGuard guard;
        TempStick stick;
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        const QString root = QString::fromStdString(stick.rootPath());
        QTemporaryDir elsewhere;
        QCOMPARE(runCli({"photos", root, "--out", elsewhere.filePath("by the cli")}).status, 0);
        MorvaneApp app{{}};
        QVERIFY(app.start(stick.rootPath()));
        ModalAnswers answers;
        answers.fileChoices = {elsewhere.filePath("by the window").toStdString()};
        AnsweringModals answering(answers);
        answerNextModal([](QDialog& dialog) { clickButton(dialog, "Save Photos..."); });
        menuAction(*app.mainWindow(), "&Photo Album")->trigger();
        QCOMPARE(answers.messages,
                 std::vector<std::string>{"Copied 5 photos to " +
                                          elsewhere.filePath("by the window").toStdString()});
        const QStringList copies = QDir(elsewhere.filePath("by the cli")).entryList(QDir::Files);
        QCOMPARE(QDir(elsewhere.filePath("by the window")).entryList(QDir::Files), copies);
        for (const QString& copy : copies)
            QCOMPARE(fileBytes(elsewhere.filePath("by the window/" + copy)),
                     fileBytes(elsewhere.filePath("by the cli/" + copy)));
    }

    // A thousand photos: the first screen asks for a screenful of thumbnails, and
    // scrolling to the end asks for the last ones, never for all.
    void aLongAlbumDecodesOnlyTheThumbnailsInView()
    {
        CountingAlbum album(1000);
        PhotoAlbumDialog view(nullptr);
        std::size_t first = 0;
        bool lastAsked = false;
        answerNextModal([&](QDialog& dialog) {
            auto* grid = dialog.findChild<QListView*>();
            grabbed(*grid->viewport());
            first = album.asked.size();
            grid->scrollToBottom();
            grabbed(*grid->viewport());
            lastAsked = album.asked.contains(999);
        });
        view.runModal(album);
        QVERIFY2(first > 0 && first <= 24, qPrintable(QString::number(first)));
        QVERIFY(lastAsked);
        QVERIFY2(album.asked.size() <= 48, qPrintable(QString::number(album.asked.size())));
    }

    // Three hundred problems can all be read in a box that scrolls, and the window stays
    // on the screen; without any, no box is shown.
    void manyProblemsScrollInsideTheWindow()
    {
        CountingAlbum troubled(10, 300);
        PhotoAlbumDialog view(nullptr);
        QStringList lines;
        int height = 0;
        int screenHeight = 0;
        answerNextModal([&](QDialog& dialog) {
            auto* box = dialog.findChild<QPlainTextEdit*>("problems");
            QVERIFY(box->isVisible());
            lines = box->toPlainText().split('\n');
            height = dialog.frameGeometry().height();
            screenHeight = dialog.screen()->availableGeometry().height();
        });
        view.runModal(troubled);
        QCOMPARE(lines.size(), 300);
        QCOMPARE(lines.back(), QString("OPEN-R/APP/PC/PHOTO/IMG00300.JPG: cut short"));
        QVERIFY2(height <= screenHeight, qPrintable(QString::number(height)));

        CountingAlbum untroubled(10);
        bool boxShown = true;
        answerNextModal(
            [&](QDialog& dialog) { boxShown = dialog.findChild<QPlainTextEdit*>("problems")->isVisible(); });
        view.runModal(untroubled);
        QVERIFY(!boxShown);
    }
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::PhotoAlbumWindowTest)
#include "PhotoAlbumWindowTest.moc"
