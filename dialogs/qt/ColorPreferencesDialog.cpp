// Each area is painted once, into its picture, when the window opens: the table does not
// change while it is open. "Done", Escape and the close box all end it.
#include "dialogs/qt/ColorPreferencesDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <array>

#include "dialogs/qt/ImageCanvas.h"
#include "dialogs/qt/PixelPicture.h"

namespace morvane::qt {
namespace {

// The inside of a Win32 colour area at 96 dpi: 191 x 31 dialog units less its edge.
constexpr QSize kAreaInside(283, 46);

constexpr std::array<const char*, ColorAreaPainter::kAreaCount> kAreaLabels{
    "Ball #0", "Ball #1", "Color #2:", "Flesh #3:", "Fav #4:", "UnFav #5:", "Color #6:", "Color #7:"};

PixelPicture* paintedArea(const ColorAreaPainter& painter, std::size_t area, QWidget* dialog)
{
    auto* picture = new PixelPicture(kAreaInside, QString(), dialog);
    ImageCanvas canvas(picture->picture());
    painter.paintArea(area, {0, 0, kAreaInside.width(), kAreaInside.height()}, canvas);
    return picture;
}

}  // namespace

// Each label stands left of its area, level with its top; "Done" is centred below.
void ColorPreferencesDialog::runModal(const ColorAreaPainter& painter)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle("AIBO's Color Preferences");
    auto* grid = new QGridLayout(&dialog);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    for (std::size_t area = 0; area < kAreaLabels.size(); ++area) {
        const int row = static_cast<int>(area);
        grid->addWidget(new QLabel(kAreaLabels[area], &dialog), row, 0, Qt::AlignRight | Qt::AlignTop);
        grid->addWidget(paintedArea(painter, area, &dialog), row, 1);
    }
    auto* done = new QPushButton("Done", &dialog);
    done->setDefault(true);
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::reject);
    grid->addWidget(done, static_cast<int>(kAreaLabels.size()), 0, 1, 2, Qt::AlignHCenter);
    dialog.exec();
}

}  // namespace morvane::qt
