// VoiceDialog: the Qt window of the Voice Recordings command, the slots, and "Play" and
// "Save As..." for the chosen one.
#pragma once

#include "ui/VoiceDialogView.h"

class QWidget;

namespace morvane::qt {

class VoiceDialog final : public VoiceDialogView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit VoiceDialog(QWidget* parent) : parent_(parent) {}

    void runModal(VoiceRecords& voices) override;

private:
    QWidget* parent_;
};

}  // namespace morvane::qt
