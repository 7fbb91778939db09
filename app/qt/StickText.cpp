// Report lines mix the stick's own 8-bit text with paths of this system. The system's
// 8-bit text is UTF-8 here, as the code page is on Windows, and the paths come in it; the
// robot's files hold plain ASCII or the Western 8-bit characters, which are rarely valid
// UTF-8 and read as Latin-1. Either way every byte shows as a character, never as a gap.
#include "app/qt/StickText.h"

#include <QStringDecoder>

namespace morvane::qt {

QString stickText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view);
}

}  // namespace morvane::qt
