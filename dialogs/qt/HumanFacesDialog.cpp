// The picture area shows its caption until a face is selected; the face is then drawn
// over it, and the parts of the caption around the face stay visible. The picture is
// kept, so it survives being covered by another window.
#include "dialogs/qt/HumanFacesDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/qt/ImageCanvas.h"
#include "dialogs/qt/PixelPicture.h"

namespace morvane::qt {
namespace {

// The Win32 dialog's sizes at 96 dpi: the list is 61 x 88 dialog units, the picture
// area 103 x 68 less its edge.
constexpr QSize kListSize(92, 143);
constexpr QSize kPictureInside(151, 107);
const char* const kPictureCaption = "\n<<display face>>\n\n  d = demo faces\n  facem = owner";

// The names in record order, each entry keeping its record index; the stick's names are
// 8-bit text, taken as Latin-1 so that every byte shows as one character.
QListWidget* faceList(const FaceRecords& faces, QWidget* dialog)
{
    auto* list = new QListWidget(dialog);
    list->setFixedSize(kListSize);
    for (std::size_t record = 0; record < faces.faceCount(); ++record) {
        const std::string_view name = faces.faceName(record);
        auto* entry =
            new QListWidgetItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        entry->setData(Qt::UserRole, QVariant::fromValue(record));
        list->addItem(entry);
    }
    return list;
}

void drawSelectedFace(const FaceRecords& faces, const QListWidget& list, PixelPicture& picture)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty())
        return;
    picture.picture().fill(Qt::transparent);
    ImageCanvas canvas(picture.picture());
    faces.drawFace(selected.front()->data(Qt::UserRole).value<std::size_t>(), canvas);
    picture.update();
}

}  // namespace

// "Face name:" above the list, the picture to its right with "Done" below it; no entry
// selected at first.
void HumanFacesDialog::runModal(const FaceRecords& faces)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle("Human Face Identification Database");
    auto* grid = new QGridLayout(&dialog);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel("Face name:", &dialog);
    QListWidget* list = faceList(faces, &dialog);
    label->setBuddy(list);
    auto* picture = new PixelPicture(kPictureInside, kPictureCaption, &dialog);
    auto* done = new QPushButton("Done", &dialog);
    done->setDefault(true);
    QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog,
                     [&faces, list, picture] { drawSelectedFace(faces, *list, *picture); });
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::accept);
    grid->addWidget(label, 0, 0);
    grid->addWidget(list, 1, 0, 2, 1);
    grid->addWidget(picture, 1, 1, Qt::AlignTop);
    grid->addWidget(done, 2, 1, Qt::AlignHCenter | Qt::AlignBottom);
    dialog.exec();
}

}  // namespace morvane::qt
