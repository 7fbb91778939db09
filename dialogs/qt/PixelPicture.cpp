// The edge is the 2-pixel sunken edge of a Win32 static control. The picture is enlarged
// by the whole part of the screen's device pixel ratio, each pixel to a square block
// (nearest neighbour), so that swatches and face blocks keep hard edges where a smooth
// scale would blur them.
#include "dialogs/qt/PixelPicture.h"

#include <QPainter>

#include <cmath>

namespace morvane::qt {

PixelPicture::PixelPicture(QSize size, const QString& caption, QWidget* parent)
    : QFrame(parent), picture_(size, QImage::Format_ARGB32), caption_(caption)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFixedSize(size + QSize(2 * frameWidth(), 2 * frameWidth()));
    picture_.fill(Qt::transparent);
}

void PixelPicture::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.drawText(inside, Qt::AlignHCenter | Qt::AlignTop, caption_);
    const int scale = std::max(1, static_cast<int>(std::floor(devicePixelRatioF())));
    QImage shown = picture_.scaled(picture_.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(scale);
    painter.drawImage(inside.topLeft(), shown);
}

}  // namespace morvane::qt
