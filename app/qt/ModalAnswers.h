// Answers to the program's modal dialogs, given in advance. The program never sets any,
// and every dialog waits for the user; a test that drives the real windows puts answers
// in force, and the file-open dialog and the message boxes then take them instead.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::qt {

struct ModalAnswers {
    // The file-open and new-folder dialogs' answers in turn: a path, or none for Cancel.
    // They cancel once the answers run out.
    std::deque<std::optional<std::string>> fileChoices;
    // Every message box's text, each answered with OK as it came.
    std::vector<std::string> messages;
    // The questions' answers in turn, true for Yes; No once they run out.
    std::deque<bool> yesAnswers;
    // Every question's text, as it came.
    std::vector<std::string> questions;
    // Every recording played, as the player was given it.
    std::vector<std::vector<std::uint8_t>> played;

    std::optional<std::string> nextFileChoice();
    bool nextAnswer(std::string_view question);
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
