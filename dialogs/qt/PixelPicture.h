// PixelPicture: a sunken area that shows a picture painted pixel by pixel, one picture
// pixel per logical pixel, crisp on high-density screens. Both viewers show their
// pictures in it.
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace morvane::qt {

class PixelPicture final : public QFrame {
public:
    // An area whose inside is `size` pixels, showing `caption` (centred, line by line)
    // under the picture; the picture starts transparent.
    PixelPicture(QSize size, const QString& caption, QWidget* parent);

    // The picture to paint on; call update() after painting.
    QImage& picture() { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QString caption_;
};

}  // namespace morvane::qt
