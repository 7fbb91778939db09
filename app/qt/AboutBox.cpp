// The About box: the program icon, its name and version, the key pads in use (selectable,
// so that a long path wraps and can be copied), the licence, and OK.
#include "app/qt/AboutBox.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>

#include "MorvaneVersion.h"
#include "reports/KeyPadSource.h"

namespace morvane::qt {
namespace {

QLabel* plainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* keyPadsLabel()
{
    QLabel* label = plainLabel(QString::fromStdString(keyPadsLine(keyPadsInUse())));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* iconLabel(const QWidget& box)
{
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    auto* label = new QLabel;
    label->setPixmap(QApplication::windowIcon().pixmap(size, size));
    return label;
}

}  // namespace

void runAboutBox(QWidget* owner)
{
    QDialog box(owner);
    box.setWindowTitle("About Morvane");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* layout = new QGridLayout(&box);
    layout->addWidget(iconLabel(box), 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(plainLabel("Morvane - Ver 7.3 .02"), 0, 1);
    layout->addWidget(plainLabel("Version " MORVANE_VERSION_TEXT), 1, 1);
    layout->addWidget(keyPadsLabel(), 2, 1);
    layout->addWidget(plainLabel("MIT License (LICENSE.txt)"), 3, 1);
    layout->addWidget(buttons, 0, 2, 1, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    box.resize(box.fontMetrics().averageCharWidth() * 72, box.sizeHint().height());
    box.exec();
}

}  // namespace morvane::qt
