// The player is the desktop's for WAV files (QDesktopServices), which Linux and macOS
// always have; Qt's own audio module would add a dependency for a few seconds of sound.
// While the tests answer the program's dialogs, the recording is kept with the answers.
#include "app/qt/DesktopSoundPlayer.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

#include "app/qt/ModalAnswers.h"

namespace morvane::qt {
namespace {

constexpr std::size_t kRecordingsKept = 8;

}  // namespace

DesktopSoundPlayer::DesktopSoundPlayer() = default;

DesktopSoundPlayer::~DesktopSoundPlayer() = default;

bool DesktopSoundPlayer::play(std::span<const std::uint8_t> wave)
{
    if (ModalAnswers* answers = modalAnswers()) {
        answers->played.emplace_back(wave.begin(), wave.end());
        return true;
    }
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/morvane-XXXXXX.wav");
    if (!file->open() || file->write(reinterpret_cast<const char*>(wave.data()),
                                     static_cast<qint64>(wave.size())) != static_cast<qint64>(wave.size()))
        return false;
    file->flush();
    const QUrl url = QUrl::fromLocalFile(file->fileName());
    played_.push_back(std::move(file));
    if (played_.size() > kRecordingsKept)
        played_.pop_front();
    return QDesktopServices::openUrl(url);
}

}  // namespace morvane::qt
