// QFileDialog with the request's texts, opening in the current directory (the open
// stick's root, or the folder the program started in) with the request's file name
// proposed. Qt matches the filter's pattern in any letter case, so a stick mounted with
// upper-case names shows its MEMSTICK.IND too. The dialog leaves the current directory
// alone: only the caller changes it.
#include "app/qt/StickFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

#include "app/qt/ModalAnswers.h"

namespace morvane::qt {
namespace {

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> nextScriptedChoice(ModalAnswers& answers)
{
    if (answers.fileChoices.empty())
        return std::nullopt;
    std::optional<std::string> choice = std::move(answers.fileChoices.front());
    answers.fileChoices.pop_front();
    return choice;
}

}  // namespace

std::optional<std::string> StickFileDialog::chooseFile(const FileOpenRequest& request)
{
    if (ModalAnswers* answers = modalAnswers())
        return nextScriptedChoice(*answers);
    QFileDialog dialog(QApplication::activeWindow(), qtText(request.title), QDir::currentPath(),
                       qtText(request.filterLabel));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(qtText(request.defaultExtension));
    dialog.selectFile(qtText(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace morvane::qt
