// The scanning window. It has no event loop of its own: the scan delivers waiting events
// between two probes, and "Manual Open" only raises a flag that the scan reads. Escape and
// the close box reject the dialog as the button does, so they act like it.
#include "app/qt/ScanningWindow.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/qt/QtText.h"

namespace morvane::qt {

ScanningWindow::ScanningWindow() = default;

ScanningWindow::~ScanningWindow() = default;

void ScanningWindow::open()
{
    dialog_ = std::make_unique<QDialog>();
    dialog_->setWindowTitle("Scanning for ERS-7 Memory Stick");
    probePath_ = new QLabel("?");
    probePath_->setTextFormat(Qt::PlainText);
    // The window widens for a path longer than any before it (see showProbePath), and
    // never narrows, so it does not jump about while the roots are probed.
    probePath_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* manualOpen = new QPushButton("Manual Open");
    QObject::connect(manualOpen, &QPushButton::clicked, dialog_.get(), &QDialog::reject);
    QObject::connect(dialog_.get(), &QDialog::rejected, dialog_.get(),
                     [this] { manualOpenRequested_ = true; });

    auto* probeLine = new QHBoxLayout;
    probeLine->addWidget(new QLabel("Looking for memory stick:"));
    probeLine->addWidget(probePath_, 1);
    auto* layout = new QVBoxLayout(dialog_.get());
    layout->addLayout(probeLine);
    layout->addWidget(manualOpen, 0, Qt::AlignHCenter);
    dialog_->resize(dialog_->fontMetrics().averageCharWidth() * 64, dialog_->sizeHint().height());
    dialog_->show();
}

void ScanningWindow::showProbePath(std::string_view path)
{
    if (!dialog_)
        return;
    const QString text = qtText(path);
    probePath_->setText(text);
    const int missing =
        probePath_->fontMetrics().horizontalAdvance(text) - probePath_->contentsRect().width();
    if (missing > 0) {
        dialog_->resize(dialog_->width() + missing, dialog_->height());
        QCoreApplication::sendPostedEvents(dialog_.get(), QEvent::LayoutRequest);
    }
    probePath_->repaint();
}

void ScanningWindow::deliverWaitingMessages() { QCoreApplication::processEvents(); }

void ScanningWindow::close()
{
    dialog_.reset();
    probePath_ = nullptr;
}

}  // namespace morvane::qt
