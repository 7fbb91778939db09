// A scripted fake of the window system for flow tests: message boxes and questions, the
// file-open and save dialogs, the scanning window, the wait cursor, the clipboard, the
// progress window and the sound player, all writing one log of what the user would have
// seen (and heard), in order.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "stick/ReadProgress.h"
#include "ui/Clipboard.h"
#include "ui/FileOpenDialog.h"
#include "ui/ProgressWindow.h"
#include "ui/SaveDialog.h"
#include "ui/ScanWindow.h"
#include "ui/SoundPlayer.h"
#include "ui/UserMessages.h"
#include "ui/UserQuestions.h"
#include "ui/WaitCursor.h"

namespace morvane::test {

using UiLog = std::vector<std::string>;

// Logs "message: TEXT".
class RecordingMessages : public UserMessages {
public:
    explicit RecordingMessages(UiLog& log) : log_(log) {}
    void showMessage(std::string_view text) override;
    std::vector<std::string> shown;

private:
    UiLog& log_;
};

// Logs "question: TEXT" and answers the next scripted answer; No once they run out.
class ScriptedQuestions : public UserQuestions {
public:
    explicit ScriptedQuestions(UiLog& log) : log_(log) {}
    bool askYesNo(std::string_view question) override;
    std::deque<bool> answers;

private:
    UiLog& log_;
};

// Logs "save dialog TITLE: SUGGESTED NAME" and answers the next scripted choice; cancels once
// they run out.
class ScriptedSaveDialog : public SaveDialog {
public:
    explicit ScriptedSaveDialog(UiLog& log) : log_(log) {}
    std::optional<std::string> chooseSaveLocation(const SaveRequest& request) override;
    std::deque<std::string> choices;

private:
    UiLog& log_;
};

// Logs "file dialog" and answers the next scripted choice; cancels once they run out.
class ScriptedFileDialog : public FileOpenDialog {
public:
    explicit ScriptedFileDialog(UiLog& log) : log_(log) {}
    std::optional<std::string> chooseFile(const FileOpenRequest& request) override;
    std::deque<std::string> choices;
    std::vector<FileOpenRequest> requests;

private:
    UiLog& log_;
};

// Logs "scan window open", "probe PATH", "scan window closed". "Manual Open" is pressed
// while `pressManualOpenAt` is shown, and taken when waiting messages are delivered.
class ScriptedScanWindow : public ScanWindow {
public:
    explicit ScriptedScanWindow(UiLog& log) : log_(log) {}
    void open() override { log_.push_back("scan window open"); }
    void showProbePath(std::string_view path) override;
    void deliverWaitingMessages() override;
    bool manualOpenRequested() const override { return manualOpen_; }
    void close() override { log_.push_back("scan window closed"); }
    std::optional<std::string> pressManualOpenAt;

private:
    UiLog& log_;
    std::string shownPath_;
    bool manualOpen_ = false;
};

// Logs "wait cursor on" and "wait cursor off".
class LoggingWaitCursor : public WaitCursor {
public:
    explicit LoggingWaitCursor(UiLog& log) : log_(log) {}
    void begin() override { log_.push_back("wait cursor on"); }
    void end() override { log_.push_back("wait cursor off"); }

private:
    UiLog& log_;
};

// Logs "progress open TITLE", "progress N/COUNT PATH" (N from 1) and "progress closed".
// Cancel is pressed when the file `cancelAt` is shown.
class ScriptedProgressWindow : public ProgressWindow {
public:
    explicit ScriptedProgressWindow(UiLog& log) : log_(log) {}
    void open(std::string_view title) override { log_.push_back("progress open " + std::string(title)); }
    bool advance(std::string_view path, std::size_t index, std::size_t count) override;
    void close() override { log_.push_back("progress closed"); }
    std::optional<std::string> cancelAt;

private:
    UiLog& log_;
};

// Logs "reading N/COUNT PATH" (N from 1) and keeps it in `read`; stops the reading at the
// file `stopAt`.
class ScriptedReading : public ReadProgress {
public:
    bool reading(std::string_view path, std::size_t index, std::size_t count) override
    {
        read.push_back("reading " + std::to_string(index + 1) + "/" + std::to_string(count) + " " +
                       std::string(path));
        return !stopAt || path != *stopAt;
    }
    std::optional<std::string> stopAt;
    UiLog read;
};

// Logs "played N bytes" and keeps the recording; answers `canPlay`.
class RecordingPlayer : public SoundPlayer {
public:
    explicit RecordingPlayer(UiLog& log) : log_(log) {}
    bool play(std::span<const std::uint8_t> wave) override
    {
        log_.push_back("played " + std::to_string(wave.size()) + " bytes");
        played.assign(wave.begin(), wave.end());
        return canPlay;
    }
    bool canPlay = true;
    std::vector<std::uint8_t> played;

private:
    UiLog& log_;
};

// Keeps what it was given, or answers the scripted failure and keeps nothing.
class ScriptedClipboard : public Clipboard {
public:
    Result putText(std::string_view bytes) override;
    Result answer = Result::Done;
    std::optional<std::string> content;
};

struct ScriptedUi {
    UiLog log;
    RecordingMessages messages{log};
    ScriptedQuestions questions{log};
    ScriptedFileDialog fileDialog{log};
    ScriptedSaveDialog saveDialog{log};
    ScriptedScanWindow scanWindow{log};
    LoggingWaitCursor waitCursor{log};
    ScriptedClipboard clipboard;
    ScriptedProgressWindow progress{log};
    RecordingPlayer player{log};
};

}  // namespace morvane::test
