// The scripted window system's logging and answers.
#include "tests/support/ScriptedUi.h"

namespace morvane::test {

void RecordingMessages::showMessage(std::string_view text)
{
    shown.emplace_back(text);
    log_.push_back("message: " + std::string(text));
}

bool ScriptedProgressWindow::advance(std::string_view path, std::size_t index, std::size_t count)
{
    log_.push_back("progress " + std::to_string(index + 1) + "/" + std::to_string(count) + " " +
                   std::string(path));
    return !cancelAt || path != *cancelAt;
}

bool ScriptedQuestions::askYesNo(std::string_view question)
{
    log_.push_back("question: " + std::string(question));
    if (answers.empty())
        return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

std::optional<std::string> ScriptedSaveDialog::chooseSaveLocation(const SaveRequest& request)
{
    log_.push_back("save dialog " + std::string(request.title) + ": " + std::string(request.suggestedName));
    if (choices.empty())
        return std::nullopt;
    std::string choice = std::move(choices.front());
    choices.pop_front();
    return choice;
}

std::optional<std::string> ScriptedFileDialog::chooseFile(const FileOpenRequest& request)
{
    requests.push_back(request);
    log_.push_back("file dialog");
    if (choices.empty())
        return std::nullopt;
    std::string choice = std::move(choices.front());
    choices.pop_front();
    return choice;
}

void ScriptedScanWindow::showProbePath(std::string_view path)
{
    shownPath_ = path;
    log_.push_back("probe " + shownPath_);
}

void ScriptedScanWindow::deliverWaitingMessages()
{
    if (pressManualOpenAt == shownPath_)
        manualOpen_ = true;
}

Clipboard::Result ScriptedClipboard::putText(std::string_view bytes)
{
    if (answer == Result::Done)
        content = std::string(bytes);
    return answer;
}

}  // namespace morvane::test
