// Qt keeps override cursors on a stack, so nested uses keep the wait cursor until the
// outermost ends.
#include "app/qt/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace morvane::qt {

void BusyCursor::begin() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void BusyCursor::end() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace morvane::qt
