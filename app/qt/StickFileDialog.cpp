// QFileDialog with the request's texts, opening in the user's Documents when asked or
// else in the current directory (the open stick's root, or the folder the program started
// in) with the request's file name proposed. Qt matches the filter's pattern in any letter case, so a stick
// mounted with upper-case names shows its MEMSTICK.IND too. The dialog leaves the current directory alone:
// only the caller changes it.
#include "app/qt/StickFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "app/qt/ModalAnswers.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {
std::optional<std::string> StickFileDialog::chooseFile(const FileOpenRequest& request)
{
    if (ModalAnswers* answers = modalAnswers())
        return answers->nextFileChoice();
    const QString folder = request.startInDocuments
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QDir::currentPath();
    QFileDialog dialog(QApplication::activeWindow(), qtText(request.title), folder,
                       qtText(request.filterLabel));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(qtText(request.defaultExtension));
    dialog.selectFile(qtText(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace morvane::qt
