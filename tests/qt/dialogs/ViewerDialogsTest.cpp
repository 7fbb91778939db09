// The two viewers' Qt windows driven through the real flows on the sample stick: each
// colour area and each face picture, as grabbed from the window, is exactly what the
// viewer's model paints onto morvane-cli's in-memory canvas, at any device pixel ratio
// (the suite also runs at a scale factor of 2); the face list is morvane-cli's.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include "cli/StreamMessages.h"
#include "dialogs/ColorPreferencesViewer.h"
#include "dialogs/HumanFacesViewer.h"
#include "dialogs/qt/ColorPreferencesDialog.h"
#include "dialogs/qt/HumanFacesDialog.h"
#include "tests/qt/QtTestSupport.h"
#include "ui/ImageCanvas.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

// Hands the model that the flow shows to the test, then shows it in the Qt window.
template <typename View, typename Model>
class ModelCatcher final : public View {
public:
    explicit ModelCatcher(View& view) : view_(view) {}
    void runModal(const Model& model) override
    {
        shown = &model;
        view_.runModal(model);
    }
    const Model* shown = nullptr;

private:
    View& view_;
};

// The areas' insides, frames with a sunken edge, top first.
QList<QFrame*> sunkenAreas(QDialog& dialog)
{
    QList<QFrame*> areas;
    for (QFrame* frame : dialog.findChildren<QFrame*>()) {
        if (frame->frameShadow() == QFrame::Sunken && frame->frameShape() != QFrame::NoFrame &&
            !qobject_cast<QListWidget*>(frame))
            areas << frame;
    }
    return areas;
}

// The first pixel of `part` of the area's inside (in logical pixels, as `expected` holds
// them) whose device pixels in `grabbed` differ from it, or an empty text.
QString firstDifference(const QFrame& area, const QPixmap& grabbed, const ImageCanvas& expected,
                        const QRect& part)
{
    const QImage image = grabbed.toImage();
    const int scale = static_cast<int>(grabbed.devicePixelRatio());
    const QPoint inside = area.contentsRect().topLeft();
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            const RgbColor color = expected.pixel(x, y);
            const QRgb want = qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
            for (int device = 0; device < scale * scale; ++device) {
                const QRgb got = image.pixel(scale * (inside.x() + x) + device % scale,
                                             scale * (inside.y() + y) + device / scale);
                if ((got & 0xFFFFFF) != (want & 0xFFFFFF))
                    return QString("pixel (%1, %2): %3, expected %4")
                        .arg(x)
                        .arg(y)
                        .arg(got, 0, 16)
                        .arg(want, 0, 16);
            }
        }
    }
    return {};
}

int expectedScale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariableIntValue("QT_SCALE_FACTOR") : 1;
}

}  // namespace

class ViewerDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void colorAreasShowTheModelsSwatches();
    void facePicturesShowTheModelsFaces();

private:
    QTemporaryDir stickDir_;
};

void ViewerDialogsTest::initTestCase() { QVERIFY(makeSampleStick(stickDir_.path(), false)); }

// Each area's inside is the Win32 area's, 283 x 46 pixels, painted by the model all over.
void ViewerDialogsTest::colorAreasShowTheModelsSwatches()
{
    OpenedStick stick(stickDir_.path());
    QVERIFY(stick.opened());
    ColorPreferencesDialog window(nullptr);
    ModelCatcher<ColorDialogView, ColorAreaPainter> view(window);
    answerNextModal([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), "AIBO's Color Preferences");
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        QCOMPARE(labels, (QStringList{"Ball #0", "Ball #1", "Color #2:", "Flesh #3:", "Fav #4:", "UnFav #5:",
                                      "Color #6:", "Color #7:"}));
        const QList<QFrame*> areas = sunkenAreas(dialog);
        QCOMPARE(areas.size(), 8);
        for (qsizetype area = 0; area < areas.size(); ++area) {
            QCOMPARE(areas[area]->contentsRect().size(), QSize(283, 46));
            ImageCanvas expected({0, 0, 283, 46});
            view.shown->paintArea(static_cast<std::size_t>(area), {0, 0, 283, 46}, expected);
            const QPixmap grabbed = areas[area]->grab();
            QCOMPARE(qRound(grabbed.devicePixelRatio()), expectedScale());
            QCOMPARE(firstDifference(*areas[area], grabbed, expected, {0, 0, 283, 46}), QString());
        }
        QVERIFY(clickButton(dialog, "Done"));
    });
    std::ostringstream messages;
    cli::StreamMessages shown(messages);
    QVERIFY(viewColorPreferences(shown, view));
    QVERIFY(view.shown != nullptr);
}

// Faces are chosen by a click on their entry, last first; each picture is 135 x 80
// pixels from (10, 10) of the picture area's inside, over the area's caption.
void ViewerDialogsTest::facePicturesShowTheModelsFaces()
{
    const CliRun cli = runCli({"faces", stickDir_.path()});
    QCOMPARE(cli.status, 0);
    OpenedStick stick(stickDir_.path());
    QVERIFY(stick.opened());
    HumanFacesDialog window(nullptr);
    ModelCatcher<FaceDialogView, FaceRecords> view(window);
    answerNextModal([&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), "Human Face Identification Database");
        QCOMPARE(dialog.findChild<QLabel*>()->text(), "Face name:");
        auto* list = dialog.findChild<QListWidget*>();
        QVERIFY(list->selectedItems().isEmpty());
        QByteArray listed;
        for (int row = 0; row < list->count(); ++row)
            listed += QByteArray::number(row) + ' ' + list->item(row)->text().toLatin1() + '\n';
        QCOMPARE(listed, cli.out);
        QFrame* picture = sunkenAreas(dialog).value(0);
        QCOMPARE(picture->contentsRect().size(), QSize(151, 107));
        // "Face name:" over the 92 x 143 list; the picture to its right, level with it;
        // "Done" under the picture, centred, its bottom level with the list's.
        const QRect label = placeIn(*dialog.findChild<QLabel*>(), dialog);
        const QRect listPlace = placeIn(*list, dialog);
        const QRect picturePlace = placeIn(*picture, dialog);
        const QRect done = placeIn(*buttonLabelled(dialog, "Done"), dialog);
        QCOMPARE(listPlace.size(), QSize(92, 143));
        QVERIFY(label.bottom() < listPlace.top() && label.left() == listPlace.left());
        QVERIFY(listPlace.right() < picturePlace.left());
        QCOMPARE(picturePlace.top(), listPlace.top());
        QVERIFY(done.top() > picturePlace.bottom());
        QVERIFY(qAbs(done.center().x() - picturePlace.center().x()) <= 1);
        QCOMPARE(done.bottom(), listPlace.bottom());
        for (int row = list->count() - 1; row >= 0; --row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
            ImageCanvas expected({10, 10, 145, 90});
            view.shown->drawFace(static_cast<std::size_t>(row), expected);
            QCOMPARE(firstDifference(*picture, picture->grab(), expected, {10, 10, 135, 80}), QString());
        }
        QVERIFY(clickButton(dialog, "Done"));
    });
    std::ostringstream messages;
    cli::StreamMessages shown(messages);
    QVERIFY(viewHumanFaces(shown, view));
    QVERIFY(view.shown != nullptr);
}

}  // namespace morvane::test

QTEST_MAIN(morvane::test::ViewerDialogsTest)
#include "ViewerDialogsTest.moc"
