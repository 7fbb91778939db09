// The lists show their lines in the system's fixed-pitch font, so the table's columns stand
// under their headings. The chart is painted once, into a kept picture.
#include "dialogs/qt/DiaryDialog.h"

#include <QDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/qt/ImageCanvas.h"
#include "dialogs/qt/PixelPicture.h"
#include "dialogs/qt/ProblemBox.h"
#include "dialogs/qt/QtText.h"
#include "pc/DiaryChart.h"

namespace morvane::qt {
namespace {

// The diary's text comes from its XML, in UTF-8.
QStringList qtLines(const std::vector<std::string>& lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown << qtText(line);
    return shown;
}

QListWidget* fixedPitchList(QWidget* dialog, int width, int height)
{
    auto* list = new QListWidget(dialog);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setMinimumSize(width, height);
    return list;
}

PixelPicture* chart(const DiaryRecords& diary, QWidget* dialog)
{
    auto* picture = new PixelPicture(QSize(kDiaryChartWidth, kDiaryChartHeight), QString(), dialog);
    ImageCanvas canvas(picture->picture());
    diary.drawChart(canvas);
    return picture;
}

}  // namespace

// The days over the chart and the problems, the counters at the right with "Done" below.
void DiaryDialog::runModal(const DiaryRecords& diary)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle("Diary");
    auto* grid = new QGridLayout(&dialog);
    QListWidget* days = fixedPitchList(&dialog, kDiaryChartWidth, 160);
    days->addItems(qtLines(diary.lines()));
    QListWidget* counters = fixedPitchList(&dialog, 300, 160);
    QPlainTextEdit* problems = problemBox(diary.problems(), &dialog);
    auto* done = new QPushButton("Done", &dialog);
    done->setDefault(true);
    QObject::connect(days, &QListWidget::currentRowChanged, &dialog, [&diary, counters](int row) {
        counters->clear();
        if (const std::optional<std::size_t> day =
                row < 0 ? std::nullopt : diary.dayOfLine(static_cast<std::size_t>(row)))
            counters->addItems(qtLines(diary.counterLines(*day)));
    });
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::accept);
    grid->addWidget(new QLabel("Days:", &dialog), 0, 0);
    grid->addWidget(new QLabel("Counters of the chosen day:", &dialog), 0, 1);
    grid->addWidget(days, 1, 0);
    grid->addWidget(counters, 1, 1, 3, 1);
    grid->addWidget(chart(diary, &dialog), 2, 0);
    grid->addWidget(problems, 3, 0);
    grid->addWidget(done, 4, 1, Qt::AlignRight);
    dialog.exec();
}

}  // namespace morvane::qt
