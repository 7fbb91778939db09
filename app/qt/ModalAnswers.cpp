// The answers in force: one set for the whole program, as modal dialogs run one at a time
// on the window thread.
#include "app/qt/ModalAnswers.h"

namespace morvane::qt {
namespace {

ModalAnswers* answersInForce = nullptr;

}  // namespace

std::optional<std::string> ModalAnswers::nextFileChoice()
{
    if (fileChoices.empty())
        return std::nullopt;
    std::optional<std::string> choice = std::move(fileChoices.front());
    fileChoices.pop_front();
    return choice;
}

bool ModalAnswers::nextAnswer(std::string_view question)
{
    questions.emplace_back(question);
    if (yesAnswers.empty())
        return false;
    const bool yes = yesAnswers.front();
    yesAnswers.pop_front();
    return yes;
}

ModalAnswers* modalAnswers() { return answersInForce; }

AnsweringModals::AnsweringModals(ModalAnswers& answers) { answersInForce = &answers; }

AnsweringModals::~AnsweringModals() { answersInForce = nullptr; }

}  // namespace morvane::qt
