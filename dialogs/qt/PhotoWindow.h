// The Qt window of one photo of the album, which the owner may size and maximise; the
// photo fills it in its own proportions, scaled smoothly.
#pragma once

#include <QString>

#include "ui/RgbImage.h"

class QWidget;

namespace morvane::qt {

// Shows `photo` modally over `parent`, the window titled `caption` and opened fitted to
// 640 x 480 pixels, until it is closed. The photo's area is named "photo".
void showPhoto(QWidget* parent, const RgbImage& photo, const QString& caption);

}  // namespace morvane::qt
