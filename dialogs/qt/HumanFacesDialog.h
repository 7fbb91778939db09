// HumanFacesDialog: the Qt window of the Human Faces command, the list of stored faces and
// the picture of the selected one.
#pragma once

#include "ui/FaceDialogView.h"

class QWidget;

namespace morvane::qt {

class HumanFacesDialog final : public FaceDialogView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit HumanFacesDialog(QWidget* parent) : parent_(parent) {}

    void runModal(const FaceRecords& faces) override;

private:
    QWidget* parent_;
};

}  // namespace morvane::qt
