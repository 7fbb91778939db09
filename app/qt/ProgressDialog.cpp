// The work runs on the program's own thread: at the pace of ProgressPacing it shows the
// file at hand and lets the waiting events through, so the window repaints and Cancel is
// taken; going through the events for every file would cost as much as drawing it. The
// window shows at once, does not close or reset by itself at the end, and belongs to the
// active window, the main window or a viewer. It blocks every other window of the program,
// not only the one it belongs to: when the program is not the active one as the work
// starts, it has no window to belong to, and the events let through would otherwise take
// menu commands in the middle of the work. Cancel, Escape and the window's close button
// only ask the work to stop: the window stays, and keeps the others blocked, until the
// work has stopped and closes it.
#include "app/qt/ProgressDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QProgressDialog>

#include "dialogs/qt/QtText.h"

namespace morvane::qt {

class ProgressDialog::StayingDialog final : public QProgressDialog {
public:
    explicit StayingDialog(QWidget* parent) : QProgressDialog(parent)
    {
        // Qt's own answer to Cancel hides the window at once, which lets every other
        // window take clicks while the work still runs.
        disconnect(this, &QProgressDialog::canceled, this, nullptr);
        connect(this, &QProgressDialog::canceled, [this] { stopAsked_ = true; });
    }

    bool stopAsked() const { return stopAsked_; }

protected:
    void reject() override { stopAsked_ = true; }
    void closeEvent(QCloseEvent* event) override
    {
        stopAsked_ = true;
        event->ignore();
    }

private:
    bool stopAsked_ = false;
};

ProgressDialog::ProgressDialog() = default;

ProgressDialog::~ProgressDialog() = default;

void ProgressDialog::open(std::string_view title)
{
    dialog_ = std::make_unique<StayingDialog>(QApplication::activeWindow());
    dialog_->setWindowTitle(qtText(title));
    dialog_->setCancelButtonText("Cancel");
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // Wide enough for a stick path, as the Windows program's window is.
    dialog_->setMinimumWidth(dialog_->fontMetrics().averageCharWidth() * 56);
    dialog_->show();
    pacing_.restart();
}

bool ProgressDialog::advance(std::string_view path, std::size_t index, std::size_t count)
{
    if (!dialog_)
        return true;
    if (pacing_.due()) {
        dialog_->setMaximum(static_cast<int>(count));
        dialog_->setValue(static_cast<int>(index));
        dialog_->setLabelText(qtText(path));
        QCoreApplication::processEvents();
    }
    return !dialog_->stopAsked();
}

void ProgressDialog::close() { dialog_.reset(); }

}  // namespace morvane::qt
