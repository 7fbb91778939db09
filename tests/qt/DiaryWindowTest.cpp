// View > Diary in morvane on the sample stick: its day list is morvane-cli's, a chosen day
// shows its counters, and its chart is diary --png's picture pixel for pixel.
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt/MorvaneApp.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;

class DiaryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowShowsTheCliLinesCountersAndChart()
    {
        CurrentDirectoryGuard guard;
        TempStick stick;
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        const QString root = QString::fromStdString(stick.rootPath());
        QTemporaryDir scratch;
        const QString png = scratch.filePath("diary.png");
        const QStringList printed =
            QString::fromUtf8(runCli({"diary", root, "--png", png}).out).chopped(1).split('\n');
        MorvaneApp app{{}};
        QVERIFY(app.start(stick.rootPath()));

        QStringList days, counters;
        QImage chart;
        answerNextModal([&](QDialog& dialog) {
            const QList<QListWidget*> lists = dialog.findChildren<QListWidget*>();
            days = shownLines(*lists[0]);
            lists[0]->setCurrentRow(4);  // the newest day, 2017-05-31
            counters = shownLines(*lists[1]);
            for (QFrame* area : dialog.findChildren<QFrame*>())
                if (area->contentsRect().size() == QSize(640, 320))
                    chart = area->grab(area->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        });
        menuAction(*app.mainWindow(), "&Diary")->trigger();
        QCOMPARE(days, printed);
        QVERIFY(!counters.isEmpty());
        QCOMPARE(counters.first(), "Common: version                      1.0");
        QVERIFY(counters.contains("Skill: ball                          33.00%"));
        QCOMPARE(chart, QImage(png).convertToFormat(QImage::Format_RGB32));
    }
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::DiaryWindowTest)
#include "DiaryWindowTest.moc"
