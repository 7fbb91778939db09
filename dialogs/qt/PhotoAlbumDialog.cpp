// The grid lays its items out on a fixed grid of uniform items, their size given by the
// model, so it never asks for a thumbnail to measure an item: only the thumbnails it
// paints are decoded.
#include "dialogs/qt/PhotoAlbumDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/qt/AlbumListModel.h"
#include "dialogs/qt/PhotoWindow.h"
#include "dialogs/qt/ProblemBox.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {
namespace {

// Room for a thumbnail and three lines of its text under it.
constexpr QSize kGridCell(168, 144);

QListView* thumbnailGrid(PhotoRecords& album, QWidget* dialog)
{
    auto* grid = new QListView(dialog);
    grid->setViewMode(QListView::IconMode);
    grid->setMovement(QListView::Static);
    grid->setResizeMode(QListView::Adjust);
    grid->setUniformItemSizes(true);
    grid->setWordWrap(true);
    grid->setIconSize(QSize(kThumbnailWidth, kThumbnailHeight));
    grid->setGridSize(kGridCell);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setMinimumSize(kGridCell.width() * 4 + 24, kGridCell.height() * 3 + 8);
    grid->setModel(new AlbumListModel(album, kGridCell, grid));
    return grid;
}

}  // namespace

// The grid at the left, the buttons at the right, what could not be read below.
void PhotoAlbumDialog::runModal(PhotoRecords& album)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle("Photo Album");
    auto* layout = new QGridLayout(&dialog);
    QListView* grid = thumbnailGrid(album, &dialog);
    auto* open = new QPushButton("Open", &dialog);
    auto* save = new QPushButton("Save Photos...", &dialog);
    auto* done = new QPushButton("Done", &dialog);
    open->setEnabled(false);
    // Enter opens the chosen photo: the grid passes the key on to the default button.
    open->setDefault(true);
    done->setAutoDefault(false);
    save->setAutoDefault(false);
    const auto openChosen = [&album, grid, &dialog] {
        const QModelIndexList chosen = grid->selectionModel()->selectedIndexes();
        if (chosen.isEmpty())
            return;
        const auto line = static_cast<std::size_t>(chosen.front().row());
        if (const std::optional<RgbImage> photo = album.photo(line))
            showPhoto(&dialog, *photo, qtText(album.lines()[line]));
    };
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, &dialog,
                     [grid, open] { open->setEnabled(grid->selectionModel()->hasSelection()); });
    QObject::connect(grid, &QListView::doubleClicked, &dialog, openChosen);
    QObject::connect(open, &QPushButton::clicked, &dialog, openChosen);
    QObject::connect(save, &QPushButton::clicked, &dialog, [&album] { album.savePhotos(); });
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(grid, 0, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(save);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(problemBox(album.problems(), &dialog), 1, 0);
    layout->addWidget(done, 1, 1, Qt::AlignBottom);
    dialog.exec();
}

}  // namespace morvane::qt
