// Answers to the program's modal dialogs, given in advance. The program never sets any,
// and every dialog waits for the user; a test that drives the real windows puts answers
// in force, and the file-open dialog and the message boxes then take them instead.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace morvane::qt {

struct ModalAnswers {
    // The file-open dialog's answers in turn: a path, or none for Cancel. It cancels
    // once they run out.
    std::deque<std::optional<std::string>> fileChoices;
    // Every message box's text, each answered with OK as it came.
    std::vector<std::string> messages;
};

// The answers in force, or null while the dialogs run for the user.
ModalAnswers* modalAnswers();

// Puts `answers` in force for its lifetime.
class AnsweringModals {
public:
    explicit AnsweringModals(ModalAnswers& answers);
    ~AnsweringModals();
    AnsweringModals(const AnsweringModals&) = delete;
    AnsweringModals& operator=(const AnsweringModals&) = delete;
};

}  // namespace morvane::qt
