#include "dialogs/qt/PhotoWindow.h"

#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/PictureFit.h"

namespace morvane::qt {
namespace {

constexpr PixelRect kFirstPlace{0, 0, 640, 480};

QRect qtRect(const PixelRect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

// The photo, scaled smoothly to the largest place of its proportions in the area.
class PhotoArea final : public QWidget {
public:
    PhotoArea(const RgbImage& photo, QWidget* parent)
        : QWidget(parent),
          photo_(photo.rgb.data(), photo.width, photo.height, photo.width * 3, QImage::Format_RGB888)
    {
        setObjectName("photo");
        setMinimumSize(80, 60);
    }
    QSize sizeHint() const override
    {
        return qtRect(fitPicture(photo_.width(), photo_.height(), kFirstPlace)).size();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(qtRect(fitPicture(photo_.width(), photo_.height(), {0, 0, width(), height()})),
                          photo_);
    }

private:
    QImage photo_;  // borrows the caller's pixels, which outlive the window
};

}  // namespace

void showPhoto(QWidget* parent, const RgbImage& photo, const QString& caption)
{
    QDialog window(parent);
    window.setWindowTitle(caption);
    window.setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new PhotoArea(photo, &window));
    // Its own size, which Qt would otherwise cut to two thirds of a small screen.
    window.resize(window.sizeHint());
    window.exec();
}

}  // namespace morvane::qt
