// A message box belongs to the active window (the main window, or an editor's dialog
// while one is open), so that it blocks it; before the main window exists it has none.
// Its caption is the name the program was started by.
#include "app/qt/MessageBoxMessages.h"

#include <QApplication>
#include <QMessageBox>

#include "app/qt/ModalAnswers.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {

void MessageBoxMessages::showMessage(std::string_view text)
{
    if (ModalAnswers* answers = modalAnswers()) {
        answers->messages.emplace_back(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), qtText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxMessages::askYesNo(std::string_view question)
{
    if (ModalAnswers* answers = modalAnswers())
        return answers->nextAnswer(question);
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(), qtText(question),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace morvane::qt
