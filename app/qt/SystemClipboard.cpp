// The clipboard gets the text the Windows program hands over as 8-bit text, read as the
// list shows it: the terminating NUL marks the end there and is not part of the text.
// Qt's clipboard takes text without a failure to report.
#include "app/qt/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/qt/StickText.h"

namespace morvane::qt {

Clipboard::Result SystemClipboard::putText(std::string_view bytes)
{
    if (bytes.ends_with('\0'))
        bytes.remove_suffix(1);
    QGuiApplication::clipboard()->setText(stickText(bytes));
    return Result::Done;
}

}  // namespace morvane::qt
