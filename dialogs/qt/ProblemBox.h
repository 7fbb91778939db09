// What a viewer could not read, one line each, in a read-only box of a few lines that
// scrolls, so that any number of problems never makes the window taller than the screen.
// The box is hidden when there are none.
#pragma once

#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace morvane::qt {

// The box, named "problems".
QPlainTextEdit* problemBox(const std::vector<std::string>& problems, QWidget* parent);

}  // namespace morvane::qt
