// QtFaceDialog: the Qt window of the Human Faces command, the list of stored faces and
// the picture of the selected one.
#pragma once

#include "ui/FaceDialog.h"

class QWidget;

namespace morvane {

class QtFaceDialog final : public FaceDialogView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit QtFaceDialog(QWidget* parent) : parent_(parent) {}

    void runModal(const FaceRecords& faces) override;

private:
    QWidget* parent_;
};

}  // namespace morvane
