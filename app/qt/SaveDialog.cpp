// QFileDialog in save mode, opening in the user's Documents with the proposed name. For a
// new folder it asks nothing about a name that exists: whether that folder may take what
// is to be written is the caller's to check. For a file, replacing one is asked about.
#include "app/qt/SaveDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStandardPaths>

#include "app/qt/ModalAnswers.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {

std::optional<std::string> SaveDialog::chooseSaveLocation(const SaveRequest& request)
{
    if (ModalAnswers* answers = modalAnswers())
        return answers->nextFileChoice();
    QFileDialog dialog(QApplication::activeWindow(), qtText(request.title),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, request.newFolder);
    dialog.selectFile(qtText(request.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace morvane::qt
