// QFileDialog in save mode, opening in the user's Documents with the proposed name: the
// name typed is the new folder's. It asks nothing about a name that exists: whether that
// folder may take what is to be written is the caller's to check.
#include "app/qt/SaveFolderDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStandardPaths>

#include "app/qt/ModalAnswers.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {

std::optional<std::string> SaveFolderDialog::chooseNewFolder(const NewFolderRequest& request)
{
    if (ModalAnswers* answers = modalAnswers())
        return answers->nextFileChoice();
    QFileDialog dialog(QApplication::activeWindow(), qtText(request.title),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(qtText(request.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace morvane::qt
